#include "shownperson.h"

#include "codec1250.h"
#include "numbers.h"

#include <QFileInfo>

namespace {

int itemIndex(std::int32_t number, int items)
{
    return number >= 1 && number <= items ? number - 1 : -1;
}

std::optional<DaySelection> selection(const QByteArray& day, const QByteArray& month)
{
    const auto d = toDecimalInteger(day);
    const auto m = toDecimalInteger(month);
    if (!d || !m)
        return std::nullopt;
    // A number outside the lists (day 0 or 32, month 13) selects nothing in that list alone.
    return DaySelection{itemIndex(*d, 31), itemIndex(*m, 12)};
}

bool isFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

} // namespace

std::optional<DaySelection> nameDaySelection(const QByteArray& value)
{
    return selection(value.left(2) + value.mid(5), value.mid(3));
}

std::optional<DaySelection> dateSelection(const QByteArray& value)
{
    const DateParts parts = splitDate(value);
    return selection(parts.day, parts.month);
}

OccasionFields occasionFields(const QByteArray& value)
{
    const DateParts parts = splitDate(value);
    return {selection(parts.day, parts.month), parts.year, parts.description};
}

ShownPerson shownPerson(const QString& path, PersonRecord record)
{
    ShownPerson shown;
    shown.path = path;
    shown.record = std::move(record);
    const PersonRecord& r = shown.record;

    if (r.imieniny)
        shown.nameDay = nameDaySelection(*r.imieniny).value_or(DaySelection());
    if (r.urodziny) {
        shown.birthdayYear = splitDate(*r.urodziny).year;
        shown.birthday = dateSelection(*r.urodziny).value_or(DaySelection());
    }
    const EntryKind kind = kindOfFileName(path);
    shown.showRestore = kind == EntryKind::Binned;
    shown.showEdit = kind != EntryKind::Binned;
    shown.showMail = !r.mail.isEmpty();
    shown.showNip = !r.NIP.isEmpty();
    shown.showRegon = !r.regon.isEmpty();
    if (!r.zdjecie.isEmpty()) {
        // The photo the file names, in the file's folder, in whatever case it exists there.
        const QString photo = fileNamedIn(QFileInfo(path).path(), cp1250::toUnicode(r.zdjecie));
        if (isFile(photo))
            shown.photoPath = photo;
    }
    return shown;
}

ShowResult ShowPerson(const QString& path, const TextReader& reader)
{
    ShowResult result;
    if (!isFile(path))
        return result;
    const auto lines = reader.readLines(path, &result.errorCode);
    if (!lines) {
        result.status = ShowResult::Status::Unreadable;
        return result;
    }
    result.status = ShowResult::Status::Shown;
    result.person = shownPerson(path, PersonRecord::parse(*lines));
    return result;
}
