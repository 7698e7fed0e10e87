#include "TFlatListBoxUnit.h"
#include "flattest.h"
#include "support.h"
#include "userinput.h"

#include <QApplication>

namespace {

class ListBoxTest : public FlatTest {
protected:
    ListBoxTest()
    {
        form.show();
        QApplication::setActiveWindow(&form);
    }

    // A list with bands, 4 rows of 17 (height 100), distinct colours, and `count` items "0", "1", ...
    TFlatListBox* list(int count, bool bands = true)
    {
        auto* l = new TFlatListBox(&form);
        l->SetScrollBars(bands);
        l->resize(137, bands ? 100 : 80);
        l->SetColor(0x101010);
        for (int i = 0; i < 4; ++i)
            l->SetIndexedColor(i, 0x202020 + 0x101010 * TColor(i));
        QStringList items;
        for (int i = 0; i < count; ++i)
            items << QString::number(i);
        l->SetItems(items);
        l->show();
        return l;
    }
    // The centre of row k.
    static QPoint row(const TFlatListBox& l, int k)
    {
        const TRect r = l.ItemSlots()[std::size_t(k)];
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};

} // namespace

TEST_F(ListBoxTest, HeightAlwaysHoldsWholeRows)
{
    TFlatListBox l(&form);
    l.show();
    EXPECT_EQ(l.size(), QSize(137, 99));
    EXPECT_EQ(l.VisibleCount(), 5);
    l.SetScrollBars(true);
    EXPECT_EQ(l.height(), 119);
    EXPECT_EQ(l.VisibleCount(), 5);
    l.resize(137, 100);
    EXPECT_EQ(l.height(), 100);
    EXPECT_EQ(l.VisibleCount(), 4);
    l.resize(137, 110);
    EXPECT_EQ(l.height(), 100);
    // Rows of 17 pixels, 2 apart, below the top band.
    EXPECT_EQ(l.ItemSlots()[0], (TRect{3, 13, 134, 30}));
    EXPECT_EQ(l.ItemSlots()[1], (TRect{3, 32, 134, 49}));
    l.SetItemHeight(0);
    EXPECT_EQ(l.ItemHeight(), 1);
    EXPECT_EQ(l.height(), 4 * 3 + 24);
}

TEST_F(ListBoxTest, ItemsFromASourceListAreTrimmedThereAndClearTheSelection)
{
    TFlatListBox* l = list(3);
    l->SetSelected(1, true);

    QStringList tooMany;
    for (int i = 0; i < 257; ++i)
        tooMany << " x ";
    l->SetItems(tooMany);
    EXPECT_EQ(l->Items(), (QStringList{"0", "1", "2"}));
    EXPECT_TRUE(l->GetSelected(1));
    EXPECT_EQ(tooMany[0], " x ");

    QStringList full;
    for (int i = 0; i < 256; ++i)
        full << QStringLiteral(" \t%1\r\n").arg(i);
    l->SetItems(full);
    EXPECT_EQ(l->Items().size(), 256);
    EXPECT_EQ(full[7], "7");
    EXPECT_EQ(l->Items()[255], "255");
    EXPECT_FALSE(l->GetSelected(1));

    // A disabled list keeps its selection when its items change.
    l->SetSelected(2, true);
    l->setEnabled(false);
    l->AddItem("x");
    EXPECT_TRUE(l->GetSelected(2));
}

TEST_F(ListBoxTest, SelectionByIndex)
{
    TFlatListBox* l = list(3);
    l->SetSelected(1, true);
    l->SetSelected(300, true);
    EXPECT_FALSE(l->GetSelected(1));
    EXPECT_FALSE(l->GetSelected(300));
    EXPECT_FALSE(l->GetSelected(-1));
    l->SetMultiSelect(true);
    l->SetSelected(0, true);
    l->SetSelected(2, true);
    EXPECT_TRUE(l->GetSelected(0));
    EXPECT_TRUE(l->GetSelected(2));
}

TEST_F(ListBoxTest, PressOnARowSelectsItWithoutMouseDown)
{
    TFlatListBox* l = list(2);
    int downs = 0, ups = 0;
    QObject::connect(l, &TFlatControl::OnMouseDown, [&] { ++downs; });
    QObject::connect(l, &TFlatControl::OnMouseUp, [&] { ++ups; });

    click(*l, row(*l, 0));
    EXPECT_TRUE(l->GetSelected(0));
    EXPECT_EQ(downs, 0);
    EXPECT_EQ(ups, 1);
    EXPECT_TRUE(l->hasFocus());

    // An empty row below the last item still selects its index, and the earlier one goes.
    click(*l, row(*l, 3));
    EXPECT_TRUE(l->GetSelected(3));
    EXPECT_FALSE(l->GetSelected(0));

    // The right button neither selects nor is swallowed.
    click(*l, row(*l, 1), Qt::RightButton);
    EXPECT_FALSE(l->GetSelected(1));
    EXPECT_EQ(downs, 1);

    // With MultiSelect a press toggles its row only.
    l->SetMultiSelect(true);
    click(*l, row(*l, 0));
    click(*l, row(*l, 1));
    click(*l, row(*l, 0));
    EXPECT_FALSE(l->GetSelected(0));
    EXPECT_TRUE(l->GetSelected(1));
    EXPECT_TRUE(l->GetSelected(3));
}

TEST_F(ListBoxTest, OnlyALeftPressOnARowTakesTheFocus)
{
    TFlatListBox* l = list(8);
    struct Case {
        const char* what;
        QPoint at;
        Qt::MouseButton button;
        bool takesFocus;
    };
    const Case cases[] = {
        {"right on a row", row(*l, 1), Qt::RightButton, false},
        {"right on the top band", {60, 5}, Qt::RightButton, false},
        {"right on the bottom band", {60, 95}, Qt::RightButton, false},
        {"left on the bottom band", {60, 95}, Qt::LeftButton, false},
        {"middle on a row", row(*l, 2), Qt::MiddleButton, false},
        {"left on a row", row(*l, 2), Qt::LeftButton, true},
    };
    for (const Case& c : cases) {
        focusHolder().setFocus();
        userClick(*l, c.at, c.button);
        EXPECT_EQ(l->hasFocus(), c.takesFocus) << c.what;
    }
}

TEST_F(ListBoxTest, PaintsFrameRowsBandsAndArrows)
{
    TFlatListBox* l = list(6);
    l->SetSelected(1, true);
    const QImage image = snapshot(*l);
    const int m = l->width() / 2, b = l->height();
    EXPECT_EQ(Hex{pixel(image, 0, 50)}, Hex{0x303030});               // frame: ColorBorder
    EXPECT_EQ(Hex{pixel(image, 2, 50)}, Hex{0x404040});               // body: ColorItemsRect
    EXPECT_EQ(Hex{pixel(image, 130, row(*l, 1).y())}, Hex{0x505050}); // selected row
    EXPECT_EQ(Hex{pixel(image, 3, row(*l, 1).y())}, Hex{0x303030});   // its frame
    EXPECT_EQ(Hex{pixel(image, 130, row(*l, 0).y())}, Hex{0x404040}); // unselected row
    EXPECT_EQ(Hex{pixel(image, 10, 5)}, Hex{0x101010});               // top band: Color
    EXPECT_EQ(Hex{pixel(image, 10, 10)}, Hex{0x303030});              // its frame
    EXPECT_EQ(Hex{pixel(image, 10, b - 5)}, Hex{0x101010});           // bottom band
    // At the top: the up arrow is inactive (grey on white), the down arrow active.
    EXPECT_EQ(Hex{pixel(image, m, 4)}, Hex{clGray});
    EXPECT_EQ(Hex{pixel(image, m + 1, 7)}, Hex{clWhite});
    EXPECT_EQ(Hex{pixel(image, m, b - 5)}, Hex{0x202020});
    EXPECT_EQ(Hex{pixel(image, m - 2, b - 7)}, Hex{0x202020});

    // Scrolled to the end the arrows swap; disabled both are inactive and the text is embossed.
    wheel(*l, -120 * 5);
    const QImage end = snapshot(*l);
    EXPECT_EQ(Hex{pixel(end, m, 4)}, Hex{0x202020});
    EXPECT_EQ(Hex{pixel(end, m, b - 5)}, Hex{clGray});
    l->setEnabled(false);
    const QImage disabled = snapshot(*l);
    EXPECT_EQ(Hex{pixel(disabled, m, 4)}, Hex{clGray});
    EXPECT_GT(countNear(disabled, ColorToRGB(clBtnShadow), QRect(3, 13, 20, 17)), 3);
}

TEST_F(ListBoxTest, WheelScrollsByWholeNotchesOfTheDeltaAndTheUsersLines)
{
    struct Case {
        const char* name;
        int items, startAt, lines;
        std::vector<int> deltas;
        int firstItem;
    };
    // 4 visible rows.
    const Case cases[] = {
        {"one notch down", 20, 0, 3, {-120}, 3},
        {"one notch up", 20, 5, 3, {120}, 2},
        {"up stops at the top", 20, 2, 3, {120}, 0},
        {"down stops with the last item in the bottom row", 20, 15, 3, {-120}, 16},
        {"two notches in one event", 20, 0, 3, {-240}, 6},
        {"fine wheel adds up to a notch", 20, 0, 3, {-40, -40, -39}, 0},
        {"fine wheel, whole notch", 20, 0, 3, {-40, -40, -40}, 3},
        {"a delta that is not a multiple of a byte", 20, 0, 1, {-256}, 2},
        {"setting 0 scrolls a page", 20, 0, 0, {-120}, 4},
        {"a page-at-a-time setting scrolls a page", 20, 0, -1, {-120}, 4},
        {"an absurd setting scrolls a page", 20, 8, 2000000000, {120}, 4},
        {"a list shorter than its rows stays put", 3, 0, 3, {-120}, 0},
        {"touchpad steps add up to a notch", 20, 0, 3, {-8, -8, -8, -8, -8, -8, -8, -8, -8, -8, -8, -8, -8, -8, -8}, 3},
        {"touchpad steps up add up to a notch", 20, 6, 3, {15, 15, 15, 15, 15, 15, 15, 15}, 3},
        {"a notch down after a part notch up", 20, 0, 3, {100, -120}, 3},
        {"a notch up after a part notch down", 20, 6, 3, {-100, 120}, 3},
        {"turning back drops the part notch", 20, 0, 3, {-100, 40, -40, -40}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<TFlatListBox> l(list(c.items));
        desktop.scrollLines = 1;
        for (int i = 0; i < c.startAt; ++i)
            wheel(*l, -120);
        ASSERT_EQ(l->FirstItem(), c.startAt);
        desktop.scrollLines = c.lines;
        for (int delta : c.deltas)
            wheel(*l, delta);
        EXPECT_EQ(l->FirstItem(), c.firstItem);
    }
}

TEST_F(ListBoxTest, HoldingABandScrollsAtOnceThenAfter600ThenEvery100Milliseconds)
{
    TFlatListBox* l = list(7);
    ClassTimer& timer = TFlatListBox::ScrollTimer();
    const QPoint bottomBand(20, l->height() - 5);

    press(*l, bottomBand);
    EXPECT_EQ(l->FirstItem(), 1);
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 600);
    EXPECT_EQ(timer.owner(), l);
    l->ScrollTimerTick();
    EXPECT_EQ(l->FirstItem(), 2);
    EXPECT_EQ(timer.interval(), 100);
    l->ScrollTimerTick();
    EXPECT_EQ(l->FirstItem(), 3);
    // The last item is in the bottom row: the next tick stops.
    l->ScrollTimerTick();
    EXPECT_EQ(l->FirstItem(), 3);
    EXPECT_FALSE(timer.isActive());
    release(*l, bottomBand);
    EXPECT_EQ(timer.interval(), 600);

    press(*l, {20, 5});
    EXPECT_EQ(l->FirstItem(), 2);
    l->ScrollTimerTick();
    l->ScrollTimerTick();
    l->ScrollTimerTick();
    EXPECT_EQ(l->FirstItem(), 0);
    EXPECT_FALSE(timer.isActive());
    release(*l, {20, 5});

    // A list box destroyed while repeating takes its ticks with it.
    press(*l, bottomBand);
    EXPECT_TRUE(timer.isActive());
    delete l;
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(timer.owner(), nullptr);
}

// Changing the items leaves the top row where it was, also past the new end; the user's next
// scroll brings it back: the wheel down to the last full page, the wheel up and the top band by
// their own steps, and the bottom band not at all.
TEST_F(ListBoxTest, ChangingTheItemsKeepsTheTopRow)
{
    struct Case {
        const char* name;
        std::function<void(TFlatListBox&)> change;
        std::function<void(TFlatListBox&)> thenScroll;
        int firstItem;
    };
    auto refillWithTwo = [](TFlatListBox& l) {
        QStringList two{"Ala", "Ola"};
        l.SetItems(two);
    };
    auto deleteMost = [](TFlatListBox& l) {
        while (l.Items().size() > 2)
            l.DeleteItem(0);
    };
    auto clear = [](TFlatListBox& l) { l.ClearItems(); };
    auto none = [](TFlatListBox&) {};
    auto wheelDown = [](TFlatListBox& l) { wheel(l, -120); };
    auto wheelUp = [](TFlatListBox& l) { wheel(l, 120); };
    auto topBand = [](TFlatListBox& l) { click(l, {20, 5}); };
    auto bottomBand = [](TFlatListBox& l) { click(l, {20, l.height() - 5}); };
    const Case cases[] = {
        {"refilled", refillWithTwo, none, 12},
        {"items deleted", deleteMost, none, 12},
        {"cleared", clear, none, 12},
        {"refilled, then the wheel down", refillWithTwo, wheelDown, 0},
        {"refilled, then the wheel up", refillWithTwo, wheelUp, 9},
        {"refilled, then the top band", refillWithTwo, topBand, 11},
        {"refilled, then the bottom band", refillWithTwo, bottomBand, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<TFlatListBox> l(list(20));
        wheel(*l, -120 * 4);
        ASSERT_EQ(l->FirstItem(), 12);
        c.change(*l);
        c.thenScroll(*l);
        EXPECT_EQ(l->FirstItem(), c.firstItem);
    }

    // Scrolled past the end the rows are empty and only the up arrow is active.
    std::unique_ptr<TFlatListBox> l(list(20));
    wheel(*l, -120 * 4);
    refillWithTwo(*l);
    const QImage image = snapshot(*l);
    const int m = l->width() / 2, b = l->height();
    EXPECT_EQ(countNear(image, FontColor(l.get()), QRect(3, 13, 131, l->height() - 26)), 0);
    EXPECT_EQ(Hex{pixel(image, m, 4)}, Hex{0x202020});
    EXPECT_EQ(Hex{pixel(image, m, b - 5)}, Hex{clGray});
}

TEST_F(ListBoxTest, AListBoxNotYetShownScrollsByItsCurrentHeight)
{
    // Windows lay out their controls before showing them.
    TFlatListBox l;
    l.SetScrollBars(true);
    l.setGeometry(0, 0, 137, 100);
    QStringList items{"0", "1", "2", "3", "4", "5", "6"};
    l.SetItems(items);
    EXPECT_EQ(l.VisibleCount(), 4);
    wheel(l, -120);
    EXPECT_EQ(l.FirstItem(), 3);
}

// A sorted list orders by the Polish collation also in the C locale, case ignored, and keeps
// equal items in the order they came; items added later go after their equals.
TEST_F(ListBoxTest, SortedListsFollowPolishOrderInAnyLocale)
{
    const CLocaleSession cLocale;
    TFlatListBox* l = list(0);
    QStringList items{"Żaneta", "zenon", "Łucja", "Lucyna", "Ścibor", "Sebastian", "adam", "Adam"};
    l->SetItems(items);
    l->SetSorted(true);
    EXPECT_EQ(l->Items(), QStringList({"adam", "Adam", "Lucyna", "Łucja", "Sebastian", "Ścibor", "zenon", "Żaneta"}));
    EXPECT_EQ(l->AddItem("ADAM"), 2);
    EXPECT_EQ(l->AddItem("Źdźbło"), 8);
    EXPECT_EQ(l->Items().at(8), "Źdźbło");
}
