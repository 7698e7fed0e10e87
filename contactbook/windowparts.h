#pragma once

#include <QString>

class QLabel;
class QPlainTextEdit;
class QWidget;

// Small parts that the windows of both programs build the same way.

// The caption of every message box of the main program (the boxes have no owner window).
QString messageBoxCaption();

// A label of plain text at a place, as wide as its text.
QLabel* makeLabel(QWidget* parent, const QString& text, int x, int y);

// Gives a control a slightly narrower face of its font, for captions that run to the next control.
void useNarrowFont(QWidget* control);

// Makes a memo a read-only text without frame or scroll bars, each line centred, on the window's
// own colour.
void makeCentredText(QPlainTextEdit* memo);
