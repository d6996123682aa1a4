#include "driver/program_arguments.h"

#include "common/messages.h"
#include "platform/console.h"
#include "platform/program_version.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kExitSuccess = 0;
constexpr int kExitUsageError = 2;

ArgumentRequest::Kind kindOf(const QString &argument)
{
    using Kind = ArgumentRequest::Kind;
    if (argument == u"-h"_s || argument == u"--help"_s || argument == u"/?"_s)
        return Kind::Usage;
    if (argument == u"--version"_s)
        return Kind::Version;
    return Kind::Unknown;
}

} // namespace

ArgumentRequest readArguments(const QStringList &arguments)
{
    using Kind = ArgumentRequest::Kind;
    if (arguments.isEmpty())
        return {};
    const auto unknown =
        std::find_if(arguments.cbegin(), arguments.cend(),
                     [](const QString &argument) { return kindOf(argument) == Kind::Unknown; });
    if (unknown != arguments.cend())
        return {Kind::Unknown, *unknown};
    return {kindOf(arguments.first()), arguments.first()};
}

std::optional<int> answerHelpOrUnknownArgument(const QStringList &arguments)
{
    const ArgumentRequest request = readArguments(arguments);
    switch (request.kind) {
    case ArgumentRequest::Kind::Export: return std::nullopt;
    case ArgumentRequest::Kind::Usage: Console::outLine(Messages::usage()); return kExitSuccess;
    case ArgumentRequest::Kind::Version:
        Console::outLine(Messages::banner(programVersion()));
        return kExitSuccess;
    case ArgumentRequest::Kind::Unknown:
        Console::errLine(Messages::unknownArgument(request.argument));
        Console::errLine(Messages::usage());
        return kExitUsageError;
    }
    return std::nullopt;
}
