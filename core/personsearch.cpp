#include "personsearch.h"

#include "personkeys.h"
#include "taggedline.h"
#include "textlines.h"

#include <algorithm>

namespace {

constexpr char kUnknownName[] = "Osoba nieznana";

// The second and third phone parts (0-based 6 and 7) only narrow the first: in OR mode they
// count as found while empty.
constexpr bool isNarrowingPhonePart(int i)
{
    return i == 6 || i == 7;
}

bool isEmptyText(const std::optional<QByteArray>& text)
{
    return text && text->isEmpty();
}

bool contains(QByteArrayView value, const std::optional<QByteArray>& text)
{
    return text && !text->isEmpty() && value.toByteArray().toLower().contains(text->toLower());
}

// The name under which one file's stored bytes are a hit, or nothing. `passesGroups` says whether
// the file passes the group condition before its "grupa" lines are read.
std::optional<QByteArray> matchPerson(QByteArrayView stored, bool passesGroups, const SearchRequest& request)
{
    const auto& keys = searchCriterionKeys();
    std::array<bool, kSearchCriteria> found{};
    for (int i = 0; i < kSearchCriteria; ++i) {
        const bool empty = isEmptyText(request.texts[std::size_t(i)]);
        found[std::size_t(i)] = request.andMode ? empty : isNarrowingPhonePart(i) && empty;
    }
    QByteArray name = kUnknownName;
    LineCursor lines(stored);
    for (QByteArrayView line; lines.next(line);) {
        // The value under the line's own key, whatever its case ("NIP" as written, "nip" as well).
        const TaggedFields fields(line);
        const QByteArray lowerKey = fields.key().toByteArray().toLower();
        const QByteArrayView value = fields.value();
        if (lowerKey == personkey::grupa) {
            if (!passesGroups) {
                passesGroups = std::any_of(request.groups.groups.begin(), request.groups.groups.end(),
                                           [&](const QByteArray& group) { return value.contains(group); });
            }
            continue;
        }
        if (lowerKey == personkey::nazwisko)
            name = value.toByteArray();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] == lowerKey && contains(value, request.texts[i]))
                found[i] = true;
        }
    }
    if (!passesGroups)
        return std::nullopt;
    bool hit = false;
    if (request.andMode) {
        hit = std::all_of(found.begin(), found.end(), [](bool f) { return f; });
    } else {
        // The three phone parts always combine by AND: the first must be found.
        hit = found[5] && found[6] && found[7];
        for (const int i : {0, 1, 2, 3, 4, 8, 9, 10, 11})
            hit = hit || found[std::size_t(i)];
    }
    return hit ? std::optional<QByteArray>(name) : std::nullopt;
}

} // namespace

const std::array<QByteArray, kSearchCriteria>& searchCriterionKeys()
{
    static const std::array<QByteArray, kSearchCriteria> keys = {
        personkey::nazwisko,    personkey::ulica,
        personkey::nr_domu,     personkey::nr_mieszkania,
        personkey::miejscowosc, personkey::telefony,
        personkey::telefony,    personkey::telefony,
        personkey::mail,        QByteArray(personkey::NIP).toLower(),
        personkey::regon,       personkey::notatka,
    };
    return keys;
}

bool SearchRequest::isEmpty() const
{
    return std::all_of(texts.begin(), texts.end(), isEmptyText);
}

PersonSearch::PersonSearch(QStringList folders, const TextReader& reader)
    : m_folders(std::move(folders))
    , m_reader(&reader)
{}

QList<PersonListEntry> PersonSearch::run(const SearchRequest& request) const
{
    const SearchGroups& groups = request.groups;
    QList<PersonListEntry> hits;
    QByteArray stored;
    for (const PersonListing::EntryFile& file : PersonListing::entryFiles(m_folders, {groups.oneOffs, groups.bin})) {
        const bool passesGroups = !groups.any || groups.all || (groups.oneOffs && file.kind == EntryKind::OneOff) ||
                                  (groups.bin && file.kind == EntryKind::Binned);
        if (!m_reader->readInto(file.path, stored))
            continue;
        if (const auto name = matchPerson(stored, passesGroups, request))
            hits.append({file.path, *name, QByteArray()});
    }
    PersonListing::sortByName(hits);
    return hits;
}
