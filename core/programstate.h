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
    QString programDir; // ending in "/"
    QString soundDir;   // the digit sounds of the read-aloud, ending in "/"
    // Folds the names of the name-day search (names sort in Polish order whatever the locale).
    QLocale locale;
    DatabaseSettings settings;
    MessageTable messages = initialMessages();
    ColorScheme colors;
    const TextReader* reader = &TextReader::standard();
    const FileWriter* writer = &FileWriter::standard();
    // The tick of the last mouse release in the phone list or the name-day hit list: the two share
    // it, so a double click in either counts from the last click in both.
    std::int64_t lastPhoneClick = 0;
};
