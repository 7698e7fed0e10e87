#pragma once

#include <QImage>
#include <QStringView>

// The programs' built-in pictures, drawn for this project:
//   "LOGO"        100 x 100  photo placeholder and the checker's logo
//   "BANER"       400 x 100  the about box's banner
//   "WAS"          32 x 32   mark of a coming occasion in the checker's list
//   "PUNKT"         8 x 8    person mark in the person chooser
//   "WYKASOWANE"    8 x 8    mark of a person in the bin
//   "JEDYNKA"       8 x 8    mark of a one-off reminder
//   "UWAGA"        16 x 16   warning beside a date that may be no date of the calendar
//   "SZUKAJ"       16 x 16   glyph of the name-day search
//   "TECZKA"       16 x 16   glyph of the business data
//   "TECZA"        15 x 33   rainbow of the button that opens the colour dialog
//   "KOLORY"       11 x 11   glyph of the colour scheme command, on white
//   "DYSKIETKA"    12 x 12   glyph of the main window's backup copy button
//   "IKONA"       256 x 256  the programs' icon (windows and the desktop entry), transparent corners
// The 8 x 8 marks are drawn on white, which their users treat as transparent; the 16 x 16 pictures
// on a transparent ground. An unknown name
// gives a null image.
QImage bitmapResource(QStringView name);
