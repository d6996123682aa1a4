#include "driver/program_arguments.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(ProgramArguments, AnyUnknownArgumentIsNamedOtherwiseTheFirstDecides)
{
    using Kind = ArgumentRequest::Kind;
    const struct {
        const char *name;
        QStringList arguments;
        ArgumentRequest expected;
    } cases[] = {
        {"none", {}, {Kind::Export, QString()}},
        {"-h", {u"-h"_s}, {Kind::Usage, u"-h"_s}},
        {"--help", {u"--help"_s}, {Kind::Usage, u"--help"_s}},
        {"/?", {u"/?"_s}, {Kind::Usage, u"/?"_s}},
        {"--version", {u"--version"_s}, {Kind::Version, u"--version"_s}},
        {"case matters", {u"--VERSION"_s}, {Kind::Unknown, u"--VERSION"_s}},
        {"empty", {QString()}, {Kind::Unknown, QString()}},
        {"first of two known", {u"--version"_s, u"-h"_s}, {Kind::Version, u"--version"_s}},
        {"unknown after a known one", {u"-h"_s, u"-x"_s, u"-y"_s}, {Kind::Unknown, u"-x"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(readArguments(c.arguments), c.expected);
    }
}
