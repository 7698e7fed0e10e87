#pragma once

#include <QByteArray>
#include <QString>

class QLabel;
class QPlainTextEdit;
class QWidget;

// Small parts that the windows of both programs build the same way.

// The caption of every window of both programs.
QString windowCaption();

// The caption of every message box of the main program (the boxes have no owner window).
QString messageBoxCaption();

// A tool of the desktop that a command needs and the machine lacks.
enum class MissingTool {
    MailProgram, // nothing opens "mailto:" addresses
    SoundPlayer, // no program plays a wave file
    SoundDevice, // the player cannot play, not even a plain tone
    Printer,     // no printer, and the job was not saved as a PDF file either
};
// The Polish text that says so.
QString missingToolText(MissingTool tool);
// Tells the user, in an error box of the program's style, that the command did nothing for want of
// the tool; once per command.
void tellMissingTool(MissingTool tool);

// Opens a "mailto:" address in the desktop's mail program, or tells the user there is none.
void openMail(const QString& url);

// The text of a menu item that shows a caption exactly as the file holds it: menus take "&" as an
// accelerator mark.
QString menuText(const QByteArray& caption);

// A label of plain text at a place, as wide as its text.
QLabel* makeLabel(QWidget* parent, const QString& text, int x, int y);

// Gives a control a slightly narrower face of its font, for captions that run to the next control.
void useNarrowFont(QWidget* control);

// Makes a memo a read-only text without frame or scroll bars, each line centred, on the window's
// own colour.
void makeCentredText(QPlainTextEdit* memo);
