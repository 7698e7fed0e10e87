#pragma once

#include "languagefile.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>

// The numbers of the checker's texts in the language files (one numbering for both programs).
namespace checkertext {

inline constexpr int NameDayLabel = 17;  // a language file may also set it as 108
inline constexpr int BirthdayLabel = 18; // ... or as 109
inline constexpr int CloseCaption = 25;
inline constexpr int AboutCaption = 26;
inline constexpr int CloseHint = 35;
inline constexpr int AboutHint = 36;
inline constexpr int AboutBoxCloseCaption = 64;
inline constexpr int AboutBoxCloseHint = 74;
inline constexpr int January = 81; // 81..92: the genitive month names, January to December
inline constexpr int AboutText = 106;
inline constexpr int TodayIs = 107;
inline constexpr int ComingHeader = 120;
inline constexpr int AgeUnknown = 121; // "nie wiadomo ile"
inline constexpr int Turns = 122;      // "kończy"
inline constexpr int YearsLat = 123;   // "lat"
inline constexpr int YearsLata = 124;  // "lata"
inline constexpr int Passes = 125;     // "mija"
inline constexpr int YearRok = 126;    // "rok"
inline constexpr int PastHeader = 127;
inline constexpr int ClosingLine = 128;
inline constexpr int OneDayLeft = 131;
inline constexpr int DaysWord = 132;
inline constexpr int LeftFew = 133;  // 2..4 days
inline constexpr int LeftMany = 134; // 5..14 days
inline constexpr int IsToday = 135;

} // namespace checkertext

// Every text of the checker that a language file can replace, code page 1250 bytes, by number.
class CheckerTexts {
public:
    // The built-in Polish texts.
    CheckerTexts();

    static bool isCheckerId(int id);

    // The text of a checker id; empty for any other number.
    const QByteArray& text(int id) const;
    // The genitive month name, month 1..12.
    const QByteArray& monthName(int month) const;

    // Sets the text of a checker id (108 and 109 set 17 and 18); other numbers are ignored.
    void set(int id, const QByteArray& text);
    // Sets the texts in order, so a later line of the same id wins.
    void apply(const QList<LanguageText>& texts);

private:
    std::array<QByteArray, 136> m_texts;
};

// The checker's texts for the chosen language: the built-in ones, replaced by those of the language
// file in `programDir` + "lng/" whose first line names exactly `languageName`. "Polski", a name no
// file declares, or a file that cannot be read leaves the built-in texts (opcje::kBuiltInLanguage).
CheckerTexts loadCheckerTexts(const QString& programDir, const QByteArray& languageName);
