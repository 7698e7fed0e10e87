#pragma once

// The keys of a person file's lines, as the files store them: lower case but for "NIP". Every
// reader and writer of person files names its keys from here.
namespace personkey {
inline constexpr char nazwisko[] = "nazwisko";
inline constexpr char ulica[] = "ulica";
inline constexpr char nr_domu[] = "nr_domu";
inline constexpr char nr_mieszkania[] = "nr_mieszkania";
inline constexpr char kod_pocztowy[] = "kod_pocztowy";
inline constexpr char poczta[] = "poczta";
inline constexpr char miejscowosc[] = "miejscowosc";
inline constexpr char wojewodztwo[] = "wojewodztwo";
inline constexpr char telefony[] = "telefony";
inline constexpr char NIP[] = "NIP";
inline constexpr char regon[] = "regon";
inline constexpr char zdjecie[] = "zdjecie";
inline constexpr char imieniny[] = "imieniny";
inline constexpr char urodziny[] = "urodziny";
inline constexpr char impreza[] = "impreza";
inline constexpr char mail[] = "mail";
inline constexpr char notatka[] = "notatka";
inline constexpr char grupa[] = "grupa";
} // namespace personkey
