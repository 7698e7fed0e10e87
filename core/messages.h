#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>

// The main program's message table: the texts of its message boxes and the names of the pseudo-groups.
// Entries 0..19 are replaced by language texts; 20..30 always keep their built-in texts. Texts are
// code page 1250 bytes like every text the program shows.
inline constexpr int kMessageCount = 31;
using MessageTable = std::array<QByteArray, kMessageCount>;

// Entries that other rules read by number.
inline constexpr int kMsgFileError = 0;
inline constexpr int kMsgAll = 1;
inline constexpr int kMsgOneOffs = 15;
inline constexpr int kMsgBin = 16;
// Entries 0..kLanguageMessages-1 are the ones a language can replace.
inline constexpr int kLanguageMessages = 20;

// The texts the program starts with, before any language is applied.
MessageTable initialMessages();

// The texts that choosing the built-in language sets: three of them differ from the initial ones.
MessageTable polishMessages();

// The twelve genitive month names. They are no language text: language texts 81..92 replace the
// items of the month lists, never these.
const std::array<QByteArray, 12>& MonthNames();

// The language text numbers the main program uses; every other number in a language file is
// ignored (part of them are the checker's).
bool isMainProgramTextId(int id);
const QList<int>& mainProgramTextIds();

// The built-in text of a main-program text number, set when the built-in language is chosen; empty
// for numbers the main program does not use. Text 106 (the about box) holds two lines separated by
// LF, which the about box shows as two lines.
QByteArray builtInText(int id);

// The message a text number replaces, or -1 when it replaces none.
int messageIndexOfTextId(int id);

// Language texts 81..92 replace the items of the month lists: the item index, or -1.
int monthItemOfTextId(int id);

// The file error message: message 0, then the path and the error code, as in
// "Błąd pliku [id:/dane/baza/1-2-3.wps err: 5]".
QString fileErrorMessage(const MessageTable& messages, const QString& path, int code);

// The refusals to change files outside the data folders in use (see datafolders); no language
// replaces them. "K" and "P" name the entry's file, the group dialog every link it left alone.
QString outsideEntryMessage(const QString& path);
QString leftLinksMessage(const QStringList& paths);
