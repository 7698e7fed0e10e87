#pragma once

#include "checkertexts.h"
#include "occasions.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

struct CheckerResult;

// The rows of the results list, their layout arithmetic and their texts; the window only measures
// and paints.

// The kinds of row.
enum class RowKind : std::uint8_t {
    Today,   // the today line, always first
    Holiday, // today's holiday, second, only when there is one
    Caption, // the two headers and the closing line
    Coming,  // an occasion coming
    Past,    // an occasion just passed
};

// One row of the list: the today line, the holiday and a caption carry their text; a coming or past
// row carries the index of its record in the run's ComingList or PastList.
struct ResultRow {
    RowKind kind = RowKind::Caption;
    QByteArray text;
    qsizetype index = -1;

    bool operator==(const ResultRow&) const = default;
};

// The rows of a run: the today line, the holiday, the coming header, one row per coming occasion, the
// past header, one row per past occasion, the closing line.
QList<ResultRow> resultRows(const CheckerResult& result);

// The height of a row by its kind, from the height of the list's font.
int rowHeight(RowKind kind, int fontHeight);

// The text id of the word after an age ("lat", "lata" or "rok") by the rules of Polish: 1 takes
// "rok"; an age whose last digit is 2, 3 or 4 and whose last two digits are not 12, 13 or 14 takes
// "lata"; every other age "lat". A negative age (a year in the future) goes by its digits.
int ageWordId(std::int64_t age);

// The first line of a coming or past row and the ending it gets when it is too wide.
struct RowFirstLine {
    QByteArray text;
    QByteArray ending;
};

// Name days: the name. Birthdays: the name and the age turned ("kończy 47 lat"), or only the name
// at age 0. Other occasions: the name and the years passed ("mija 26 rok"), or only the name when
// the year is no number or the count is 0.
RowFirstLine rowFirstLine(const wpis& entry, std::uint16_t currentYear, const CheckerTexts& texts);

using TextWidth = std::function<int(const QString&)>;

// Fits a text into a row `rowWidth` wide: a text no wider than rowWidth - 6 stays as it is; a wider
// one loses characters from its end until it and `ending` are narrower than rowWidth - 16, then
// takes the ending. Ends on any width: an empty text stays empty, and a text cut down to nothing
// is only the ending.
QString fitText(QString text, const QString& ending, int rowWidth, const TextWidth& width);

// The holiday row's two lines: a text wider than rowWidth - 6 gives its end to the second line
// until the first is narrower than rowWidth - 16; the second line is then fitted with "...".
struct TwoLines {
    QString first;
    QString second;
};
TwoLines splitHoliday(const QString& text, int rowWidth, const TextWidth& width);

// Where a centred text starts in a row: the row's middle (shifted 5 pixels right) minus half the
// text, halves rounded to the even neighbour, at least 10 pixels in.
int centredTextX(int left, int rowWidth, int textWidth);

// Half of n rounded to the nearest integer, halves to the even neighbour.
int halfRoundedToEven(int n);

// The main program started on one person: the program file beside the checker (in `programsDir`,
// ending in "/") and the person file's absolute path as its one argument.
struct ProgramStart {
    QString program;
    QStringList arguments;
};
ProgramStart OpenPersonCommand(const QString& programsDir, const QString& personPath);

// The main program's file name beside the checker.
inline constexpr char kMainProgramFile[] = "Zubo_37";
