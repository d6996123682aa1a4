#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>

/// Reads INI files the way the Windows profile functions do. Names, values and section
/// names are Windows-1252 bytes; files that start with a UTF-8 or UTF-16 byte-order mark
/// are converted to Windows-1252 ("?" for what it cannot hold).
namespace IniFile {

/// The value of \a key in the first section named \a section, cut to 255 bytes; the
/// default when the file, the section or the key is missing or the key has no "=".
QByteArray readString(const QString &path, const QByteArray &section, const QByteArray &key,
                      const QByteArray &defaultValue = {});

/// The entries of the first section named \a section, one "name=value" (or bare "name")
/// string per entry in file order, leaving out entries whose name starts with ";".
/// Empty when the file or the section is missing.
QByteArrayList readSection(const QString &path, const QByteArray &section);

} // namespace IniFile
