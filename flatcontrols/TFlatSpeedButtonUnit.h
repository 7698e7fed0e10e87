#pragma once

#include "FlatUtilitys.h"

#include <QImage>
#include <QWidget>

// Modal results a button hands to its dialog (QDialog::result); closing a dialog by other means
// leaves mrNone.
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2 };

// The flat command button of both programs: a flat face with a one-pixel frame, a hover highlight,
// pressed and down states, groups of mutually exclusive buttons and a glyph of up to four cells.
class TFlatSpeedButton : public TFlatButtonControl {
    Q_OBJECT
public:
    enum TButtonState { bsUp = 0, bsDisabled = 1, bsDown = 2, bsExclusive = 3 };

    explicit TFlatSpeedButton(QWidget* parent = nullptr);
    ~TFlatSpeedButton() override;

    // Colours by index (SetIndexedColor): 0 ColorFocused, 1 ColorDown, 2 ColorBorder,
    // 3 ColorHighLight, 4 ColorShadow. Derived colours (SetAdvColor): 0 AdvColorFocused,
    // 1 AdvColorDown, 2 AdvColorBorder.
    TColor ColorFocused() const { return IndexedColor(0); }
    TColor ColorDown() const { return IndexedColor(1); }
    TColor ColorBorder() const { return IndexedColor(2); }
    TColor ColorHighLight() const { return IndexedColor(3); }
    TColor ColorShadow() const { return IndexedColor(4); }
    void SetColorFocused(TColor c) { SetIndexedColor(0, c); }
    void SetColorDown(TColor c) { SetIndexedColor(1, c); }
    void SetColorBorder(TColor c) { SetIndexedColor(2, c); }
    void SetColorHighLight(TColor c) { SetIndexedColor(3, c); }
    void SetColorShadow(TColor c) { SetIndexedColor(4, c); }

    TAdvColors AdvColorFocused() const { return AdvColor(0); }
    TAdvColors AdvColorDown() const { return AdvColor(1); }
    TAdvColors AdvColorBorder() const { return AdvColor(2); }

    bool AllowAllUp() const { return m_allowAllUp; }
    void SetAllowAllUp(bool on);
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index);
    bool Down() const { return m_down; }
    void SetDown(bool down);

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
    void UpdateTracking();

    // The hover timer shared by all speed buttons.
    static ClassTimer& HoverTimer();

signals:
    void OnDblClick();

protected:
    void AcceleratorPressed() override { Click(); }
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
    QImage glyphCell(TButtonState state) const;

    bool m_allowAllUp = false;
    int m_groupIndex = 0;
    bool m_down = false;
    QImage m_glyph;
    int m_numGlyphs = 1;
    TButtonLayout m_layout = blGlyphTop;
    int m_margin = -1;
    int m_spacing = 4;
    int m_modalResult = mrNone;

    TButtonState m_state = bsUp;
};
