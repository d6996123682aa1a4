#include "platform/ini_file.h"

#include "common/messages.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <utility>

namespace IniFile {
namespace {

// The callers' buffers: 256 bytes for one value, 1024 bytes for a whole section.
constexpr qsizetype kStringBufferSize = 256;
constexpr qsizetype kSectionBufferSize = 1024;

// Windows-1252 bytes 0x80-0x9F and the characters they stand for. The five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// characters of the same number, as the Windows tables have them.
constexpr std::array<char16_t, 32> kWindows1252Bytes80To9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    const auto found = std::find(kWindows1252Bytes80To9F.begin(), kWindows1252Bytes80To9F.end(), c);
    if (found != kWindows1252Bytes80To9F.end())
        return static_cast<char>(0x80 + (found - kWindows1252Bytes80To9F.begin()));
    return '?';
}

QByteArray toWindows1252(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        // A character beyond the basic plane is one "?", not one per surrogate.
        if (QChar::isHighSurrogate(c) && i + 1 < text.size()
            && QChar::isLowSurrogate(text[i + 1].unicode())) {
            ++i;
            bytes += '?';
            continue;
        }
        bytes += windows1252Byte(c);
    }
    return bytes;
}

/// The file's text as Windows-1252 bytes; the encoding is told by the first bytes only.
QByteArray windows1252Text(const QByteArray &fileBytes)
{
    struct Mark {
        QByteArrayView bytes;
        QStringConverter::Encoding encoding;
    };
    static const std::array<Mark, 3> kMarks = {{
        {"\xEF\xBB\xBF", QStringConverter::Utf8},
        {"\xFF\xFE", QStringConverter::Utf16LE},
        {"\xFE\xFF", QStringConverter::Utf16BE},
    }};
    for (const Mark &mark : kMarks) {
        if (!fileBytes.startsWith(mark.bytes))
            continue;
        // The mark itself is skipped here; a second one right after it is a character.
        QStringDecoder decoder(mark.encoding, QStringConverter::Flag::ConvertInitialBom);
        const QString text = decoder(QByteArrayView(fileBytes).sliced(mark.bytes.size()));
        return toWindows1252(text);
    }
    return fileBytes;
}

bool isWhitespace(char c)
{
    switch (c) {
    case '\t':
    case '\n':
    case '\v':
    case '\f':
    case '\r':
    case '\x1A': // Ctrl-Z, the old end-of-file mark
    case ' ': return true;
    default: return false; // NBSP (0xA0) included
    }
}

QByteArrayView trimmedStart(QByteArrayView text)
{
    while (!text.isEmpty() && isWhitespace(text.front()))
        text = text.sliced(1);
    return text;
}

QByteArrayView trimmedEnd(QByteArrayView text)
{
    while (!text.isEmpty() && isWhitespace(text.back()))
        text.chop(1);
    return text;
}

QByteArrayView trimmed(QByteArrayView text)
{
    return trimmedEnd(trimmedStart(text));
}

/// A NUL byte ends the item it stands in; what follows it cannot be seen.
QByteArrayView untilNul(QByteArrayView item)
{
    if (item.isEmpty())
        return item;
    const void *nul = std::memchr(item.data(), '\0', static_cast<size_t>(item.size()));
    return nul == nullptr ? item : item.first(static_cast<const char *>(nul) - item.data());
}

bool namesMatch(QByteArrayView a, QByteArrayView b)
{
    // Only A-Z and a-z are folded; every other byte must be the same.
    const auto fold = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(),
                      [fold](char x, char y) { return fold(x) == fold(y); });
}

const Section *findSection(const Contents &contents, QByteArrayView name)
{
    // Only the first section of that name counts; later ones are never searched.
    const auto found = std::find_if(contents.begin(), contents.end(),
                                    [name](const Section &s) { return namesMatch(s.name, name); });
    return found == contents.end() ? nullptr : &*found;
}

QByteArrayView withoutQuotes(QByteArrayView value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        return value.sliced(1, value.size() - 2);
    return value;
}

/// The lines of \a text as sections and entries, in file order: \a onSection(name) for a
/// header, \a onEntry(name, value, hasValue) for any other line that is not blank, both
/// given views of \a text. Lines before the first header belong to a section with an
/// empty name, announced before them.
template <typename OnSection, typename OnEntry>
void scanLines(QByteArrayView text, OnSection &&onSection, OnEntry &&onEntry)
{
    const auto isLineEnd = [](char c) { return c == '\r' || c == '\n'; };
    bool isInSection = false;
    qsizetype pos = 0;
    while (pos < text.size()) {
        qsizetype end = pos;
        while (end < text.size() && !isLineEnd(text[end]))
            ++end;
        const QByteArrayView line = trimmed(text.sliced(pos, end - pos));
        pos = end;
        while (pos < text.size() && isLineEnd(text[pos]))
            ++pos;
        if (line.isEmpty())
            continue;

        const qsizetype close = line.front() == '[' ? line.lastIndexOf(']') : -1;
        if (close > 0) {
            // Text after the last "]" is ignored.
            onSection(untilNul(trimmed(line.sliced(1, close - 1))));
            isInSection = true;
            continue;
        }
        if (!isInSection) {
            onSection(QByteArrayView()); // lines before the first header
            isInSection = true;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            onEntry(untilNul(line), QByteArrayView(), false);
        else
            onEntry(untilNul(trimmedEnd(line.first(equals))),
                    untilNul(trimmedStart(line.sliced(equals + 1))), true);
    }
}

/// The whole file into \a bytes; false when it cannot be opened or read whole (a folder is
/// no file), with the reason in \a error.
bool readFileBytes(const QString &path, QByteArray *bytes, QString *error)
{
    if (QFileInfo(path).isDir()) {
        *error = Messages::folderNotFile();
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return false;
    }
    return true;
}

/// The whole file; empty when it cannot be read.
QByteArray fileBytesOrNothing(const QString &path)
{
    QByteArray bytes;
    QString ignored;
    return readFileBytes(path, &bytes, &ignored) ? bytes : QByteArray();
}

} // namespace

Contents parse(const QByteArray &fileBytes)
{
    const QByteArray text = windows1252Text(fileBytes);
    Contents contents;
    scanLines(
        text,
        [&contents](QByteArrayView name) {
            contents.append(Section{name.toByteArray(), {}});
        },
        [&contents](QByteArrayView name, QByteArrayView value, bool hasValue) {
            QList<Entry> &entries = contents.back().entries;
            // Of two nameless entries in a row only the first is kept.
            if (name.isEmpty() && !entries.isEmpty() && entries.back().name.isEmpty())
                return;
            entries.append(Entry{name.toByteArray(), value.toByteArray(), hasValue});
        });
    return contents;
}

namespace {

/// The value readString gives for the value found: nothing when the key is missing or
/// had no "=".
QByteArray valueOrDefault(std::optional<QByteArrayView> value, const QByteArray &defaultValue)
{
    QByteArrayView result;
    if (value) {
        result = withoutQuotes(*value);
    } else {
        // The default loses its trailing spaces (spaces only) before its quotes.
        QByteArrayView fallback = defaultValue;
        while (fallback.endsWith(' '))
            fallback.chop(1);
        result = withoutQuotes(fallback);
    }
    return result.first(qMin(result.size(), kStringBufferSize - 1)).toByteArray();
}

char foldedChar(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

/// A buffer for a name looked up; most names fit without a heap allocation.
using NameBuffer = QVarLengthArray<char, 128>;

/// \a name with A-Z folded to a-z, the form in which names are indexed, made in \a buffer.
QByteArrayView foldedNameIn(QByteArrayView name, NameBuffer &buffer)
{
    buffer.resize(name.size());
    std::transform(name.begin(), name.end(), buffer.begin(), foldedChar);
    return QByteArrayView(buffer.constData(), buffer.size());
}

} // namespace

QByteArray readString(const Contents &contents, const QByteArray &section, const QByteArray &key,
                      const QByteArray &defaultValue)
{
    const Section *found = findSection(contents, trimmed(section));
    const QByteArrayView wantedKey = trimmed(key);
    std::optional<QByteArrayView> value;
    if (found) {
        const auto it =
            std::find_if(found->entries.begin(), found->entries.end(),
                         [wantedKey](const Entry &e) { return namesMatch(e.name, wantedKey); });
        if (it != found->entries.end() && it->hasValue)
            value = it->value;
    }
    return valueOrDefault(value, defaultValue);
}

bool IndexedFile::load(const QString &path, QString *error)
{
    QByteArray bytes;
    const bool isRead = readFileBytes(path, &bytes, error);
    m_text = windows1252Text(isRead ? bytes : QByteArray());
    m_index.clear();
    // The folded names go one after another into room made for all of them at once (they
    // are parts of the text), so that the views of them stay valid.
    m_foldedNames = QByteArray(m_text.size(), Qt::Uninitialized);
    qsizetype foldedSize = 0;
    const auto folded = [this, &foldedSize](QByteArrayView name) {
        char *const start = m_foldedNames.data() + foldedSize;
        std::transform(name.begin(), name.end(), start, foldedChar);
        foldedSize += name.size();
        return QByteArrayView(start, name.size());
    };
    // Only the first section of a name, and in it the first entry of a name, is ever found.
    Entries *entries = nullptr; // none while a later section of a name is read
    scanLines(
        m_text,
        [&](QByteArrayView name) {
            const QByteArrayView key = folded(name);
            entries = m_index.contains(key) ? nullptr : &m_index[key];
        },
        [&](QByteArrayView name, QByteArrayView value, bool hasValue) {
            const QByteArrayView key = folded(name);
            if (entries != nullptr && !entries->contains(key))
                entries->insert(key,
                                hasValue ? std::optional<QByteArrayView>(value) : std::nullopt);
        });
    return isRead;
}

QByteArray IndexedFile::readString(const QByteArray &section, const QByteArray &key,
                                   const QByteArray &defaultValue) const
{
    // The group stage looks up several messages a group, so the names are folded without
    // a copy on the heap.
    NameBuffer sectionBuffer;
    NameBuffer keyBuffer;
    std::optional<QByteArrayView> value;
    const auto found = m_index.constFind(foldedNameIn(trimmed(section), sectionBuffer));
    if (found != m_index.cend())
        value = found->value(foldedNameIn(trimmed(key), keyBuffer), std::nullopt);
    return valueOrDefault(value, defaultValue);
}

QByteArrayList readSection(const Contents &contents, const QByteArray &section)
{
    const Section *found = findSection(contents, section);
    if (!found)
        return {};

    // The entries go into the caller's buffer as zero-terminated strings followed by one
    // more zero. When they do not fit, the buffer keeps as much as fits in all but its
    // last two bytes, the last string cut short.
    QByteArray packed;
    for (const Entry &entry : found->entries) {
        if (entry.name.startsWith(';'))
            continue;
        QByteArray line = entry.hasValue ? entry.name + '=' + entry.value : entry.name;
        // An empty string would end the list for the reader; such an entry (a name hidden
        // by a NUL byte, with no "=") holds nothing to report.
        if (line.isEmpty())
            continue;
        packed += line;
        packed += '\0';
    }
    if (packed.size() + 1 > kSectionBufferSize)
        packed.truncate(kSectionBufferSize - 2);
    QByteArrayList lines = packed.split('\0');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray readString(const QString &path, const QByteArray &section, const QByteArray &key,
                      const QByteArray &defaultValue)
{
    return readString(parse(fileBytesOrNothing(path)), section, key, defaultValue);
}

QByteArrayList readSection(const QString &path, const QByteArray &section)
{
    return readSection(parse(fileBytesOrNothing(path)), section);
}

bool readSectionIfReadable(const QString &path, const QByteArray &section, QByteArrayList *entries,
                           QString *error)
{
    QByteArray bytes;
    QString reason;
    if (!readFileBytes(path, &bytes, &reason) && QFileInfo::exists(path)) {
        *error = reason;
        return false;
    }
    *entries = readSection(parse(bytes), section);
    return true;
}

} // namespace IniFile
