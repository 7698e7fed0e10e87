#pragma once

#include "personlist.h"
#include "printlayout.h"

#include <QDate>
#include <QImage>
#include <QList>

#include <functional>

class Printer;
class QWidget;
class TextReader;

// The printed layouts of the print picker, drawn on a printer: person sheets and envelopes. The
// persons come in the order they print; unreadable person files leave a blank cell or no envelope.
namespace printouts {

using Progress = std::function<void(int)>;

// Eight persons to a portrait page, with the side strip and the page number on every page, as a
// job already started on the printer. False when the printer would not start or finish the
// document.
bool printPersonSheets(Printer& printer, const QList<PersonListEntry>& persons, const TextReader& reader, QDate today,
                       const Progress& progress);

// The side strip: the text drawn on a white bitmap `length` wide and `thickness` high, its font
// grown until "FJj" is higher than `fontLimit`, then turned a quarter to the left so that it reads
// upwards.
QImage sideStrip(const QByteArray& text, int length, int thickness, int fontLimit);

// Asks for the sender's address lines; false when the printing is to be cancelled.
using SenderAddress = std::function<bool(QList<QByteArray>* lines)>;

// One envelope per readable person, as a job already started on the printer. The chosen format
// asks for the printer and the paper in the print dialog first. False when the printer would not
// start or finish the document; a cancelled print or sender dialog prints nothing and is no
// failure.
bool printEnvelopes(Printer& printer, const EnvelopeFormat& format, const QList<PersonListEntry>& persons,
                    const TextReader& reader, const SenderAddress& sender, const Progress& progress, QWidget* owner);

} // namespace printouts
