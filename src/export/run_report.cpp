#include "export/run_report.h"

#include "platform/console.h"

void RunReport::actionRequired(const QString &line)
{
    Console::outLine(line);
    m_actionItems.append(line);
}

void RunReport::countRow(RowKind kind, bool isCommentedOut)
{
    switch (kind) {
    case RowKind::BranchSetting:
        ++m_counts.branchSettings;
        m_counts.commentedBranchSettings += isCommentedOut;
        return;
    case RowKind::GroupSetting: ++m_counts.groupSettings; return;
    case RowKind::Group: ++m_counts.groups; return;
    case RowKind::UngroupedPool: return;
    case RowKind::Computer: ++m_counts.computers; return;
    }
}
