#pragma once

#include "textreader.h"

#include <QByteArray>
#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

// The name-day data, two read-only files of tagged lines in baza/stale/, code page 1250 (the
// program folder ships a Polish calendar; a user may replace it):
//   Imiona_wg_dat.wps  one line per day: key "DD.MM", value the day's names separated by "|",
//                      a principal name of the day written with a leading "@";
//   Imiona_index.ind   one line per name: key the name as the date file spells it, value
//                      "|" + form + "|" + form + ... + "|", every form a user may type for it.
inline constexpr char kNamesByDateFile[] = "Imiona_wg_dat.wps";
inline constexpr char kNameIndexFile[] = "Imiona_index.ind";

// The folder of the name-day files in a program folder.
QString nameDayFolderIn(const QString& programDir);

// A data file that exists but could not be read.
struct NameDayFileError {
    QString path;
    int code = 0;
};

// The names of one day, each list joined by ", ".
struct DayNames {
    QByteArray principal;
    QByteArray further;
    std::optional<NameDayFileError> error;
};

// One hit of a search by name: the name as the date file spells it, its day and month, and the
// text of its row in the hit list ("03 maja (Jan)").
struct NameDayHit {
    QByteArray name;
    int day = 0;
    int month = 0;
    QByteArray item;

    bool operator==(const NameDayHit&) const = default;
};

struct NameDaySearch {
    QList<NameDayHit> hits;
    std::optional<NameDayFileError> error;
};

// The words of a typed search text: maximal runs of the letters A-Z, a-z and the eighteen Polish
// letters, as code page 1250 bytes. Every other character (blanks, commas, digits, characters
// outside the code page) separates words.
QList<QByteArray> nameDayWords(const QString& typed);

class NameDayData {
public:
    // `folder` ends in "/"; `locale` folds the names to lower case when they are compared.
    explicit NameDayData(QString folder, const QLocale& locale = QLocale(),
                         const TextReader& reader = TextReader::standard());

    // The names of the first line of the date (day 1..31, month 1..12). Both lists stay empty when
    // the date file is missing, has no line for the date or an empty one.
    DayNames namesOn(int day, int month) const;

    // The days of the typed names: every name of the index that lists a typed word among its forms,
    // in index order (twice when two words name it), looked up in the date file as part of each
    // day's names. Hits follow the date file's order, then the order of the names. No hits for an
    // empty text or when either file is missing.
    NameDaySearch search(const QString& typed) const;

private:
    QString m_folder;
    QLocale m_locale;
    const TextReader* m_reader;
};
