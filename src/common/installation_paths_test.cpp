#include "common/installation_paths.h"

#include "platform/console.h"
#include "support/scoped_environment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kFailedLine = u"Failed to get Kestrun program data path.\n"_s;
const QString kServicePath = u"./../Management Service/config/ksrServer.qfp"_s;

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
    ScopedEnvironment environment;
    environment.set("PROGRAMDATA", QFile::encodeName(dir.path()));
    const QString folder = dir.path() + u"/Quillfen/Kestrun/Management Console/"_s;

    Console::Capture console;
    InstallationPaths paths;
    for (const PathCase &c : kPathCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ((paths.*c.path)(), folder + c.relative);
    }
    EXPECT_EQ(paths.servicePreferencesPath(), kServicePath);
    EXPECT_EQ(console.out(), QString());
}

TEST(InstallationPaths, FallsBackToRelativePathsAndSaysSoOnEveryRequest)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ScopedEnvironment environment;
    environment.set("PROGRAMDATA", QFile::encodeName(dir.filePath(u"missing"_s)));

    InstallationPaths paths;
    for (const PathCase &c : kPathCases) {
        SCOPED_TRACE(c.name);
        Console::Capture console;
        EXPECT_EQ((paths.*c.path)(), c.relative);
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
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ScopedEnvironment environment;
    environment.set("PROGRAMDATA", QFile::encodeName(dir.filePath(u"later"_s)));
    const QString folder = dir.path() + u"/later/Quillfen/Kestrun/Management Console/"_s;

    Console::Capture console;
    InstallationPaths paths;
    EXPECT_EQ(paths.databasePath(), u"data/kestrun.db"_s);

    // A failure is not remembered: the next request looks again.
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"later"_s));
    EXPECT_EQ(paths.databasePath(), folder + u"data/kestrun.db"_s);

    // A success is: the folder outlives the variable and the folder it named.
    environment.set("PROGRAMDATA", QFile::encodeName(dir.filePath(u"missing"_s)));
    ASSERT_TRUE(QDir(dir.filePath(u"later"_s)).removeRecursively());
    EXPECT_EQ(paths.localMessagesPath(), folder + u"languages/localmsgs.inf"_s);
    EXPECT_EQ(console.out(), kFailedLine);
}
