#pragma once

#include "profilefile.h"

#include <QByteArray>
#include <QString>

// The settings file opcje.ini in the program folder: its sections and keys, the one list of them.
namespace opcje {

inline constexpr char kFileName[] = "opcje.ini";

inline constexpr char kSectionOptions[] = "opcje";
inline constexpr char kDaysBeforeBirthday[] = "dni_do_urodzin";
inline constexpr char kDaysBeforeNameDay[] = "dni_do_imienin";
inline constexpr char kDaysBeforeOccasion[] = "dni_do_imprezy";
inline constexpr char kDaysAfterBirthday[] = "dni_po_urodzinach";
inline constexpr char kDaysAfterNameDay[] = "dni_po_imieninach";
inline constexpr char kDaysAfterOccasion[] = "dni_po_imprezie";
inline constexpr char kDefaultBase[] = "baza_1";
inline constexpr char kSecondBase[] = "baza_2";
inline constexpr char kSaveTo[] = "zapis_do";

inline constexpr char kInUse[] = "jest";
inline constexpr char kNone[] = "brak";
inline constexpr char kSaveToDefault[] = "domyslna_baza_danych";

inline constexpr char kSectionColours[] = "kolory";
inline constexpr char kSectionLanguage[] = "jezyk";
inline constexpr char kLanguageName[] = "nazwa";
inline constexpr char kBuiltInLanguage[] = "Polski";
inline constexpr char kSectionSenderAddress[] = "adres_nadawcy";

} // namespace opcje

// The program folder is where the executables lie, with a trailing "/"; every file is addressed
// relative to it. Its case is kept: on this file system another case is another folder.
QString programDirOf(const QString& applicationDirPath);

QString settingsPathIn(const QString& programDir);
QString defaultBaseIn(const QString& programDir);

// Which data folders are in use and where new entries go, read once at the main program's start.
struct DatabaseSettings {
    bool UseDefaultBase = true;
    bool UseSecondBase = false;
    // The second data folder, ending in "/" while it is in use.
    QString SecondBasePath;
    // "domyslna_baza_danych" or a folder ending in "/".
    QString SaveTarget;

    static DatabaseSettings read(const ProfileFile& opcje);

    // The folder new entries are saved into.
    QString saveFolder(const QString& programDir) const;
};
