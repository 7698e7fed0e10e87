// The checker's judgement of a person file or a one-off reminder on a day, the deletion of a
// reminder found done, and the rows of its results window.
#include "fuzzsupport.h"

#include "checkerscan.h"
#include "fileremover.h"
#include "occasions.h"
#include "resultrows.h"
#include "textlines.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ensureApplication();
    // The first bytes choose the day (from 1990 on, about 90 years) and the windows; the rest is
    // the file.
    if (size < 8)
        return 0;
    const QDate today = QDate(1990, 1, 1).addDays((data[0] << 8 | data[1]) % 33000);
    DayWindows days;
    days.DaysBeforeNameDay = data[2];
    days.DaysBeforeBirthday = data[3];
    days.DaysBeforeOccasion = data[4];
    days.DaysAfterNameDay = data[5];
    days.DaysAfterBirthday = data[6];
    days.DaysAfterOccasion = data[7];
    const QByteArray content = fuzz::bytesOf(data + 8, size - 8);
    const CheckerTexts texts;

    OccasionScan person(today, days, texts);
    person.CurrentFolder = fuzz::scratchFolder();
    person.ProcessPersonContent(content, QStringLiteral("1-2-3.wps"));
    FUZZ_CHECK(person.ExpiredOneOffs.isEmpty(), content);

    // A reminder is found done by the scan exactly when it is judged done again before deleting.
    OccasionScan reminder(today, days, texts);
    reminder.CurrentFolder = fuzz::scratchFolder();
    reminder.ProcessPersonContent(content, QStringLiteral("1-2-3.wpj"));
    const bool expired = OneOffHasExpired(splitLines(content), today, days);
    FUZZ_CHECK(reminder.ExpiredOneOffs.size() == (expired ? 1 : 0), content);
    for (const wpis& entry : reminder.PastList + reminder.ComingList)
        FUZZ_CHECK(entry.Path == fuzz::scratchFolder() + "1-2-3.wpj", content);

    // The deletion takes the reminder and its photo, and only a reminder found done.
    const QString path = fuzz::writeScratchFile(QStringLiteral("1-2-3.wpj"), content);
    const QString photo = fuzz::writeScratchFile(QStringLiteral("1-2-3.bmp"), "BM");
    deleteExpiredOneOffs(reminder.ExpiredOneOffs, today, days, FileRemover::standard());
    FUZZ_CHECK(QFile::exists(path) != expired && QFile::exists(photo) != expired, content);
    QFile::remove(path);
    QFile::remove(photo);

    CheckerResult result;
    result.Today = today;
    result.CurrentYear = std::uint16_t(today.year());
    result.ComingList = person.ComingList + reminder.ComingList;
    result.PastList = person.PastList + reminder.PastList;
    const QList<ResultRow> rows = resultRows(result);
    FUZZ_CHECK(rows.size() >= 4 + result.ComingList.size() + result.PastList.size(), content);
    for (const wpis& entry : result.ComingList + result.PastList)
        rowFirstLine(entry, result.CurrentYear, result.texts);

    // The holiday file read on that day gives the text of one of its lines.
    const QString holidays = fuzz::writeScratchFile(QStringLiteral("swieta.wps"), content);
    const QByteArray holiday = readHoliday(holidays, today);
    FUZZ_CHECK(holiday.isEmpty() || content.contains(holiday), content);
    return 0;
}
