#include "szukanie.h"

#include "TFlatEditUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatRadioButtonUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"
#include "children.h"
#include "codec1250.h"
#include "programfixture.h"
#include "shape.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace {

using szukanie::TForm7;

class SearchWindowTest : public ProgramFixture {
protected:
    void SetUp() override
    {
        write("baza/1.wps", {"<$@$>nazwisko</$@$>Zofia Nowak", "<$@$>ulica</$@$>Polna", "<$@$>grupa</$@$>Praca"});
        write("baza/2.wps", {"<$@$>nazwisko</$@$>Adam Kot", "<$@$>ulica</$@$>Polna 2", "<$@$>grupa</$@$>Rodzina"});
        write("baza/3.wps", {"<$@$>nazwisko</$@$>Ewa Lis", "<$@$>ulica</$@$>Leśna ?"});
        write("baza/4.wpj", {"<$@$>nazwisko</$@$>Rocznica", "<$@$>ulica</$@$>Polna"});
        startMain([this](start::TForm1& m) {
            search = std::make_unique<TForm7>(m.State(), m);
            return start::Dialogs{.searchDialog = search.get()};
        });
    }

    // Runs the main window's "S" with `fill` acting on the open window.
    void searchWith(const std::function<void(TForm7&)>& fill)
    {
        dialogs.scripts << [&](QDialog&) { fill(*search); };
        child<TFlatSpeedButton>(*main, "FlatSpeedButton12")->Click();
    }

    static void type(TFlatEdit* edit, const char* text) { edit->setText(QString::fromUtf8(text)); }

    std::unique_ptr<TForm7> search;
};

TEST_F(SearchWindowTest, SearchCommandPreparesTheWindowAndHitsReplaceTheList)
{
    type(search->FlatEdit[9], "left from before");
    QStringList rows;
    bool onlyAllChosen = false;
    bool firstFieldFocused = false;
    searchWith([&](TForm7& w) {
        rows = w.FlatListBox1->Items();
        onlyAllChosen = w.FlatListBox1->GetSelected(3) && !w.FlatListBox1->GetSelected(0) &&
                        !w.FlatListBox1->GetSelected(4) && w.FlatEdit[9]->text().isEmpty();
        firstFieldFocused = w.focusWidget() == w.FlatEdit[1];
        type(w.FlatEdit[2], "POLNA");
        w.FlatSpeedButton10->Click();
    });
    EXPECT_EQ(rows, QStringList({"Jednorazowe przypomnienie", "Wykasowane", "--------------------------", "Wszystko",
                                 "Praca", "Rodzina"}));
    EXPECT_TRUE(onlyAllChosen);
    EXPECT_TRUE(firstFieldFocused);
    EXPECT_EQ(search->result(), mrOk);
    EXPECT_FALSE(search->isVisible());

    // Persons only, by name; the first is shown and the group filter has nothing checked.
    EXPECT_EQ(listedNames(*main), QStringList({"Adam Kot", "Zofia Nowak"}));
    EXPECT_EQ(child<TZuboComboBox>(*main, "ZuboComboBox1")->Items(),
              QStringList({dir.file("baza/2.wps"), dir.file("baza/1.wps")}));
    EXPECT_EQ(child<TZuboComboBox>(*main, "ZuboComboBox1")->currentIndex(), 0);
    EXPECT_EQ(child<TFlatEdit>(*main, "FlatEdit4")->text(), QStringLiteral("Polna 2"));
    for (const QAction* item : main->GroupFilterActions())
        EXPECT_FALSE(item->isChecked()) << item->text().toStdString();
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(SearchWindowTest, EmptyFieldsAndNoHitsAreReported)
{
    // Nothing typed: the window stays open.
    search->open();
    search->FlatSpeedButton10->Click();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, QString::fromUtf8("Nie wprowadzono żadnych danych"));
    EXPECT_EQ(prompter.shown[0].caption, QStringLiteral("Zubo"));
    EXPECT_EQ(prompter.shown[0].owner, nullptr);
    EXPECT_TRUE(search->isVisible());

    // Nothing found: the window closes with Cancel and the list stays.
    const QList<PersonListEntry> before = main->PersonList();
    type(search->FlatEdit[1], "Nikt");
    search->FlatSpeedButton10->Click();
    EXPECT_EQ(messages().value(1), QStringLiteral("Nic nie znaleziono"));
    EXPECT_FALSE(search->isVisible());
    EXPECT_EQ(search->result(), mrCancel);
    EXPECT_EQ(main->PersonList(), before);
}

TEST_F(SearchWindowTest, TextOutsideTheCodePageIsNotSearchedAsAQuestionMark)
{
    // Ewa Lis lives in "Leśna ?": a character the code page lacks must not become "?" and find her.
    search->open();
    search->i->SetChecked(true);
    type(search->FlatEdit[2], "Leśna 名");
    search->FlatSpeedButton10->Click();
    EXPECT_EQ(messages(), QStringList({"Nic nie znaleziono"}));
}

TEST_F(SearchWindowTest, EnterSearchesAndTheAndOrChoiceStays)
{
    searchWith([&](TForm7& w) {
        EXPECT_TRUE(w.lub->Checked());
        w.i->SetChecked(true);
        type(w.FlatEdit[1], "zofia");
        type(w.FlatEdit[2], "polna");
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(w.FlatEdit[2], &enter);
    });
    EXPECT_EQ(listedNames(*main), QStringList({"Zofia Nowak"}));

    // The next search starts with AND still chosen; the one-off row adds the one-off reminders.
    bool andKept = false;
    searchWith([&](TForm7& w) {
        andKept = w.i->Checked() && !w.lub->Checked();
        type(w.FlatEdit[2], "Polna");
        click(*w.FlatListBox1, w.FlatListBox1->ItemSlots()[0].toQRect().center());
        w.FlatSpeedButton10->Click();
    });
    EXPECT_TRUE(andKept);
    EXPECT_EQ(listedNames(*main), QStringList({"Adam Kot", "Rocznica", "Zofia Nowak"}));
}

TEST_F(SearchWindowTest, ChosenGroupsLimitTheSearch)
{
    searchWith([&](TForm7& w) {
        type(w.FlatEdit[2], "polna");
        const auto rows = w.FlatListBox1->ItemSlots();
        click(*w.FlatListBox1, rows[3].toQRect().center()); // "Wszystko" off
        click(*w.FlatListBox1, rows[5].toQRect().center()); // "Rodzina" on
        w.FlatSpeedButton10->Click();
    });
    EXPECT_EQ(listedNames(*main), QStringList({"Adam Kot"}));
}

TEST_F(SearchWindowTest, ShowColoursTheWindowFromTheScheme)
{
    ColourValue value = 0x102030;
    for (const ColorSchemeKey& k : colorSchemeKeys())
        main->State().Colors.*k.colour = value += 0x050403;
    const ColorScheme& s = main->State().Colors;
    search->open();
    const struct {
        const char* what;
        TColor actual;
        TColor expected;
    } checks[] = {
        {"window", WidgetColor(search.get()), s.tlo_tlo},
        {"bar", search->Shape2->BrushColor(), s.paski_tlo},
        {"line", search->Shape[13]->PenColor(), s.tlo_napisy},
        {"button", search->FlatSpeedButton10->Color(), s.guziki_tlo},
        {"phone part font", FontColor(search->FlatEdit[7]), s.ComboBox_tekst1},
        {"notes field", search->FlatEdit[12]->ColorFlat(), s.ComboBox_tlo},
        {"OR dot", search->lub->ColorDot(), s.tlo_napisy},
        {"group list", search->FlatListBox1->Color(), s.ComboBox_tlo_strzalki},
    };
    for (const auto& c : checks)
        EXPECT_EQ(Hex{c.actual}, Hex{c.expected}) << c.what;
}

} // namespace
