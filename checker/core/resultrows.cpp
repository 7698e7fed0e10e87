#include "resultrows.h"

#include "checkerscan.h"
#include "numbers.h"

#include <QFileInfo>

#include <algorithm>

namespace {

QByteArray ageWord(std::int64_t age, const CheckerTexts& texts)
{
    return texts.text(ageWordId(age));
}

} // namespace

QList<ResultRow> resultRows(const CheckerResult& result)
{
    const CheckerTexts& texts = result.texts;
    const QDate today = result.Today;
    QList<ResultRow> rows;
    rows.append({RowKind::Today, texts.text(checkertext::TodayIs) + ' ' + QByteArray::number(today.day()) + ' ' +
                                     texts.monthName(today.month()) + ' ' + QByteArray::number(result.CurrentYear)});
    if (!result.HolidayText.isEmpty())
        rows.append({RowKind::Holiday, result.HolidayText});
    rows.append({RowKind::Caption, texts.text(checkertext::ComingHeader)});
    for (qsizetype i = 0; i < result.ComingList.size(); ++i)
        rows.append({RowKind::Coming, {}, i});
    rows.append({RowKind::Caption, texts.text(checkertext::PastHeader)});
    for (qsizetype i = 0; i < result.PastList.size(); ++i)
        rows.append({RowKind::Past, {}, i});
    rows.append({RowKind::Caption, texts.text(checkertext::ClosingLine)});
    return rows;
}

int rowHeight(RowKind kind, int fontHeight)
{
    switch (kind) {
    case RowKind::Today:
    case RowKind::Caption:
        return fontHeight + 20;
    case RowKind::Holiday:
        return 2 * fontHeight + 20;
    case RowKind::Coming:
    case RowKind::Past:
        return 2 * fontHeight + 40;
    }
    return fontHeight + 20;
}

int ageWordId(std::int64_t age)
{
    const std::int64_t years = age < 0 ? -age : age;
    if (years == 1)
        return checkertext::YearRok;
    const std::int64_t lastDigit = years % 10;
    const std::int64_t lastTwo = years % 100;
    if (lastDigit >= 2 && lastDigit <= 4 && !(lastTwo >= 12 && lastTwo <= 14))
        return checkertext::YearsLata;
    return checkertext::YearsLat;
}

RowFirstLine rowFirstLine(const wpis& entry, std::uint16_t currentYear, const CheckerTexts& texts)
{
    const auto year = toInteger(entry.Year);
    const std::int64_t count = year ? std::int64_t(currentYear) - *year : 0;
    switch (entry.Kind) {
    case OccasionKind::NameDay:
        return {entry.Name, "..."};
    case OccasionKind::Birthday: {
        if (year && count == 0)
            return {entry.Name, "..."};
        QByteArray age;
        QByteArray word;
        if (year) {
            age = QByteArray::number(count);
            word = ageWord(count, texts);
        } else {
            // The unknown age reads "nie wiadomo ile lat": the word goes by the text's last letter.
            age = texts.text(checkertext::AgeUnknown);
            const char last = age.isEmpty() ? '\0' : age.back();
            word =
                texts.text(last == '2' || last == '3' || last == '4' ? checkertext::YearsLata : checkertext::YearsLat);
        }
        return {entry.Name + " - " + texts.text(checkertext::Turns) + ' ' + age + ' ' + word, "..."};
    }
    case OccasionKind::Occasion:
        if (!year)
            return {entry.Name, "..."};
        if (count == 0)
            return {entry.Name, " ..."};
        return {entry.Name + " - " + texts.text(checkertext::Passes) + ' ' + QByteArray::number(count) + ' ' +
                    texts.text(checkertext::YearRok),
                " ..."};
    }
    return {};
}

QString fitText(QString text, const QString& ending, int rowWidth, const TextWidth& width)
{
    if (text.isEmpty() || width(text) <= rowWidth - 6)
        return text;
    while (!text.isEmpty() && width(text + ending) >= rowWidth - 16)
        text.chop(1);
    return text + ending;
}

TwoLines splitHoliday(const QString& text, int rowWidth, const TextWidth& width)
{
    TwoLines lines{text, QString()};
    if (width(lines.first) > rowWidth - 6) {
        while (!lines.first.isEmpty() && width(lines.first) >= rowWidth - 16) {
            lines.second.prepend(lines.first.back());
            lines.first.chop(1);
        }
    }
    lines.second = fitText(lines.second, QStringLiteral("..."), rowWidth, width);
    return lines;
}

int halfRoundedToEven(int n)
{
    const int half = n / 2; // towards zero
    if (n % 2 == 0)
        return half;
    // Exactly between half and its neighbour away from zero: take the even one.
    const int other = n > 0 ? half + 1 : half - 1;
    return half % 2 == 0 ? half : other;
}

int centredTextX(int left, int rowWidth, int textWidth)
{
    return std::max(left + halfRoundedToEven(rowWidth + 10 - textWidth), left + 10);
}

ProgramStart OpenPersonCommand(const QString& programsDir, const QString& personPath)
{
    return {programsDir + QLatin1String(kMainProgramFile), {QFileInfo(personPath).absoluteFilePath()}};
}
