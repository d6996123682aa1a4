#include "export/export_row_writer.h"

#include "common/export_stopped.h"
#include "common/messages.h"
#include "export/export_constants.h"
#include "export/export_file.h"
#include "export/export_text.h"
#include "export/text_scan.h"

#include <cstring>

using namespace Qt::StringLiterals;

namespace {

bool holdsFieldSeparator(QStringView text)
{
    for (qsizetype at = text.indexOf(kFieldSeparator.front()); at >= 0;
         at = text.indexOf(kFieldSeparator.front(), at + 1)) {
        if (text.sliced(at).startsWith(kFieldSeparator))
            return true;
    }
    return false;
}

bool holdsFieldSeparator(QLatin1StringView text)
{
    const char *const end = text.data() + text.size();
    for (const char *at = text.data(); at != end; ++at) {
        at = static_cast<const char *>(
            std::memchr(at, kFieldSeparator.front().toLatin1(), static_cast<size_t>(end - at)));
        if (at == nullptr)
            return false;
        if (QLatin1StringView(at, end - at).startsWith(kFieldSeparator))
            return true;
    }
    return false;
}

/// What validateValue looks for in a value.
struct ValueScan {
    bool isLatin1;
    bool holdsSeparatorStart; ///< the separator's first character, maybe not the separator
};

ValueScan scanValue(QStringView value)
{
    // One pass looks for characters beyond Latin-1 and for the separator's first character.
    const qsizetype size = value.size();
    const char16_t *const units = value.utf16();
    quint64 allUnits = 0;
    bool holdsSeparatorStart = false;
    qsizetype i = 0;
    for (; i + 4 <= size; i += 4) {
        const quint64 four = TextScan::fourUnits(units + i);
        allUnits |= four;
        holdsSeparatorStart |= TextScan::holdsUnit(four, kFieldSeparator.front().unicode());
    }
    for (; i < size; ++i) {
        allUnits |= units[i];
        holdsSeparatorStart |= units[i] == kFieldSeparator.front().unicode();
    }
    return {(allUnits & TextScan::kHighBytes) == 0, holdsSeparatorStart};
}

[[noreturn]] void refuseValue(const QString &value, QStringView label)
{
    throw ExportStopped(Messages::valueInvalid(value, label.toString()));
}

} // namespace

ExportRowWriter::ExportRowWriter(ExportFile &file, const QString &exportPath) : m_file(file)
{
    // A failure to open shows in isOpen(); a stage that says why opens the file first.
    QString ignored;
    (void)m_file.open(exportPath, &ignored);
}

bool ExportRowWriter::isOpen() const
{
    return m_file.isOpen();
}

RunReport &ExportRowWriter::report()
{
    return m_file.report();
}

void ExportRowWriter::validateValue(QStringView value, QStringView label)
{
    const ValueScan scan = scanValue(value);
    if (scan.holdsSeparatorStart && holdsFieldSeparator(value))
        refuseValue(value.toString(), label);
    if (!scan.isLatin1) {
        report().actionRequired(
            Messages::charactersReplaced(ExportText::asWritten(value), label.toString()));
    }
}

bool ExportRowWriter::isPlainValue(QStringView value)
{
    const ValueScan scan = scanValue(value);
    return scan.isLatin1 && !scan.holdsSeparatorStart;
}

void ExportRowWriter::validateValue(QLatin1StringView value, QStringView label)
{
    if (holdsFieldSeparator(value))
        refuseValue(value.toString(), label);
}

void ExportRowWriter::write(QStringView text)
{
    ExportText::append(m_row, text);
}

void ExportRowWriter::writeQuoted(QStringView text)
{
    ExportText::appendQuoted(m_row, text);
}

void ExportRowWriter::writeQuoted(QLatin1StringView text)
{
    ExportText::appendQuoted(m_row, text);
}

void ExportRowWriter::endRow(RowKind kind, bool isCommentedOut)
{
    m_row.append(QByteArrayView("\r\n"));
    m_file.append(m_row.view(), kind, isCommentedOut);
    m_row.clear();
}

void ExportRowWriter::abandonRow()
{
    m_row.clear();
}
