#pragma once

#include "FlatUtilitys.h"

// The horizontal progress bar: a flat frame, a bar filling from the left and an optional percentage
// that reads in Color over the bar and in BarColor over the empty part. The setters keep
// MinValue <= Progress <= MaxValue, and ask for a paint only when what the gauge shows changes: the
// bar's width, or the percentage while it is shown.
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
    // SetProgress for a loop that holds the event loop up, where an update would only show once
    // the loop is over: the gauge is painted at once, without handling any other event in between,
    // and only when what it shows has changed.
    void SetProgressNow(int value);
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
    // What the range and the progress decide of the picture: the bar's width and the percentage
    // (0 while no text is shown).
    struct Shown {
        int bar;
        int percent;
        bool operator==(const Shown&) const = default;
    };
    Shown shown() const;
    void updateIfChanged(const Shown& before);
    void setClampedProgress(int value);
    // Sets the progress within the range; true when what the gauge shows has changed.
    bool moveProgress(int value);

    int m_min = 0;
    int m_max = 100;
    int m_progress = 25;
    bool m_showText = true;
};
