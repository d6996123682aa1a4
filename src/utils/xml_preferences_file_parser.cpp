#include "utils/xml_preferences_file_parser.h"

#include "common/messages.h"
#include "utils/hex_codec.h"

#include <QXmlStreamReader>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace UtilsLib {

namespace {

constexpr qint64 kReadChunkSize = 4096;
// The reader caps what one entity reference expands to, but not how often a document
// uses one: a few kilobytes of references to a long entity would expand to gigabytes.
// A document that declares entities may therefore hold only so many references.
constexpr qint64 kMaxExpandedCharacters = 16 * 1024 * 1024;

/// Every "&" in \a bytes that may begin a reference to a declared entity: all but the
/// character references and the five predefined entities. A reference cut by the end of
/// the chunk is counted, which errs on the safe side.
qint64 countEntityReferences(const QByteArray &bytes)
{
    static constexpr const char *kPredefined[] = {"amp;", "lt;", "gt;", "quot;", "apos;"};
    qint64 count = 0;
    for (qsizetype at = bytes.indexOf('&'); at >= 0; at = bytes.indexOf('&', at + 1)) {
        const QByteArrayView rest = QByteArrayView(bytes).sliced(at + 1);
        if (rest.startsWith('#'))
            continue;
        const bool predefined =
            std::any_of(std::begin(kPredefined), std::end(kPredefined),
                        [&rest](const char *name) { return rest.startsWith(name); });
        if (!predefined)
            ++count;
    }
    return count;
}

} // namespace

XmlPreferencesFileParser::XmlPreferencesFileParser(EntrySink store) : m_store(std::move(store))
{ }

bool XmlPreferencesFileParser::parse(QIODevice &input, QString *error)
{
    QXmlStreamReader reader;
    bool declaresEntities = false;
    qint64 references = 0;
    qint64 bytesRead = 0;
    qint64 offsetBeforePiece = 0; ///< where the reader stood when it was given the last piece
    QByteArray unread;
    const auto withinExpansionBudget = [&] {
        return !declaresEntities
            || references <= kMaxExpandedCharacters / std::max(1, reader.entityExpansionLimit());
    };
    const auto notWellFormed = [&](const QString &message) {
        *error =
            Messages::preferenceFileNotValid(message, reader.lineNumber(), reader.columnNumber());
        return false;
    };
    const auto expansionRefused = [&] {
        return notWellFormed(
            Messages::entityExpansionRefused(kMaxExpandedCharacters / (1024 * 1024)));
    };

    // The document is fed in chunks so that the references can be counted before the
    // reader expands them. The reader never reads an external entity or DTD. Each chunk
    // reaches the reader a line at a time: the reader decodes what it is given at once
    // and reports wrongly encoded bytes where that piece begins, so the line it names is
    // the line that holds them.
    //
    // Between the declaration and the root element the reader takes the end of a piece it
    // could not decode for the end of the document, and says that instead. From then on it
    // decodes nothing more: when the document runs out, a last piece that gave it not one
    // character holds bytes it could not decode (or a character cut short by the end of
    // the file), and the reader still stands where that piece began.
    for (;;) {
        switch (reader.readNext()) {
        case QXmlStreamReader::Invalid: {
            if (reader.error() != QXmlStreamReader::PrematureEndOfDocumentError)
                return notWellFormed(reader.errorString());
            if (unread.isEmpty()) {
                unread.resize(kReadChunkSize);
                const qint64 size = input.read(unread.data(), kReadChunkSize);
                if (size < 0) {
                    *error = Messages::preferenceFileUnreadable(input.errorString());
                    return false;
                }
                unread.resize(size);
                if (size == 0) {
                    if (bytesRead == 0)
                        return notWellFormed(Messages::preferenceFileEmpty());
                    if (offsetBeforePiece > 0 && reader.characterOffset() == offsetBeforePiece)
                        return notWellFormed(Messages::wronglyEncodedContent());
                    return notWellFormed(reader.errorString());
                }
                bytesRead += size;
                references += countEntityReferences(unread);
                if (!withinExpansionBudget())
                    return expansionRefused();
            }
            const qsizetype lineEnd = unread.indexOf('\n');
            const qsizetype pieceSize = lineEnd < 0 ? unread.size() : lineEnd + 1;
            offsetBeforePiece = reader.characterOffset();
            reader.addData(unread.first(pieceSize));
            unread.remove(0, pieceSize);
            break;
        }
        case QXmlStreamReader::DTD:
            declaresEntities = !reader.entityDeclarations().isEmpty();
            if (!withinExpansionBudget())
                return expansionRefused();
            break;
        case QXmlStreamReader::StartElement:
            startElement(reader.qualifiedName(), reader.attributes());
            break;
        case QXmlStreamReader::Characters: characters(reader.text()); break;
        case QXmlStreamReader::EndElement: endElement(); break;
        case QXmlStreamReader::EndDocument: return true;
        default: break; // declarations, comments and processing instructions carry no setting
        }
    }
}

void XmlPreferencesFileParser::startElement(QStringView qualifiedName,
                                            const QXmlStreamAttributes &attributes)
{
    if (qualifiedName != u"entry"_s)
        return;
    PreferenceEntry entry;
    entry.name = attributes.value(u"name"_s).toString();
    entry.units = attributes.value(u"units"_s).toString();
    entry.encrypted = attributes.value(u"encrypted"_s) == u"1"_s;
    m_pending = std::move(entry);
    m_pendingText.clear();
}

void XmlPreferencesFileParser::characters(QStringView text)
{
    if (m_pending)
        m_pendingText.append(text);
}

void XmlPreferencesFileParser::endElement()
{
    if (m_pending) {
        // The value is decoded once, as a whole, however many pieces it was read in.
        const QString value =
            m_pending->encrypted ? HexCodec().decode(m_pendingText) : m_pendingText;
        m_store(PreferenceEntry{m_pending->name, value, m_pending->units, m_pending->encrypted});
    }
    m_pending.reset();
    m_pendingText.clear();
}

} // namespace UtilsLib
