#include "personsearch.h"

#include "personkeys.h"
#include "taggedline.h"
#include "textlines.h"

#include <algorithm>

namespace {

constexpr char kUnknownName[] = "Osoba nieznana";

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
// The criteria's keys in lower case, as the lines' keys are compared.
const std::array<QByteArray, kSearchCriteria>& lowerCaseKeys()
{
    static const std::array<QByteArray, kSearchCriteria> keys = [] {
        std::array<QByteArray, kSearchCriteria> lower;
        for (std::size_t i = 0; i < lower.size(); ++i)
            lower[i] = QByteArray(searchCriteria()[i].key).toLower();
        return lower;
    }();
    return keys;
}

std::optional<QByteArray> matchPerson(QByteArrayView stored, bool passesGroups, const SearchRequest& request)
{
    const auto& criteria = searchCriteria();
    const auto& keys = lowerCaseKeys();
    std::array<const SearchTexts::Text*, kSearchCriteria> texts{};
    std::array<bool, kSearchCriteria> found{};
    for (std::size_t i = 0; i < criteria.size(); ++i) {
        texts[i] = &(request.texts.*criteria[i].text);
        const bool empty = isEmptyText(*texts[i]);
        // The parts that only narrow the first phone part count as found while empty, in OR mode too.
        found[i] = request.andMode ? empty : criteria[i].phone == SearchCriterion::Phone::Narrowing && empty;
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
            if (keys[i] == lowerKey && contains(value, *texts[i]))
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
        bool phone = true;
        for (std::size_t i = 0; i < criteria.size(); ++i) {
            if (criteria[i].phone == SearchCriterion::Phone::No)
                hit = hit || found[i];
            else
                phone = phone && found[i];
        }
        hit = hit || phone;
    }
    return hit ? std::optional<QByteArray>(name) : std::nullopt;
}

} // namespace

const std::array<SearchCriterion, kSearchCriteria>& searchCriteria()
{
    using Phone = SearchCriterion::Phone;
    static constexpr std::array<SearchCriterion, kSearchCriteria> criteria = {{
        {&SearchTexts::name, personkey::nazwisko, Phone::No},
        {&SearchTexts::street, personkey::ulica, Phone::No},
        {&SearchTexts::houseNumber, personkey::nr_domu, Phone::No},
        {&SearchTexts::flatNumber, personkey::nr_mieszkania, Phone::No},
        {&SearchTexts::town, personkey::miejscowosc, Phone::No},
        {&SearchTexts::phone1, personkey::telefony, Phone::First},
        {&SearchTexts::phone2, personkey::telefony, Phone::Narrowing},
        {&SearchTexts::phone3, personkey::telefony, Phone::Narrowing},
        {&SearchTexts::mail, personkey::mail, Phone::No},
        {&SearchTexts::nip, personkey::NIP, Phone::No},
        {&SearchTexts::regon, personkey::regon, Phone::No},
        {&SearchTexts::notes, personkey::notatka, Phone::No},
    }};
    return criteria;
}

bool SearchRequest::isEmpty() const
{
    return std::all_of(searchCriteria().begin(), searchCriteria().end(),
                       [this](const SearchCriterion& c) { return isEmptyText(texts.*c.text); });
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
