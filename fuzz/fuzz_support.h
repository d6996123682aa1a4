#pragma once

// Helpers shared by the fuzz targets: a scratch folder for readers that take a path,
// and property checks that stop the run with a readable report.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

/// A file name in a folder that lives as long as the fuzzer process; in memory where the
/// system offers it, since every run writes its input there.
inline QString scratchPath(const QString &fileName)
{
    static const QTemporaryDir folder(QDir(QStringLiteral("/dev/shm")).exists()
                                          ? QStringLiteral("/dev/shm/kse-fuzz-XXXXXX")
                                          : QDir::tempPath() + QStringLiteral("/kse-fuzz-XXXXXX"));
    return folder.path() + QLatin1Char('/') + fileName;
}

/// Replaces the file at \a path with \a bytes; a failure ends the run (it is no finding).
inline void writeScratchFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write the scratch file %s\n", qPrintable(path));
        std::exit(2);
    }
}

/// Text shown in a report: every character outside printable ASCII as \uXXXX.
inline QByteArray shown(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F && c != QLatin1Char('\\'))
            out += char(c.unicode());
        else
            out += "\\u" + QByteArray::number(c.unicode(), 16).rightJustified(4, '0');
    }
    return out;
}

inline QByteArray shown(const QByteArray &bytes)
{
    return shown(QString::fromLatin1(bytes));
}

/// A broken property: prints what was expected and what came, then aborts so that the
/// fuzzer keeps the input.
[[noreturn]] inline void fail(const char *property, const QByteArray &expected,
                              const QByteArray &actual)
{
    std::fprintf(stderr, "\nPROPERTY BROKEN: %s\n  expected: %s\n  actual:   %s\n", property,
                 expected.constData(), actual.constData());
    std::abort();
}

[[noreturn]] inline void fail(const char *property)
{
    std::fprintf(stderr, "\nPROPERTY BROKEN: %s\n", property);
    std::abort();
}

inline void check(bool holds, const char *property)
{
    if (!holds)
        fail(property);
}

template <typename Text>
void checkEqual(const Text &expected, const Text &actual, const char *property)
{
    if (expected != actual)
        fail(property, shown(expected), shown(actual));
}

} // namespace Fuzz
