#include "adres_nadawcy.h"

#include "TFlatMemoUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "children.h"
#include "profilefile.h"
#include "programfixture.h"

namespace {

class SenderDialogTest : public ProgramFixture {
protected:
    adres_nadawcy::TForm13& form() { return *program->Form13; }
    // Shows the dialog, lets `act` work on it, and returns the result it closed with.
    int runWith(std::function<void(adres_nadawcy::TForm13&)> act)
    {
        dialogs.scripts.append([&](QDialog&) { act(form()); });
        return dialogs.run(form());
    }
    ProfileFile ini() const { return ProfileFile(dir.file("opcje.ini")); }
};

TEST_F(SenderDialogTest, ShowsTheStoredAddressAndStoresItWholeOnZ)
{
    write("opcje.ini", {"[adres_nadawcy]", "linia1=Jan Kos", "linia2=ul. Polna 1", "linia3=???", "linia4=stara"});
    start();
    QStringList shown;
    const int result = runWith([&](adres_nadawcy::TForm13& f) {
        shown = child<TFlatMemo>(f, "FlatMemo1")->Lines();
        child<TFlatMemo>(f, "FlatMemo1")
            ->SetLines({QString::fromUtf8("Jan Kos"), QString(), QString::fromUtf8("00-950 Łódź")});
        child<TFlatSpeedButton>(f, "FlatSpeedButton1")->Click();
    });
    EXPECT_EQ(shown, (QStringList{"Jan Kos", "ul. Polna 1"}));
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(form().AddressLines(), (QList<QByteArray>{"Jan Kos", "", cp("00-950 Łódź")}));
    EXPECT_EQ(ini().readString("adres_nadawcy", "linia3", "???"), cp("00-950 Łódź"));
    EXPECT_EQ(ini().readString("adres_nadawcy", "linia4", "???"), "???");
}

TEST_F(SenderDialogTest, EmptyLinesAtTheEndAreShownAndStoredAgain)
{
    write("opcje.ini", {"[adres_nadawcy]", "linia1=Jan Kos", "linia2=", "linia3="});
    start();
    QStringList shown;
    runWith([&](adres_nadawcy::TForm13& f) {
        shown = child<TFlatMemo>(f, "FlatMemo1")->Lines();
        child<TFlatSpeedButton>(f, "FlatSpeedButton1")->Click();
    });
    EXPECT_EQ(shown, (QStringList{"Jan Kos", "", ""}));
    EXPECT_EQ(form().AddressLines(), (QList<QByteArray>{"Jan Kos", "", ""}));
    EXPECT_EQ(ini().readString("adres_nadawcy", "linia3", "???"), "");
}

TEST_F(SenderDialogTest, AnEmptyAddressPrintsNoneAndKeepsTheStoredOne)
{
    write("opcje.ini", {"[adres_nadawcy]", "linia1=Jan Kos"});
    start();
    const int result = runWith([](adres_nadawcy::TForm13& f) {
        child<TFlatMemo>(f, "FlatMemo1")->clear();
        child<TFlatSpeedButton>(f, "FlatSpeedButton1")->Click();
    });
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(form().AddressLines().isEmpty());
    EXPECT_EQ(ini().readString("adres_nadawcy", "linia1", "???"), "Jan Kos");
}

TEST_F(SenderDialogTest, XCancelsAndStoresNothing)
{
    start();
    const int result = runWith([](adres_nadawcy::TForm13& f) {
        child<TFlatMemo>(f, "FlatMemo1")->SetLines({"Nowy"});
        child<TFlatSpeedButton>(f, "FlatSpeedButton2")->Click();
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_FALSE(dir.exists("opcje.ini") && ini().readString("adres_nadawcy", "linia1", "???") != "???");
}

TEST_F(SenderDialogTest, ALineOutsideTheCodePageIsRefusedByNameAndTheDialogStaysOpen)
{
    start();
    bool stillOpen = false;
    runWith([&](adres_nadawcy::TForm13& f) {
        child<TFlatMemo>(f, "FlatMemo1")->SetLines({"Jan", QString::fromUtf8("Київ")});
        child<TFlatSpeedButton>(f, "FlatSpeedButton1")->Click();
        stillOpen = f.isVisible();
    });
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(prompter.shown[0].text.contains(QString::fromUtf8("adres nadawcy")));
    EXPECT_EQ(ini().readString("adres_nadawcy", "linia1", "???"), "???");
}

} // namespace
