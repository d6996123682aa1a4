// INI files: any bytes read without harm; a value never exceeds the 255 bytes of the
// caller's buffer; a section listing never holds an empty string (which would end the
// list early) and fits its buffer; the file read once and indexed answers as its bytes
// do; and a Windows-1252 file reads the same when it is saved as UTF-16LE or as UTF-8
// with a byte-order mark.

#include "fuzz_support.h"

#include "platform/ini_file.h"

#include <QList>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace {

// Windows-1252 bytes 0x80-0x9F as characters; the five undefined bytes stand for the
// control characters of the same number.
constexpr std::array<char16_t, 32> kHighRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text += QChar(byte >= 0x80 && byte < 0xA0 ? kHighRange[byte - 0x80] : char16_t(byte));
    }
    return text;
}

QByteArray asUtf16LeWithMark(const QString &text)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (const QChar c : text) {
        bytes += char(c.unicode() & 0xFF);
        bytes += char(c.unicode() >> 8);
    }
    return bytes;
}

QByteArray shownContents(const IniFile::Contents &contents)
{
    QByteArray out;
    for (const IniFile::Section &section : contents) {
        out += "\n    [" + Fuzz::shown(section.name) + ']';
        for (const IniFile::Entry &entry : section.entries)
            out += "\n      " + Fuzz::shown(entry.name)
                + (entry.hasValue ? "=" + Fuzz::shown(entry.value) : QByteArray());
    }
    return out;
}

bool sameContents(const IniFile::Contents &a, const IniFile::Contents &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype s = 0; s < a.size(); ++s) {
        if (a[s].name != b[s].name || a[s].entries.size() != b[s].entries.size())
            return false;
        for (qsizetype e = 0; e < a[s].entries.size(); ++e) {
            const IniFile::Entry &x = a[s].entries[e];
            const IniFile::Entry &y = b[s].entries[e];
            if (x.name != y.name || x.value != y.value || x.hasValue != y.hasValue)
                return false;
        }
    }
    return true;
}

void checkSameContents(const IniFile::Contents &expected, const IniFile::Contents &actual,
                       const char *property)
{
    if (!sameContents(expected, actual))
        Fuzz::fail(property, shownContents(expected), shownContents(actual));
}

bool sameNameAsciiFolded(const QByteArray &a, const QByteArray &b)
{
    const auto fold = [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; };
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (fold(a[i]) != fold(b[i]))
            return false;
    }
    return true;
}

/// Whether the first section called \a name has an entry that a listing shows: one whose
/// name does not start with ";" and that is not wholly hidden by a zero byte.
bool hasListedEntry(const IniFile::Contents &contents, const QByteArray &name)
{
    for (const IniFile::Section &section : contents) {
        if (!sameNameAsciiFolded(section.name, name))
            continue;
        for (const IniFile::Entry &entry : section.entries) {
            if (!entry.name.startsWith(';') && (entry.hasValue || !entry.name.isEmpty()))
                return true;
        }
        return false;
    }
    return false;
}

void checkSection(const IniFile::Contents &contents, const QByteArray &section)
{
    const QByteArrayList lines = IniFile::readSection(contents, section);
    Fuzz::check(lines.isEmpty() != hasListedEntry(contents, section),
                "a section listing is empty exactly when the section lists nothing");
    qsizetype packedSize = 1; // the zero after the last string
    for (const QByteArray &line : lines) {
        // An empty string in the middle would end the list for whoever reads the buffer.
        Fuzz::check(!line.isEmpty(), "a section listing holds no empty string");
        Fuzz::check(!line.contains('\0'), "a section listing string holds no zero byte");
        Fuzz::check(!line.startsWith(';'), "a section listing leaves out \";\" entries");
        packedSize += line.size() + 1;
    }
    if (packedSize > 1024)
        Fuzz::fail("a section listing fits its 1024-byte buffer", "1024",
                   QByteArray::number(packedSize));
}

void checkString(const IniFile::Contents &contents, const QByteArray &section,
                 const QByteArray &key)
{
    const QByteArray value = IniFile::readString(contents, section, key, "fallback");
    if (value.size() > 255)
        Fuzz::fail("a value fits its 256-byte buffer", "255", QByteArray::number(value.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const IniFile::Contents contents = IniFile::parse(bytes);

    // Every section and key the file names, the language sections and a few that the
    // file most likely lacks.
    QByteArrayList sections = {"English",
                               "Espa\xF1ol",
                               "Fran\xE7"
                               "ais",
                               "Rule 1",
                               "",
                               "no such section"};
    QByteArrayList keys = {"LCL_WARN_DISPLAY_1", "", "no such key"};
    // Bounded, so that a file of many short lines does not make each run quadratic.
    constexpr qsizetype kMaxNames = 24;
    for (const IniFile::Section &section : contents) {
        if (sections.size() >= kMaxNames)
            break;
        sections.append(section.name);
        sections.append(' ' + section.name.toLower() + '\t');
        for (const IniFile::Entry &entry : section.entries) {
            if (keys.size() < kMaxNames)
                keys.append(entry.name);
        }
    }
    for (const QByteArray &section : std::as_const(sections)) {
        checkSection(contents, section);
        for (const QByteArray &key : std::as_const(keys))
            checkString(contents, section, key);
    }

    // The file read by path gives what its bytes give.
    const QString path = Fuzz::scratchPath(u"input.ini"_s);
    Fuzz::writeScratchFile(path, bytes);
    const QByteArray &section = sections.back();
    const QByteArray &key = keys.back();
    if (IniFile::readSection(path, section) != IniFile::readSection(contents, section))
        Fuzz::fail("readSection of a file agrees with its bytes");
    if (IniFile::readString(path, section, key, "d")
        != IniFile::readString(contents, section, key, "d"))
        Fuzz::fail("readString of a file agrees with its bytes");
    // The file read once and indexed answers every lookup as its bytes do.
    IniFile::IndexedFile indexed;
    QString error;
    Fuzz::check(indexed.load(path, &error), "a file just written can be read");
    for (const QByteArray &anySection : std::as_const(sections)) {
        for (const QByteArray &anyKey : std::as_const(keys)) {
            const QByteArray expected = IniFile::readString(contents, anySection, anyKey, "d");
            const QByteArray found = indexed.readString(anySection, anyKey, "d");
            if (found != expected)
                Fuzz::fail("an indexed file answers as its bytes do",
                           Fuzz::shown(anySection) + " / " + Fuzz::shown(anyKey) + ": "
                               + Fuzz::shown(expected),
                           Fuzz::shown(found));
        }
    }

    // A file without a byte-order mark is Windows-1252; the same text saved with a mark
    // in another encoding reads the same.
    if (!bytes.startsWith("\xEF\xBB\xBF") && !bytes.startsWith("\xFF\xFE")
        && !bytes.startsWith("\xFE\xFF")) {
        const QString text = fromWindows1252(bytes);
        checkSameContents(contents, IniFile::parse(asUtf16LeWithMark(text)),
                          "a UTF-16LE file reads like its Windows-1252 text");
        checkSameContents(contents, IniFile::parse("\xEF\xBB\xBF" + text.toUtf8()),
                          "a UTF-8 file reads like its Windows-1252 text");
    }
    return 0;
}
