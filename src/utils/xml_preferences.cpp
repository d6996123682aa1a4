#include "utils/xml_preferences.h"

#include "common/messages.h"
#include "utils/time_units.h"
#include "utils/xml_preferences_file_parser.h"
#include "utils/xml_preferences_writer.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QUrl>

#include <algorithm>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace UtilsLib {

namespace {

constexpr char kGetAllMessage[] = "XmlPreferences::getAll() not implemented";
// A store of this type takes its type from the name of the file it loads.
constexpr QLatin1StringView kSampleSettingsType{"Sample Settings"};

/// A plain path is used as it stands; only a "file:" URL is turned into its local path.
QString localPath(const QString &path)
{
    const QUrl url(path);
    if (url.scheme() == u"file"_s)
        return url.toLocalFile();
    return path;
}

/// The file name of \a path up to its last ".", or the whole file name without one.
QString fileNameWithoutLastExtension(const QString &path)
{
    const QString fileName = QFileInfo(path).fileName();
    const qsizetype dot = fileName.lastIndexOf(u'.');
    return dot < 0 ? fileName : fileName.left(dot);
}

} // namespace

XmlPreferences::XmlPreferences(const QString &type) : m_type(type)
{ }

XmlPreferences::XmlPreferences(const XmlPreferences &other) : PortablePreferences(other)
{
    const QMutexLocker locker(&other.m_lock);
    m_type = other.m_type;
    m_entries = other.m_entries;
}

XmlPreferences &XmlPreferences::operator=(const XmlPreferences &other)
{
    if (this == &other)
        return *this;
    QString type;
    QMap<QString, PreferenceEntry> entries;
    {
        const QMutexLocker locker(&other.m_lock);
        type = other.m_type;
        entries = other.m_entries;
    }
    // The two locks are never held together, so two stores assigned to each other on
    // two threads cannot deadlock.
    const QMutexLocker locker(&m_lock);
    m_type = std::move(type);
    m_entries = std::move(entries);
    return *this;
}

XmlPreferences::~XmlPreferences() = default;

QString XmlPreferences::entryKey(const QString &name)
{
    // Names are nearly always ASCII, upper-cased here without the Unicode tables; a name
    // with any other character goes through them (where "ß" becomes "SS").
    const bool isAscii =
        std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (!isAscii)
        return name.toUpper();
    QString key(name.size(), Qt::Uninitialized);
    std::transform(name.cbegin(), name.cend(), key.begin(), [](QChar c) {
        return c >= u'a' && c <= u'z' ? QChar(c.unicode() - u'a' + u'A') : c;
    });
    return key;
}

void XmlPreferences::setString(const QString &name, const QString &value)
{
    setEntry(name, value, QString(), false);
}

void XmlPreferences::setInt(const QString &name, int value)
{
    setInt(name, value, QString());
}

QString XmlPreferences::getString(const QString &name, const QString &defaultValue)
{
    return findEntry(name, defaultValue, QString()).value;
}

int XmlPreferences::getInt(const QString &name, int defaultValue)
{
    return getInt(name, defaultValue, QString());
}

void XmlPreferences::remove(const QString &name)
{
    const QMutexLocker locker(&m_lock);
    m_entries.remove(entryKey(name));
}

void XmlPreferences::removeFile()
{
    QFile::remove(path());
}

bool XmlPreferences::save()
{
    return saveAs(path());
}

bool XmlPreferences::load(const QString &path, bool acceptFailure)
{
    QString ignored;
    return loadFile(path, &ignored) || acceptFailure;
}

bool XmlPreferences::loadFile(const QString &path, QString *error)
{
    const QString filePath = localPath(path);
    {
        const QMutexLocker locker(&m_lock);
        m_path = filePath;
        if (m_type == kSampleSettingsType)
            m_type = fileNameWithoutLastExtension(filePath);
    }

    QString whatIsWrong;
    const QFileInfo info(filePath);
    if (!info.exists()) {
        // A relative path is looked for from the working folder, which the operator is shown.
        whatIsWrong = QDir::isRelativePath(filePath)
            ? Messages::preferenceFileMissingFromWorkingFolder(
                QDir::cleanPath(QDir::current().absoluteFilePath(filePath)))
            : Messages::preferenceFileMissing();
    } else if (info.isDir()) {
        // Each system words a folder opened as a file its own way, some not at all.
        whatIsWrong = Messages::preferenceFileUnreadable(Messages::folderNotFile());
    } else {
        QFile file(filePath);
        if (!file.open(QIODevice::ReadOnly))
            whatIsWrong = Messages::preferenceFileUnreadable(file.errorString());
        else if (parseDocument(file, &whatIsWrong))
            return true;
    }
    *error = Messages::preferenceFileFailed(filePath, whatIsWrong);
    return false;
}

bool XmlPreferences::setAll(const ValueMap &values, const QString &path)
{
    const QMutexLocker locker(&m_lock);
    if (!path.isEmpty())
        load(path, true);
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        setEntry(it.key(), it.value().toString(), QString(), false);
    return true;
}

PortablePreferences::ValueMap XmlPreferences::getAll()
{
    throw std::runtime_error(kGetAllMessage);
}

void XmlPreferences::setEntry(const QString &name, const QString &value, const QString &units,
                              bool encrypted)
{
    const QMutexLocker locker(&m_lock);
    m_entries.insert(entryKey(name), PreferenceEntry{name, value, units, encrypted});
}

void XmlPreferences::setString(const QString &name, const QString &value, bool encrypted)
{
    setEntry(name, value, QString(), encrypted);
}

void XmlPreferences::setInt(const QString &name, int value, const QString &units)
{
    setEntry(name, QString::number(value), units, false);
}

PreferenceEntry XmlPreferences::findEntry(const QString &name, const QString &defaultValue,
                                          const QString &defaultUnits) const
{
    const QMutexLocker locker(&m_lock);
    const auto found = m_entries.constFind(entryKey(name));
    if (found == m_entries.constEnd())
        return PreferenceEntry{name, defaultValue, defaultUnits, false};
    return found.value();
}

int XmlPreferences::getInt(const QString &name, int defaultValue, const QString &units)
{
    const QMutexLocker locker(&m_lock);
    const PreferenceEntry entry = findEntry(name, QString::number(defaultValue), QString());
    bool ok = false;
    int number = entry.value.toInt(&ok, 10);
    if (!ok)
        number = 0;
    // Without a conversion (either unit is not in the table, or empty, as most entries'
    // units are) the number stands as stored.
    return convertUnitsIfKnown(number, entry.units, units).value_or(number);
}

QString XmlPreferences::getUnits(const QString &name) const
{
    const QString units = findEntry(name, QString(), QString()).units;
    return units.isEmpty() ? u"unknown"_s : units;
}

void XmlPreferences::renameEntry(const QString &oldName, const QString &newName,
                                 bool createIfMissing, const QString &defaultValue,
                                 const QString &defaultUnits)
{
    const QMutexLocker locker(&m_lock);
    const PreferenceEntry old = findEntry(oldName, QString(), QString());
    if (!old.value.isEmpty()) {
        const QString storedName = newName.toUpper();
        setEntry(storedName, old.value, old.units, false);
        // Renaming to a name of the same key only changes the stored name.
        if (entryKey(storedName) != entryKey(oldName))
            remove(oldName);
    } else if (createIfMissing) {
        setEntry(newName, defaultValue, defaultUnits, false);
    }
}

bool XmlPreferences::saveAs(const QString &path)
{
    const QMutexLocker locker(&m_lock);
    m_path = path;

    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir(folder).exists())
        QDir().mkpath(folder);

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = toXml(u"\r\n"_s).toUtf8();
    // A file that could not be written whole (a full disk) is not reported as saved.
    if (file.write(bytes) != bytes.size() || !file.flush())
        return false;
    file.close();
    return true;
}

QString XmlPreferences::type() const
{
    const QMutexLocker locker(&m_lock);
    return m_type;
}

void XmlPreferences::setType(const QString &type)
{
    const QMutexLocker locker(&m_lock);
    m_type = type;
}

QString XmlPreferences::path() const
{
    const QMutexLocker locker(&m_lock);
    return m_path;
}

int XmlPreferences::count() const
{
    const QMutexLocker locker(&m_lock);
    return static_cast<int>(m_entries.size());
}

bool XmlPreferences::contains(const QString &name) const
{
    const QMutexLocker locker(&m_lock);
    return std::any_of(m_entries.cbegin(), m_entries.cend(),
                       [&name](const PreferenceEntry &entry) { return entry.name == name; });
}

QMap<QString, QString> XmlPreferences::entries() const
{
    const QMutexLocker locker(&m_lock);
    QMap<QString, QString> byName;
    for (const PreferenceEntry &entry : m_entries)
        byName.insert(entry.name, entry.value);
    return byName;
}

void XmlPreferences::clear()
{
    const QMutexLocker locker(&m_lock);
    m_entries.clear();
    m_type = QString();
}

QString XmlPreferences::toXml(const QString &lineEnd) const
{
    const QMutexLocker locker(&m_lock);
    return preferencesDocument(m_type, m_entries, lineEnd);
}

bool XmlPreferences::parse(QIODevice *input)
{
    if (input == nullptr)
        return false;
    QString ignored;
    return parseDocument(*input, &ignored);
}

bool XmlPreferences::parseDocument(QIODevice &input, QString *error)
{
    const QMutexLocker locker(&m_lock);
    XmlPreferencesFileParser parser([this](const PreferenceEntry &entry) {
        setEntry(entry.name, entry.value, entry.units, entry.encrypted);
    });
    return parser.parse(input, error);
}

} // namespace UtilsLib
