// kse_bench_preferences FILE TYPE
// Writes the preference file FILE of type TYPE for a generated installation of the
// benchmark (scripts/bench-generate), as the program itself saves one. The entries come as
// "name<TAB>value" lines on standard input: a name that starts with "!" is written
// encrypted, one that ends in "|minutes" gets units, and a literal \n in a value that is
// not encrypted stands for a line end.
#include "utils/xml_preferences.h"

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: kse_bench_preferences FILE TYPE <ENTRIES\n", stderr);
        return 2;
    }
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        std::fputs("kse_bench_preferences: cannot read standard input\n", stderr);
        return 1;
    }
    UtilsLib::XmlPreferences preferences(QString::fromUtf8(argv[2]));
    const QList<QByteArray> lines = input.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.isEmpty())
            continue;
        const qsizetype tab = line.indexOf('\t');
        QString name = QString::fromUtf8(tab < 0 ? line : line.left(tab));
        QString value = tab < 0 ? QString() : QString::fromUtf8(line.mid(tab + 1));
        const bool encrypted = name.startsWith(u'!');
        if (encrypted)
            name.remove(0, 1);
        else
            value.replace(u"\\n"_s, u"\r\n"_s);
        QString units;
        if (name.endsWith(u"|minutes"_s)) {
            name.chop(qsizetype(sizeof("|minutes") - 1));
            units = u"minutes"_s;
        }
        preferences.setEntry(name, value, units, encrypted);
    }
    if (!preferences.saveAs(QFile::decodeName(argv[1]))) {
        std::fprintf(stderr, "kse_bench_preferences: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
