#include "dane_biznesowe.h"
#include "wybor_typu_nowego.h"

#include "TFlatEditUnit.h"
#include "TFlatRadioButtonUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "children.h"
#include "flattest.h"
#include "shape.h"

#include <QApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

using wybor_typu_nowego::TForm6;

class EntryTypeTest : public FlatTest {
protected:
    ColorScheme scheme;
};

TEST_F(EntryTypeTest, ConfirmsTheCheckedKindAndCancelKeepsTheLastOne)
{
    TForm6 dialog(scheme);
    struct Case {
        const char* what;
        std::function<void(TForm6&)> act;
        int result;
        const char* entryType;
    };
    const Case cases[] = {
        {"reminder",
         [](TForm6& d) {
             child<TFlatRadioButton>(d, "FlatRadioButton2")->SetChecked(true);
             child<TFlatSpeedButton>(d, "FlatSpeedButton1")->Click();
         },
         mrOk, "jednorazowka"},
        {"X keeps it",
         [](TForm6& d) {
             child<TFlatRadioButton>(d, "FlatRadioButton1")->SetChecked(true);
             child<TFlatSpeedButton>(d, "FlatSpeedButton2")->Click();
         },
         mrCancel, "jednorazowka"},
        {"close box", [](TForm6& d) { d.close(); }, mrCancel, "jednorazowka"},
        {"Enter on the person",
         [](TForm6& d) {
             child<TFlatRadioButton>(d, "FlatRadioButton1")->SetChecked(true);
             QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
             QApplication::sendEvent(child<TFlatRadioButton>(d, "FlatRadioButton1"), &enter);
         },
         mrOk, "osoba"},
    };
    for (const Case& c : cases) {
        dialog.open();
        c.act(dialog);
        EXPECT_FALSE(dialog.isVisible()) << c.what;
        EXPECT_EQ(dialog.result(), c.result) << c.what;
        EXPECT_EQ(dialog.EntryType(), c.entryType) << c.what;
    }
}

TEST_F(EntryTypeTest, FrameTakesTheBarOutlineColour)
{
    scheme.tlo_napisy = 0x00FF00;
    scheme.paski_ramka = 0x0000FF;
    scheme.paski_tlo = 0xFF0000;
    TForm6 dialog(scheme);
    dialog.show();
    const QImage image = snapshot(dialog);
    EXPECT_EQ(Hex{pixel(image, 2, 50)}, Hex{scheme.paski_ramka});
    EXPECT_EQ(Hex{pixel(image, 296, 10)}, Hex{scheme.paski_tlo});
    EXPECT_EQ(Hex{child<TFlatRadioButton>(dialog, "FlatRadioButton2")->ColorBorder()}, Hex{scheme.tlo_napisy});
    EXPECT_EQ(child<TFlatRadioButton>(dialog, "FlatRadioButton1")->Caption(), "Osoba");
    EXPECT_EQ(child<TFlatSpeedButton>(dialog, "FlatSpeedButton1")->toolTip(), QString::fromUtf8("Zatwierdź wybór"));
}

TEST_F(EntryTypeTest, BusinessDataKEmptiesItsFieldAndTheButtonsClose)
{
    ColorScheme s;
    s.ComboBox_tekst1 = 0x123456;
    dane_biznesowe::TForm14 dialog(s);
    dialog.open();
    EXPECT_EQ(Hex{FontColor(child<TFlatEdit>(dialog, "FlatEdit1"))}, Hex{s.ComboBox_tekst1});
    child<TFlatEdit>(dialog, "FlatEdit1")->setText(QStringLiteral("1"));
    child<TFlatEdit>(dialog, "FlatEdit2")->setText(QStringLiteral("2"));
    child<TFlatSpeedButton>(dialog, "FlatSpeedButton4")->Click();
    EXPECT_EQ(child<TFlatEdit>(dialog, "FlatEdit1")->text(), "1");
    EXPECT_EQ(child<TFlatEdit>(dialog, "FlatEdit2")->text(), "");
    child<TFlatSpeedButton>(dialog, "FlatSpeedButton3")->Click();
    EXPECT_EQ(child<TFlatEdit>(dialog, "FlatEdit1")->text(), "");
    EXPECT_TRUE(dialog.isVisible());
    child<TFlatSpeedButton>(dialog, "FlatSpeedButton2")->Click();
    EXPECT_EQ(dialog.result(), mrOk);
    dialog.open();
    child<TFlatSpeedButton>(dialog, "FlatSpeedButton1")->Click();
    EXPECT_EQ(dialog.result(), mrCancel);
}

} // namespace
