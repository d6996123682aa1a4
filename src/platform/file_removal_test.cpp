#include "platform/file_removal.h"

#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(FileRemover, RemovesTheNameAtOnceAndLeavesWhatItCannotRemove)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString large = dir.filePath(u"kestrunSettings.csv"_s);
    const QString small = dir.filePath(u"actionsRequired.txt"_s);
    const QString folder = dir.filePath(u"a folder"_s);
    writeTestFile(large, QByteArray(4 << 20, 'x'));
    writeTestFile(small, "list");
    ASSERT_TRUE(QDir().mkdir(folder));
    {
        FileRemover remover;
        EXPECT_TRUE(remover.remove(large));
        EXPECT_FALSE(QFile::exists(large));
        // A new file of the same name can be made at once.
        writeTestFile(large, "new");
        EXPECT_EQ(readTestFile(large), "new");
        EXPECT_TRUE(remover.remove(small));
        EXPECT_FALSE(QFile::exists(small));
        EXPECT_FALSE(remover.remove(dir.filePath(u"missing.csv"_s)));
        EXPECT_FALSE(remover.remove(folder));
        EXPECT_TRUE(QFileInfo(folder).isDir());
    }
    // The remover has waited for everything it released; the new file is untouched.
    EXPECT_EQ(readTestFile(large), "new");
}

} // namespace
