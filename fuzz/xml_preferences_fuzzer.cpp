// Preference files: any bytes are read without harm, and whatever a file leaves in the
// store survives being written and read again.

#include "fuzz_support.h"

#include "utils/preference_entry.h"
#include "utils/xml_preferences.h"

#include <QBuffer>
#include <QList>
#include <QMap>

#include <algorithm>
#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;
using UtilsLib::PreferenceEntry;
using UtilsLib::XmlPreferences;

namespace {

using Entries = QMap<QString, PreferenceEntry>;

/// Every entry of the store by its stored name, with units and flag.
Entries entriesOf(const XmlPreferences &store)
{
    Entries result;
    const QList<QString> names = store.entries().keys();
    for (const QString &name : names)
        result.insert(name, store.findEntry(name, QString(), QString()));
    return result;
}

/// A value after a trip through a file: the reader delivers every line break as LF.
QString valueAsReread(QString value)
{
    value.replace(u"\r\n"_s, u"\n"_s);
    value.replace(u'\r', u'\n');
    return value;
}

/// The store that reading \a written back should give: its entries in the order they are
/// written (by upper-cased name), each as the reader will deliver it. Names and units come
/// back exactly; only line breaks in values become LF.
Entries expectedAfterRoundTrip(const Entries &written)
{
    QList<PreferenceEntry> inFileOrder = written.values();
    std::sort(inFileOrder.begin(), inFileOrder.end(),
              [](const PreferenceEntry &a, const PreferenceEntry &b) {
                  return a.name.toUpper() < b.name.toUpper();
              });
    XmlPreferences expected(u"MC Config"_s);
    for (const PreferenceEntry &entry : inFileOrder) {
        expected.setEntry(entry.name, entry.encrypted ? entry.value : valueAsReread(entry.value),
                          entry.units, entry.encrypted);
    }
    return entriesOf(expected);
}

QByteArray shownEntries(const Entries &entries)
{
    QByteArray out;
    for (const PreferenceEntry &entry : entries) {
        out += "\n    [" + Fuzz::shown(entry.name) + "] = [" + Fuzz::shown(entry.value)
            + "] units [" + Fuzz::shown(entry.units) + "]" + (entry.encrypted ? " encrypted" : "");
    }
    return out;
}

void checkEntries(const Entries &expected, const Entries &actual, const char *property)
{
    if (expected != actual)
        Fuzz::fail(property, shownEntries(expected), shownEntries(actual));
}

bool parseBytes(XmlPreferences &store, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return store.parse(&buffer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));

    XmlPreferences store(u"MC Config"_s);
    const bool parsed = parseBytes(store, bytes);
    const Entries read = entriesOf(store);

    // Loading the same bytes from a file gives the same answer and the same entries.
    const QString inputPath = Fuzz::scratchPath(u"input.qfp"_s);
    Fuzz::writeScratchFile(inputPath, bytes);
    XmlPreferences loaded(u"MC Config"_s);
    Fuzz::check(loaded.load(inputPath, false) == parsed, "load agrees with parse");
    checkEntries(read, entriesOf(loaded), "load reads what parse reads");
    XmlPreferences tolerant(u"MC Config"_s);
    Fuzz::check(tolerant.load(inputPath, true), "load accepting failure succeeds");

    // saveAs writes exactly the document toXml gives.
    const QString document = store.toXml(u"\r\n"_s);
    const QString savedPath = Fuzz::scratchPath(u"saved/store.qfp"_s);
    Fuzz::check(store.saveAs(savedPath), "saveAs succeeds");
    QFile saved(savedPath);
    Fuzz::check(saved.open(QIODevice::ReadOnly), "the saved file can be opened");
    Fuzz::checkEqual(document.toUtf8(), saved.readAll(), "saveAs writes the toXml document");

    // What the store holds, written and read again, comes back entry for entry.
    XmlPreferences reread(u"MC Config"_s);
    if (!parseBytes(reread, document.toUtf8()))
        Fuzz::fail("a written document is well-formed", QByteArray(), Fuzz::shown(document));
    checkEntries(expectedAfterRoundTrip(read), entriesOf(reread),
                 "a written store reads back unchanged");
    return 0;
}
