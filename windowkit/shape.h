#pragma once

#include "FlatColors.h"

#include <QWidget>

// A rectangle of the windows: the vertical bars (filled and outlined) and the frames (outline only).
// The outline is drawn inside the control's rectangle, `PenWidth` pixels wide.
class TShape : public QWidget {
    Q_OBJECT
public:
    explicit TShape(QWidget* parent = nullptr);

    TColor BrushColor() const { return m_brushColor; }
    void SetBrushColor(TColor c);
    // Without fill only the outline is drawn (the frames).
    bool Filled() const { return m_filled; }
    void SetFilled(bool filled);
    TColor PenColor() const { return m_penColor; }
    void SetPenColor(TColor c);
    int PenWidth() const { return m_penWidth; }
    void SetPenWidth(int width);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TColor m_brushColor = clWhite;
    bool m_filled = true;
    TColor m_penColor = clBlack;
    int m_penWidth = 1;
};
