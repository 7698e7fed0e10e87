#pragma once

#include "FlatUtilitys.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

#include <array>

// What the flat edit and the flat memo share: the colours, the rule that makes a field active
// (focused, or under the mouse while no field of its class has the focus) and the 3-pixel frame, a
// one-pixel line in ColorBorder and two in the field's current colour.
//
// The hover ends on leaving, on hiding (a window closed with the mouse over the field sends it no
// leave, and it would come back lit) and on losing the focus (to a menu or a dialog, after which
// the leave may never come). Only a left press moves the focus into the field, so a right click
// that opens a window's own menu leaves the focus, and the light, where they were; the platform's
// edit menu takes the focus when it opens, as the fields of the platform do.
template <class Base> class TFlatTextField : public Base {
public:
    explicit TFlatTextField(QWidget* parent)
        : Base(parent)
    {
        // The derived constructor shows the colours once it is complete.
        m_parentColor = true;
        if (parent)
            m_colors[2] = WidgetColor(parent);
        // Tab still reaches the field; mouse presses are left to mousePressEvent.
        this->setFocusPolicy(Qt::TabFocus);
    }

    // Colours by index: 0 ColorFocused, 1 ColorBorder, 2 ColorFlat (which also turns ParentColor
    // off). Stores without comparing, then redraws the frame.
    void SetIndexedColor(int index, TColor value)
    {
        if (index >= 0 && index < int(m_colors.size()))
            m_colors[std::size_t(index)] = value;
        if (index == 2)
            m_parentColor = false;
        RedrawBorder();
    }
    TColor ColorFocused() const { return m_colors[0]; }
    TColor ColorBorder() const { return m_colors[1]; }
    TColor ColorFlat() const { return m_colors[2]; }
    void SetColorFocused(TColor c) { SetIndexedColor(0, c); }
    void SetColorBorder(TColor c) { SetIndexedColor(1, c); }
    void SetColorFlat(TColor c) { SetIndexedColor(2, c); }
    // The background shown now: ColorFocused while active, else ColorFlat.
    TColor Color() const { return m_active ? ColorFocused() : ColorFlat(); }
    bool Active() const { return m_active; }

    // On: ColorFlat follows the parent's colour.
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool on)
    {
        if (on == m_parentColor)
            return;
        m_parentColor = on;
        if (on && this->parentWidget()) {
            m_colors[2] = WidgetColor(this->parentWidget());
            RedrawBorder();
        }
    }

    // Derived colours by index: 0 AdvColorFocused, 1 AdvColorBorder.
    void SetAdvColor(int index, TAdvColors value)
    {
        if (index >= 0 && index < int(m_advColors.size()))
            m_advColors[std::size_t(index)] = value;
        if (m_useAdvColors) {
            CalcAdvColors();
            RedrawBorder();
        }
    }
    TAdvColors AdvColorFocused() const { return m_advColors[0]; }
    TAdvColors AdvColorBorder() const { return m_advColors[1]; }
    bool UseAdvColors() const { return m_useAdvColors; }
    void SetUseAdvColors(bool on)
    {
        if (on == m_useAdvColors)
            return;
        m_useAdvColors = on;
        SetParentColor(on);
        CalcAdvColors();
        RedrawBorder();
    }
    void CalcAdvColors()
    {
        if (!m_useAdvColors)
            return;
        m_colors[0] = ShadeFromParentColor(ColorFlat(), m_colors[0], m_advColors[0], false);
        m_colors[1] = ShadeFromParentColor(ColorFlat(), m_colors[1], m_advColors[1], true);
    }

    // Works out whether the field is active and shows it.
    void RedrawBorder()
    {
        const QWidget* focused = QApplication::focusWidget();
        m_active = this->hasFocus() || (m_hovered && !(focused && IsSameClass(focused)));
        m_ownPaletteChange = true;
        QPalette p = this->palette();
        p.setColor(QPalette::Base, toQColor(Color()));
        this->setPalette(p);
        m_ownPaletteChange = false;
        this->update();
    }

protected:
    virtual bool IsSameClass(const QWidget* w) const = 0;

    void PaintBorder(QPainter& p) const
    {
        TRect r{0, 0, this->width(), this->height()};
        FrameRect(p, r, ColorBorder());
        r = r.shrunk(1, 1);
        FrameRect(p, r, Color());
        r = r.shrunk(1, 1);
        FrameRect(p, r, Color());
    }

    void focusInEvent(QFocusEvent* e) override
    {
        Base::focusInEvent(e);
        RedrawBorder();
    }
    void focusOutEvent(QFocusEvent* e) override
    {
        Base::focusOutEvent(e);
        m_hovered = false;
        RedrawBorder();
    }
    void hideEvent(QHideEvent* e) override
    {
        Base::hideEvent(e);
        m_hovered = false;
        RedrawBorder();
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        // A field that Tab reaches takes the focus from a left click.
        if (e->button() == Qt::LeftButton && (this->focusPolicy() & Qt::TabFocus) && !this->hasFocus())
            this->setFocus(Qt::MouseFocusReason);
        Base::mousePressEvent(e);
    }
    void contextMenuEvent(QContextMenuEvent* e) override
    {
        if (this->contextMenuPolicy() == Qt::DefaultContextMenu && (this->focusPolicy() & Qt::TabFocus))
            this->setFocus(Qt::OtherFocusReason);
        Base::contextMenuEvent(e);
    }
    void enterEvent(QEnterEvent* e) override
    {
        Base::enterEvent(e);
        // A hover that starts while another application is active does not count.
        if (Desktop::current().activeWindow()) {
            m_hovered = true;
            RedrawBorder();
        }
    }
    void leaveEvent(QEvent* e) override
    {
        Base::leaveEvent(e);
        m_hovered = false;
        RedrawBorder();
    }
    void changeEvent(QEvent* e) override
    {
        Base::changeEvent(e);
        switch (e->type()) {
        case QEvent::EnabledChange:
            RedrawBorder();
            break;
        case QEvent::PaletteChange:
        case QEvent::ParentChange:
            // The parent's colour may have changed; our own Base colour changes are not that.
            if (m_ownPaletteChange)
                break;
            if ((m_useAdvColors || m_parentColor) && this->parentWidget())
                m_colors[2] = WidgetColor(this->parentWidget());
            CalcAdvColors();
            RedrawBorder();
            break;
        default:
            break;
        }
    }

private:
    std::array<TColor, 3> m_colors{0xFFFFFF, 0x8396A0, 0xE1EAEB};
    std::array<TAdvColors, 2> m_advColors{10, 50};
    bool m_useAdvColors = false;
    bool m_parentColor = false;
    bool m_hovered = false;
    bool m_active = false;
    bool m_ownPaletteChange = false;
};

// The single-line text field: the platform's edit without its own frame, inside the flat frame.
// Text, signals and the rest are QLineEdit's.
class TFlatEdit : public TFlatTextField<QLineEdit> {
    Q_OBJECT
public:
    explicit TFlatEdit(QWidget* parent = nullptr);

    // Height = the font's line height + 6 (19 with the programs' font).
    void AdjustHeightToFont();

protected:
    bool IsSameClass(const QWidget* w) const override;
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;
};
