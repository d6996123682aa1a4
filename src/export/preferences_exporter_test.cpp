#include "export/branch_preferences_exporter.h"

#include "common/export_stopped.h"
#include "export/export_file.h"
#include "platform/console.h"
#include "support/test_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const QString kCat = u"C"_s;
const QString kKey = u"k"_s;

enum class Writer { String, List, Localized, Setting, SettingAnywhere };

struct Case {
    const char *name;
    Writer writer;
    QString text;
    QByteArray expected; ///< the rows of C.k, one value per line; "#" marks a commented-out row
};

void writeWith(PreferencesExporter &exporter, Writer writer, const QString &text)
{
    switch (writer) {
    case Writer::String: exporter.writeString(text, kCat, kKey); break;
    case Writer::List: exporter.writeList(text, kCat, kKey); break;
    case Writer::Localized: exporter.writeLocalized(text, kCat, u"en"_s, kKey); break;
    case Writer::Setting: exporter.writeSetting(text, kCat, kKey, false); break;
    case Writer::SettingAnywhere: exporter.writeSetting(text, kCat, kKey, true); break;
    }
}

/// The rows of the setting C.k holding \a values, one per line of \a values.
QByteArray rowsOf(const QByteArray &values)
{
    QByteArray rows;
    for (const QByteArray &value : values.split('\n')) {
        const bool commented = value.startsWith('#');
        rows += (commented ? "#" : "") + QByteArray("BranchSetting^~%C.k^~%")
            + value.mid(commented ? 1 : 0) + "\r\n";
    }
    return rows;
}

class PreferencesExporterTest : public testing::Test {
protected:
    QString exportPath() const { return m_dir.filePath(u"kestrunSettings.csv"_s); }
    /// A writer for a new run, opened by the first exporter made with it.
    ExportFile &newExportFile()
    {
        m_file = std::make_unique<ExportFile>(m_report);
        return *m_file;
    }
    /// The file after the rows collected so far were written.
    QByteArray exported()
    {
        if (m_file)
            m_file->flush();
        return readTestFile(ExportFile::partialPath(exportPath()));
    }

    void expectCases(std::initializer_list<Case> cases)
    {
        for (const Case &c : cases) {
            SCOPED_TRACE(c.name);
            QFile::remove(exportPath());
            {
                BranchPreferencesExporter exporter(newExportFile(), exportPath());
                writeWith(exporter, c.writer, c.text);
            }
            EXPECT_EQ(exported(), rowsOf(c.expected));
        }
    }

private:
    QTemporaryDir m_dir;
    RunReport m_report;
    std::unique_ptr<ExportFile> m_file;
};

TEST_F(PreferencesExporterTest, WritesEachValueForm)
{
    {
        BranchPreferencesExporter exporter(newExportFile(), exportPath());
        exporter.writeBool(2, kCat, kKey);
        exporter.writeBool(0, kCat, kKey);
        exporter.writeInt(-5, kCat, kKey);
        exporter.writeInt(10737418235, kCat, kKey);
    }
    EXPECT_EQ(exported(), rowsOf("true\nfalse\n-5\n10737418235"));
    expectCases({
        {"empty string", Writer::String, {}, "\"\""},
        {"inner quotes stay", Writer::String, u"say \"hi\""_s, "\"say \"hi\"\""},
        {"list item", Writer::List, u"Ctrl+Esc"_s, "[\"Ctrl+Esc\"]"},
        {"empty list", Writer::List, {}, "[\"\"]"},
        {"localized", Writer::Localized, u"Welcome"_s, "{\"en\":\"Welcome\"}"},
    });
}

TEST_F(PreferencesExporterTest, NeverWritesARawLineBreak)
{
    expectCases({
        {"string, CR LF", Writer::String, u"a\r\nb"_s, "\"a\\r\\nb\""},
        {"string, lone LF and CR", Writer::String, u"a\nb\rc"_s, "\"a\\r\\nb\\r\\nc\""},
        {"string, LF CR is two breaks", Writer::String, u"a\n\rb"_s, "\"a\\r\\n\\r\\nb\""},
        {"list, empty middle line", Writer::List, u"a\r\n\r\nc"_s, "[\"a\"]\n[\"\"]\n[\"c\"]"},
        {"list, LF, CR, break at the end", Writer::List, u"a\nb\r"_s, "[\"a\"]\n[\"b\"]\n[\"\"]"},
        {"localized", Writer::Localized, u"a\r\nb\nc\rd"_s, "{\"en\":\"a\\nb\\nc\\nd\"}"},
    });
}

TEST_F(PreferencesExporterTest, CommentsOutValuesMarkedAsUnmappable)
{
    expectCases({
        {"quoted value", Writer::String, u"NO_MAPPING: C:\\a"_s, "#\"NO_MAPPING: C:\\a\""},
        {"marker in the first character", Writer::Setting, u"NO_MAPPING: x"_s, "NO_MAPPING: x"},
        {"marker anywhere", Writer::SettingAnywhere, u"NO_MAPPING: x"_s, "#NO_MAPPING: x"},
        {"marker without its space", Writer::String, u"NO_MAPPING:x"_s, "\"NO_MAPPING:x\""},
        {"list item", Writer::List, u"NO_MAPPING: x"_s, "[\"NO_MAPPING: x\"]"},
        {"localized", Writer::Localized, u"a NO_MAPPING: x"_s, "#{\"en\":\"a NO_MAPPING: x\"}"},
    });
}

TEST_F(PreferencesExporterTest, RefusesTheFieldSeparatorAndKeepsEarlierRows)
{
    const Case cases[] = {
        {"string", Writer::String, u"a^~%b"_s, {}},
        {"list, second line", Writer::List, u"ok\r\na^~%b"_s, {}},
        {"localized", Writer::Localized, u"a^~%b"_s, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(exportPath());
        BranchPreferencesExporter exporter(newExportFile(), exportPath());
        exporter.writeInt(1, kCat, kKey);
        try {
            writeWith(exporter, c.writer, c.text);
            ADD_FAILURE() << "no error raised";
        } catch (const ExportStopped &error) {
            EXPECT_EQ(error.message(),
                      u"ERROR: This value is invalid for this export tool: '"_s + c.text
                          + u"'. Please manually configure the Nimbrel Reservation Service "
                            u"setting: 'k'"_s);
        }
        EXPECT_EQ(exported(), rowsOf("1"));
    }
}

TEST_F(PreferencesExporterTest, WritesCharactersBeyondLatin1AsQuestionMarksAndSaysSo)
{
    Console::Capture console;
    {
        BranchPreferencesExporter exporter(newExportFile(), exportPath());
        exporter.writeString(u"caf\u00e9"_s, kCat, kKey);
        exporter.writeString(u"\u4e2d \U0001F600!"_s, kCat, kKey);
    }
    EXPECT_EQ(exported(), rowsOf("\"caf\xE9\"\n\"? ?!\""));
    EXPECT_EQ(console.out(),
              u"ACTION REQUIRED: This value has characters that the export file cannot hold; they "
              u"were written as '?': '? ?!'. Please manually configure the Nimbrel Reservation "
              u"Service setting: 'k'\n"_s);
}

TEST_F(PreferencesExporterTest, WritesHoursAsTimeOfDay)
{
    const struct {
        qint64 blocks;
        QByteArray time;
    } cases[] = {
        {102, "08:30"},
        {0, "00:00"},
        {288, "24:00"},
        {-1, ""},
        {std::numeric_limits<int>::max(), "178956970:35"},
        {std::numeric_limits<qint64>::max(), "768614336404564650:35"},
        {std::numeric_limits<qint64>::min(), ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.blocks);
        QFile::remove(exportPath());
        {
            BranchPreferencesExporter exporter(newExportFile(), exportPath());
            exporter.writeHours(c.blocks, u"H"_s, u"sundayLibraryHours.timeOfDayClosed"_s);
            exporter.writeHours(c.blocks, u"H"_s, u"sundayLibraryHours.timeOfDayOpen"_s);
        }
        EXPECT_EQ(exported(),
                  "BranchSetting^~%H.sundayLibraryHours.timeOfDayClosed^~%\"" + c.time
                      + "\"\r\n"
                        "BranchSetting^~%H.sundayLibraryHours.timeOfDayOpen^~%\""
                      + c.time + "\"\r\n");
    }
}

TEST_F(PreferencesExporterTest, AppendsRowsOfExportersOpenAtTheSameTime)
{
    writeTestFile(exportPath(), rowsOf("0"));
    {
        ExportFile &file = newExportFile();
        BranchPreferencesExporter first(file, exportPath());
        first.writeInt(1, kCat, kKey);
        BranchPreferencesExporter second(file, exportPath());
        first.writeInt(2, kCat, kKey);
        second.writeInt(3, kCat, kKey);
        first.writeInt(4, kCat, kKey);
    }
    // The old file's rows are gone; the rows come in the order written, whichever exporter
    // wrote them.
    EXPECT_EQ(exported(), rowsOf("1\n2\n3\n4"));
}

TEST_F(PreferencesExporterTest, WritesNothingWhenTheFileCannotBeOpened)
{
    const QString path = exportPath() + u"/missing/kestrunSettings.csv"_s;
    BranchPreferencesExporter exporter(newExportFile(), path);
    EXPECT_FALSE(exporter.isOpen());
    exporter.writeString(u"x"_s, kCat, kKey);
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
