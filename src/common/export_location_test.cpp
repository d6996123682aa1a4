#include "common/export_location.h"

#include "platform/console.h"
#include "support/scoped_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

/// A desktop of its own, which does not exist until a test makes it.
class ExportLocationTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_home.isValid());
        m_folders.setDesktop(desktop());
    }

    QString desktop() const { return m_home.path() + u"/Desktop"_s; }
    QString exportFolder() const { return desktop() + u"/KESTRUN_SETTINGS/"_s; }

    QTemporaryDir m_home;
    ScopedFolders m_folders;
};

struct FileCase {
    const char *name;
    QString (ExportLocation::*path)();
    QString fileName;
};

const FileCase kFileCases[] = {
    {"export folder", &ExportLocation::exportFolder, u""_s},
    {"export file", &ExportLocation::exportFilePath, u"kestrunSettings.csv"_s},
    {"groups dump", &ExportLocation::groupsDumpPath, u"groupsDump.csv"_s},
    {"computers dump", &ExportLocation::computersDumpPath, u"resComputersDump.csv"_s},
};

} // namespace

TEST_F(ExportLocationTest, CreatesTheExportFolderOnTheDesktop)
{
    ASSERT_TRUE(QDir().mkpath(desktop()));
    Console::Capture console;
    ExportLocation location;
    for (const FileCase &c : kFileCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ((location.*c.path)(), exportFolder() + c.fileName);
    }
    EXPECT_TRUE(QFileInfo(exportFolder()).isDir());
    EXPECT_EQ(console.out(), QString());
}

TEST_F(ExportLocationTest, UsesAnExistingExportFolderQuietly)
{
    ASSERT_TRUE(QDir().mkpath(exportFolder()));
    Console::Capture console;
    ExportLocation location;
    EXPECT_EQ(location.exportFilePath(), exportFolder() + u"kestrunSettings.csv"_s);
    EXPECT_EQ(console.out(), QString());
}

TEST_F(ExportLocationTest, LooksUpAndCreatesTheFolderOnlyOnce)
{
    ASSERT_TRUE(QDir().mkpath(desktop()));
    Console::Capture console;
    ExportLocation location;
    EXPECT_EQ(location.exportFolder(), exportFolder());

    // Neither a removed folder nor a moved desktop changes the remembered folder, and the
    // folder is not made again.
    ASSERT_TRUE(QDir(exportFolder()).removeRecursively());
    m_folders.setDesktop(m_home.filePath(u"elsewhere/Desktop"_s));
    EXPECT_EQ(location.exportFilePath(), exportFolder() + u"kestrunSettings.csv"_s);
    EXPECT_EQ(location.groupsDumpPath(), exportFolder() + u"groupsDump.csv"_s);
    EXPECT_FALSE(QFileInfo::exists(exportFolder()));
    EXPECT_EQ(console.out(), QString());
}

TEST_F(ExportLocationTest, FallsBackToBareFileNamesWithoutADesktopFolder)
{
    // Linux names the desktop folder whether or not it exists, and making the export folder
    // in it fails; Windows names no desktop folder that does not exist.
#ifdef Q_OS_WIN
    const QString failed = u"Failed to get/create desktop export filepath. Export file will "
                           u"attempt to be written to current directory. Note: This program "
                           u"must be running as administrator for the export file to be "
                           u"written to the current directory.\n"_s;
#else
    const QString failed = u"Failed to create export folder on the desktop: "_s + exportFolder();
#endif
    ExportLocation location;
    for (const FileCase &c : kFileCases) {
        SCOPED_TRACE(c.name);
        Console::Capture console;
        EXPECT_EQ((location.*c.path)(), c.fileName);
        // No line end: whatever is printed next continues the line.
        EXPECT_EQ(console.out(), failed);
    }
    EXPECT_FALSE(QFileInfo::exists(exportFolder()));

    // Nothing was remembered: once the desktop exists the folder is made there.
    ASSERT_TRUE(QDir().mkpath(desktop()));
    Console::Capture console;
    EXPECT_EQ(location.exportFilePath(), exportFolder() + u"kestrunSettings.csv"_s);
    EXPECT_TRUE(QFileInfo(exportFolder()).isDir());
    EXPECT_EQ(console.out(), QString());
}

TEST_F(ExportLocationTest, KeepsBackslashesThatArePartOfTheDesktopPath)
{
#ifdef Q_OS_WIN
    GTEST_SKIP() << "on Windows a backslash separates folders";
#endif
    // On this system a backslash is an ordinary character of a folder name.
    const QString home = m_home.filePath(u"a\\b"_s);
    ASSERT_TRUE(QDir().mkpath(home + u"/Desktop"_s));
    m_folders.setDesktop(home + u"/Desktop"_s);

    Console::Capture console;
    ExportLocation location;
    EXPECT_EQ(location.exportFolder(), home + u"/Desktop/KESTRUN_SETTINGS/"_s);
    EXPECT_TRUE(QFileInfo(home + u"/Desktop/KESTRUN_SETTINGS"_s).isDir());
    EXPECT_EQ(console.out(), QString());
}
