#include "utils/xml_preferences.h"

#include <QBuffer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using UtilsLib::XmlPreferences;

namespace {

/// The store written and read back into a fresh store.
XmlPreferences roundTrip(XmlPreferences &store)
{
    QByteArray bytes = store.toXml(u"\r\n"_s).toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    XmlPreferences copy(u"other"_s);
    EXPECT_TRUE(copy.parse(&buffer)) << bytes.constData();
    return copy;
}

} // namespace

TEST(XmlPreferencesWriter, WritesAnEmptyStoreAsFiveLines)
{
    XmlPreferences store(u"MC Config"_s);
    EXPECT_EQ(store.toXml(u"\r\n"_s),
              u"<?xml version=\"1.0\" encoding=\"utf-8\" ?>\r\n"
              "<Settings>\r\n"
              "<version>1.1</version>\r\n"
              "<type>MC Config</type>\r\n"
              "</Settings>\r\n"_s);
}

TEST(XmlPreferencesWriter, WritesEntriesInOrderOfTheirUpperCasedNames)
{
    XmlPreferences store(u"A&B"_s);
    store.setEntry(u"_z"_s, u"x<y"_s, u"minutes"_s, false);
    store.setEntry(u"b"_s, u"Az"_s, u"seconds"_s, true);
    store.setString(u"A 'q'"_s, QString());
    EXPECT_EQ(store.toXml(u"\n"_s),
              u"<?xml version=\"1.0\" encoding=\"utf-8\" ?>\n"
              "<Settings>\n"
              "<version>1.1</version>\n"
              "<type>A&amp;B</type>\n"
              "<entry name='A &apos;q&apos;'></entry>\n"
              "<entry name='b' encrypted='1' units='seconds'>34a6</entry>\n"
              "<entry name='_z' units='minutes'>x&lt;y</entry>\n"
              "</Settings>\n"_s);
}

TEST(XmlPreferencesWriter, ReadsBackWhatItWrites)
{
    const struct {
        const char *name;
        QString entryName;
        QString value;
        QString units;
        bool encrypted;
    } cases[] = {
        {"special characters", u"Client: Message"_s, u"a&b<c>d\"e'f"_s, QString(), false},
        {"an entity spelled out", u"lt"_s, u"&lt;"_s, QString(), false},
        {"empty value", u"Empty"_s, QString(), u"hours"_s, false},
        {"beyond ASCII", u"Größe €"_s, u"Ça va? 日本 😀"_s, QString(), false},
        {"encrypted", u"Password"_s, u"s3cr&t é😀"_s, QString(), true},
        {"encrypted and empty", u"Token"_s, QString(), u"days"_s, true},
        {"awkward name and units", u"<a & 'b'>"_s, u"1"_s, u"x\"'y"_s, false},
        {"spaces and tabs", u"Padded"_s, u"  a\tb  "_s, QString(), false},
        {"tab and line breaks in name and units", u"Two\tpart\r\nname"_s, u"2"_s, u"min\nutes"_s,
         false},
    };
    XmlPreferences store(u"MC Config"_s);
    for (const auto &c : cases)
        store.setEntry(c.entryName, c.value, c.units, c.encrypted);
    XmlPreferences copy = roundTrip(store);
    EXPECT_EQ(copy.count(), store.count());
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const UtilsLib::PreferenceEntry entry = copy.findEntry(c.entryName, u"absent"_s, QString());
        EXPECT_EQ(entry, (UtilsLib::PreferenceEntry{c.entryName, c.value, c.units, c.encrypted}));
    }
    EXPECT_EQ(copy.toXml(u"\r\n"_s).remove(u"<type>other</type>"_s),
              store.toXml(u"\r\n"_s).remove(u"<type>MC Config</type>"_s));
}
