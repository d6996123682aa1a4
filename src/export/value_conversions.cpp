#include "export/value_conversions.h"

#include "common/export_stopped.h"
#include "common/messages.h"
#include "export/export_constants.h"
#include "export/preferences_exporter.h"
#include "export/run_report.h"
#include "platform/console.h"

#include <QUrl>

#include <algorithm>
#include <array>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

struct IlsType {
    QLatin1StringView legacyName;
    QLatin1StringView ilsType;
};

// clang-format off
constexpr std::array kIlsTypes{
    IlsType{"Auto-Graphics Verso"_L1,                "AUTO_GRAPHICS_VERSO"_L1},
    IlsType{"Evergreen"_L1,                          "EVERGREEN"_L1},
    IlsType{"Innovative Patron API"_L1,              "INNOVATIVE_PATRON_API"_L1},
    IlsType{"OCLC (Amlib)"_L1,                       "OCLC_AMLIB"_L1},
    IlsType{"OCLC WorldShare"_L1,                    "OCLC_WORLD_SHARE"_L1},
    IlsType{"SirsiDynix - Horizon Enhanced 7.4+"_L1, "SIRSI_DYNIX_HORIZON_ENHANCED_7_4_PLUS"_L1},
    IlsType{"Symphony"_L1,                           "SIRSI_DYNIX_SYMPHONY"_L1},
    IlsType{"TLC - LS Enhanced SIP 2"_L1,            "TLC_LIBRARY_SOLUTION"_L1},
    IlsType{"GIS - Polaris"_L1,                      "INNOVATIVE_POLARIS"_L1},
};
// clang-format on
constexpr QLatin1StringView kDefaultIlsType{"SIP2"};

/// Names of authorities the cloud service cannot serve, matched anywhere in the name.
constexpr std::array kUnsupportedAuthorityMarkers{
    QLatin1StringView{"LDAP Server"},
    QLatin1StringView{"AAM"},
    QLatin1StringView{"Follett"},
    QLatin1StringView{"None"},
};

constexpr int kTelnetConnection = 1;
constexpr int kHttpConnection = 3;
constexpr int kHttpsConnection = 4;

bool isCWhiteSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

} // namespace

QString convertColor(const QString &value)
{
    if (value.isEmpty())
        return {};
    if (value == u"0")
        return u"#000000"_s;
    // Six characters are already RRGGBB, taken as they stand (even six decimal digits).
    if (value.size() == 6)
        return u'#' + value;
    // Otherwise a COLORREF in decimal: red in the low byte, then green, then blue, each
    // as two upper-case hex digits.
    bool ok = false;
    int colorRef = value.toInt(&ok, 10);
    if (!ok)
        colorRef = 0;
    constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
    QString color(7, Qt::Uninitialized);
    QChar *digit = color.data();
    *digit++ = u'#';
    for (const int shift : {0, 8, 16}) {
        const unsigned byte = (static_cast<unsigned>(colorRef) >> shift) & 0xFFu;
        *digit++ = kHexDigits[byte >> 4];
        *digit++ = kHexDigits[byte & 0xFu];
    }
    return color;
}

QString filterLocalFile(const QString &value, const QString &cloudSettingLabel, RunReport &report)
{
    // An empty value names nothing; callers fall back to another setting on it.
    if (value.isEmpty())
        return value;
    QString candidate = value;
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
        candidate = value.mid(1, value.size() - 2);
    const QString scheme = QUrl(candidate).scheme();
    // No scheme is a plain path; a one-letter scheme is a drive letter (C:\page.htm).
    const bool isLocalFile = scheme.isEmpty() || scheme.size() == 1
        || scheme.compare(u"file"_s, Qt::CaseInsensitive) == 0;
    if (!isLocalFile)
        return value;
    Console::endLine(Console::Stream::Out);
    report.actionRequired(Messages::localFileNotMapped(value, cloudSettingLabel));
    Console::endLine(Console::Stream::Out);
    return kNoMappingMarker + value;
}

QString ilsTypeForName(const QString &name)
{
    for (const IlsType &row : kIlsTypes) {
        if (name == row.legacyName)
            return row.ilsType.toString();
    }
    return kDefaultIlsType.toString();
}

void writeConnectorType(PreferencesExporter &exporter, int authorityNumber, const QString &name,
                        const QString &category)
{
    const QString prefix = authorityNumber == 2 ? u"connector2"_s : u"connector1"_s;
    exporter.writeString(ilsTypeForName(name), category, prefix + u".type"_s);
}

void checkValidatingAuthority(const QString &name, int connectionType)
{
    QString message;
    for (const QLatin1StringView marker : kUnsupportedAuthorityMarkers) {
        if (name.contains(marker, Qt::CaseSensitive)) {
            message = Messages::authorityTypeNotSupported(name);
            break;
        }
    }
    // A telnet connection is refused whatever the type; its message replaces the other.
    if (connectionType == kTelnetConnection)
        message = Messages::telnetConnectionNotSupported(name);
    if (!message.isEmpty())
        throw ExportStopped(message);
}

QString papiProtocolFor(int connectionType)
{
    switch (connectionType) {
    case kHttpConnection: return u"http"_s;
    case kHttpsConnection: return u"https"_s;
    default: return {};
    }
}

namespace {

/// leadingDecimal for text and for Latin-1 bytes alike.
template <typename View>
std::optional<qint64> leadingDecimalOf(View text)
{
    const auto at = [text](qsizetype i) { return QChar(text[i]).unicode(); };
    qsizetype i = 0;
    while (i < text.size() && isCWhiteSpace(at(i)))
        ++i;
    bool negative = false;
    if (i < text.size() && (at(i) == u'+' || at(i) == u'-')) {
        negative = at(i) == u'-';
        ++i;
    }
    // Leading zeros may be many; once the magnitude is beyond 32 bits it stops growing.
    constexpr qint64 kBeyondRange = qint64{std::numeric_limits<int>::max()} + 2;
    qint64 magnitude = 0;
    bool hasDigit = false;
    for (; i < text.size() && at(i) >= u'0' && at(i) <= u'9'; ++i) {
        hasDigit = true;
        magnitude = std::min(magnitude * 10 + (at(i) - u'0'), kBeyondRange);
    }
    if (!hasDigit)
        return std::nullopt;
    return negative ? -magnitude : magnitude;
}

int saturatedToInt(std::optional<qint64> value)
{
    constexpr qint64 kMin = std::numeric_limits<int>::min();
    constexpr qint64 kMax = std::numeric_limits<int>::max();
    return static_cast<int>(std::clamp(value.value_or(0), kMin, kMax));
}

} // namespace

std::optional<qint64> leadingDecimal(QStringView text)
{
    return leadingDecimalOf(text);
}

std::optional<qint64> leadingDecimal(QLatin1StringView text)
{
    return leadingDecimalOf(text);
}

int leadingInteger(QStringView text)
{
    return saturatedToInt(leadingDecimal(text));
}

int leadingInteger(QLatin1StringView text)
{
    return saturatedToInt(leadingDecimal(text));
}

qint64 blocksToMinutes(const QString &value)
{
    return qint64{leadingInteger(value)} * 5;
}
