#pragma once

#include "personlist.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <array>
#include <optional>

// The search window's rules: up to twelve texts, each looked for in the values of one person-file
// key, combined by AND or OR, and a choice among the group list's rows.

// The search window's twelve texts, empty for a field left empty. Each is looked for as a part of
// the values of one key; the three phone parts in the same phone values. Nothing for a text with a
// character that code page 1250 lacks: no stored value can hold it, so it matches nothing.
struct SearchTexts {
    using Text = std::optional<QByteArray>;
    Text name = QByteArray(), street = QByteArray(), houseNumber = QByteArray(), flatNumber = QByteArray(),
         town = QByteArray();
    // One phone number in three parts, always joined by AND.
    Text phone1 = QByteArray(), phone2 = QByteArray(), phone3 = QByteArray();
    Text mail = QByteArray(), nip = QByteArray(), regon = QByteArray(), notes = QByteArray();
};

// A criterion: its text, the key it is looked for under (in any case: "NIP" and "nip" alike), and
// its part in the phone rule.
struct SearchCriterion {
    enum class Phone { No, First, Narrowing }; // the second and third parts only narrow the first
    SearchTexts::Text SearchTexts::*text;
    const char* key;
    Phone phone;
};
inline constexpr int kSearchCriteria = 12;
// The twelve in the window's order (its edits FlatEdit1..FlatEdit12).
const std::array<SearchCriterion, kSearchCriteria>& searchCriteria();

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
    SearchTexts texts;
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
