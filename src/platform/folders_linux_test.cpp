#include "platform/folders.h"

#include "support/scoped_environment.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Folders, CommonAppDataFolderComesFromProgramData)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeTestFile(dir.filePath(u"file"_s), "x");
    const bool hasVarLib = QFileInfo(u"/var/lib"_s).isDir();

    struct Case {
        const char *name;
        QString value;
        std::optional<QString> expected;
    };
    const Case cases[] = {
        {"an existing folder", dir.path(), dir.path()},
        {"empty falls back to /var/lib", QString(),
         hasVarLib ? std::optional(u"/var/lib"_s) : std::nullopt},
        {"a missing folder", dir.filePath(u"missing"_s), std::nullopt},
        {"a file, not a folder", dir.filePath(u"file"_s), std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScopedEnvironment environment;
        environment.set("PROGRAMDATA", QFile::encodeName(c.value));
        EXPECT_EQ(Folders::commonAppDataFolder(), c.expected);
    }

    ScopedEnvironment environment;
    environment.unset("PROGRAMDATA");
    EXPECT_EQ(Folders::commonAppDataFolder(),
              hasVarLib ? std::optional(u"/var/lib"_s) : std::nullopt);
}

TEST(Folders, DesktopFolderFollowsTheUserDirectories)
{
    QTemporaryDir home;
    QTemporaryDir config;
    ASSERT_TRUE(home.isValid() && config.isValid());
    ScopedEnvironment environment;
    environment.set("HOME", QFile::encodeName(home.path()));
    environment.set("XDG_CONFIG_HOME", QFile::encodeName(config.path()));

    // The desktop is named whether or not it exists; creating it is the caller's part.
    EXPECT_EQ(Folders::desktopFolder(), home.path() + u"/Desktop"_s);

    writeTestFile(config.filePath(u"user-dirs.dirs"_s), "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
    EXPECT_EQ(Folders::desktopFolder(), home.path() + u"/Schreibtisch"_s);
}
