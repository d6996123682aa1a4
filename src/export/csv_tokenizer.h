#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/// Splits one line of comma-separated text at once; double quotes group commas.
class CsvTokenizer {
public:
    explicit CsvTokenizer(const QString &line);

    /// The next field; nothing once the fields are used up, and on every call after that.
    std::optional<QString> nextToken();

    const QStringList &fields() const { return m_fields; }

private:
    QStringList m_fields;
    qsizetype m_position = -1;
};
