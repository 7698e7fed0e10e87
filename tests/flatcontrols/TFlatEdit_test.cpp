#include "TFlatEditUnit.h"
#include "TFlatMemoUnit.h"
#include "flattest.h"
#include "userinput.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEnterEvent>
#include <QLineEdit>
#include <QScrollBar>

namespace {

class EditTest : public FlatTest {
protected:
    EditTest()
    {
        form.show();
        QApplication::setActiveWindow(&form);
    }

    template <class Field> Field* field(QPoint at = QPoint(10, 10))
    {
        auto* f = new Field(&form);
        f->move(at);
        f->SetColorFlat(0x111111);
        f->SetColorFocused(0x222222);
        f->SetColorBorder(0x333333);
        f->show();
        return f;
    }

    static void enter(QWidget& w)
    {
        QEnterEvent e(QPointF(2, 2), QPointF(2, 2), QPointF(w.mapToGlobal(QPoint(2, 2))));
        QApplication::sendEvent(&w, &e);
    }
    static void leave(QWidget& w)
    {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(&w, &e);
    }

    // Frame line, the two inner lines and the text area's background.
    static void expectLook(QWidget& w, TColor fill)
    {
        const QImage image = snapshot(w);
        EXPECT_EQ(Hex{pixel(image, 0, 0)}, Hex{0x333333});
        EXPECT_EQ(Hex{pixel(image, w.width() - 1, w.height() - 1)}, Hex{0x333333});
        EXPECT_EQ(Hex{pixel(image, 1, 1)}, Hex{fill});
        EXPECT_EQ(Hex{pixel(image, 2, w.height() - 3)}, Hex{fill});
        EXPECT_EQ(Hex{pixel(image, w.width() - 6, w.height() / 2)}, Hex{fill});
    }
};

} // namespace

TEST_F(EditTest, DefaultsFollowTheParentColourUntilTheSchemeSetsOne)
{
    TFlatEdit edit(&form);
    EXPECT_EQ(edit.size(), QSize(121, 19));
    EXPECT_TRUE(edit.ParentColor());
    EXPECT_EQ(edit.ColorFlat(), 0xA4A0A0u);
    EXPECT_EQ(edit.ColorFocused(), 0xFFFFFFu);
    EXPECT_EQ(edit.ColorBorder(), 0x8396A0u);
    TFlatMemo memo(&form);
    EXPECT_EQ(memo.size(), QSize(185, 89));

    // While ParentColor is on the field follows the parent's colour ...
    SetWidgetColor(&form, 0x00FF00);
    EXPECT_EQ(edit.ColorFlat(), 0x00FF00u);
    // ... and storing ColorFlat turns it off, so the parent no longer matters.
    edit.SetIndexedColor(2, 0x0000FF);
    memo.SetColorFlat(0x0000FF);
    EXPECT_FALSE(edit.ParentColor());
    SetWidgetColor(&form, 0xFF0000);
    EXPECT_EQ(edit.ColorFlat(), 0x0000FFu);
    EXPECT_EQ(memo.ColorFlat(), 0x0000FFu);
    // An index beyond the table stores nothing.
    edit.SetIndexedColor(3, 0x123456);
    EXPECT_EQ(edit.ColorFocused(), 0xFFFFFFu);
    EXPECT_EQ(edit.ColorBorder(), 0x8396A0u);
}

TEST_F(EditTest, FrameAndBackgroundAtRestFocusedAndHovered)
{
    for (bool memo : {false, true}) {
        SCOPED_TRACE(memo ? "memo" : "edit");
        QWidget* w = memo ? static_cast<QWidget*>(field<TFlatMemo>()) : field<TFlatEdit>();
        expectLook(*w, 0x111111);
        w->setFocus();
        expectLook(*w, 0x222222);
        w->clearFocus();
        expectLook(*w, 0x111111);
        enter(*w);
        expectLook(*w, 0x222222);
        leave(*w);
        expectLook(*w, 0x111111);
        delete w;
    }
}

TEST_F(EditTest, HoverHighlightsOnlyWhileNoFieldOfTheSameClassHasTheFocus)
{
    TFlatEdit* focused = field<TFlatEdit>({10, 10});
    TFlatEdit* hovered = field<TFlatEdit>({10, 40});
    TFlatMemo* memo = field<TFlatMemo>({10, 70});

    focused->setFocus();
    ASSERT_TRUE(focused->hasFocus());
    enter(*hovered);
    EXPECT_FALSE(hovered->Active());
    leave(*hovered);

    memo->setFocus();
    enter(*hovered);
    EXPECT_TRUE(hovered->Active());
    leave(*hovered);
    EXPECT_FALSE(hovered->Active());

    // A hover that starts while another application is active does not highlight.
    focused->clearFocus();
    memo->clearFocus();
    desktop.active = nullptr;
    enter(*hovered);
    EXPECT_FALSE(hovered->Active());
    leave(*hovered);
    EXPECT_FALSE(hovered->Active());
}

TEST_F(EditTest, HoverEndsWhenTheWindowClosesOverTheFieldAndWhenTheFieldLosesTheFocus)
{
    for (bool memo : {false, true}) {
        SCOPED_TRACE(memo ? "memo" : "edit");
        QWidget* w = memo ? static_cast<QWidget*>(field<TFlatMemo>()) : field<TFlatEdit>();
        // The focus in a field of another kind, so the hover alone lights the field.
        focusHolder().setFocus();
        // Closed with the mouse over it, the window sends the field no leave.
        enter(*w);
        expectLook(*w, 0x222222);
        form.hide();
        form.show();
        QApplication::setActiveWindow(&form);
        expectLook(*w, 0x111111);

        // A menu or a dialog that takes the focus may keep the leave from ever coming.
        enter(*w);
        w->setFocus();
        w->clearFocus();
        expectLook(*w, 0x111111);
        delete w;
    }
}

TEST_F(EditTest, OnlyALeftPressOrThePlatformsEditMenuMovesTheFocusIn)
{
    QLineEdit* other = &focusHolder();
    // Fields with a menu of the window's own, such as the quick dates of the year fields.
    TFlatEdit* edit = field<TFlatEdit>({10, 40});
    TFlatMemo* memo = field<TFlatMemo>({10, 70});
    for (QWidget* w : {static_cast<QWidget*>(edit), static_cast<QWidget*>(memo)})
        w->setContextMenuPolicy(Qt::CustomContextMenu);
    for (QWidget* target : {static_cast<QWidget*>(edit), memo->viewport()}) {
        QWidget* fieldOfTarget = target == edit ? static_cast<QWidget*>(edit) : memo;
        other->setFocus();
        for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            userClick(*target, {10, 5}, button);
            EXPECT_TRUE(other->hasFocus()) << button;
            EXPECT_FALSE(edit->Active());
        }
        userClick(*target, {10, 5}, Qt::LeftButton);
        EXPECT_TRUE(fieldOfTarget->hasFocus());
    }

    // The platform's own edit menu takes the focus as it opens, as the platform's fields do.
    TFlatEdit* plain = field<TFlatEdit>({10, 180});
    other->setFocus();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(10, 5), plain->mapToGlobal(QPoint(10, 5)));
    QApplication::sendEvent(plain, &menu);
    EXPECT_TRUE(plain->hasFocus());
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

TEST_F(EditTest, FontHeightSetsTheEditsHeightButNotTheMemos)
{
    TFlatEdit* edit = field<TFlatEdit>();
    TFlatMemo* memo = field<TFlatMemo>({10, 40});
    QFont big = DefaultUiFont();
    big.setPixelSize(20);
    edit->setFont(big);
    memo->setFont(big);
    EXPECT_EQ(edit->height(), QFontMetrics(big).height() + 6);
    EXPECT_EQ(memo->height(), 89);
}

TEST_F(EditTest, MemoKeepsTextAndScrollBarsInsideItsFrame)
{
    TFlatMemo* memo = field<TFlatMemo>();
    memo->SetScrollBars(ssBoth);
    QApplication::processEvents();
    EXPECT_EQ(memo->viewport()->geometry().topLeft(), QPoint(3, 3));
    auto inMemo = [memo](QWidget* w) { return QRect(w->mapTo(memo, QPoint(0, 0)), w->size()); };
    EXPECT_EQ(inMemo(memo->verticalScrollBar()).right(), memo->width() - 4);
    EXPECT_EQ(inMemo(memo->horizontalScrollBar()).bottom(), memo->height() - 4);
    // The corner between the bars is filled with the field's colour.
    const QImage image = snapshot(*memo);
    EXPECT_EQ(Hex{pixel(image, memo->width() - 5, memo->height() - 5)}, Hex{0x111111});

    // The lines set are the lines read back, empty ones at either end included.
    for (const QStringList& lines : {QStringList{"Jan", "", "Kowalski"}, QStringList{"Jan", ""}, QStringList{""},
                                     QStringList{"", ""}, QStringList{"", "Jan"}, QStringList{}}) {
        memo->SetLines(lines);
        EXPECT_EQ(memo->Lines(), lines) << lines.join('|').toStdString();
    }
    memo->setPlainText("a\n");
    EXPECT_EQ(memo->Lines(), QStringList{"a"});
    memo->clear();
    EXPECT_TRUE(memo->Lines().isEmpty());
}
