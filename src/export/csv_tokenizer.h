#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>

#include <optional>

/// Splits one line of comma-separated text at once; double quotes group commas.
class CsvTokenizer {
public:
    explicit CsvTokenizer(const QString &line);

    /// The next field; nothing once the fields are used up, and on every call after that.
    /// The text stays valid while the tokenizer lives.
    std::optional<QStringView> nextToken();

    /// Every field, in order.
    QStringList fields() const;

private:
    /// Where a field's text lies: in the line itself, or, when quotes had to be taken out
    /// of it, in the rewritten fields.
    struct Field {
        qsizetype start;
        qsizetype length;
        bool isRewritten;
    };

    /// Adds the field from \a start to \a end of the line, which holds double quotes.
    void addQuotedField(qsizetype start, qsizetype end);
    QStringView textOf(const Field &field) const;

    QString m_line;
    QString m_rewritten;
    QVarLengthArray<Field, 64> m_fields;
    qsizetype m_position = -1;
};
