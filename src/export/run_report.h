#pragma once

#include <QString>
#include <QStringList>

/// The kinds of rows of the export file.
enum class RowKind {
    BranchSetting,
    GroupSetting,
    Group,         ///< a group of the groups table
    UngroupedPool, ///< the group row of the computers whose group has no name
    Computer,
};

/// How many rows of each kind the run wrote, and how its computers were placed.
struct RowCounts {
    qint64 branchSettings = 0; ///< commented out or not
    qint64 commentedBranchSettings = 0;
    qint64 groups = 0; ///< without the ungrouped pool
    qint64 groupSettings = 0;
    qint64 computers = 0;
    qint64 ungroupedComputers = 0; ///< computers placed in the ungrouped pool
};

/// What the run reports as it goes: the settings the operator must configure by hand,
/// in the order they were printed, and what went into the export file. The console lines,
/// the end-of-run summary and the to-do list all come from this one record.
class RunReport {
public:
    /// Prints \a line (a line that asks the operator to act) on standard output and keeps
    /// it as an item of the to-do list.
    void actionRequired(const QString &line);
    const QStringList &actionItems() const { return m_actionItems; }

    void countRow(RowKind kind, bool isCommentedOut);
    void countUngroupedComputer() { ++m_counts.ungroupedComputers; }
    const RowCounts &rowCounts() const { return m_counts; }

    /// A validating authority's login password went into the export file as it is.
    void notePasswordInClearText() { m_hasPasswordInClearText = true; }
    bool hasPasswordInClearText() const { return m_hasPasswordInClearText; }

private:
    QStringList m_actionItems;
    RowCounts m_counts;
    bool m_hasPasswordInClearText = false;
};
