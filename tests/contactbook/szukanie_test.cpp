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
            return start::Dialogs{.searchDialog = [this] { return search.get(); }};
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
    type(child<TFlatEdit>(*search, "FlatEdit9"), "left from before");
    QStringList rows;
    bool onlyAllChosen = false;
    bool firstFieldFocused = false;
    searchWith([&](TForm7& w) {
        rows = child<TFlatListBox>(w, "FlatListBox1")->Items();
        onlyAllChosen = child<TFlatListBox>(w, "FlatListBox1")->GetSelected(3) &&
                        !child<TFlatListBox>(w, "FlatListBox1")->GetSelected(0) &&
                        !child<TFlatListBox>(w, "FlatListBox1")->GetSelected(4) &&
                        child<TFlatEdit>(w, "FlatEdit9")->text().isEmpty();
        firstFieldFocused = w.focusWidget() == child<TFlatEdit>(w, "FlatEdit1");
        type(child<TFlatEdit>(w, "FlatEdit2"), "POLNA");
        child<TFlatSpeedButton>(w, "FlatSpeedButton10")->Click();
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
    child<TFlatSpeedButton>(*search, "FlatSpeedButton10")->Click();
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, QString::fromUtf8("Nie wprowadzono żadnych danych"));
    EXPECT_EQ(prompter.shown[0].caption, QStringLiteral("Zubo"));
    EXPECT_EQ(prompter.shown[0].owner, nullptr);
    EXPECT_TRUE(search->isVisible());

    // Nothing found: the window closes with Cancel and the list stays.
    const QList<PersonListEntry> before = main->PersonList();
    type(child<TFlatEdit>(*search, "FlatEdit1"), "Nikt");
    child<TFlatSpeedButton>(*search, "FlatSpeedButton10")->Click();
    EXPECT_EQ(messages().value(1), QStringLiteral("Nic nie znaleziono"));
    EXPECT_FALSE(search->isVisible());
    EXPECT_EQ(search->result(), mrCancel);
    EXPECT_EQ(main->PersonList(), before);
}

TEST_F(SearchWindowTest, TextOutsideTheCodePageIsNotSearchedAsAQuestionMark)
{
    // Ewa Lis lives in "Leśna ?": a character the code page lacks must not become "?" and find her.
    search->open();
    child<TFlatRadioButton>(*search, "i")->SetChecked(true);
    type(child<TFlatEdit>(*search, "FlatEdit2"), "Leśna 名");
    child<TFlatSpeedButton>(*search, "FlatSpeedButton10")->Click();
    EXPECT_EQ(messages(), QStringList({"Nic nie znaleziono"}));
}

TEST_F(SearchWindowTest, EnterSearchesAndTheAndOrChoiceStays)
{
    searchWith([&](TForm7& w) {
        EXPECT_TRUE(child<TFlatRadioButton>(w, "lub")->Checked());
        child<TFlatRadioButton>(w, "i")->SetChecked(true);
        type(child<TFlatEdit>(w, "FlatEdit1"), "zofia");
        type(child<TFlatEdit>(w, "FlatEdit2"), "polna");
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(child<TFlatEdit>(w, "FlatEdit2"), &enter);
    });
    EXPECT_EQ(listedNames(*main), QStringList({"Zofia Nowak"}));

    // The next search starts with AND still chosen; the one-off row adds the one-off reminders.
    bool andKept = false;
    searchWith([&](TForm7& w) {
        andKept = child<TFlatRadioButton>(w, "i")->Checked() && !child<TFlatRadioButton>(w, "lub")->Checked();
        type(child<TFlatEdit>(w, "FlatEdit2"), "Polna");
        click(*child<TFlatListBox>(w, "FlatListBox1"),
              child<TFlatListBox>(w, "FlatListBox1")->ItemSlots()[0].toQRect().center());
        child<TFlatSpeedButton>(w, "FlatSpeedButton10")->Click();
    });
    EXPECT_TRUE(andKept);
    EXPECT_EQ(listedNames(*main), QStringList({"Adam Kot", "Rocznica", "Zofia Nowak"}));
}

TEST_F(SearchWindowTest, ChosenGroupsLimitTheSearch)
{
    searchWith([&](TForm7& w) {
        type(child<TFlatEdit>(w, "FlatEdit2"), "polna");
        const auto rows = child<TFlatListBox>(w, "FlatListBox1")->ItemSlots();
        click(*child<TFlatListBox>(w, "FlatListBox1"), rows[3].toQRect().center()); // "Wszystko" off
        click(*child<TFlatListBox>(w, "FlatListBox1"), rows[5].toQRect().center()); // "Rodzina" on
        child<TFlatSpeedButton>(w, "FlatSpeedButton10")->Click();
    });
    EXPECT_EQ(listedNames(*main), QStringList({"Adam Kot"}));
}

TEST_F(SearchWindowTest, ShowColoursTheWindowFromTheScheme)
{
    ColourValue value = 0x102030;
    for (const ColorSchemeKey& k : colorSchemeKeys())
        main->State().colors.*k.colour = value += 0x050403;
    const ColorScheme& s = main->State().colors;
    search->open();
    const struct {
        const char* what;
        TColor actual;
        TColor expected;
    } checks[] = {
        {"window", WidgetColor(search.get()), s.tlo_tlo},
        {"bar", child<TShape>(*search, "Shape2")->BrushColor(), s.paski_tlo},
        {"line", child<TShape>(*search, "Shape13")->PenColor(), s.tlo_napisy},
        {"button", child<TFlatSpeedButton>(*search, "FlatSpeedButton10")->Color(), s.guziki_tlo},
        {"phone part font", FontColor(child<TFlatEdit>(*search, "FlatEdit7")), s.ComboBox_tekst1},
        {"notes field", child<TFlatEdit>(*search, "FlatEdit12")->ColorFlat(), s.ComboBox_tlo},
        {"OR dot", child<TFlatRadioButton>(*search, "lub")->ColorDot(), s.tlo_napisy},
        {"group list", child<TFlatListBox>(*search, "FlatListBox1")->Color(), s.ComboBox_tlo_strzalki},
    };
    for (const auto& c : checks)
        EXPECT_EQ(Hex{c.actual}, Hex{c.expected}) << c.what;
}

} // namespace
