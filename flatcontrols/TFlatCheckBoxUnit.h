#pragma once

#include "FlatUtilitys.h"

enum TCheckBoxLayout { checkboxLeft = 0, checkboxRight = 1 };
enum TRadioButtonLayout { radioLeft = 0, radioRight = 1 };

// What the flat check box and radio button share: a small mark beside a word-wrapped caption,
// filled with ColorFocused while hovered or focused and ColorDown while the left button is held on
// it; hover tracked by a timer of the control's class.
class TFlatMarkControl : public TFlatButtonControl {
    Q_OBJECT
public:
    ~TFlatMarkControl() override;

    // Colours by index (SetIndexedColor): 0 ColorFocused, 1 ColorDown, 2 the mark's colour,
    // 3 ColorBorder. Derived colours (SetAdvColor): 0 AdvColorFocused, 1 AdvColorDown,
    // 2 AdvColorBorder.
    TColor ColorFocused() const { return IndexedColor(0); }
    TColor ColorDown() const { return IndexedColor(1); }
    TColor ColorBorder() const { return IndexedColor(3); }
    TAdvColors AdvColorFocused() const { return AdvColor(0); }
    TAdvColors AdvColorDown() const { return AdvColor(1); }
    TAdvColors AdvColorBorder() const { return AdvColor(2); }

    bool Checked() const { return m_checked; }
    virtual void SetChecked(bool checked) = 0;
    // Whether Tab reaches the control. A left press always gives it the focus, other presses never
    // do, so the platform's own focus on click stays off.
    bool TabStop() const { return focusPolicy() == Qt::TabFocus; }
    void SetTabStop(bool on) { setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus); }

protected:
    // timer: the hover timer of the concrete class.
    TFlatMarkControl(QWidget* parent, ClassTimer& timer, bool tabStop);

    // Paints the mark at the left or the right.
    virtual void DrawMark(QPainter& p) const = 0;
    // The left button came up at p after a press on the control.
    virtual void LeftReleased(QPoint p) = 0;

    // The mark's fill: Color at rest, ColorDown while pressed, else ColorFocused.
    TColor MarkFill() const;
    bool MarkAtRight() const { return m_markAtRight; }
    void SetMarkAtRight(bool right);
    void StoreChecked(bool checked);

    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    bool m_checked = false;
    bool m_markAtRight = false;
    bool m_focused = false;
    bool m_clicked = false;
};

// The flat check box. Every change of Checked raises OnClick, so a mouse click raises it twice: the
// control's own click, then the change.
class TFlatCheckBox : public TFlatMarkControl {
    Q_OBJECT
public:
    explicit TFlatCheckBox(QWidget* parent = nullptr);

    TColor ColorCheck() const { return IndexedColor(2); }
    TCheckBoxLayout Layout() const { return MarkAtRight() ? checkboxRight : checkboxLeft; }
    void SetLayout(TCheckBoxLayout layout) { SetMarkAtRight(layout == checkboxRight); }

    void SetChecked(bool checked) override;

    static ClassTimer& HoverTimer();

protected:
    void DrawMark(QPainter& p) const override;
    void LeftReleased(QPoint p) override;
    void AcceleratorPressed() override;
    void keyPressEvent(QKeyEvent* e) override;
};
