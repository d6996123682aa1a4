#include "platform/folders.h"

#include "support/scoped_folders.h"
#include "support/test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Folders, CommonAppDataFolderIsTheShellsAndIsMadeWhenMissing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeTestFile(dir.filePath(u"file"_s), "x");
    ScopedFolders folders;

    folders.setProgramData(dir.filePath(u"ProgramData"_s));
    EXPECT_EQ(Folders::commonAppDataFolder(),
              QDir::toNativeSeparators(dir.filePath(u"ProgramData"_s)));
    EXPECT_TRUE(QFileInfo(dir.filePath(u"ProgramData"_s)).isDir());

    // A folder that cannot be made is no folder.
    folders.setProgramData(dir.filePath(u"file/ProgramData"_s));
    EXPECT_EQ(Folders::commonAppDataFolder(), std::nullopt);
}

TEST(Folders, DesktopFolderFollowsItsRedirectionAndMustExist)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Characters beyond the ANSI code page reach the program unchanged.
    const QString desktop = dir.filePath(u"\u0141ukasz \u6e2c\u8a66/Desktop"_s);
    ScopedFolders folders;
    folders.setDesktop(desktop);
    EXPECT_EQ(Folders::desktopFolder(), std::nullopt);

    ASSERT_TRUE(QDir().mkpath(desktop));
    EXPECT_EQ(Folders::desktopFolder(), QDir::toNativeSeparators(desktop));
}
