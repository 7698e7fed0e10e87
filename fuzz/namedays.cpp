// The name-day files (names by date, the index of the names' forms) as a user may replace them:
// the names of each day, and a search by typed names.
#include "fuzzsupport.h"

#include "codec1250.h"
#include "namedays.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::ensureApplication();
    // The date file, the index file and the typed text.
    const QList<QByteArray> parts = fuzz::pieces(fuzz::bytesOf(data, size), 3);
    fuzz::writeScratchFile(QString::fromLatin1(kNamesByDateFile), parts[0]);
    fuzz::writeScratchFile(QString::fromLatin1(kNameIndexFile), parts[1]);
    const NameDayData names(fuzz::scratchFolder(), QLocale(QLocale::Polish, QLocale::Poland));

    // A few days, and every day of a month chosen by the input.
    const int month = 1 + int(qHash(parts[2]) % 12);
    for (int day = 1; day <= 31; ++day) {
        const DayNames shown = names.namesOn(day, month);
        FUZZ_CHECK(!shown.error, parts[0]);
    }
    names.namesOn(29, 2);

    const QString typed = cp1250::toUnicode(parts[2]);
    for (const QByteArray& word : nameDayWords(typed))
        FUZZ_CHECK(!word.isEmpty(), parts[2]);
    const NameDaySearch found = names.search(typed);
    FUZZ_CHECK(!found.error, parts[1]);
    for (const NameDayHit& hit : found.hits) {
        FUZZ_CHECK(hit.day >= 1 && hit.day <= 31 && hit.month >= 1 && hit.month <= 12, hit.item);
        // The name is the key of an index line ("0" for a line without markers, as every reader of
        // tagged lines takes it).
        FUZZ_CHECK(hit.name == "0" || parts[1].contains(hit.name), hit.name);
    }
    return 0;
}
