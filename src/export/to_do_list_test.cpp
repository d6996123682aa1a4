#include "export/to_do_list.h"

#include "support/failing_output_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr char kTitle[] = "\xEF\xBB\xBF"
                          "Settings to configure by hand in the Nimbrel Web Console after "
                          "importing kestrunSettings.csv\r\n"
                          "\r\n";

TEST(ToDoList, NumbersItemsInOrderAsUtf8WithEveryLineBreakInsideAnItemMadeASpace)
{
    EXPECT_EQ(toDoListBytes({}), QByteArray(kTitle) + "Nothing to configure by hand.\r\n");
    EXPECT_EQ(toDoListBytes({u"ACTION REQUIRED: caf\u00E9 \u2014 one"_s,
                             u"two\r\nlines\rand\nmore\n\r"_s, u"ACTION_REQUIRED: three"_s}),
              QByteArray(kTitle)
                  + "1. ACTION REQUIRED: caf\xC3\xA9 \xE2\x80\x94 one\r\n"
                    "2. two lines and more  \r\n"
                    "3. ACTION_REQUIRED: three\r\n");
}

TEST(ToDoList, ReplacesAnOldListAndLeavesNothingWhenAWriteFails)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"actionsRequired.txt"_s);
    const QStringList items{u"ACTION REQUIRED: one"_s};
    QString error;

    writeTestFile(path, QByteArray(10000, 'x'));
    ASSERT_TRUE(writeToDoList(path, items, &error));
    EXPECT_EQ(readTestFile(path), toDoListBytes(items));

    const struct {
        const char *name;
        OutputFailures failures;
        const char *reason;
    } cases[] = {
        {"disk full", {.spaceLeft = 20}, kDiskFullReason},
        {"sync fails", {.syncFails = true}, kDeviceFailedReason},
        {"close fails", {.closeFails = true}, kDeviceFailedReason},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(writeToDoList(path, items, &error, failingFiles(c.failures)));
        EXPECT_EQ(error, QString::fromLatin1(c.reason));
        // Half a list would pass for the whole of it.
        EXPECT_FALSE(QFile::exists(path));
    }

    // What was written cannot be deleted (a folder stands in its place here): the reason
    // says so, since the part left would pass for the whole list.
    const OutputFileOpener fullDisk = failingFiles({.spaceLeft = 20});
    const OutputFileOpener partLeftBehind = [&](const QString &where, OutputFile::Mode mode,
                                                QString *openError) {
        std::unique_ptr<OutputFile> file = fullDisk(where + u".part"_s, mode, openError);
        QDir().mkpath(where + u"/held"_s);
        return file;
    };
    EXPECT_FALSE(writeToDoList(path, items, &error, partLeftBehind));
    EXPECT_TRUE(error.startsWith(QString::fromLatin1(kDiskFullReason)
                                 + u"; the part written could not be deleted ("_s))
        << error.toStdString();
    EXPECT_TRUE(error.endsWith(u"): delete it by hand"_s)) << error.toStdString();
    ASSERT_TRUE(QDir(path).removeRecursively());

    // A folder where the list goes is left as it is.
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_FALSE(writeToDoList(path, items, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(path).isDir());
}

} // namespace
