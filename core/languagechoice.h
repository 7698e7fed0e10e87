#pragma once

#include "languagefile.h"
#include "messages.h"

#include <QByteArray>
#include <QList>
#include <QString>

class ProfileFile;

// The language menu: the built-in language first, then one item per language file in listing
// order (two files with one name give two items). Exactly one item is checked.
struct LanguageMenu {
    QList<QByteArray> captions;
    int checked = 0;
    // The language button is enabled once at least one language file is listed.
    bool buttonEnabled = false;
};

// Builds the menu from the language files of programDir/lng/ and checks the language saved in the
// settings file: the last item whose caption equals it when both are folded to lower case (A-Z
// only), else the built-in one.
LanguageMenu BuildLanguageMenu(const QString& programDir, const ProfileFile& opcje);

// What choosing a language changes: the texts to set, by number, and the new message table.
struct LanguageSwitch {
    // False when the chosen language has no file, or its file cannot be read: nothing changes and
    // nothing is written.
    bool applies = false;
    // The texts to set on the targets of each number, in order (a later pair for the same number
    // wins). Only numbers of the main program; for the built-in language, every one of them.
    QList<LanguageText> texts;
    // Messages after the switch; entries 20..30 never change.
    MessageTable messages;
    // Why the language file could not be read.
    QString readError;
    // Why the choice could not be stored in the settings file (the texts still apply).
    QString settingsError;
};

// Applies the chosen menu caption: a language file whose name equals it exactly (the last listed
// when several do) sets the texts it holds on top of what is shown; the built-in language sets
// every built-in text and messages 0..19. The choice is stored in the settings file in both cases.
// A language file is read whole before anything changes, so a read error leaves the texts as they
// were.
LanguageSwitch ApplyLanguage(const QString& programDir, const QByteArray& chosen, const MessageTable& current,
                             ProfileFile& opcje);
