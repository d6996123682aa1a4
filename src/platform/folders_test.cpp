#include "platform/folders.h"

#include "support/test_files.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Folders, MakeFolderTellsWhatHappened)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    writeTestFile(dir.filePath(u"file"_s), "x");

    using Result = Folders::MakeFolderResult;
    struct Case {
        const char *name;
        QString path;
        Result expected;
    };
    // In order: the second case finds the folder the first one made.
    const Case cases[] = {
        {"created", dir.filePath(u"new/"_s), Result::Created},
        {"already there", dir.filePath(u"new/"_s), Result::AlreadyExists},
        {"a file of that name", dir.filePath(u"file"_s), Result::AlreadyExists},
        {"parent missing", dir.filePath(u"missing/new/"_s), Result::PathNotFound},
#ifdef Q_OS_WIN
        {"parent is a file", dir.filePath(u"file/new/"_s), Result::PathNotFound},
#else
        {"parent is a file", dir.filePath(u"file/new/"_s), Result::OtherFailure},
        // A backslash is an ordinary character of a name here.
        {"name with backslashes and spaces", dir.filePath(u"a\\b c/"_s), Result::Created},
#endif
        {"name beyond the ANSI code page", dir.filePath(u"\u0141ukasz \u6e2c\u8a66/"_s),
         Result::Created},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Folders::makeFolder(c.path), c.expected);
    }
    EXPECT_TRUE(QFileInfo(dir.filePath(u"\u0141ukasz \u6e2c\u8a66"_s)).isDir());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"missing"_s)));
}
