#include "platform/file_removal.h"

#include "support/test_files.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

TEST(FileRemover, RemovesALinkOrAPipeWithoutOpeningWhatItNames)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString target = dir.filePath(u"target.csv"_s);
    const QString link = dir.filePath(u"kestrunSettings.csv"_s);
    const QString pipe = dir.filePath(u"actionsRequired.txt"_s);
    writeTestFile(target, "kept");
    ASSERT_TRUE(QFile::link(target, link));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    FileRemover remover;
    EXPECT_TRUE(remover.remove(link));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readTestFile(target), "kept");
    // A pipe without a writer would hold up anything that opened it for reading.
    EXPECT_TRUE(remover.remove(pipe));
    EXPECT_FALSE(QFileInfo::exists(pipe));
}

} // namespace
