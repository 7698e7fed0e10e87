#pragma once

#include "FlatUtilitys.h"

// The horizontal progress bar: a flat frame, a bar filling from the left and an optional percentage
// that reads in Color over the bar and in BarColor over the empty part. The setters keep
// MinValue <= Progress <= MaxValue.
class TFlatGauge : public TFlatControl {
    Q_OBJECT
public:
    explicit TFlatGauge(QWidget* parent = nullptr);

    // Colours by index (SetIndexedColor): 0 BorderColor, 1 BarColor. Derived colour (SetAdvColor):
    // 0 AdvColorBorder, from Color.
    TColor BorderColor() const { return IndexedColor(0); }
    TColor BarColor() const { return IndexedColor(1); }
    TAdvColors AdvColorBorder() const { return AdvColor(0); }

    int MinValue() const { return m_min; }
    void SetMinValue(int value);
    int MaxValue() const { return m_max; }
    void SetMaxValue(int value);
    int Progress() const { return m_progress; }
    void SetProgress(int value);
    bool ShowText() const { return m_showText; }
    void SetShowText(bool on);

    // "25 %", or "error" for an empty range.
    QString ProgressText() const;
    // The bar's width within the inner images (client width - 4); 0 for an empty range.
    int BarWidth() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int m_min = 0;
    int m_max = 100;
    int m_progress = 25;
    bool m_showText = true;
};
