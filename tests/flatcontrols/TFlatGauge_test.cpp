#include "TFlatGaugeUnit.h"
#include "flattest.h"

#include <QApplication>

#include <climits>
#include <functional>

namespace {

class GaugeTest : public FlatTest {
protected:
    // The default gauge with the programs' colours and no text, unless asked.
    static std::unique_ptr<TFlatGauge> gauge(bool text = false)
    {
        auto g = std::make_unique<TFlatGauge>();
        g->SetColor(0x004080);
        g->SetIndexedColor(0, 0x000000);
        g->SetIndexedColor(1, 0x0080FF);
        g->SetShowText(text);
        return g;
    }
};

} // namespace

TEST_F(GaugeTest, DefaultsAndTheRangeInvariant)
{
    TFlatGauge g;
    EXPECT_EQ(g.size(), QSize(145, 25));
    EXPECT_EQ(g.Color(), 0xE0E9EFu);
    EXPECT_EQ(g.BorderColor(), 0x555E66u);
    EXPECT_EQ(g.BarColor(), 0x996633u);
    EXPECT_EQ(g.ProgressText(), "25 %");
    EXPECT_EQ(g.BarWidth(), 141 / 4);

    struct Case {
        const char* name;
        std::function<void(TFlatGauge&)> change;
        int min, max, progress;
    };
    const Case cases[] = {
        {"progress above the range", [](TFlatGauge& g) { g.SetProgress(150); }, 0, 100, 100},
        {"progress below the range", [](TFlatGauge& g) { g.SetProgress(-5); }, 0, 100, 0},
        {"maximum below the progress", [](TFlatGauge& g) { g.SetMaxValue(10); }, 0, 10, 10},
        {"maximum below the minimum", [](TFlatGauge& g) { g.SetMaxValue(-10); }, 0, 0, 0},
        {"minimum above the maximum", [](TFlatGauge& g) { g.SetMinValue(200); }, 100, 100, 100},
        {"minimum above the progress", [](TFlatGauge& g) { g.SetMinValue(30); }, 30, 100, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TFlatGauge g;
        c.change(g);
        EXPECT_EQ(g.MinValue(), c.min);
        EXPECT_EQ(g.MaxValue(), c.max);
        EXPECT_EQ(g.Progress(), c.progress);
    }
}

TEST_F(GaugeTest, TextAndBarWithoutDivisionByZeroOrOverflow)
{
    struct Case {
        int min, max, progress;
        const char* text;
        int bar; // of 141
    };
    const Case cases[] = {
        {0, 100, 25, "25 %", 35},
        {0, 3, 1, "33 %", 47},
        // Multiplied before dividing: 57 / 141 has no exact binary form, and dividing first ends a
        // pixel short.
        {0, 141, 57, "40 %", 57},
        {0, 141, 114, "80 %", 114},
        {-41, 100, 16, "40 %", 57},
        {0, 100, 100, "100 %", 141},
        {5, 5, 5, "error", 0},
        {INT_MIN, INT_MAX, INT_MAX, "100 %", 141},
        {INT_MIN, INT_MAX, 0, "50 %", 70},
        {-10, 10, -10, "0 %", 0},
    };
    for (const Case& c : cases) {
        auto g = gauge();
        g->SetMaxValue(INT_MAX);
        g->SetMinValue(c.min);
        g->SetMaxValue(c.max);
        g->SetProgress(c.progress);
        EXPECT_EQ(g->ProgressText(), c.text) << c.min << ".." << c.max;
        EXPECT_EQ(g->BarWidth(), c.bar) << c.min << ".." << c.max;
        snapshot(*g); // paints without failing
    }
}

TEST_F(GaugeTest, PaintsFrameBarGapAndRest)
{
    auto g = gauge();
    const QImage image = snapshot(*g);
    // Bar 35 of 141: copied onto x 3..35; the fill shows at 36 and 37; the rest from 38.
    EXPECT_EQ(Hex{pixel(image, 0, 12)}, Hex{0x000000});
    EXPECT_EQ(Hex{pixel(image, 144, 24)}, Hex{0x000000});
    EXPECT_EQ(Hex{pixel(image, 2, 12)}, Hex{0x004080});
    EXPECT_EQ(Hex{pixel(image, 3, 3)}, Hex{0x0080FF});
    EXPECT_EQ(Hex{pixel(image, 35, 21)}, Hex{0x0080FF});
    EXPECT_EQ(Hex{pixel(image, 36, 12)}, Hex{0x004080});
    EXPECT_EQ(Hex{pixel(image, 38, 12)}, Hex{0x004080});
    EXPECT_EQ(Hex{pixel(image, 3, 22)}, Hex{0x004080});
    EXPECT_EQ(countNear(image, 0x0080FF, QRect(38, 3, 104, 19)), 0);

    // An empty range draws no bar at all.
    g->SetMinValue(50);
    g->SetMaxValue(50);
    EXPECT_EQ(countNear(snapshot(*g), 0x0080FF), 0);
}

TEST_F(GaugeTest, TextReadsInTheOtherColourOnEachSideOfTheBarsEnd)
{
    auto g = gauge(true);
    g->SetProgress(50);
    const QImage image = snapshot(*g);
    const int barEnd = g->BarWidth() + 1; // 70 + 1
    // "50 %" spans the middle: over the bar in Color, over the rest in BarColor.
    EXPECT_GT(countNear(image, 0x004080, QRect(40, 4, barEnd - 40, 17)), 3);
    EXPECT_GT(countNear(image, 0x0080FF, QRect(barEnd + 2, 4, 40, 17)), 3);
}

TEST_F(GaugeTest, IndexedColoursAndDerivedBorder)
{
    auto g = gauge();
    g->SetIndexedColor(2, 0x123456);
    EXPECT_EQ(g->BorderColor(), 0x000000u);
    EXPECT_EQ(g->BarColor(), 0x0080FFu);
    g->SetAdvColor(0, 20);
    EXPECT_EQ(g->BorderColor(), 0x000000u); // derived colours are off
    g->SetUseAdvColors(true);
    EXPECT_TRUE(g->ParentColor());
    EXPECT_EQ(g->BorderColor(), ShadeFromParentColor(g->Color(), 0, 20, true));
}

TEST_F(GaugeTest, PaintsOnlyWhenWhatItShowsChanges)
{
    // Counts the paints of a widget.
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::Paint)
                ++paints;
            return false;
        }
    };
    struct Case {
        const char* what;
        bool text;
        std::function<void(TFlatGauge&)> change;
        int paintedAtOnce; // before any event is handled
        int painted;       // once the events are handled
    };
    // 10 pixels of bar on a range of 1000: the bar grows a pixel each 100, the percentage each 10.
    // Each case starts at 150: a pixel of bar, 15 %.
    const Case cases[] = {
        {"the same progress", false, [](TFlatGauge& g) { g.SetProgressNow(150); }, 0, 0},
        {"within the bar's pixel", false, [](TFlatGauge& g) { g.SetProgressNow(199); }, 0, 0},
        {"into the next pixel", false, [](TFlatGauge& g) { g.SetProgressNow(200); }, 1, 1},
        {"back a pixel", false, [](TFlatGauge& g) { g.SetProgressNow(99); }, 1, 1},
        {"the percentage shown changes", true, [](TFlatGauge& g) { g.SetProgressNow(160); }, 1, 1},
        {"the percentage shown stays", true, [](TFlatGauge& g) { g.SetProgressNow(159); }, 0, 0},
        {"a later paint within the pixel", false, [](TFlatGauge& g) { g.SetProgress(199); }, 0, 0},
        {"a later paint of the next pixel", false, [](TFlatGauge& g) { g.SetProgress(200); }, 0, 1},
        {"a later paint of a new percentage", true, [](TFlatGauge& g) { g.SetProgress(160); }, 0, 1},
        {"a longer range, the same pixel", false, [](TFlatGauge& g) { g.SetMaxValue(1200); }, 0, 0},
        {"a longer range, a shorter bar", false, [](TFlatGauge& g) { g.SetMaxValue(2000); }, 0, 1},
        {"a higher minimum, a shorter bar", false, [](TFlatGauge& g) { g.SetMinValue(100); }, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto g = gauge(c.text);
        g->resize(14, 25);
        g->SetMaxValue(1000);
        g->SetProgress(150);
        g->show();
        QApplication::processEvents();
        PaintCount count;
        g->installEventFilter(&count);
        c.change(*g);
        EXPECT_EQ(count.paints, c.paintedAtOnce);
        QApplication::processEvents();
        EXPECT_EQ(count.paints, c.painted);
        g->removeEventFilter(&count);
    }
}
