#include "zarzadzanie_grupami.h"

#include "TFlatEditUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "children.h"
#include "codec1250.h"
#include "fakes.h"
#include "flattest.h"
#include "shape.h"
#include "start.h"
#include "support.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

using zarzadzanie_grupami::GroupDialogResult;
using zarzadzanie_grupami::ShowGroupDialog;
using zarzadzanie_grupami::TForm5;

// A program folder with persons in both data folders, the main window started on it and the group
// dialog over it.
class GroupDialogTest : public FlatTest {
protected:
    GroupDialogTest()
    {
        dir.write("opcje.ini", crlf({"[opcje]", ("baza_2=" + dir.path().toStdString() + "druga/").c_str()}));
        dir.write("baza/1.wps", crlf({"<$@$>nazwisko</$@$>Anna", "<$@$>grupa</$@$>Dom", "<$@$>grupa</$@$>Praca"}));
        dir.write("baza/2.wps", crlf({"<$@$>nazwisko</$@$>Bartek", "<$@$>grupa</$@$>&Praca"}));
        dir.write("druga/3.wps", crlf({"<$@$>nazwisko</$@$>Ewa", "<$@$>grupa</$@$>Praca"}));
        start::StartSetup setup;
        setup.programDir = dir.path();
        setup.workingDir = dir.path();
        main = std::make_unique<start::TForm1>(setup);
        dialog = std::make_unique<TForm5>(main->State(), *main);
    }

    // The editor's groups: Dom marked, Praca not, and the pseudo-group "Wszystko".
    void fill() { dialog->FillGroups({{"Dom", true}, {"Praca", false}, {"Wszystko", false}}, "osoba"); }

    void clickRow(int row)
    {
        const QPoint at =
            child<TFlatListBox>(*dialog, "FlatListBox1")->ItemSlots().at(std::size_t(row)).toQRect().center();
        click(*child<TFlatListBox>(*dialog, "FlatListBox1"), at);
    }

    QStringList items() const { return child<TFlatListBox>(*dialog, "FlatListBox1")->Items(); }

    QStringList filterMenu() const
    {
        QStringList captions;
        for (const QAction* a : main->GroupFilterActions())
            captions << (a->isChecked() ? "x " : "") + a->text();
        return captions;
    }

    TempDir dir;
    FakePrompter prompter;
    ScriptedDialogRunner runner;
    std::unique_ptr<start::TForm1> main;
    std::unique_ptr<TForm5> dialog;
};

TEST_F(GroupDialogTest, ClicksMarkGroupsAndZHandsTheEditorItsNewMenu)
{
    runner.scripts << [this](QDialog&) {
        EXPECT_EQ(items(), QStringList({"v    Dom", "     Praca", "     Wszystko"}));
        clickRow(0);
        clickRow(1);
        clickRow(2);
        EXPECT_EQ(items(), QStringList({"     Dom", "v    Praca", "v    Wszystko"}));
        // The clicked row stays selected; clicking "Wszystko" again keeps its mark.
        EXPECT_TRUE(child<TFlatListBox>(*dialog, "FlatListBox1")->GetSelected(2));
        clickRow(2);
        EXPECT_EQ(items().at(2), "v    Wszystko");
        child<TFlatSpeedButton>(*dialog, "FlatSpeedButton4")->Click();
    };
    const GroupDialogResult result =
        ShowGroupDialog(*dialog, {{"Dom", true}, {"Praca", false}, {"Wszystko", false}}, "osoba");

    EXPECT_TRUE(result.accepted);
    ASSERT_TRUE(result.editorMenu);
    const QList<GroupMenuItem> expected = {
        {"Jednorazowe przypomnienie", false, false, false},
        {"Wykasowane", false, false, false},
        {"-", false, true, false},
        {"Wszystko", true, false, true},
        {"Dom", false, true, true},
        {"Praca", true, true, true},
        {"Wszystko", true, false, true},
    };
    EXPECT_EQ(*result.editorMenu, expected);
    EXPECT_FALSE(dialog->GroupsChanged());
}

TEST_F(GroupDialogTest, XAcceptsWithoutRebuildingAndTheCloseBoxCancels)
{
    runner.scripts << [this](QDialog&) {
        clickRow(1);
        child<TFlatSpeedButton>(*dialog, "FlatSpeedButton2")->Click();
    };
    const GroupDialogResult x = ShowGroupDialog(*dialog, {{"Dom", true}, {"Praca", false}}, "osoba");
    EXPECT_TRUE(x.accepted);
    EXPECT_FALSE(x.editorMenu);

    runner.scripts << [](QDialog& d) { d.close(); };
    EXPECT_FALSE(ShowGroupDialog(*dialog, {{"Dom", true}}, "osoba").accepted);
}

TEST_F(GroupDialogTest, AddAppendsAMarkedGroupAndRefusesWhatCannotBeStored)
{
    fill();
    const QStringList before = items();
    child<TFlatSpeedButton>(*dialog, "FlatSpeedButton3")->Click();
    EXPECT_EQ(items(), before) << "an empty name adds nothing";

    child<TFlatEdit>(*dialog, "FlatEdit1")->setText(QString::fromUtf8("Przyjaciele łódź"));
    child<TFlatSpeedButton>(*dialog, "FlatSpeedButton3")->Click();
    child<TFlatSpeedButton>(*dialog, "FlatSpeedButton3")->Click();
    EXPECT_EQ(items().mid(3),
              QStringList({QString::fromUtf8("v    Przyjaciele łódź"), QString::fromUtf8("v    Przyjaciele łódź")}));
    EXPECT_EQ(dialog->Groups().last().name, cp("Przyjaciele łódź"));
    EXPECT_EQ(child<TFlatEdit>(*dialog, "FlatEdit1")->text(), QString::fromUtf8("Przyjaciele łódź"));

    child<TFlatEdit>(*dialog, "FlatEdit1")->setText(QString::fromUtf8("Rodzina ✓"));
    child<TFlatSpeedButton>(*dialog, "FlatSpeedButton3")->Click();
    EXPECT_EQ(items().size(), 5);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_FALSE(prompter.shown[0].question);
    EXPECT_EQ(prompter.shown[0].text, QString::fromUtf8("Pole „nazwa nowej grupy” zawiera znak „✓”, którego nie "
                                                        "można zapisać."));
    EXPECT_TRUE(dir.read("baza/1.wps").contains("Dom")) << "adding touches no file";
}

TEST_F(GroupDialogTest, DeleteAsksFirstAndThenRewritesTheFilesAndBothMenus)
{
    fill();
    dialog->FormShow();
    const QByteArray anna = dir.read("baza/1.wps");

    // "No" or "Cancel": nothing is deleted, but the main window is told that groups changed.
    clickRow(1);
    clickRow(1); // back to unmarked, still selected
    for (const Prompter::Answer answer : {Prompter::Answer::No, Prompter::Answer::Cancel}) {
        prompter.shown.clear();
        dialog->FormShow(); // GroupsChanged false again
        prompter.answers = {answer};
        child<TFlatSpeedButton>(*dialog, "FlatSpeedButton1")->Click();
        ASSERT_EQ(prompter.shown.size(), 1);
        EXPECT_EQ(prompter.shown[0].box, FakePrompter::Box::YesNoCancel);
        EXPECT_EQ(prompter.shown[0].caption, "Zubo");
        EXPECT_EQ(prompter.shown[0].owner, nullptr);
        EXPECT_EQ(prompter.shown[0].text,
                  QString::fromUtf8("Czy na pewno wykasować grupę: Praca ? Wszystkie osoby powiązane z tą grupą "
                                    "stracą powiązanie."));
        EXPECT_TRUE(dialog->GroupsChanged());
        EXPECT_EQ(items().size(), 3);
        EXPECT_EQ(dir.read("baza/1.wps"), anna);
        EXPECT_FALSE(dialog->EditorMenu());
    }

    prompter.answers = {Prompter::Answer::Yes};
    child<TFlatSpeedButton>(*dialog, "FlatSpeedButton1")->Click();
    EXPECT_EQ(items(), QStringList({"v    Dom", "     Wszystko"}));
    EXPECT_EQ(dir.read("baza/1.wps"), crlf({"<$@$>nazwisko</$@$>Anna", "<$@$>grupa</$@$>Dom"}));
    EXPECT_EQ(dir.read("baza/2.wps"), crlf({"<$@$>nazwisko</$@$>Bartek"}));
    EXPECT_EQ(dir.read("druga/3.wps"), crlf({"<$@$>nazwisko</$@$>Ewa"}));
    EXPECT_EQ(filterMenu(), QStringList({"Jednorazowe przypomnienie", "Wykasowane", "", "x Wszystko", "Dom"}));
    ASSERT_TRUE(dialog->EditorMenu());
    EXPECT_EQ(dialog->EditorMenu()->size(), 6);
    EXPECT_EQ(dialog->EditorMenu()->at(4), (GroupMenuItem{"Dom", true, true, true}));
}

TEST_F(GroupDialogTest, RenameKeepsTheMarkAndRewritesTheFilesWithoutAQuestion)
{
    fill();
    dialog->FormShow();
    clickRow(0); // Dom: unmarked
    clickRow(0); // marked again, selected
    child<TFlatEdit>(*dialog, "FlatEdit1")->setText(QStringLiteral("Rodzina"));
    child<TFlatSpeedButton>(*dialog, "FlatSpeedButton5")->Click();

    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_TRUE(dialog->GroupsChanged());
    EXPECT_EQ(items(), QStringList({"v    Rodzina", "     Praca", "     Wszystko"}));
    EXPECT_EQ(dir.read("baza/1.wps"),
              crlf({"<$@$>nazwisko</$@$>Anna", "<$@$>grupa</$@$>Rodzina", "<$@$>grupa</$@$>Praca"}));
    EXPECT_EQ(filterMenu(),
              QStringList({"Jednorazowe przypomnienie", "Wykasowane", "", "x Wszystko", "Rodzina", "Praca"}));
    ASSERT_TRUE(dialog->EditorMenu());
    EXPECT_EQ(dialog->EditorMenu()->at(4), (GroupMenuItem{"Rodzina", true, true, true}));

    // An unmarked group stays unmarked.
    clickRow(1);
    clickRow(1); // unmarked again, selected
    child<TFlatEdit>(*dialog, "FlatEdit1")->setText(QStringLiteral("Firma"));
    child<TFlatSpeedButton>(*dialog, "FlatSpeedButton5")->Click();
    EXPECT_EQ(items().at(1), "     Firma");
}

// A click on a row both selects it and swaps its mark. The click that picks a group to rename it is
// no marking: the renamed group keeps the mark it had before. Further clicks on the picked row, and
// clicks on other rows, mark as ever.
TEST_F(GroupDialogTest, PickingAGroupToRenameItLeavesTheEntrysGroupsAsTheyWere)
{
    const struct {
        const char* what;
        QList<int> clicks; // rows clicked in turn; the last one is renamed
        QStringList items; // after renaming to "Nowa"
        QByteArray anna;   // baza/1.wps, which holds Dom and Praca
    } cases[] = {
        {"marked group picked",
         {0},
         {"v    Nowa", "     Praca", "     Wszystko"},
         crlf({"<$@$>nazwisko</$@$>Anna", "<$@$>grupa</$@$>Nowa", "<$@$>grupa</$@$>Praca"})},
        {"unmarked group picked",
         {1},
         {"v    Dom", "     Nowa", "     Wszystko"},
         crlf({"<$@$>nazwisko</$@$>Anna", "<$@$>grupa</$@$>Dom", "<$@$>grupa</$@$>Nowa"})},
        {"picked, then unmarked and marked again",
         {0, 0, 0},
         {"     Nowa", "     Praca", "     Wszystko"},
         crlf({"<$@$>nazwisko</$@$>Anna", "<$@$>grupa</$@$>Nowa", "<$@$>grupa</$@$>Praca"})},
        {"another group marked before",
         {0, 1},
         {"     Dom", "     Nowa", "     Wszystko"},
         crlf({"<$@$>nazwisko</$@$>Anna", "<$@$>grupa</$@$>Dom", "<$@$>grupa</$@$>Nowa"})},
        {"picked again after another row",
         {1, 0, 1},
         {"     Dom", "v    Nowa", "     Wszystko"},
         crlf({"<$@$>nazwisko</$@$>Anna", "<$@$>grupa</$@$>Dom", "<$@$>grupa</$@$>Nowa"})},
    };
    const QByteArray anna = dir.read("baza/1.wps");
    for (const auto& c : cases) {
        dir.write("baza/1.wps", anna);
        fill();
        dialog->FormShow();
        for (const int row : c.clicks)
            clickRow(row);
        child<TFlatEdit>(*dialog, "FlatEdit1")->setText(QStringLiteral("Nowa"));
        child<TFlatSpeedButton>(*dialog, "FlatSpeedButton5")->Click();
        EXPECT_EQ(items(), c.items) << c.what;
        EXPECT_EQ(dir.read("baza/1.wps"), c.anna) << c.what;
        ASSERT_TRUE(dialog->EditorMenu()) << c.what;
        // The editor gets the marks the list shows ("Wszystko" is always checked there).
        for (int row = 0; row < 2; ++row)
            EXPECT_EQ(dialog->EditorMenu()->at(4 + row).checked, items().at(row).startsWith(u'v')) << c.what;
    }

    // Once renamed, the row is picked anew by the next click.
    fill();
    clickRow(0);
    child<TFlatEdit>(*dialog, "FlatEdit1")->setText(QStringLiteral("Dom2"));
    child<TFlatSpeedButton>(*dialog, "FlatSpeedButton5")->Click();
    clickRow(0);
    child<TFlatEdit>(*dialog, "FlatEdit1")->setText(QStringLiteral("Dom3"));
    child<TFlatSpeedButton>(*dialog, "FlatSpeedButton5")->Click();
    EXPECT_EQ(items().at(0), "v    Dom3");
}

TEST_F(GroupDialogTest, ProtectedGroupsNoSelectionAndAnEmptyNameChangeNothing)
{
    dialog->FillGroups({{"Dom", true}, {"&Wszystko", false}, {"Jednorazowe przypomnienie", false}}, "osoba");
    dialog->FormShow();
    child<TFlatEdit>(*dialog, "FlatEdit1")->setText(QStringLiteral("Nowa"));
    const auto tryAll = [this] {
        child<TFlatSpeedButton>(*dialog, "FlatSpeedButton1")->Click();
        child<TFlatSpeedButton>(*dialog, "FlatSpeedButton5")->Click();
    };

    tryAll(); // nothing selected
    clickRow(1);
    tryAll();
    clickRow(2);
    tryAll();
    clickRow(0); // unmarks Dom and selects it
    child<TFlatEdit>(*dialog, "FlatEdit1")->clear();
    child<TFlatSpeedButton>(*dialog, "FlatSpeedButton5")->Click();

    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_FALSE(dialog->GroupsChanged());
    EXPECT_EQ(items(), QStringList({"     Dom", "v    Wszystko", "     Jednorazowe przypomnienie"}));
    EXPECT_FALSE(dialog->EditorMenu());
}

TEST_F(GroupDialogTest, AFileThatCannotBeRewrittenIsNamedAndTheOthersAreDone)
{
    const FileWriterFailingFor writer({dir.file("baza/2.wps")});
    main->State().writer = &writer;
    fill();
    clickRow(1);
    child<TFlatEdit>(*dialog, "FlatEdit1")->setText(QStringLiteral("Biuro"));
    child<TFlatSpeedButton>(*dialog, "FlatSpeedButton5")->Click();

    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_FALSE(prompter.shown[0].question);
    EXPECT_TRUE(prompter.shown[0].text.startsWith(QString::fromUtf8("Błąd pliku\n")));
    EXPECT_TRUE(prompter.shown[0].text.contains(dir.file("baza/2.wps")));
    EXPECT_EQ(dir.read("baza/2.wps"), crlf({"<$@$>nazwisko</$@$>Bartek", "<$@$>grupa</$@$>&Praca"}));
    EXPECT_EQ(dir.read("druga/3.wps"), crlf({"<$@$>nazwisko</$@$>Ewa", "<$@$>grupa</$@$>Biuro"}));
}

// A link in a data folder that leads out of them (an unpacked archive) is never written through: the
// rename leaves the file it points to and names the link.
TEST_F(GroupDialogTest, ALinkLeadingOutOfTheDataFoldersIsLeftAndNamed)
{
    const QByteArray outside = crlf({"<$@$>nazwisko</$@$>Obcy", "<$@$>grupa</$@$>Praca"});
    ASSERT_TRUE(QFile::link(dir.write("obce/keep.wps", outside), dir.file("baza/4.wps")));
    fill();
    clickRow(1);
    child<TFlatEdit>(*dialog, "FlatEdit1")->setText(QStringLiteral("Biuro"));
    child<TFlatSpeedButton>(*dialog, "FlatSpeedButton5")->Click();

    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_FALSE(prompter.shown[0].question);
    EXPECT_EQ(prompter.shown[0].text,
              QString::fromUtf8("Pominięto dowiązania do plików spoza baz danych:\n") + dir.file("baza/4.wps"));
    EXPECT_EQ(dir.read("obce/keep.wps"), outside);
    EXPECT_EQ(dir.read("druga/3.wps"), crlf({"<$@$>nazwisko</$@$>Ewa", "<$@$>grupa</$@$>Biuro"}));
}

TEST_F(GroupDialogTest, TakesTheSchemeOnShowExceptTheRenameButton)
{
    ColorScheme& s = main->State().colors;
    s.tlo_tlo = 0x203040;
    s.tlo_napisy = 0xE0E0E0;
    s.paski_tlo = 0x00FF00;
    s.guziki_tlo = 0x0000FF;
    s.ComboBox_tlo = 0xFFFF00;
    s.ComboBox_tlo_strzalki = 0x00FFFF;
    fill();
    dialog->show();
    const QImage image = snapshot(*dialog);
    const struct {
        const char* what;
        QPoint at;
        TColor expected;
    } pixels[] = {
        {"window", {190, 150}, s.tlo_tlo},          {"bar", {175, 150}, s.paski_tlo},
        {"delete button", {173, 42}, s.guziki_tlo}, {"close button", {173, 210}, s.guziki_tlo},
        {"list row", {100, 60}, s.ComboBox_tlo},    {"list band", {30, 12}, s.ComboBox_tlo_strzalki},
    };
    for (const auto& p : pixels)
        EXPECT_EQ(Hex{pixel(image, p.at.x(), p.at.y())}, Hex{p.expected}) << p.what;
    EXPECT_NE(Hex{pixel(image, 173, 66)}, Hex{s.guziki_tlo}) << "rename button";
    EXPECT_EQ(Hex{FontColor(child<TFlatListBox>(*dialog, "FlatListBox1"))}, Hex{s.ComboBox_tekst1});
    EXPECT_EQ(child<TFlatEdit>(*dialog, "FlatEdit1")->ColorFlat(), s.ComboBox_tlo);
    EXPECT_EQ(dialog->pos(), QPoint(288, 194));
}

TEST_F(GroupDialogTest, LanguageTextsReachCaptionsAndHints)
{
    // Built-in texts first.
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("zarządzanie grupami"));
    EXPECT_EQ(child<QLabel>(*dialog, "Label1")->text(), "nazwa nowej grupy");
    EXPECT_EQ(child<TFlatSpeedButton>(*dialog, "FlatSpeedButton1")->Caption(), "K");
    EXPECT_EQ(child<TFlatSpeedButton>(*dialog, "FlatSpeedButton4")->toolTip(),
              QString::fromUtf8("Przypisz wybraną osobę do zaznaczonych grup"));

    TextTargets texts;
    dialog->RegisterTexts(texts);
    for (int id : {19, 20, 63, 64, 65, 66, 73, 74, 75, 76})
        texts.apply(id, QStringLiteral("t%1").arg(id));
    EXPECT_EQ(child<QLabel>(*dialog, "Label1")->text(), "t19");
    EXPECT_EQ(dialog->windowTitle(), "t20");
    const TFlatSpeedButton* numbered[] = {
        child<TFlatSpeedButton>(*dialog, "FlatSpeedButton1"), child<TFlatSpeedButton>(*dialog, "FlatSpeedButton2"),
        child<TFlatSpeedButton>(*dialog, "FlatSpeedButton3"), child<TFlatSpeedButton>(*dialog, "FlatSpeedButton4")};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(numbered[i]->Caption(), QStringLiteral("t%1").arg(63 + i));
        EXPECT_EQ(numbered[i]->toolTip(), QStringLiteral("t%1").arg(73 + i));
    }
    EXPECT_EQ(child<TFlatSpeedButton>(*dialog, "FlatSpeedButton5")->Caption(), "N");
}

} // namespace
