#pragma once

#include "schemecolours.h"
#include "shownperson.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>

class QWidget;
class TFlatEdit;
class TFlatListBox;
class TFlatMemo;
class TImage;
class TZuboComboBox;
struct ColorScheme;

// The fields of one person that the main window shows and the entry editor edits: the same
// controls under the same names in both windows, built here once. A window derives from
// PersonFields and builds them at its own places, among its own controls.
struct PersonFields {
    TZuboComboBox* ZuboComboBox2 = nullptr; // name day: day, month
    TZuboComboBox* ZuboComboBox3 = nullptr;
    TZuboComboBox* ZuboComboBox4 = nullptr; // birthday: day, month, with the year in FlatEdit2
    TZuboComboBox* ZuboComboBox5 = nullptr;
    TZuboComboBox* ZuboComboBox6 = nullptr; // an occasion: day, month, with the year in FlatEdit3
    TZuboComboBox* ZuboComboBox7 = nullptr; // and the description in FlatEdit11
    TFlatEdit* FlatEdit2 = nullptr;
    TFlatEdit* FlatEdit3 = nullptr;
    TFlatEdit* FlatEdit11 = nullptr;
    TFlatEdit* FlatEdit4 = nullptr;       // street
    TFlatEdit* FlatEdit5 = nullptr;       // house number
    TFlatEdit* FlatEdit6 = nullptr;       // flat number
    TFlatEdit* FlatEdit7 = nullptr;       // postal code
    TFlatEdit* FlatEdit8 = nullptr;       // post office
    TFlatEdit* FlatEdit9 = nullptr;       // town
    TFlatEdit* FlatEdit13 = nullptr;      // province
    TFlatListBox* FlatListBox1 = nullptr; // occasions
    TFlatListBox* FlatListBox2 = nullptr; // e-mail addresses
    TFlatListBox* FlatListBox3 = nullptr; // phones
    TFlatMemo* FlatMemo1 = nullptr;       // notes
    TImage* Image1 = nullptr;             // the photo, or the built-in picture
};

// Where a window puts the fields; the sizes are the same in both windows.
struct PersonFieldPlaces {
    int dayLeft;  // the day lists (49 wide); the month lists stand 64 further right (73 wide)
    int yearLeft; // FlatEdit2 and FlatEdit3 (57 wide)
    // The tops of: the street; house and flat number; postal code and post office; town; province.
    std::array<int, 5> addressRows;
    QRect mails;  // FlatListBox2, its scroll bands included
    QRect phones; // FlatListBox3
};

// The main window shows the fields (edits read-only and disabled, date lists disabled, notes
// read-only); the editor edits them.
enum class FieldUse { Show, Edit };

// Creates the fields as children of `window`, the later ones above the earlier where they overlap
// (the occasion list over the foot of the description edit).
void buildPersonFields(QWidget* window, PersonFields& fields, const PersonFieldPlaces& places, FieldUse use);

// What the fields hold, as the windows show it: the values of a person file under the names
// PersonRecord gives them, the date choices under ShownPerson's, and the occasion fields.
struct PersonFieldValues {
    DaySelection nameDay, birthday, occasionDate;
    QString birthdayYear, occasionYear, occasionDescription;
    QString ulica, nr_domu, nr_mieszkania, kod_pocztowy, poczta, miejscowosc, wojewodztwo;
    QStringList impreza, mail, telefony, notatka;
    QImage picture;
};
// Sets every field: the edits first, then the lists, the notes, the date lists and the picture.
void setPersonFieldValues(PersonFields& fields, const PersonFieldValues& values);
// A shown person as the fields show it: every text as stored, the occasion's year the one picked
// last (empty until then), its date and description empty, and `picture`.
PersonFieldValues shownValues(const ShownPerson& person, const QImage& picture);

// Empties every field and shows `picture`.
void clearPersonFields(PersonFields& fields, const QImage& picture);
void colourPersonFields(PersonFields& fields, const ColorScheme& s, schemecolours::EditFont font);
