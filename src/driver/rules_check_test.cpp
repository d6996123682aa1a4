#include "driver/rules_check.h"

#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(RulesCheck, CountsOnlyAnEntryOfRuleOne)
{
    struct Case {
        const char *name;
        QByteArray file;
        bool expected;
    };
    const Case cases[] = {
        {"rule 1 with an entry", "[Rule 1]\r\nType=3\r\n", true},
        {"rule 1 with a bare name", "[rule 1]\r\nAllow\r\n", true},
        {"rule 1 empty", "[Rule 1]\r\n[Rule 2]\r\nType=3\r\n", false},
        {"rule 1 with comments only", "[Rule 1]\r\n;Type=3\r\n", false},
        {"only rule 2", "[Rule 2]\r\nType=3\r\n", false},
        {"empty file", "", false},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"ksrUserValidate.inf"_s);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeTestFile(path, c.file);
        EXPECT_EQ(validatingAuthorityRulesConfigured(path), c.expected);
    }
    EXPECT_FALSE(validatingAuthorityRulesConfigured(dir.filePath(u"missing.inf"_s)));
}

TEST(RulesCheck, TellsAFileThatIsThereButCannotBeReadFromAMissingOne)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString unreadable;
    // A missing file holds no rules, which is no loss.
    EXPECT_FALSE(validatingAuthorityRulesConfigured(dir.filePath(u"missing.inf"_s), &unreadable));
    EXPECT_EQ(unreadable, QString());
    // A readable file without rules is no loss either.
    const QString path = dir.filePath(u"empty.inf"_s);
    writeTestFile(path, "");
    EXPECT_FALSE(validatingAuthorityRulesConfigured(path, &unreadable));
    EXPECT_EQ(unreadable, QString());
    // A folder in the file's place may hide rules.
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"ksrUserValidate.inf"_s));
    EXPECT_FALSE(
        validatingAuthorityRulesConfigured(dir.filePath(u"ksrUserValidate.inf"_s), &unreadable));
    EXPECT_EQ(unreadable, u"it is a folder, not a file"_s);
}
