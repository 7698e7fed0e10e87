// Person files: read, rewritten after an edit that changes nothing and after a group deletion,
// shown, and listed by the print and mail pickers.
#include "fuzzsupport.h"

#include "entrysave.h"
#include "fileremover.h"
#include "filewriter.h"
#include "groupmanagement.h"
#include "personfile.h"
#include "personpicker.h"
#include "randomsource.h"
#include "shownperson.h"
#include "taggedline.h"
#include "textlines.h"

#include <utility>

namespace {

// The first field in which the records differ, empty when they are the same.
QByteArray differingField(const PersonRecord& a, const PersonRecord& b)
{
    const std::pair<const char*, bool> fields[] = {
        {"nazwisko", a.nazwisko == b.nazwisko},
        {"ulica", a.ulica == b.ulica},
        {"nr_domu", a.nr_domu == b.nr_domu},
        {"nr_mieszkania", a.nr_mieszkania == b.nr_mieszkania},
        {"kod_pocztowy", a.kod_pocztowy == b.kod_pocztowy},
        {"poczta", a.poczta == b.poczta},
        {"miejscowosc", a.miejscowosc == b.miejscowosc},
        {"wojewodztwo", a.wojewodztwo == b.wojewodztwo},
        {"telefony", a.telefony == b.telefony},
        {"NIP", a.NIP == b.NIP},
        {"regon", a.regon == b.regon},
        {"zdjecie", a.zdjecie == b.zdjecie},
        {"imieniny", a.imieniny == b.imieniny},
        {"urodziny", a.urodziny == b.urodziny},
        {"impreza", a.impreza == b.impreza},
        {"mail", a.mail == b.mail},
        {"notatka", a.notatka == b.notatka},
        {"grupa", a.grupa == b.grupa},
        {"otherLines", a.otherLines == b.otherLines},
    };
    for (const auto& [name, same] : fields) {
        if (!same)
            return name;
    }
    return QByteArray();
}

void checkSame(const PersonRecord& read, const PersonRecord& expected, const QByteArray& bytes)
{
    const QByteArray field = differingField(read, expected);
    FUZZ_CHECK(field.isEmpty(), field + ": " + bytes);
}

// The record as written: every value made single-line (a lone CR in a value becomes a blank).
PersonRecord asWritten(PersonRecord r)
{
    for (QByteArray* value : {&r.nazwisko, &r.ulica, &r.nr_domu, &r.nr_mieszkania, &r.kod_pocztowy, &r.poczta,
                              &r.miejscowosc, &r.wojewodztwo, &r.NIP, &r.regon, &r.zdjecie})
        *value = oneLine(*value);
    for (std::optional<QByteArray>* value : {&r.imieniny, &r.urodziny}) {
        if (*value)
            **value = oneLine(**value);
    }
    for (QList<QByteArray>* list : {&r.telefony, &r.impreza, &r.mail, &r.notatka, &r.grupa}) {
        for (QByteArray& value : *list)
            value = oneLine(value);
    }
    return r;
}

class NoRandom : public RandomSource {
public:
    int below(int) override { return 0; }
};

// The editor's save of `record` as read from the file at `path`, with nothing changed; the file's
// bytes after it.
std::optional<QByteArray> saveUnchanged(const QString& path, const PersonRecord& record)
{
    NoRandom random;
    EntrySave save;
    save.addMode = false;
    save.editedPath = path;
    save.record = record;
    save.record.otherLines.clear();
    const EntrySaveResult saved = saveEntry(save, random, FileWriter::standard(), FileRemover::standard());
    FUZZ_CHECK(saved.saved, saved.error.toLocal8Bit());
    std::optional<QByteArray> after = readBytes(path);
    FUZZ_CHECK(after.has_value(), path.toLocal8Bit());
    return after;
}

void checkSameBytesForSameLines(const QByteArray& before, const QByteArray& after)
{
    if (splitLines(after) == splitLines(before))
        FUZZ_CHECK(after == before, before + "\n====\n" + after);
}

// The file without the lines of `group` (as a `grupa` value, with or without "&"), each taken out
// with its LF and the CR before it: the file is cut at every LF before its Ctrl-Z.
QByteArray withoutGroup(const QByteArray& bytes, const QByteArray& group)
{
    const qsizetype end = bytes.indexOf('\x1a');
    const QByteArray text = end < 0 ? bytes : bytes.left(end);
    QByteArray kept;
    for (qsizetype from = 0; from < text.size();) {
        const qsizetype lf = text.indexOf('\n', from);
        const qsizetype next = lf < 0 ? text.size() : lf + 1;
        QByteArray line = text.mid(from, next - from);
        if (line.endsWith('\n'))
            line.chop(line.endsWith("\r\n") ? 2 : 1);
        const bool holds = ExtractField(line, QByteArray()) == "grupa" &&
                           (ExtractField(line, "grupa") == group || ExtractField(line, "grupa") == '&' + group);
        if (!holds)
            kept += text.mid(from, next - from);
        from = next;
    }
    return end < 0 ? kept : kept + bytes.mid(end);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ensureApplication();
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const PersonRecord record = PersonRecord::parse(splitLines(bytes));

    // Written in either order, the lines read back as the same record.
    const PersonRecord written = asWritten(record);
    checkSame(PersonRecord::parse(splitLines(joinLines(record.editedEntryLines()))), written, bytes);
    PersonRecord fresh = record;
    fresh.otherLines.clear();
    checkSame(PersonRecord::parse(splitLines(joinLines(fresh.newEntryLines(QByteArray())))), asWritten(fresh), bytes);

    // Shown, the file gives its record and selections that fit the lists.
    const QString path = fuzz::writeScratchFile(QStringLiteral("1-2-3.wps"), bytes);
    const ShowResult shown = ShowPerson(path);
    FUZZ_CHECK(shown.status == ShowResult::Status::Shown, bytes);
    checkSame(shown.person.record, record, bytes);
    for (const DaySelection& s : {shown.person.nameDay, shown.person.birthday})
        FUZZ_CHECK(s.day >= -1 && s.day < 31 && s.month >= -1 && s.month < 12, bytes);
    for (const QByteArray& occasion : record.impreza) {
        const OccasionFields fields = occasionFields(occasion);
        if (fields.date)
            FUZZ_CHECK(fields.date->day >= -1 && fields.date->day < 31 && fields.date->month >= -1 &&
                           fields.date->month < 12,
                       occasion);
    }

    // The pickers list the person under the name of line 1.
    const QList<PersonListEntry> printed = scanPrintEntries({fuzz::scratchFolder()}, TextReader::standard());
    const QList<PersonListEntry> mailed = scanMailEntries({fuzz::scratchFolder()}, TextReader::standard());
    FUZZ_CHECK(printed.size() <= 1 && mailed.size() <= 1, bytes);

    // Saved by the editor without a change, the file reads back as the same record: the values it
    // left as stored keep their bytes, a lone CR too.
    const std::optional<QByteArray> after = saveUnchanged(path, record);
    checkSame(PersonRecord::parse(splitLines(*after)), record, bytes);
    // What the save changes on purpose: it writes the lines in the editor's order, one per value
    // (of a single-valued key written more than once only the last, none for an empty name or
    // address part, none for an empty line), each line of a known key rebuilt from its key and
    // value, and gives a line it writes anew, or a last line without an end that no longer stands
    // last, the file's own line end. Everything else keeps its bytes: where it writes the lines the
    // file holds, in their order, it writes the file as it was, every line's end (CR LF, LF, none
    // on a last line) and what follows a Ctrl-Z included.
    checkSameBytesForSameLines(bytes, *after);
    FUZZ_CHECK(after->endsWith(afterEndOfFile(bytes)), *after);
    // So a file the editor wrote, whatever its line ends, is saved again byte for byte.
    const std::optional<QByteArray> again = saveUnchanged(path, record);
    FUZZ_CHECK(*again == *after, *after + "\n====\n" + *again);

    // A group deleted in the files takes its lines with their ends, and leaves every other byte.
    const QByteArray group = record.grupa.value(0);
    if (!group.isEmpty()) {
        fuzz::writeScratchFile(QStringLiteral("1-2-3.wps"), bytes);
        RemoveGroupFromFiles({fuzz::scratchFolder()}, group, TextReader::standard(), FileWriter::standard());
        const std::optional<QByteArray> removed = readBytes(path);
        FUZZ_CHECK(removed.has_value(), path.toLocal8Bit());
        FUZZ_CHECK(*removed == withoutGroup(bytes, group), bytes + "\n====\n" + *removed);
    }
    return 0;
}
