#include "export/csv_tokenizer.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

template <typename Tokenizer>
std::vector<QString> allTokens(Tokenizer &tokenizer)
{
    std::vector<QString> tokens;
    while (const auto token = tokenizer.nextToken())
        tokens.push_back(token->toString());
    return tokens;
}

TEST(CsvTokenizer, SplitsAtCommasOutsideQuotes)
{
    const struct {
        const char *name;
        QString line;
        std::vector<QString> expected;
    } cases[] = {
        {"two fields", u"a,b"_s, {u"a"_s, u"b"_s}},
        {"empty field between commas", u"a,,b"_s, {u"a"_s, QString(), u"b"_s}},
        {"trailing empty field dropped", u"a,b,"_s, {u"a"_s, u"b"_s}},
        {"leading empty field kept", u",a"_s, {QString(), u"a"_s}},
        {"empty line", QString(), {}},
        {"quoted comma", u"\"x,y\",z"_s, {u"x,y"_s, u"z"_s}},
        {"doubled quotes", u"\"\"\"hi\"\"\""_s, {u"\"hi\""_s}},
        {"empty quoted field", u"\"\",b"_s, {QString(), u"b"_s}},
        {"quote inside a field opens quoting", u"a\"b,c,d"_s, {u"a\"b,c,d"_s}},
        {"unclosed quote runs to the end", u"a,\"b,c"_s, {u"a"_s, u"b,c"_s}},
        {"unquoted once only", u"\"\"x\"\""_s, {u"\"x\""_s}},
        {"doubled quotes in two fields",
         u"\"a\"\"b\",\"\"\"c\",d"_s,
         {u"a\"b"_s, u"\"c"_s, u"d"_s}},
        {"beyond ASCII", u"\u00E9,\"\u00FF\u0080\""_s, {u"\u00E9"_s, u"\u00FF\u0080"_s}},
        {"quote after sixteen characters",
         u"0123456789abcdef\"x,y\",z"_s,
         {u"0123456789abcdef\"x,y\""_s, u"z"_s}},
        {"quoting across blocks",
         u"\"0123456789abcd,ef,\"\"0123456789abcdef,\",\"x,\"\"\",y"_s,
         {u"0123456789abcd,ef,\"0123456789abcdef,"_s, u"x,\""_s, u"y"_s}},
        {"fields across blocks",
         u"0123456789,0123456789,0123456789abcdefghij,"_s,
         {u"0123456789"_s, u"0123456789"_s, u"0123456789abcdefghij"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CsvTokenizer tokenizer(c.line);
        EXPECT_EQ(allTokens(tokenizer), c.expected);
        // Latin-1 bytes split the same way.
        const QByteArray bytes = c.line.toLatin1();
        Latin1CsvTokenizer latin1{QLatin1StringView(bytes)};
        EXPECT_EQ(allTokens(latin1), c.expected);
    }
}

TEST(CsvTokenizer, KeepsGivingNothingAfterTheLastField)
{
    CsvTokenizer tokenizer(u"a,"_s);
    EXPECT_EQ(tokenizer.nextToken(), std::optional<QStringView>(u"a"));
    for (int call = 0; call < 3; ++call)
        EXPECT_EQ(tokenizer.nextToken(), std::nullopt) << call;
}

} // namespace
