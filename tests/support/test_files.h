#pragma once

#include <QByteArray>
#include <QString>

/// Writes \a contents to \a path, creating the folders above it; fails the test on error.
void writeTestFile(const QString &path, const QByteArray &contents);
/// The whole file; empty when it cannot be read.
QByteArray readTestFile(const QString &path);
