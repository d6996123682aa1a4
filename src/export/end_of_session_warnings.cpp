#include "export/end_of_session_warnings.h"

#include "export/localized_messages.h"
#include "export/preferences_exporter.h"
#include "export/setting_categories.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

// Bits of a warning's actions.
constexpr int kBeep = 1;
constexpr int kFlash = 2;
constexpr int kShowMessage = 4;

/// The keys of one warning's rows, each its warning's key, "." and the setting.
struct WarningKeys {
    QString enabled;
    QString minutesBeforeEventEnds;
    QString programExecutionPath;
    QString beepEnabled;
    QString flashEnabled;
    QString messageEnabled;
    QString displayMessageMulti;
};

/// The keys of the three warnings, made once per run: every group with warnings of its
/// own writes them.
const std::array<WarningKeys, 3> &warningKeys()
{
    static const std::array<WarningKeys, 3> keys = [] {
        std::array<WarningKeys, 3> made;
        for (size_t i = 0; i < made.size(); ++i) {
            const QString key = kEndOfSessionWarningKeys[i] + u'.';
            made[i] = {
                .enabled = key + u"enabled"_s,
                .minutesBeforeEventEnds = key + u"minutesBeforeEventEnds"_s,
                .programExecutionPath = key + u"programExecutionPath"_s,
                .beepEnabled = key + u"beepEnabled"_s,
                .flashEnabled = key + u"flashEnabled"_s,
                .messageEnabled = key + u"messageEnabled"_s,
                .displayMessageMulti = key + u"displayMessageMulti"_s,
            };
        }
        return made;
    }();
    return keys;
}

} // namespace

void writeEndOfSessionWarning(PreferencesExporter &exporter, LocalizedMessages &messages,
                              int number, const EndOfSessionWarning &warning)
{
    const WarningKeys &key = warningKeys()[size_t(number - 1)];
    exporter.writeBool(warning.isInUse, kReservableComputerSettings, key.enabled);
    if (!warning.isInUse)
        return;
    exporter.writeInt(warning.minutesBeforeEnd, kReservableComputerSettings,
                      key.minutesBeforeEventEnds);
    exporter.writeString(warning.programPath, kReservableComputerSettings,
                         key.programExecutionPath);
    exporter.writeBool(warning.actions & kBeep, kReservableComputerSettings, key.beepEnabled);
    exporter.writeBool(warning.actions & kFlash, kReservableComputerSettings, key.flashEnabled);
    exporter.writeBool(warning.actions & kShowMessage, kReservableComputerSettings,
                       key.messageEnabled);
    writeLocalizedMessage(exporter, messages, warning.messageKey, kReservableComputerSettings,
                          key.displayMessageMulti);
}
