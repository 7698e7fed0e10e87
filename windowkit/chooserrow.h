#pragma once

#include "personlist.h"

class QPainter;
class QRect;
class QFont;

// Draws one row of a person chooser as the core's chooserRow describes it: the background, the
// mark of the entry's kind (white is transparent) and the name in its colour.
void DrawChooserRow(QPainter& canvas, const ChooserRow& row, const QRect& rect, const QFont& font);
