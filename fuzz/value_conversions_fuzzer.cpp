// Value conversions: any colour becomes nothing or "#" and six characters, numbers in
// the COLORREF byte order; any value is either passed through or refused as a local file
// with its instruction on the console; leading integers read like atoi, saturated.

#include "fuzz_support.h"

#include "export/run_report.h"
#include "export/value_conversions.h"
#include "platform/console.h"

#include <QByteArray>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

bool isUpperHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F');
}

void checkColor(const QString &value)
{
    const QString color = convertColor(value);
    if (value.isEmpty()) {
        Fuzz::check(color.isEmpty(), "an empty colour stays empty");
        return;
    }
    if (color.size() != 7 || !color.startsWith(u'#'))
        Fuzz::fail("a colour is \"#\" and six characters", Fuzz::shown(value), Fuzz::shown(color));
    if (value.size() == 6) {
        Fuzz::checkEqual(u'#' + value, color, "six characters pass unchanged");
        return;
    }
    for (const QChar c : QStringView(color).sliced(1))
        Fuzz::check(isUpperHexDigit(c), "a colour made from a number has uppercase digits");
}

/// A number written in decimal becomes its red, green and blue bytes, red first.
void checkNumericColor(std::int32_t number)
{
    const QString value = QString::number(number);
    if (value.size() == 6 || value == u"0")
        return;
    const auto bits = static_cast<std::uint32_t>(number);
    QString expected = u"#"_s;
    for (const int shift : {0, 8, 16})
        expected += QString::number((bits >> shift) & 0xFFu, 16).toUpper().rightJustified(2, u'0');
    Fuzz::checkEqual(expected, convertColor(value), "a COLORREF lists red, green, blue");
}

void checkLocalFileFilter(const QString &value, const QString &label)
{
    Console::Capture capture;
    RunReport report;
    const QString result = filterLocalFile(value, label, report);
    Fuzz::check(capture.err().isEmpty(), "the filter writes nothing to standard error");
    if (result == value) {
        Fuzz::checkEqual(QString(), capture.out(), "a value passed through is not reported");
        return;
    }
    Fuzz::checkEqual(u"NO_MAPPING: "_s + value, result, "a refused value is marked");
    Fuzz::check(!value.isEmpty(), "an empty value is never refused");
    const QString instruction =
        u"\nACTION REQUIRED: This value is a local file and will not be mapped: '"_s + value
        + u"'. Please manually configure the Nimbrel Reservation Service setting: '"_s + label
        + u"'\n\n"_s;
    Fuzz::checkEqual(instruction, capture.out(), "a refused value is reported with its label");
    for (const QLatin1StringView scheme : {"http://"_L1, "https://"_L1}) {
        if (value.startsWith(scheme))
            Fuzz::fail("a web address is never a local file", QByteArray(), Fuzz::shown(value));
    }
}

/// atoi of the text's ASCII form, saturated at the int limits.
int referenceLeadingInteger(const QByteArray &bytes)
{
    const QByteArray terminated = bytes + '\0';
    errno = 0;
    const long long number = std::strtoll(terminated.constData(), nullptr, 10);
    if (number > INT_MAX)
        return INT_MAX;
    if (number < INT_MIN)
        return INT_MIN;
    return static_cast<int>(number);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString text = QString::fromUtf8(bytes);
    checkColor(text);
    if (size >= sizeof(std::int32_t)) {
        std::int32_t number = 0;
        std::memcpy(&number, data, sizeof number);
        checkNumericColor(number);
    }

    // The value ends at the first zero byte; the label, when there is one, follows it.
    const qsizetype zero = bytes.indexOf('\0');
    const QString value = zero < 0 ? text : QString::fromUtf8(bytes.first(zero));
    const QString label =
        zero < 0 ? u"Usage Policy URL"_s : QString::fromUtf8(bytes.sliced(zero + 1));
    checkLocalFileFilter(value, label);

    // Leading integers: the text up to its first character outside ASCII reads as atoi.
    const qsizetype nonAscii =
        std::find_if(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; })
        - bytes.begin();
    const QByteArray ascii = bytes.first(nonAscii);
    const int expected = referenceLeadingInteger(ascii);
    const int actual = leadingInteger(QString::fromLatin1(ascii));
    if (expected != actual)
        Fuzz::fail("leading integers read like atoi", QByteArray::number(expected),
                   QByteArray::number(actual));
    return 0;
}
