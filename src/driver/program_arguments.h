#pragma once

#include <QString>
#include <QStringList>

#include <optional>

/// What the command line asks of the program, which otherwise takes no arguments.
struct ArgumentRequest {
    enum class Kind {
        Export,  ///< no arguments: the export runs
        Usage,   ///< "-h", "--help" or "/?"
        Version, ///< "--version"
        Unknown, ///< anything else; \a argument names the first such argument
    };
    Kind kind = Kind::Export;
    QString argument;

    friend bool operator==(const ArgumentRequest &, const ArgumentRequest &) = default;
};

/// Any unknown argument makes the request Unknown (the first one is named); otherwise
/// the first argument decides.
ArgumentRequest readArguments(const QStringList &arguments);

/// Prints what the arguments ask for and gives the exit status; empty when the export is
/// to run. Nothing is read or written beside the console.
std::optional<int> answerHelpOrUnknownArgument(const QStringList &arguments);
