#include "export/value_conversions.h"

#include "common/export_stopped.h"
#include "export/branch_preferences_exporter.h"
#include "export/export_file.h"
#include "export/run_report.h"
#include "platform/console.h"
#include "support/test_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

struct TextCase {
    const char *name;
    QString input;
    QString expected;
};

TEST(ValueConversions, ConvertsLegacyColoursToWebColours)
{
    const TextCase cases[] = {
        {"empty", QString(), QString()},
        {"black", u"0"_s, u"#000000"_s},
        {"red in the low byte", u"255"_s, u"#FF0000"_s},
        {"blue", u"16711680"_s, u"#0000FF"_s},
        {"each byte's two digits in order", u"11256099"_s, u"#23C1AB"_s},
        {"a one-digit byte padded", u"10"_s, u"#0A0000"_s},
        {"top byte ignored", u"-1"_s, u"#FFFFFF"_s},
        {"six characters kept as they stand", u"ff00aa"_s, u"#ff00aa"_s},
        {"six decimal digits are not a number", u"123456"_s, u"#123456"_s},
        {"seven characters, not a number", u"#FF0000"_s, u"#000000"_s},
        {"not a number", u"abc"_s, u"#000000"_s},
        {"beyond 32 bits", u"4294967295"_s, u"#000000"_s},
    };
    for (const TextCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(convertColor(c.input), c.expected);
    }
}

TEST(ValueConversions, RefusesLocalFilesWithAnInstruction)
{
    const QString label = u"Reservation Settings (Computer) > URL for Usage Policy"_s;
    const QString instruction =
        u"\nACTION REQUIRED: This value is a local file and will not be mapped: '%1'. Please "
        u"manually configure the Nimbrel Reservation Service setting: '"_s
        + label + u"'\n\n"_s;
    const struct {
        const char *name;
        QString input;
        bool isLocal;
    } cases[] = {
        {"http", u"http://library.example/policy.htm"_s, false},
        {"https, quoted", u"\"https://library.example/policy.htm\""_s, false},
        {"drive letter", u"C:\\policy.htm"_s, true},
        {"drive letter, quoted", u"\"C:\\policy.htm\""_s, true},
        {"file scheme", u"file:///srv/policy.htm"_s, true},
        {"UNC path", u"\\\\server\\share\\policy.htm"_s, true},
        {"bare file name", u"policy.htm"_s, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Console::Capture console;
        RunReport report;
        if (c.isLocal) {
            EXPECT_EQ(filterLocalFile(c.input, label, report), u"NO_MAPPING: "_s + c.input);
            const QString line = QString(instruction).replace(u"%1"_s, c.input);
            EXPECT_EQ(console.out(), line);
            // The line printed is the item of the to-do list.
            EXPECT_EQ(report.actionItems(), QStringList{line.trimmed()});
        } else {
            EXPECT_EQ(filterLocalFile(c.input, label, report), c.input);
            EXPECT_EQ(console.out(), QString());
            EXPECT_TRUE(report.actionItems().isEmpty());
        }
    }
    Console::Capture console;
    RunReport report;
    EXPECT_EQ(filterLocalFile(QString(), label, report), QString());
    EXPECT_EQ(console.out(), QString());
}

TEST(ValueConversions, MapsLibrarySystemNamesExactly)
{
    const TextCase cases[] = {
        {"known name", u"Symphony"_s, u"SIRSI_DYNIX_SYMPHONY"_s},
        {"last row", u"GIS - Polaris"_s, u"INNOVATIVE_POLARIS"_s},
        {"other letter case", u"symphony"_s, u"SIP2"_s},
        {"empty", QString(), u"SIP2"_s},
    };
    for (const TextCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ilsTypeForName(c.input), c.expected);
    }
}

TEST(ValueConversions, RefusesValidatingAuthoritiesTheCloudCannotServe)
{
    const QString type =
        u"Validating Authority type is NOT SUPPORTED in Nimbrel Reservation Service: "_s;
    const QString telnet = u"Validating Authority using telnet connection is NOT SUPPORTED in "
                           u"Nimbrel Reservation Service: "_s;
    const struct {
        const char *name;
        QString authority;
        int connectionType;
        QString expectedError; // empty: accepted
    } cases[] = {
        {"unsupported type", u"Main LDAP Server"_s, 0, type + u"Main LDAP Server"_s},
        {"marker inside a word", u"Nonesuch County"_s, 2, type + u"Nonesuch County"_s},
        {"telnet", u"Evergreen"_s, 1, telnet + u"Evergreen"_s},
        {"telnet replaces the type message", u"None"_s, 1, telnet + u"None"_s},
        {"other letter case is accepted", u"follett"_s, 0, QString()},
        {"supported, no scheme", u"Evergreen"_s, 0, QString()},
        {"supported, https", u"Evergreen"_s, 4, QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        try {
            checkValidatingAuthority(c.authority, c.connectionType);
            EXPECT_TRUE(c.expectedError.isEmpty());
        } catch (const ExportStopped &error) {
            EXPECT_EQ(error.message(), c.expectedError);
        }
    }
}

TEST(ValueConversions, ReadsLeadingIntegersByAtoiRulesWithoutOverflow)
{
    const struct {
        const char *name;
        QString input;
        int expected;
        qint64 minutes;
    } cases[] = {
        {"plain", u"12"_s, 12, 60},
        {"white space and sign", u" \t\n-7"_s, -7, -35},
        {"stops at the first other character", u"42abc 7"_s, 42, 210},
        {"no digits", u"abc"_s, 0, 0},
        {"space after the sign", u"- 5"_s, 0, 0},
        {"a no-break space is no white space", u"\u00A05"_s, 0, 0},
        {"a superscript two is no digit", u"1\u00B2"_s, 1, 5},
        {"int maximum", u"2147483647"_s, 2147483647, 10737418235},
        {"above the maximum saturates", u"99999999999999999999"_s, 2147483647, 10737418235},
        {"below the minimum saturates", u"-2147483649"_s, -2147483648, -10737418240},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(leadingInteger(c.input), c.expected);
        const QByteArray latin1 = c.input.toLatin1();
        EXPECT_EQ(leadingInteger(QLatin1StringView(latin1)), c.expected);
        EXPECT_EQ(blocksToMinutes(c.input), c.minutes);
    }
}

TEST(ValueConversions, WritesTheConnectorTypeUnderItsConnector)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kestrunSettings.csv"_s);
    RunReport report;
    ExportFile file(report);
    BranchPreferencesExporter exporter(file, path);
    for (const int authority : {2, 1, 3})
        writeConnectorType(exporter, authority, u"Evergreen"_s, u"Ils"_s);
    file.finish();
    // Any authority number other than 2 is the first connector.
    EXPECT_EQ(readTestFile(path),
              QByteArrayLiteral("BranchSetting^~%Ils.connector2.type^~%\"EVERGREEN\"\r\n"
                                "BranchSetting^~%Ils.connector1.type^~%\"EVERGREEN\"\r\n"
                                "BranchSetting^~%Ils.connector1.type^~%\"EVERGREEN\"\r\n"));
}

} // namespace
