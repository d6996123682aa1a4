#include "export/localized_messages.h"

#include "export/branch_preferences_exporter.h"
#include "export/export_file.h"
#include "support/test_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

/// The three rows of one message, English, Spanish and French.
QByteArray messageRows(const QByteArray &en, const QByteArray &es, const QByteArray &fr)
{
    QByteArray rows;
    for (const auto &[code, text] : {std::pair{"en", en}, std::pair{"es", es}, std::pair{"fr", fr}})
        rows += "BranchSetting^~%RCS.warningMulti^~%{\"" + QByteArray(code) + "\":\"" + text
            + "\"}\r\n";
    return rows;
}

TEST(LocalizedMessages, WritesTheThreeLanguagesInOrderWithTheirBytesUnchanged)
{
    QTemporaryDir dir;
    const QString messagesPath = dir.filePath(u"languages/localmsgs.inf"_s);
    const auto exportMessage = [&](LocalizedMessages &messages, const QByteArray &messageKey) {
        const QString exportPath = dir.filePath(u"kestrunSettings.csv"_s);
        QFile::remove(exportPath);
        RunReport report;
        ExportFile file(report);
        BranchPreferencesExporter exporter(file, exportPath);
        writeLocalizedMessage(exporter, messages, messageKey, u"RCS"_s, u"warningMulti"_s);
        file.finish();
        return readTestFile(exportPath);
    };

    RunReport report;
    LocalizedMessages withoutFile(messagesPath, report);
    EXPECT_EQ(exportMessage(withoutFile, "LCL_WARN_DISPLAY_1"), messageRows("", "", ""));

    writeTestFile(messagesPath,
                  "[English]\r\n"
                  "LCL_WARN_DISPLAY_1=Your session ends soon.\r\n"
                  "LCL_ONLY_ENGLISH=Welcome\r\n"
                  "[Fran\xE7"
                  "ais]\r\n"
                  "LCL_WARN_DISPLAY_1=Votre s\xE9"
                  "ance \x80 5 minutes.\r\n"
                  "[Espa\xF1"
                  "ol]\r\n"
                  "LCL_WARN_DISPLAY_1=Su sesi\xF3"
                  "n termina.\r\n");
    // The file is read at the first lookup: the run's messages read it once.
    EXPECT_EQ(exportMessage(withoutFile, "LCL_WARN_DISPLAY_1"), messageRows("", "", ""));
    LocalizedMessages messages(messagesPath, report);
    EXPECT_EQ(exportMessage(messages, "LCL_WARN_DISPLAY_1"),
              messageRows("Your session ends soon.",
                          "Su sesi\xF3"
                          "n termina.",
                          "Votre s\xE9"
                          "ance \x80 5 minutes."));
    EXPECT_EQ(exportMessage(messages, "LCL_ONLY_ENGLISH"), messageRows("Welcome", "", ""));
}

} // namespace
