#include "database/table_dump.h"

#include "common/messages.h"

#include "export/byte_buffer.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QScopeGuard>

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kWriteChunk = 64 * 1024;

struct DatabaseCloser {
    void operator()(sqlite3 *db) const { sqlite3_close(db); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// Quoting is the stricter rule of the database's command-line shell, which wrote these
// dumps before: besides commas and quotes, anything empty, white space and control
// bytes, an apostrophe, DEL and every byte outside ASCII are quoted, so the files
// stay byte for byte what they were. The bytes that call for quotes, as a table.
constexpr std::array<bool, 256> kQuotedBytes = [] {
    std::array<bool, 256> quoted{};
    for (int byte = 0; byte < 256; ++byte)
        quoted[size_t(byte)] =
            byte <= 0x20 || byte == '"' || byte == '\'' || byte == ',' || byte >= 0x7F;
    return quoted;
}();

bool needsQuotes(QByteArrayView text)
{
    if (text.isEmpty())
        return true;
    for (const char c : text) {
        if (kQuotedBytes[static_cast<unsigned char>(c)])
            return true;
    }
    return false;
}

void appendField(ByteBuffer &out, QByteArrayView field)
{
    if (!needsQuotes(field)) {
        out.append(field);
        return;
    }
    // Inside the quotes every double quote is doubled: the text is copied in runs that
    // end with a quote, and each quote is then written once more.
    out.append('"');
    const char *run = field.data();
    const char *const end = run + field.size();
    const auto nextQuote = [end](const char *from) {
        return static_cast<const char *>(std::memchr(from, '"', static_cast<size_t>(end - from)));
    };
    for (const char *quote = nextQuote(run); quote != nullptr; quote = nextQuote(quote + 1)) {
        out.append(QByteArrayView(run, quote + 1 - run));
        run = quote;
    }
    out.append(QByteArrayView(run, end - run));
    out.append('"');
}

/// SQLite's message for what failed on \a db.
QString sqliteMessage(sqlite3 *db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

/// The result code as the message shows it: plain SQL errors carry none (0); locks,
/// corruption and the like say which it was.
int shownCode(int code)
{
    return code > SQLITE_ERROR ? code : 0;
}

QByteArray selectAllStatement(const QString &table)
{
    QString quoted = table;
    quoted.replace(u'"', u"\"\""_s);
    return (u"SELECT * FROM \""_s + quoted + u"\";"_s).toUtf8();
}

QByteArray databaseFileName(const QString &databasePath)
{
    // SQLite takes every path as UTF-8. A name beginning with "file:" would be taken as a
    // URI with options; the database is always a plain file here.
    QByteArray name = databasePath.toUtf8();
    if (name.startsWith("file:"))
        name.prepend("./");
    return name;
}

/// Writes \a bytes to the dump; false with the message naming the dump in \a error.
bool writeToDump(OutputFile &dump, const ByteBuffer &bytes, const QString &dumpPath, QString *error)
{
    QString reason;
    if (dump.write(bytes.view().data(), bytes.size(), &reason))
        return true;
    *error = Messages::dumpNotWritten(dumpPath, reason);
    return false;
}

bool writeRows(sqlite3 *db, sqlite3_stmt *statement, OutputFile &dump, const QString &dumpPath,
               QString *error)
{
    const int columnCount = sqlite3_column_count(statement);
    ByteBuffer pending;
    for (;;) {
        const int code = sqlite3_step(statement);
        if (code == SQLITE_DONE)
            break;
        if (code != SQLITE_ROW) {
            *error = Messages::rowNotRead(sqliteMessage(db), shownCode(code));
            return false;
        }
        for (int column = 0; column < columnCount; ++column) {
            if (column > 0)
                pending.append(',');
            // Each column's value is taken once and read through the value calls, which
            // skip the statement's locking and error bookkeeping of the column calls; that
            // is safe because the statement is used by this one thread only (the connection
            // is opened without its mutex).
            sqlite3_value *const value = sqlite3_column_value(statement, column);
            // The type must be asked for before the value is converted to text.
            const int type = sqlite3_value_type(value);
            if (type == SQLITE_NULL)
                continue;
            // An integer's text is its plain decimal digits, which never need quotes.
            if (type == SQLITE_INTEGER) {
                pending.appendDecimal(sqlite3_value_int64(value));
                continue;
            }
            const auto *text = reinterpret_cast<const char *>(sqlite3_value_text(value));
            if (text == nullptr) {
                *error = Messages::rowNotRead(sqliteMessage(db), shownCode(SQLITE_NOMEM));
                return false;
            }
            // SQLite's text of a value ends at its first NUL byte, for texts and blobs alike.
            const size_t length = static_cast<size_t>(sqlite3_value_bytes(value));
            const void *nul = std::memchr(text, '\0', length);
            appendField(pending,
                        QByteArrayView(text,
                                       nul != nullptr ? static_cast<const char *>(nul) - text
                                                      : static_cast<qsizetype>(length)));
        }
        pending.append(QByteArrayView("\r\n"));
        if (pending.size() >= kWriteChunk) {
            if (!writeToDump(dump, pending, dumpPath, error))
                return false;
            pending.clear();
        }
    }
    return writeToDump(dump, pending, dumpPath, error);
}

} // namespace

bool dumpTable(const QString &databasePath, const QString &table, const QString &dumpPath,
               QString *error, int busyTimeoutMs, const OutputFileOpener &opener)
{
    QString ignored;
    if (error == nullptr)
        error = &ignored;
    QFile::remove(dumpPath);

    QString openFailure;
    std::unique_ptr<OutputFile> dump = opener(dumpPath, OutputFile::Mode::Replace, &openFailure);
    if (!dump) {
        *error = Messages::dumpNotOpened(dumpPath, openFailure);
        return false;
    }
    // A dump that is not written whole is removed: the stage must find it missing, never
    // read part of a table as the whole of it.
    bool complete = false;
    const auto removeIncomplete = qScopeGuard([&] {
        if (!complete) {
            dump.reset(); // a file still open cannot be removed everywhere
            QFile::remove(dumpPath);
        }
    });

    // Reading a database in write-ahead-log mode makes SQLite create its two side files,
    // which a read-only connection leaves behind when it closes. The installation is left
    // as found: side files that were not there are removed once the database is closed
    // (the guard, declared before the database, runs after it), and side files that were
    // there, maybe those of a program that has the database open, are left alone.
    const std::array<QString, 2> sideFiles = {databasePath + u"-wal"_s, databasePath + u"-shm"_s};
    const bool sideFilesWereThere =
        std::any_of(sideFiles.begin(), sideFiles.end(),
                    [](const QString &path) { return QFile::exists(path); });
    const auto removeSideFiles = qScopeGuard([&] {
        if (!sideFilesWereThere) {
            for (const QString &path : sideFiles)
                QFile::remove(path);
        }
    });

    sqlite3 *handle = nullptr;
    const int openCode = sqlite3_open_v2(databaseFileName(databasePath).constData(), &handle,
                                         SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    const Database db(handle);
    if (openCode != SQLITE_OK) {
        const char *reason = handle != nullptr ? sqlite3_errmsg(handle) : sqlite3_errstr(openCode);
        *error = Messages::databaseNotOpened(databasePath, QString::fromUtf8(reason));
        return false;
    }
    sqlite3_busy_timeout(db.get(), busyTimeoutMs);

    sqlite3_stmt *statementHandle = nullptr;
    const int prepareCode = sqlite3_prepare_v2(db.get(), selectAllStatement(table).constData(), -1,
                                               &statementHandle, nullptr);
    const Statement statement(statementHandle);
    if (prepareCode != SQLITE_OK) {
        *error = Messages::statementNotPrepared(sqliteMessage(db.get()), shownCode(prepareCode));
        return false;
    }

    if (!writeRows(db.get(), statement.get(), *dump, dumpPath, error))
        return false;
    // The dump is read back at once by this program, so it is not synced to storage; its
    // close is checked all the same.
    QString reason;
    if (!dump->close(&reason)) {
        *error = Messages::dumpNotWritten(dumpPath, reason);
        return false;
    }
    complete = true;
    return true;
}
