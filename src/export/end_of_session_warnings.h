#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

#include <array>

class LocalizedMessages;
class PreferencesExporter;

/// The keys of the three end-of-session warnings, first to third; each key is followed by
/// "." and the name of one of its settings.
inline constexpr std::array<QLatin1StringView, 3> kEndOfSessionWarningKeys{
    QLatin1StringView("firstEndOfSessionWarning"),
    QLatin1StringView("secondEndOfSessionWarning"),
    QLatin1StringView("thirdEndOfSessionWarning"),
};

/// One end-of-session warning as the branch settings or a group hold it.
struct EndOfSessionWarning {
    bool isInUse = false;
    qint64 minutesBeforeEnd = 0;
    QString programPath;
    int actions = 0;       ///< bits: beep 1, flash 2, show the message 4
    QByteArray messageKey; ///< the message in the localized-messages file
};

/// The rows of warning \a number (1 to 3): its "enabled" row and, when it is in use, its
/// time, program, actions and message in every language.
void writeEndOfSessionWarning(PreferencesExporter &exporter, LocalizedMessages &messages,
                              int number, const EndOfSessionWarning &warning);
