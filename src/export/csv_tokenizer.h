#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVarLengthArray>

#include <optional>
#include <type_traits>

/// Splits one record of comma-separated text; double quotes group commas, and the line
/// breaks inside them, so a record may span lines. Text (char16_t units) and Latin-1 bytes
/// (char) are split by the same rules.
template <typename Char>
class BasicCsvTokenizer {
public:
    /// A field as it is handed out.
    using View = std::conditional_t<std::is_same_v<Char, char>, QLatin1StringView, QStringView>;

    /// The next field; nothing once the fields are used up, and on every call after that.
    std::optional<View> nextToken();

    /// Every field, in order.
    QStringList fields() const;

protected:
    BasicCsvTokenizer() = default;
    /// Splits the \a size units at \a line, which stay where they are while fields are
    /// handed out.
    void split(const Char *line, qsizetype size);

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
    View textOf(const Field &field) const;

    const Char *m_line = nullptr;
    std::conditional_t<std::is_same_v<Char, char>, QByteArray, QString> m_rewritten;
    QVarLengthArray<Field, 64> m_fields;
    qsizetype m_position = -1;
};

/// Splits a line of text; the fields stay valid while the tokenizer lives.
class CsvTokenizer : public BasicCsvTokenizer<char16_t> {
public:
    explicit CsvTokenizer(const QString &line);

private:
    QString m_text; ///< the line; its copies share the units the fields point into
};

/// Splits a line of Latin-1 bytes without copying them; the fields stay valid while the
/// tokenizer lives and the bytes stay where they are.
class Latin1CsvTokenizer : public BasicCsvTokenizer<char> {
public:
    explicit Latin1CsvTokenizer(QLatin1StringView line);
};
