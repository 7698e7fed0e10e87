#pragma once

#include "FlatUtilitys.h"

#include <QImage>
#include <QWidget>

#include <array>

// Modal results a button hands to its dialog (QDialog::result); closing a dialog by other means
// leaves mrNone.
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

// The flat command button of both programs: a flat face with a one-pixel frame, a hover highlight,
// pressed and down states, groups of mutually exclusive buttons and a glyph of up to four cells.
class TFlatSpeedButton : public QWidget {
    Q_OBJECT
public:
    enum TButtonState { bsUp = 0, bsDisabled = 1, bsDown = 2, bsExclusive = 3 };

    explicit TFlatSpeedButton(QWidget* parent = nullptr);
    ~TFlatSpeedButton() override;

    // Colours by index: 0 ColorFocused, 1 ColorDown, 2 ColorBorder, 3 ColorHighLight, 4 ColorShadow.
    // Stores and repaints without comparing; another index stores nothing but still repaints.
    void SetIndexedColor(int index, TColor value);
    TColor ColorFocused() const { return m_colors[0]; }
    TColor ColorDown() const { return m_colors[1]; }
    TColor ColorBorder() const { return m_colors[2]; }
    TColor ColorHighLight() const { return m_colors[3]; }
    TColor ColorShadow() const { return m_colors[4]; }
    void SetColorFocused(TColor c) { SetIndexedColor(0, c); }
    void SetColorDown(TColor c) { SetIndexedColor(1, c); }
    void SetColorBorder(TColor c) { SetIndexedColor(2, c); }
    void SetColorHighLight(TColor c) { SetIndexedColor(3, c); }
    void SetColorShadow(TColor c) { SetIndexedColor(4, c); }

    // The face colour: the parent's colour while ParentColor is on; setting it turns ParentColor off.
    TColor Color() const;
    void SetColor(TColor c);
    bool ParentColor() const { return m_parentColor; }
    void SetParentColor(bool on);

    // Derived colours by index: 0 AdvColorFocused, 1 AdvColorDown, 2 AdvColorBorder.
    void SetAdvColor(int index, TAdvColors value);
    TAdvColors AdvColorFocused() const { return m_advColors[0]; }
    TAdvColors AdvColorDown() const { return m_advColors[1]; }
    TAdvColors AdvColorBorder() const { return m_advColors[2]; }
    bool UseAdvColors() const { return m_useAdvColors; }
    void SetUseAdvColors(bool on);
    void CalcAdvColors();

    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool on);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index);
    bool Down() const { return m_down; }
    void SetDown(bool down);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    const QImage& Glyph() const { return m_glyph; }
    void SetGlyph(const QImage& glyph);
    int NumGlyphs() const { return m_numGlyphs; }
    void SetNumGlyphs(int n);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return m_margin; }
    void SetMargin(int margin);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }

    // The click: hands ModalResult to the dialog that holds the button, then OnClick. A dialog whose
    // result is still non-zero after OnClick closes with it.
    void Click();

    TButtonState State() const { return m_state; }
    bool Hovered() const { return m_hovered; }

    void MouseEnter();
    void MouseLeave();
    void HoverTimerTick();
    void StopHoverTimer();
    void UpdateTracking();

    // The hover timer shared by all speed buttons.
    static ClassTimer& HoverTimer();

signals:
    void OnClick();
    void OnDblClick();
    void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

protected:
    bool event(QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void UpdateExclusive();
    void ButtonPressed(int groupIndex, TFlatSpeedButton* sender);
    bool IsInside(QPoint p) const;
    void setState(TButtonState state);
    void updateShortcut();
    QImage glyphCell(TButtonState state) const;

    TColor m_color = 0xE1EAEB;
    bool m_parentColor = true;
    std::array<TColor, 5> m_colors{0xE1EAEB, 0xC5D6D9, 0x8396A0, 0xFFFFFF, 0x000000};
    std::array<TAdvColors, 3> m_advColors{10, 10, 50};
    bool m_useAdvColors = false;
    bool m_allowAllUp = false;
    int m_groupIndex = 0;
    bool m_down = false;
    QString m_caption;
    QImage m_glyph;
    int m_numGlyphs = 1;
    TButtonLayout m_layout = blGlyphTop;
    int m_margin = -1;
    int m_spacing = 4;
    int m_modalResult = mrNone;
    int m_shortcutId = 0;

    TButtonState m_state = bsUp;
    bool m_hovered = false;
    bool m_dragging = false;
};
