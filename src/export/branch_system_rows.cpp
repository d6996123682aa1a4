// The third stretch of branch rows: internet filter, user ids and credentials, the two
// validating authorities, idle-screen appearance, control menu, screensaver, welcome
// message and the usage policy.

#include "export/branch_rows.h"

#include "common/messages.h"
#include "export/csv_tokenizer.h"
#include "export/export_constants.h"
#include "export/export_text.h"
#include "export/localized_messages.h"
#include "export/preferences_exporter.h"
#include "export/setting_categories.h"
#include "export/value_conversions.h"
#include "utils/portable_preferences.h"

using namespace Qt::StringLiterals;

namespace {

// Bits of "System: Filter Setting".
constexpr int kFilterFilteredByDefault = 1;
constexpr int kFilterPatronChooses = 4;
constexpr int kFilterChoiceFollowsValidationRules = 8;
constexpr int kFilterEnabled = 16;

// Bits of "System: User Credentials - Required Entries To Start Session".
constexpr int kUserIdRequired = 1;
constexpr int kPinRequired = 2;

constexpr int kMaxPinLengthWhenUnset = 35;
constexpr int kMaxIdLengthWhenUnset = 1024;

QString toolbarLocation(int controlMenuLocation)
{
    switch (controlMenuLocation) {
    case 1: return u"BOTTOM_LEFT"_s;
    case 2: return u"TOP_LEFT"_s;
    case 3: return u"TOP_CENTER"_s;
    case 4: return u"TOP_RIGHT"_s;
    case 5: return u"BOTTOM_LEFT"_s;
    case 6: return u"BOTTOM_CENTER"_s;
    default: return u"BOTTOM_RIGHT"_s;
    }
}

QString declinedUsagePolicyAction(int action)
{
    switch (action) {
    case 1: return u"INTERNET_FILTERED"_s;
    case 2: return u"END_SESSION"_s;
    case 4: return u"NO_INTERNET"_s;
    default: return u"NO_ACTION"_s;
    }
}

/// The rows of validating authority \a number (1 or 2); nothing when it has no name.
/// An authority the cloud service cannot serve stops the export before its first row.
void writeValidatingAuthority(UtilsLib::PortablePreferences &preferences,
                              PreferencesExporter &exporter, int number)
{
    const QString source = u"Validating Authority %1: "_s.arg(number);
    const QString key = u"connector%1."_s.arg(number);
    const auto integer = [&](const QString &name) { return preferences.getInt(source + name, 0); };
    const auto text = [&](const QString &name) {
        return preferences.getString(source + name, QString());
    };

    const QString name = ExportText::asWritten(text(u"Name"_s));
    if (name.isEmpty())
        return;
    checkValidatingAuthority(name, integer(u"Connection Type"_s));
    writeConnectorType(exporter, number, name, kIlsConnectionSettings);
    exporter.writeString(
        preferences.getString(u"System: User Credentials - User Id Prefix"_s, QString()),
        kIlsConnectionSettings, key + u"patronIdPrefix"_s);
    CsvTokenizer prefixes(text(u"User Id Prefixes"_s));
    while (const std::optional<QStringView> prefix = prefixes.nextToken())
        exporter.writeList(prefix->toString(), kIlsConnectionSettings,
                           key + u"patronIdStartsWithSelectors"_s);
    exporter.writeString(text(u"Institution Id"_s), kIlsConnectionSettings,
                         key + u"sipInstitutionId"_s);
    exporter.writeString(text(u"Server Address"_s), kIlsConnectionSettings,
                         key + u"remoteServerName"_s);
    exporter.writeInt(integer(u"Server Port"_s), kIlsConnectionSettings, key + u"remoteTcpPort"_s);
    exporter.writeString(text(u"Location Code"_s), kIlsConnectionSettings,
                         key + u"sipLocationCode"_s);
    exporter.writeBool(integer(u"Login Required"_s), kIlsConnectionSettings,
                       key + u"sipLoginRequired"_s);
    exporter.writeString(text(u"Login Name"_s), kIlsConnectionSettings, key + u"sipLoginId"_s);
    const QString password = text(u"Login Password"_s);
    exporter.writeString(password, kIlsConnectionSettings, key + u"sipPassword"_s);
    if (!password.isEmpty())
        exporter.report().notePasswordInClearText();
    exporter.writeBool(integer(u"Error Checking Enabled"_s), kIlsConnectionSettings,
                       key + u"sipErrorDetectionEnabled"_s);
    const QString scheme = papiProtocolFor(integer(u"Connection Type"_s));
    if (!scheme.isEmpty())
        exporter.writeString(scheme, kIlsConnectionSettings, key + u"papiProtocol"_s);
}

/// The usage policy: the English URL decides whether a policy is in use; the URL rows
/// are written in every case.
void writeUsagePolicy(UtilsLib::PortablePreferences &preferences, PreferencesExporter &exporter)
{
    const auto integer = [&](const QString &name) { return preferences.getInt(name, 0); };
    const auto urlOf = [&](const QString &name) {
        return filterLocalFile(preferences.getString(name, QString()), Messages::usagePolicyLabel(),
                               exporter.report());
    };
    // A URL goes into the file as 8-bit text. One that lost characters on the way is a
    // broken link, which the operator is told about; a local file has been told about.
    const auto writtenUrl = [&](const QString &url) {
        const QString written = ExportText::asWritten(url);
        if (written != url && !url.startsWith(kNoMappingMarker))
            exporter.report().actionRequired(
                Messages::charactersReplaced(written, Messages::usagePolicyLabel()));
        return written;
    };

    QString url = urlOf(u"Use Policy: en_us"_s);
    if (url.isEmpty())
        url = urlOf(u"Use Policy: en"_s);
    if (url.contains(kNoMappingMarker) || url.isEmpty()) {
        exporter.writeString(u"DISABLED"_s, kReservationSettings, u"usagePolicy"_s);
    } else {
        const QString action =
            declinedUsagePolicyAction(integer(u"Client: Computer Use Policy Declined Action"_s));
        exporter.writeString(action, kReservationSettings, u"declinedUsagePolicyAction"_s);
        exporter.writeString(action == u"NO_ACTION"_s ? u"OPTIONAL"_s : u"MANDATORY"_s,
                             kReservationSettings, u"usagePolicy"_s);
    }
    exporter.writeLocalized(writtenUrl(url), kReservationSettings, u"en"_s,
                            u"usagePolicyUrlMulti"_s);
    exporter.writeLocalized(writtenUrl(urlOf(u"Use Policy: es"_s)), kReservationSettings, u"es"_s,
                            u"usagePolicyUrlMulti"_s);
    exporter.writeLocalized(writtenUrl(urlOf(u"Use Policy: fr"_s)), kReservationSettings, u"fr"_s,
                            u"usagePolicyUrlMulti"_s);
}

/// Three empty localized values: the portal is hidden.
void writeHiddenPortal(PreferencesExporter &exporter, const QString &key)
{
    for (const Language &language : languageTable())
        exporter.writeLocalized(QString(), kReservableComputerSettings, language.code, key);
}

} // namespace

void writeSystemAuthorityAppearanceRows(UtilsLib::PortablePreferences &preferences,
                                        LocalizedMessages &messages, PreferencesExporter &exporter)
{
    const auto integer = [&](const QString &name) { return preferences.getInt(name, 0); };
    const auto text = [&](const QString &name) { return preferences.getString(name, QString()); };

    // Internet filter: the proxy detail only for a proxy-based filter that is enabled
    const int filter = integer(u"System: Filter Setting"_s);
    exporter.writeBool(filter & kFilterEnabled, kReservableComputerSettings,
                       u"internetFilteringEnabled"_s);
    if ((filter & kFilterEnabled) && integer(u"System: Filter Is Proxy Based"_s) > 0) {
        exporter.writeString(text(u"System: Filter Proxy Address"_s), kReservableComputerSettings,
                             u"internetFilterProxyAddress"_s);
        exporter.writeInt(integer(u"System: Filter Proxy Port"_s), kReservableComputerSettings,
                          u"internetFilterProxyPort"_s);
        exporter.writeString((filter & kFilterFilteredByDefault) ? u"FILTERED"_s : u"FULL_ACCESS"_s,
                             kReservableComputerSettings, u"defaultInternetFiltering"_s);
        exporter.writeBool(filter & kFilterPatronChooses, kReservableComputerSettings,
                           u"allowPatronInternetFilterChoiceEnabled"_s);
        exporter.writeBool(filter & kFilterChoiceFollowsValidationRules,
                           kReservableComputerSettings,
                           u"offerPatronChoiceBasedUponPatronValidationRulesEnabled"_s);
    }

    // User ids and credentials
    exporter.writeBool(integer(u"System: Maintenance - Clear User Ids Daily"_s),
                       kReservationServiceSettings, u"clearIdInReportData"_s);
    exporter.writeInt(integer(u"System: User Credentials - Pin Length"_s),
                      kReservableComputerSettings, u"autoGeneratedPinLength"_s);
    exporter.writeInt(replaceBelowOne(integer(u"System: User Credentials - Pin Maximum Length"_s),
                                      kMaxPinLengthWhenUnset),
                      kReservationServiceSettings, u"maxPinLength"_s);
    const int requiredEntries =
        integer(u"System: User Credentials - Required Entries To Start Session"_s);
    exporter.writeBool(requiredEntries & kUserIdRequired, kReservableComputerSettings,
                       u"sessionIdRequired"_s);
    exporter.writeBool(requiredEntries & kPinRequired, kReservableComputerSettings,
                       u"sessionPinRequired"_s);
    exporter.writeInt(replaceBelowOne(integer(u"System: User Credentials - User Id Length"_s),
                                      kMaxIdLengthWhenUnset),
                      kReservationServiceSettings, u"maxIdLength"_s);
    exporter.writeBool(integer(u"System: User Credentials - User Id Masked For Self Service"_s),
                       kReservationServiceSettings, u"maskIdField"_s);
    writeLocalizedMessage(exporter, messages, QByteArrayLiteral("LCL_USER_ID_LBL"),
                          kReservationServiceSettings, u"idLabelMulti"_s);
    writeLocalizedMessage(exporter, messages, QByteArrayLiteral("LCL_PIN_LBL"),
                          kReservationServiceSettings, u"pinLabelMulti"_s);

    // Validating authorities, the first completely before the second
    writeValidatingAuthority(preferences, exporter, 1);
    writeValidatingAuthority(preferences, exporter, 2);

    // Idle-screen appearance
    exporter.writeBool(true, kReservableComputerSettings, u"useCustomSettings"_s);
    exporter.writeString(convertColor(text(u"Client Appearance: Idle Screen Background Color"_s)),
                         kReservableComputerSettings, u"customBackgroundColor"_s);
    exporter.writeString(filterLocalFile(text(u"Client Appearance: Idle Screen Background Image"_s),
                                         Messages::backgroundImageLabel(), exporter.report()),
                         kReservableComputerSettings, u"customBackgroundImage"_s);
    if (integer(u"Client Appearance: Idle Screen Information Portal Hidden"_s) != 0)
        writeHiddenPortal(exporter, u"instructionsUrlMulti"_s);
    if (integer(u"Client Appearance: Idle Screen News Feed Portal Hidden"_s) != 0)
        writeHiddenPortal(exporter, u"newsUrlMulti"_s);
    exporter.writeString(convertColor(text(u"Client Appearance: Idle Screen Top Banner Color"_s)),
                         kReservableComputerSettings, u"customHeaderColor"_s);

    // Control menu, screensaver, welcome message
    exporter.writeString(toolbarLocation(integer(u"Client: Control Menu Location"_s)),
                         kReservableComputerSettings, u"toolbarLocation"_s);
    exporter.writeBool(integer(u"Client: Screensaver Pixel Shift"_s), kReservableComputerSettings,
                       u"screenSaverEnabled"_s);
    const int welcomeMessage = integer(u"Client: Welcome Message Displayed When Session Starts"_s);
    exporter.writeBool(welcomeMessage, kReservableComputerSettings, u"welcomeMessageEnabled"_s);
    if (welcomeMessage > 0)
        exporter.report().actionRequired(Messages::welcomeMessageToConfigure());

    // Usage policy
    writeUsagePolicy(preferences, exporter);
}
