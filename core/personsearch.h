#pragma once

#include "personlist.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <array>
#include <optional>

// The search window's rules: up to twelve texts, each looked for in the values of one person-file
// key, combined by AND or OR, and a choice among the group list's rows.
inline constexpr int kSearchCriteria = 12;

// The key each criterion is matched against, lower-case, in the order the criteria are tested:
// name, street, house number, flat number, town, three phone parts, e-mail, NIP, REGON, notes.
const std::array<QByteArray, kSearchCriteria>& searchCriterionKeys();

// The rows chosen in the group list (0 one-off reminders, 1 the bin, 2 the separator, 3 everything,
// 4 and on the groups).
struct SearchGroups {
    bool oneOffs = false;     // row 0: one-off reminders are searched too, and pass the group condition
    bool bin = false;         // row 1: the same for persons in the bin
    bool all = false;         // row 3: every person passes
    bool any = false;         // any row at all; without one there is no group condition
    QList<QByteArray> groups; // the chosen groups, in list order
};

struct SearchRequest {
    // The texts of the criteria, empty for an empty field. Nothing for a text with a character that
    // code page 1250 lacks: no stored value can hold it, so it matches nothing.
    std::array<std::optional<QByteArray>, kSearchCriteria> texts;
    bool andMode = false;
    SearchGroups groups;

    bool isEmpty() const;
};

class PersonSearch {
public:
    // The data folders in use, default folder first.
    explicit PersonSearch(QStringList folders, const TextReader& reader = TextReader::standard());

    // The hits of all folders, sorted by name like the person list; equal names keep the order in
    // which they were found. A hit is named by its "nazwisko" line ("Osoba nieznana" without one).
    // Texts are found as parts of a value, folding only A-Z; a chosen group as a case-sensitive part
    // of a "grupa" value. Files that cannot be read are no hits.
    QList<PersonListEntry> run(const SearchRequest& request) const;

private:
    QStringList m_folders;
    const TextReader* m_reader;
};
