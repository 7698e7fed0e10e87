#include "TFlatCheckBoxUnit.h"
#include "TFlatRadioButtonUnit.h"
#include "flattest.h"
#include "userinput.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class MarkTest : public FlatTest {
protected:
    MarkTest()
    {
        form.show();
        QApplication::setActiveWindow(&form);
    }

    template <class Control> Control* control(QWidget* parent = nullptr)
    {
        auto* c = new Control(parent ? parent : &form);
        c->SetColor(0x101010);
        c->SetIndexedColor(0, 0x202020); // focused
        c->SetIndexedColor(1, 0x303030); // down
        c->SetIndexedColor(2, 0x0000FF); // check or dot
        c->SetIndexedColor(3, 0x404040); // border
        c->SetCaption("Imieniny");
        SetFontColor(c, 0x00C000);
        c->show();
        return c;
    }

    std::unique_ptr<TFlatMarkControl> mark(bool radio)
    {
        return std::unique_ptr<TFlatMarkControl>(radio ? static_cast<TFlatMarkControl*>(control<TFlatRadioButton>())
                                                       : control<TFlatCheckBox>());
    }

    // Records OnClick with the Checked value at that moment, and OnMouseDown/Up.
    struct Events {
        std::vector<std::string> seen;
        void watch(TFlatMarkControl* c)
        {
            QObject::connect(c, &TFlatControl::OnClick,
                             [this, c] { seen.push_back(c->Checked() ? "click:on" : "click:off"); });
            QObject::connect(c, &TFlatControl::OnMouseDown, [this] { seen.push_back("down"); });
            QObject::connect(c, &TFlatControl::OnMouseUp, [this] { seen.push_back("up"); });
        }
    };
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(MarkTest, Defaults)
{
    TFlatCheckBox box;
    TFlatRadioButton radio;
    for (TFlatMarkControl* c : {static_cast<TFlatMarkControl*>(&box), static_cast<TFlatMarkControl*>(&radio)}) {
        EXPECT_EQ(c->geometry(), QRect(0, 0, 121, 17));
        EXPECT_EQ(c->ColorFocused(), 0xFFFFFFu);
        EXPECT_EQ(c->ColorDown(), 0xC5D6D9u);
        EXPECT_EQ(c->ColorBorder(), 0x8396A0u);
        EXPECT_TRUE(c->ParentColor());
        EXPECT_FALSE(c->Checked());
    }
    EXPECT_EQ(box.ColorCheck(), 0x000000u);
    EXPECT_EQ(radio.ColorDot(), 0x000000u);
    EXPECT_TRUE(box.TabStop());
    EXPECT_FALSE(radio.TabStop());
}

// The mark's frame, fill and check or dot in each state and layout.
TEST_F(MarkTest, PaintsTheMarkOfEachState)
{
    struct Case {
        const char* name;
        bool radio, right;
        std::function<void(TFlatMarkControl&)> setUp;
        TColor fill, mark;
    };
    auto none = [](TFlatMarkControl&) {};
    auto check = [](TFlatMarkControl& c) { c.SetChecked(true); };
    auto hover = [this](TFlatMarkControl& c) { moveOnto(c); };
    auto focus = [](TFlatMarkControl& c) { c.setFocus(); };
    auto hold = [this](TFlatMarkControl& c) {
        moveOnto(c);
        press(c, {5, 8});
    };
    auto disabledChecked = [](TFlatMarkControl& c) {
        c.SetChecked(true);
        c.setEnabled(false);
    };
    const TColor shadow = ColorToRGB(clBtnShadow);
    const Case cases[] = {
        {"box at rest", false, false, none, 0x101010, 0x101010},
        {"box checked", false, false, check, 0x101010, 0x0000FF},
        {"box hovered", false, false, hover, 0x202020, 0x202020},
        {"box focused", false, false, focus, 0x202020, 0x202020},
        {"box held", false, false, hold, 0x303030, 0x303030},
        {"box disabled", false, false, disabledChecked, 0x101010, shadow},
        {"box at the right", false, true, check, 0x101010, 0x0000FF},
        {"radio at rest", true, false, none, 0x101010, 0x101010},
        {"radio checked", true, false, check, 0x101010, 0x0000FF},
        {"radio hovered", true, false, hover, 0x202020, 0x202020},
        {"radio held", true, false, hold, 0x303030, 0x303030},
        {"radio disabled", true, false, disabledChecked, 0x101010, shadow},
        {"radio at the right", true, true, check, 0x101010, 0x0000FF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<TFlatMarkControl> w;
        if (c.radio) {
            auto* r = control<TFlatRadioButton>();
            r->SetLayout(c.right ? radioRight : radioLeft);
            w.reset(r);
        } else {
            auto* b = control<TFlatCheckBox>();
            b->SetLayout(c.right ? checkboxRight : checkboxLeft);
            w.reset(b);
        }
        c.setUp(*w);
        const QImage image = snapshot(*w);
        // Box (1, 3, 12, 14) or circle square (1, 3, 11, 13), mirrored at the right.
        const int l = c.right ? w->width() - (c.radio ? 11 : 12) : 1;
        if (c.radio) {
            EXPECT_EQ(Hex{pixel(image, l, 8)}, Hex{0x404040});   // outline, left middle
            EXPECT_EQ(Hex{pixel(image, l + 2, 8)}, Hex{c.fill}); // inside the circle
            EXPECT_EQ(Hex{pixel(image, l + 4, 7)}, Hex{c.mark}); // the dot
            EXPECT_EQ(Hex{pixel(image, l, 3)}, Hex{0x101010});   // outside the circle
        } else {
            EXPECT_EQ(Hex{pixel(image, l, 3)}, Hex{0x404040}); // frame corners
            EXPECT_EQ(Hex{pixel(image, l + 10, 13)}, Hex{0x404040});
            EXPECT_EQ(Hex{pixel(image, l + 11, 14)}, Hex{0x101010}); // just outside
            EXPECT_EQ(Hex{pixel(image, l + 9, 12)}, Hex{c.fill});
            EXPECT_EQ(Hex{pixel(image, l + 3, 8)}, Hex{c.mark}); // on the first stroke
        }
        // The caption stands beside the mark.
        const QRect captionArea = c.right ? QRect(1, 1, w->width() - 17, 15) : QRect(16, 1, w->width() - 17, 15);
        const QRect markArea = c.right ? QRect(w->width() - 14, 0, 14, 17) : QRect(0, 0, 14, 17);
        const TColor text = w->isEnabled() ? FontColor(w.get()) : shadow;
        EXPECT_GT(countNear(image, text, captionArea), 10);
        if (c.mark != shadow) {
            EXPECT_EQ(countNear(image, text, markArea), 0);
        }
    }
}

TEST_F(MarkTest, CheckedFromCodeRaisesClickBothWaysAndOnlyOnAChange)
{
    auto* box = control<TFlatCheckBox>();
    Events events;
    events.watch(box);
    box->SetChecked(true);
    box->SetChecked(true);
    box->SetChecked(false);
    EXPECT_EQ(events.seen, (Strings{"click:on", "click:off"}));
}

TEST_F(MarkTest, ClickOnACheckBoxRaisesTheOwnClickThenTheChange)
{
    auto* box = control<TFlatCheckBox>();
    Events events;
    events.watch(box);
    moveOnto(*box, {5, 8});
    click(*box, {5, 8});
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(events.seen, (Strings{"down", "click:off", "click:on", "up"}));
    EXPECT_TRUE(box->hasFocus());

    // Released outside after a press: the hover stays while the button is held, so it still toggles,
    // but the control's own click does not come.
    events.seen.clear();
    press(*box, {5, 8});
    moveOff(*box, {200, 8}, Qt::LeftButton);
    box->HoverTimerTick();
    EXPECT_TRUE(box->Hovered());
    release(*box, {200, 8});
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(events.seen, (Strings{"down", "click:off", "up"}));

    // The right button does nothing and raises nothing.
    events.seen.clear();
    moveOnto(*box, {5, 8});
    click(*box, {5, 8}, Qt::RightButton);
    EXPECT_FALSE(box->Checked());
    EXPECT_TRUE(events.seen.empty());
}

TEST_F(MarkTest, SpaceAndAcceleratorToggleACheckBox)
{
    auto* box = control<TFlatCheckBox>();
    box->setFocus();
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QApplication::sendEvent(box, &space);
    EXPECT_TRUE(box->Checked());

    box->SetCaption("&Urodziny");
    box->clearFocus();
    QKeyEvent alt(QEvent::KeyPress, Qt::Key_U, Qt::AltModifier, "u");
    QApplication::sendEvent(&form, &alt);
    QApplication::processEvents();
    EXPECT_FALSE(box->Checked());
    EXPECT_TRUE(box->hasFocus());
}

TEST_F(MarkTest, RadioReleaseCountsBothEdgesButNothingBeyond)
{
    struct Case {
        QPoint at;
        bool checks;
    };
    for (const Case& c : {Case{{121, 17}, true}, Case{{0, 0}, true}, Case{{122, 8}, false}, Case{{5, 18}, false},
                          Case{{-1, 8}, false}}) {
        std::unique_ptr<TFlatRadioButton> r(control<TFlatRadioButton>());
        press(*r, {5, 8});
        release(*r, c.at);
        EXPECT_EQ(r->Checked(), c.checks) << c.at.x() << "," << c.at.y();
    }
}

TEST_F(MarkTest, RadioButtonsOfOneParentAndGroupExcludeEachOther)
{
    QWidget panel(&form);
    auto* a = control<TFlatRadioButton>();
    auto* b = control<TFlatRadioButton>();
    auto* otherGroup = control<TFlatRadioButton>();
    otherGroup->SetGroupIndex(1);
    auto* onPanel = control<TFlatRadioButton>(&panel);
    a->SetChecked(true);
    otherGroup->SetChecked(true);
    onPanel->SetChecked(true);
    EXPECT_TRUE(a->TabStop());

    Events aEvents, bEvents;
    aEvents.watch(a);
    bEvents.watch(b);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_FALSE(a->TabStop());
    EXPECT_TRUE(b->TabStop());
    EXPECT_TRUE(otherGroup->Checked());
    EXPECT_TRUE(onPanel->Checked());
    EXPECT_TRUE(aEvents.seen.empty());
    EXPECT_EQ(bEvents.seen, Strings{"click:on"});

    // A click on the checked one raises only its own click; on an unchecked one the group is
    // updated before the second click.
    bEvents.seen.clear();
    click(*b, {5, 8});
    EXPECT_EQ(bEvents.seen, (Strings{"down", "click:on", "up"}));
    QObject::connect(a, &TFlatControl::OnClick, [&] {
        if (a->Checked())
            aEvents.seen.push_back(b->Checked() ? "b still on" : "b off");
    });
    click(*a, {5, 8});
    EXPECT_EQ(aEvents.seen, (Strings{"down", "click:off", "click:on", "b off", "up"}));
}

TEST_F(MarkTest, OnlyALeftPressTakesTheFocus)
{
    for (bool radio : {false, true}) {
        SCOPED_TRACE(radio ? "radio button" : "check box");
        const std::unique_ptr<TFlatMarkControl> c = mark(radio);
        focusHolder().setFocus();
        for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            userClick(*c, {5, 8}, button);
            EXPECT_TRUE(focusHolder().hasFocus()) << button;
        }
        userClick(*c, {5, 8}, Qt::LeftButton);
        EXPECT_TRUE(c->hasFocus());
    }
}

// Disabling the focused control moves the focus on while the control is already disabled; its
// mark must still lose the focus fill, so that only one control looks focused.
TEST_F(MarkTest, AControlDisabledWithTheFocusLosesTheFocusFill)
{
    struct Case {
        const char* name;
        bool radio, viaParent;
    };
    const Case cases[] = {
        {"check box disabled itself", false, false},
        {"radio button disabled itself", true, false},
        {"check box on a disabled panel", false, true},
        {"radio button on a disabled panel", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget panel(&form);
        panel.show();
        QLineEdit& other = focusHolder();
        std::unique_ptr<TFlatMarkControl> w(c.radio ? static_cast<TFlatMarkControl*>(control<TFlatRadioButton>(&panel))
                                                    : control<TFlatCheckBox>(&panel));
        // Inside the box, or inside the circle.
        const QPoint inside = c.radio ? QPoint(3, 8) : QPoint(10, 12);
        w->setFocus();
        ASSERT_EQ(Hex{pixel(snapshot(*w), inside.x(), inside.y())}, Hex{0x202020});

        QWidget& disabled = c.viaParent ? panel : *w;
        disabled.setEnabled(false);
        EXPECT_FALSE(w->hasFocus());
        // A disabled panel takes the focus away altogether; else it moves to the next control.
        EXPECT_EQ(other.hasFocus(), !c.viaParent);
        EXPECT_EQ(Hex{pixel(snapshot(*w), inside.x(), inside.y())}, Hex{0x101010});
        disabled.setEnabled(true);
        EXPECT_EQ(Hex{pixel(snapshot(*w), inside.x(), inside.y())}, Hex{0x101010});
    }
}

TEST_F(MarkTest, HoverEndsOnLeaveAndWhenTheWindowClosesOverTheControl)
{
    for (bool radio : {false, true}) {
        SCOPED_TRACE(radio ? "radio button" : "check box");
        const std::unique_ptr<TFlatMarkControl> c = mark(radio);
        // The focus elsewhere, so the hover alone lights the mark.
        focusHolder().setFocus();
        moveOnto(*c, {5, 8});
        ASSERT_TRUE(c->Hovered());
        desktop.moveOnto(nullptr);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(c.get(), &leave);
        EXPECT_FALSE(c->Hovered());

        // Closed with the mouse over it, the control sees no leave and no more ticks.
        moveOnto(*c, {5, 8});
        form.hide();
        form.show();
        QApplication::setActiveWindow(&form);
        EXPECT_FALSE(c->Hovered());
        EXPECT_EQ(Hex{pixel(snapshot(*c), 5, 8)}, Hex{0x101010});
    }
}
