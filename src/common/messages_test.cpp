#include "common/messages.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Messages, SummaryNounsAreSingularOnlyForExactlyOne)
{
    EXPECT_EQ(Messages::exportSummary(1, 1, 1, 1, 1, 1),
              u"Exported 1 branch setting (1 commented out), 1 group with 1 group setting, and "
              u"1 computer (1 in the ungrouped pool)."_s);
    EXPECT_EQ(Messages::exportSummary(0, 0, 0, 0, 0, 0),
              u"Exported 0 branch settings (0 commented out), 0 groups with 0 group settings, "
              u"and 0 computers (0 in the ungrouped pool)."_s);
    EXPECT_EQ(Messages::exportSummary(2, 0, 11, 21, 101, 2),
              u"Exported 2 branch settings (0 commented out), 11 groups with 21 group settings, "
              u"and 101 computers (2 in the ungrouped pool)."_s);
}

TEST(Messages, UsageFitsAnEightyColumnConsole)
{
    // A line of 80 characters or more would make an 80-column console break it.
    const QStringList lines = Messages::usage().split(u'\n');
    ASSERT_GT(lines.size(), 10);
    for (const QString &line : lines) {
        SCOPED_TRACE(line.toStdString());
        EXPECT_LE(line.size(), 79);
    }
}
