#include "export/to_do_list.h"

#include "common/messages.h"

#include <QFile>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

QByteArray toDoListBytes(const QStringList &items)
{
    static const QRegularExpression lineBreak(u"\r\n|\r|\n"_s);
    QByteArray bytes("\xEF\xBB\xBF");
    const auto addLine = [&bytes](const QString &line) { bytes += line.toUtf8() + "\r\n"; };
    addLine(Messages::toDoListTitle());
    addLine(QString());
    if (items.isEmpty())
        addLine(Messages::nothingToConfigure());
    for (qsizetype i = 0; i < items.size(); ++i)
        addLine(QString::number(i + 1) + u". "_s + QString(items[i]).replace(lineBreak, u" "_s));
    return bytes;
}

bool writeToDoList(const QString &path, const QStringList &items, QString *error,
                   const OutputFileOpener &opener)
{
    std::unique_ptr<OutputFile> file = opener(path, OutputFile::Mode::Replace, error);
    if (!file)
        return false;
    const QByteArray bytes = toDoListBytes(items);
    QString reason;
    if (file->write(bytes.constData(), bytes.size(), &reason) && file->syncAndClose(&reason))
        return true;
    file.reset();
    // Half a list would pass for the whole of it: it goes, or the reason says it is there.
    QFile partial(path);
    if (!partial.remove() && partial.exists())
        reason = Messages::toDoListPartNotDeleted(reason, partial.errorString());
    if (error != nullptr)
        *error = reason;
    return false;
}
