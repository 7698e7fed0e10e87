#pragma once

#include "FlatUtilitys.h"

#include <QComboBox>

#include <array>

enum TComboBoxStyle { csDropDown = 0, csSimple = 1, csDropDownList = 2, csOwnerDrawFixed = 3, csOwnerDrawVariable = 4 };

// How an owner-drawn row is to be drawn: comboBoxEdit marks the closed box's own face.
struct TOwnerDrawState {
    bool selected = false;
    bool focused = false;
    bool disabled = false;
    bool comboBoxEdit = false;
};

// The drop-down list: the platform's combo box with a flat face, a one-pixel border, a two-pixel
// ring in Color and a narrow flat arrow button in its own colours. Owner-drawn styles leave every
// row, the face's included, to OnDrawItem. Items, ItemIndex (currentIndex) and the rest are
// QComboBox's.
class TZuboComboBox : public QComboBox {
    Q_OBJECT
public:
    // The painted button's width.
    static constexpr int ButtonWidth = 11;

    explicit TZuboComboBox(QWidget* parent = nullptr);
    // A box that starts in `style`: one that is not edited never makes the text field of an edited
    // one, which costs more than the rest of the box.
    TZuboComboBox(QWidget* parent, TComboBoxStyle style);

    // Colours by index: 0 ColorArrow, 1 ColorArrowBackground, 2 ColorBorder. Stores without
    // comparing and repaints; another index stores nothing but still repaints.
    void SetIndexedColor(int index, TColor value);
    TColor ColorArrow() const { return m_colors[0]; }
    TColor ColorArrowBackground() const { return m_colors[1]; }
    TColor ColorBorder() const { return m_colors[2]; }
    void SetColorArrow(TColor c) { SetIndexedColor(0, c); }
    void SetColorArrowBackground(TColor c) { SetIndexedColor(1, c); }
    void SetColorBorder(TColor c) { SetIndexedColor(2, c); }
    // The field's colour.
    TColor Color() const { return m_color; }
    void SetColor(TColor c);

    TComboBoxStyle Style() const { return m_style; }
    void SetStyle(TComboBoxStyle style);
    int ItemHeight() const { return m_itemHeight; }
    void SetItemHeight(int height);
    QStringList Items() const;
    void SetItems(const QStringList& items);
    bool DroppedDown() const { return m_droppedDown; }

    // The painted button and the text area, in widget coordinates (right and bottom exclusive).
    TRect GetButtonRect() const;
    TRect ContentRect() const;

    void showPopup() override;
    void hidePopup() override;

signals:
    // The user changed the selection or the text; changes made from code raise nothing.
    void OnChange();
    void OnDropDown();
    void OnDrawItem(QPainter* canvas, int index, const QRect& rect, TOwnerDrawState state);

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void DrawButton(QPainter& p) const;
    void RedrawBorder(QPainter& p) const;
    void applyFieldColors();

    TColor m_color = clWindow;
    std::array<TColor, 3> m_colors{0x000080, 0x60B3FD, 0x000040};
    TComboBoxStyle m_style = csDropDown;
    int m_itemHeight = 13;
    bool m_droppedDown = false;
};
