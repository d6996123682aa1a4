#include "export/end_of_session_warnings.h"

#include "export/localized_messages.h"
#include "export/preferences_exporter.h"
#include "export/setting_categories.h"

using namespace Qt::StringLiterals;

namespace {

// Bits of a warning's actions.
constexpr int kBeep = 1;
constexpr int kFlash = 2;
constexpr int kShowMessage = 4;

} // namespace

void writeEndOfSessionWarning(PreferencesExporter &exporter, LocalizedMessages &messages,
                              int number, const EndOfSessionWarning &warning)
{
    const QString key = kEndOfSessionWarningKeys[size_t(number - 1)] + u'.';
    exporter.writeBool(warning.isInUse, kReservableComputerSettings, key + u"enabled"_s);
    if (!warning.isInUse)
        return;
    exporter.writeInt(warning.minutesBeforeEnd,      kReservableComputerSettings, key + u"minutesBeforeEventEnds"_s);
    exporter.writeString(warning.programPath,        kReservableComputerSettings, key + u"programExecutionPath"_s);
    exporter.writeBool(warning.actions & kBeep,      kReservableComputerSettings, key + u"beepEnabled"_s);
    exporter.writeBool(warning.actions & kFlash,     kReservableComputerSettings, key + u"flashEnabled"_s);
    exporter.writeBool(warning.actions & kShowMessage, kReservableComputerSettings, key + u"messageEnabled"_s);
    writeLocalizedMessage(exporter, messages, warning.messageKey,     kReservableComputerSettings, key + u"displayMessageMulti"_s);
}
