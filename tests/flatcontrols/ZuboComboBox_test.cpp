#include "ZuboComboBox.h"
#include "flattest.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

namespace {

class ComboTest : public FlatTest {
protected:
    ComboTest()
    {
        form.show();
        QApplication::setActiveWindow(&form);
    }

    TZuboComboBox* combo(TComboBoxStyle style = csDropDownList)
    {
        auto* c = new TZuboComboBox(&form);
        c->SetStyle(style);
        c->setGeometry(10, 10, 73, 21);
        c->SetColor(0xEDFBFE);
        c->SetItems({"stycznia", "lutego", "marca"});
        c->show();
        return c;
    }

    // The arrow's origin: the button (W - 13 .. W) is 13 wide, so X0 = W - 13, Y0 = H / 2 - 1.
    static QPoint arrowOrigin(const TZuboComboBox& c) { return {c.width() - 13, c.height() / 2 - 1}; }
};

} // namespace

TEST_F(ComboTest, ANewBoxShowsAMaroonArrowOnItsOwnButtonColours)
{
    TZuboComboBox* c = combo();
    EXPECT_EQ(c->ColorArrow(), 0x000080u);
    EXPECT_EQ(c->ColorArrowBackground(), 0x60B3FDu);
    EXPECT_EQ(c->ColorBorder(), 0x000040u);
    EXPECT_EQ(TZuboComboBox(&form).Color(), clWindow);

    const QImage image = snapshot(*c);
    const int w = c->width(), h = c->height();
    const QPoint o = arrowOrigin(*c);
    EXPECT_EQ(Hex{pixel(image, 0, 0)}, Hex{0x000040}); // border
    EXPECT_EQ(Hex{pixel(image, 0, h - 1)}, Hex{0x000040});
    EXPECT_EQ(Hex{pixel(image, 1, 1)}, Hex{0xEDFBFE}); // the ring in Color
    EXPECT_EQ(Hex{pixel(image, 2, h - 3)}, Hex{0xEDFBFE});
    EXPECT_EQ(Hex{pixel(image, w - 13, 5)}, Hex{0x000040}); // button frame
    EXPECT_EQ(Hex{pixel(image, w - 1, h - 1)}, Hex{0x000040});
    EXPECT_EQ(Hex{pixel(image, w - 12, 2)}, Hex{0x60B3FD});        // button face
    EXPECT_EQ(Hex{pixel(image, o.x() + 4, o.y())}, Hex{0x000080}); // arrow, pointing down
    EXPECT_EQ(Hex{pixel(image, o.x() + 6, o.y() + 2)}, Hex{0x000080});
    EXPECT_EQ(Hex{pixel(image, o.x() + 4, o.y() + 2)}, Hex{0x60B3FD});
}

TEST_F(ComboTest, ArrowPointsUpWhileDroppedDownAndIsEmbossedWhenDisabled)
{
    TZuboComboBox* c = combo();
    int dropDowns = 0;
    QObject::connect(c, &TZuboComboBox::OnDropDown, [&] { ++dropDowns; });
    const QPoint o = arrowOrigin(*c);
    c->showPopup();
    EXPECT_EQ(dropDowns, 1);
    QImage image = snapshot(*c);
    EXPECT_EQ(Hex{pixel(image, o.x() + 6, o.y())}, Hex{0x000080});
    EXPECT_EQ(Hex{pixel(image, o.x() + 4, o.y() + 2)}, Hex{0x000080});
    EXPECT_EQ(Hex{pixel(image, o.x() + 4, o.y())}, Hex{0x60B3FD});
    c->hidePopup();
    image = snapshot(*c);
    EXPECT_EQ(Hex{pixel(image, o.x() + 4, o.y())}, Hex{0x000080});

    c->setEnabled(false);
    image = snapshot(*c);
    EXPECT_EQ(Hex{pixel(image, o.x() + 6, o.y() + 2)}, Hex{clGray});
    EXPECT_EQ(Hex{pixel(image, o.x() + 7, o.y() + 3)}, Hex{clWhite});
    EXPECT_EQ(Hex{pixel(image, o.x() + 9, o.y() + 1)}, Hex{clWhite});
}

TEST_F(ComboTest, IndexedColoursRepaintTheButton)
{
    TZuboComboBox* c = combo();
    c->SetIndexedColor(3, 0x123456);
    EXPECT_EQ(c->ColorArrow(), 0x000080u);
    EXPECT_EQ(c->ColorArrowBackground(), 0x60B3FDu);
    EXPECT_EQ(c->ColorBorder(), 0x000040u);
    c->SetIndexedColor(1, 0x00FF00);
    c->SetIndexedColor(2, 0xFF0000);
    const QImage image = snapshot(*c);
    EXPECT_EQ(Hex{pixel(image, c->width() - 12, 2)}, Hex{0x00FF00});
    EXPECT_EQ(Hex{pixel(image, 0, 0)}, Hex{0xFF0000});
}

TEST_F(ComboTest, TheTextFieldSitsInsideTheFlatFrame)
{
    TZuboComboBox* c = combo(csDropDown);
    ASSERT_TRUE(c->lineEdit());
    EXPECT_EQ(c->lineEdit()->geometry(), QRect(3, 3, c->width() - 18, c->height() - 6));
    c->setEditText("12");
    EXPECT_EQ(Hex{pixel(snapshot(*c), 0, 0)}, Hex{0x000040});
}

TEST_F(ComboTest, OwnerDrawnBoxesLeaveTheFaceToTheWindowAndKeepTheFrame)
{
    TZuboComboBox* c = combo(csOwnerDrawFixed);
    std::vector<int> drawn;
    bool faceFlag = false;
    QObject::connect(c, &TZuboComboBox::OnDrawItem,
                     [&](QPainter* canvas, int index, const QRect& rect, TOwnerDrawState state) {
                         drawn.push_back(index);
                         faceFlag = state.comboBoxEdit;
                         canvas->fillRect(rect, Qt::green);
                     });
    c->setCurrentIndex(1);
    const QImage image = snapshot(*c);
    EXPECT_EQ(drawn, std::vector<int>{1});
    EXPECT_TRUE(faceFlag);
    EXPECT_EQ(Hex{pixel(image, 10, 10)}, Hex{0x00FF00});
    EXPECT_EQ(Hex{pixel(image, 0, 0)}, Hex{0x000040});
    EXPECT_EQ(Hex{pixel(image, 2, 2)}, Hex{0xEDFBFE});
    EXPECT_EQ(Hex{pixel(image, c->width() - 12, 2)}, Hex{0x60B3FD});
}

TEST_F(ComboTest, OnlyTheUsersChoiceRaisesOnChange)
{
    TZuboComboBox* c = combo();
    int changes = 0;
    QObject::connect(c, &TZuboComboBox::OnChange, [&] { ++changes; });
    c->setCurrentIndex(2);
    EXPECT_EQ(changes, 0);
    emit c->activated(1);
    EXPECT_EQ(changes, 1);
}

TEST_F(ComboTest, AltWithAnArrowDropsTheListDownWithoutSteppingTheSelection)
{
    for (TComboBoxStyle style : {csDropDownList, csDropDown}) {
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down}) {
            SCOPED_TRACE(testing::Message() << "style " << style << (key == Qt::Key_Up ? ", Alt+Up" : ", Alt+Down"));
            TZuboComboBox* c = combo(style);
            c->setCurrentIndex(1);
            c->setFocus();
            QKeyEvent press(QEvent::KeyPress, key, Qt::AltModifier);
            QApplication::sendEvent(c, &press);
            EXPECT_EQ(c->currentIndex(), 1);
            EXPECT_TRUE(c->DroppedDown());
            c->hidePopup();
            delete c;
        }
    }
    // Without Alt the arrows still step the selection of a closed box.
    TZuboComboBox* c = combo();
    c->setCurrentIndex(1);
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QApplication::sendEvent(c, &up);
    EXPECT_EQ(c->currentIndex(), 0);
    EXPECT_FALSE(c->DroppedDown());
}

// With the list open, Alt+Up closes it as Alt+Down and F4 do; none of them moves the highlight or
// changes the choice.
TEST_F(ComboTest, AltWithAnArrowOrF4ClosesTheOpenList)
{
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Case cases[] = {
        {"Alt+Up", Qt::Key_Up, Qt::AltModifier},
        {"Alt+Down", Qt::Key_Down, Qt::AltModifier},
        {"F4", Qt::Key_F4, Qt::NoModifier},
    };
    for (TComboBoxStyle style : {csDropDownList, csDropDown}) {
        for (const Case& k : cases) {
            SCOPED_TRACE(testing::Message() << "style " << style << ", " << k.name);
            std::unique_ptr<TZuboComboBox> c(combo(style));
            int changes = 0;
            QObject::connect(c.get(), &TZuboComboBox::OnChange, [&] { ++changes; });
            c->setCurrentIndex(0);
            c->setFocus();
            c->showPopup();
            c->view()->setCurrentIndex(c->model()->index(2, 0));
            QTest::keyClick(c->view(), k.key, k.modifiers);
            EXPECT_FALSE(c->DroppedDown());
            EXPECT_FALSE(c->view()->isVisible());
            EXPECT_EQ(c->view()->currentIndex().row(), 2);
            EXPECT_EQ(c->currentIndex(), 0);
            EXPECT_EQ(changes, 0);
        }
    }
}
