#pragma once

#include "colorscheme.h"
#include "filewriter.h"
#include "messages.h"
#include "settings.h"
#include "textreader.h"

#include <QLocale>
#include <QString>

#include <cstdint>

// What every window of the main program reads: the program folder, the database settings, the
// message texts, the colour scheme, the user's locale, and the reader and writer of files that every
// window uses (the main window's setup names them; tests hand doubles in there or set them here).
// The main window fills it in its create step; the language switch and the colour editor change it.
struct ProgramState {
    QString ProgramDir; // ending in "/"
    QString SoundDir;   // the digit sounds of the read-aloud, ending in "/"
    // Folds the names of the name-day search (names sort in Polish order whatever the locale).
    QLocale Locale;
    DatabaseSettings Settings;
    MessageTable Messages = initialMessages();
    ColorScheme Colors;
    const TextReader* Reader = &TextReader::standard();
    const FileWriter* Writer = &FileWriter::standard();
    // The tick of the last mouse release in the phone list or the name-day hit list: the two share
    // it, so a double click in either counts from the last click in both.
    std::int64_t LastPhoneClick = 0;
};
