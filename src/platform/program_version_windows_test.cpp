#include "platform/program_version.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ProgramVersion, ComesFromTheProgramsOwnFileWhereverItIsStartedFrom)
{
    // This test program carries the same version resource as the exporter.
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.path()));
    const QString version = programVersion();
    QDir::setCurrent(previous);
    EXPECT_EQ(version, QStringLiteral(KSE_TEST_VERSION));
}
