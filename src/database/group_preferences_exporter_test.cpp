#include "database/group_preferences_exporter.h"

#include "common/export_stopped.h"
#include "export/export_file.h"
#include "platform/console.h"
#include "support/test_files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

TEST(GroupPreferencesExporter, WritesTheGroupRowAndItsSettingRows)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kestrunSettings.csv"_s);
    RunReport report;
    ExportFile file(report);
    GroupPreferencesExporter group(file, path, u"Teens"_s);
    group.writeGroup();
    group.writeBool(1, u"RCS"_s, u"hideEnabled"_s);
    group.writeString(u"NO_MAPPING: C:\\x.htm"_s, u"RCS"_s, u"image"_s);
    GroupPreferencesExporter ungrouped(file, path);
    ungrouped.writeGroup();
    file.finish();
    EXPECT_EQ(readTestFile(path),
              QByteArrayLiteral("Group^~%\"Teens\"\r\n"
                                "GroupSetting^~%\"Teens\"^~%RCS.hideEnabled^~%true\r\n"
                                "#GroupSetting^~%\"Teens\"^~%RCS.image^~%"
                                "\"NO_MAPPING: C:\\x.htm\"\r\n"
                                "Group^~%\"KESTRUN UNGROUPED\"\r\n"));
}

TEST(GroupPreferencesExporter, SaysOnEveryRowThatANameBeyondLatin1WasReplaced)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kestrunSettings.csv"_s);
    Console::Capture console;
    RunReport report;
    ExportFile file(report);
    GroupPreferencesExporter group(file, path, u"Caf\u00e9 \u4e2d"_s);
    group.writeGroup();
    group.writeBool(1, u"RCS"_s, u"hideEnabled"_s);
    group.writeInt(5, u"RS"_s, u"minutes"_s);
    file.finish();
    EXPECT_EQ(readTestFile(path),
              QByteArrayLiteral("Group^~%\"Caf\xE9 ?\"\r\n"
                                "GroupSetting^~%\"Caf\xE9 ?\"^~%RCS.hideEnabled^~%true\r\n"
                                "GroupSetting^~%\"Caf\xE9 ?\"^~%RS.minutes^~%5\r\n"));
    const QString line =
        u"ACTION REQUIRED: This value has characters that the export file cannot "
        u"hold; they were written as '?': 'Caf\u00e9 ?'. Please manually configure "
        u"the Nimbrel Reservation Service setting: 'Group Setting'\n"_s;
    EXPECT_EQ(console.out(), line + line + line);
    EXPECT_EQ(report.actionItems().size(), 3);
}

TEST(GroupPreferencesExporter, RefusesANameHoldingTheSeparatorWithoutWritingPartOfARow)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kestrunSettings.csv"_s);
    RunReport report;
    ExportFile file(report);
    {
        GroupPreferencesExporter group(file, path, u"Teens^~%Kids"_s);
        // The comment prefix of the second row comes before the name is checked; it must
        // not reach the file.
        const std::function<void()> writes[] = {
            [&] { group.writeGroup(); },
            [&] { group.writeString(u"NO_MAPPING: x"_s, u"RCS"_s, u"k"_s); },
        };
        for (const auto &write : writes) {
            try {
                write();
                ADD_FAILURE() << "row written";
            } catch (const ExportStopped &error) {
                EXPECT_STREQ(error.what(),
                             "ERROR: This value is invalid for this export tool: 'Teens^~%Kids'. "
                             "Please manually configure the Nimbrel Reservation Service "
                             "setting: 'Group Setting'");
            }
        }
    }
    file.finish();
    EXPECT_EQ(readTestFile(path), QByteArray());
}

} // namespace
