#include "common/installation_paths.h"

#include "platform/console.h"
#include "support/scoped_folders.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kFailedLine = u"Failed to get Kestrun program data path.\n"_s;
const QString kServicePath = u"./../Management Service/config/ksrServer.qfp"_s;

/// \a path as the program names it: with the system's own separators.
QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

struct PathCase {
    const char *name;
    QString (InstallationPaths::*path)();
    QString relative; // the path when no program-data folder is found
};

const PathCase kPathCases[] = {
    {"console data folder", &InstallationPaths::consoleDataFolder, u""_s},
    {"config folder", &InstallationPaths::configFolder, u"config/"_s},
    {"database", &InstallationPaths::databasePath, u"data/kestrun.db"_s},
    {"console preferences", &InstallationPaths::consolePreferencesPath,
     u"config/ksrManagementConsole.qfp"_s},
    {"localized messages", &InstallationPaths::localMessagesPath, u"languages/localmsgs.inf"_s},
    {"user validation", &InstallationPaths::userValidationPath, u"config/ksrUserValidate.inf"_s},
};

} // namespace

TEST(InstallationPaths, FindsTheFilesUnderTheProgramDataFolder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ScopedFolders folders;
    folders.setProgramData(dir.path());
    const QString folder = dir.path() + u"/Quillfen/Kestrun/Management Console/"_s;

    Console::Capture console;
    InstallationPaths paths;
    for (const PathCase &c : kPathCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ((paths.*c.path)(), native(folder + c.relative));
    }
    EXPECT_EQ(paths.servicePreferencesPath(), kServicePath);
    EXPECT_EQ(console.out(), QString());
}

TEST(InstallationPaths, FallsBackToRelativePathsAndSaysSoOnEveryRequest)
{
    // A folder inside a file: it neither exists nor can be made.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeTestFile(dir.filePath(u"file"_s), "x");
    ScopedFolders folders;
    folders.setProgramData(dir.filePath(u"file/folder"_s));

    InstallationPaths paths;
    for (const PathCase &c : kPathCases) {
        SCOPED_TRACE(c.name);
        Console::Capture console;
        EXPECT_EQ((paths.*c.path)(), native(c.relative));
        EXPECT_EQ(console.out(), kFailedLine);
        EXPECT_EQ(console.err(), QString());
    }

    // The service path never asks for the folder.
    Console::Capture console;
    EXPECT_EQ(paths.servicePreferencesPath(), kServicePath);
    EXPECT_EQ(console.out(), QString());
}

TEST(InstallationPaths, RemembersTheFolderOnceFound)
{
    // "later" is a file at first, so no folder can be found or made inside it.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeTestFile(dir.filePath(u"later"_s), "x");
    ScopedFolders folders;
    folders.setProgramData(dir.filePath(u"later/data"_s));
    const QString folder = dir.path() + u"/later/data/Quillfen/Kestrun/Management Console/"_s;

    Console::Capture console;
    InstallationPaths paths;
    EXPECT_EQ(paths.databasePath(), native(u"data/kestrun.db"_s));

    // A failure is not remembered: the next request looks again.
    ASSERT_TRUE(QFile::remove(dir.filePath(u"later"_s)));
    ASSERT_TRUE(QDir(dir.path()).mkpath(u"later/data"_s));
    EXPECT_EQ(paths.databasePath(), native(folder + u"data/kestrun.db"_s));

    // A success is: the folder outlives the setting and the folder it named.
    folders.setProgramData(dir.filePath(u"missing/folder"_s));
    ASSERT_TRUE(QDir(dir.filePath(u"later"_s)).removeRecursively());
    EXPECT_EQ(paths.localMessagesPath(), native(folder + u"languages/localmsgs.inf"_s));
    EXPECT_EQ(console.out(), kFailedLine);
}
