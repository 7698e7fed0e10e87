#include "bench_support.h"

#include "personfile.h"
#include "textlines.h"

#include <QDir>
#include <QFile>

QStringList generatePersonFiles(const QString& folder, int count, int seed)
{
    QDir().mkpath(folder);
    QStringList paths;
    paths.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int n = i + seed * count;
        PersonRecord r;
        r.nazwisko = "Kowalski" + QByteArray::number(n) + " Jan";
        r.ulica = "D\xB3uga";
        r.nr_domu = QByteArray::number(n % 200);
        r.kod_pocztowy = "00-950";
        r.poczta = "Warszawa";
        r.miejscowosc = "Warszawa";
        r.telefony = {"22 123 45 67", "600 700 800"};
        r.mail = {"jan" + QByteArray::number(n) + "@example.org"};
        r.notatka = {"Pierwsza linia notatki", "", "Trzecia linia"};
        r.grupa = {"Rodzina", "Grupa" + QByteArray::number(n % 20)};
        // Dates spread over the year; a benchmark caller picks a day when none of them is near.
        r.imieniny = "15.0" + QByteArray::number(1 + n % 2);
        r.urodziny = "20.0" + QByteArray::number(1 + n % 2) + ".1970";
        r.impreza = {"25.02.1999-Rocznica"};
        const QString path = QDir(folder).filePath(QStringLiteral("%1-%2-%3.wps").arg(seed).arg(n).arg(i % 97));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(joinLines(r.editedEntryLines()));
        paths.append(path);
    }
    return paths;
}

qint64 readRaw(const QStringList& paths)
{
    qint64 total = 0;
    for (const QString& path : paths) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            total += f.readAll().size();
    }
    return total;
}

GeneratedProgramFolder::GeneratedProgramFolder(int perFolder)
{
    programDir = dir.path() + u'/';
    files = generatePersonFiles(programDir + QStringLiteral("baza"), perFolder, 0);
    files += generatePersonFiles(programDir + QStringLiteral("druga"), perFolder, 1);
    QFile opcje(programDir + QStringLiteral("opcje.ini"));
    if (opcje.open(QIODevice::WriteOnly))
        opcje.write("[opcje]\r\nbaza_2=" + programDir.toUtf8() + "druga\r\n");
}
