#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <array>
#include <cstddef>
#include <initializer_list>
#include <utility>

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

// Gives each control of a window its component name as its object name: the window keeps its
// controls private, and tests find them by these names.
void nameControls(std::initializer_list<std::pair<QObject*, const char*>> controls);
// Names a numbered row of controls `name`1, `name`2, ... by their place in `controls`; the null
// places (numbers the window has no control for) are skipped.
template <class T, std::size_t N> void nameNumbered(const std::array<T*, N>& controls, const char* name)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (controls[i])
            controls[i]->setObjectName(QLatin1String(name) + QString::number(i));
    }
}

// Gives a control a slightly narrower face of its font, for captions that run to the next control.
void useNarrowFont(QWidget* control);

// Makes a memo a read-only text without frame or scroll bars, each line centred, on the window's
// own colour.
void makeCentredText(QPlainTextEdit* memo);
