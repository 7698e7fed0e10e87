#include "opcje.h"

#include "TFlatCheckBoxUnit.h"
#include "TFlatEditUnit.h"
#include "TFlatRadioButtonUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"
#include "children.h"
#include "profilefile.h"
#include "programfixture.h"
#include "start.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QTreeView>

namespace {

class OptionsDialogTest : public ProgramFixture {
protected:
    opcje::TForm15& form() { return *program->Form15; }
    int runWith(std::function<void(opcje::TForm15&)> act)
    {
        dialogs.scripts.append([&](QDialog&) { act(form()); });
        return dialogs.run(form());
    }
    QByteArray key(const char* name) const
    {
        return ProfileFile(dir.file("opcje.ini")).readString("opcje", name, "(brak klucza)");
    }
    QList<int> days(opcje::TForm15& f) const
    {
        QList<int> list;
        for (int box = 1; box <= 6; ++box)
            list << child<TZuboComboBox>(f, QStringLiteral("ZuboComboBox%1").arg(std::size_t(box)))->currentIndex();
        return list;
    }
};

TEST_F(OptionsDialogTest, WithoutSettingsShowsDefaultsAndRecordsTheDefaultBaseAtOnce)
{
    start();
    QList<int> shown;
    bool standard = false, other = true, saveDefault = false;
    QString folder = "x";
    // Opened by the main window's "Opcje".
    dialogs.scripts.append([&](QDialog& d) {
        auto& f = static_cast<opcje::TForm15&>(d);
        shown = days(f);
        standard = child<TFlatCheckBox>(f, "FlatCheckBox1")->Checked();
        other = child<TFlatCheckBox>(f, "FlatCheckBox2")->Checked();
        saveDefault = child<TFlatRadioButton>(f, "FlatRadioButton1")->Checked();
        folder = child<TFlatEdit>(f, "FlatEdit1")->text();
        child<TFlatSpeedButton>(f, "FlatSpeedButton2")->Click(); // "X"
    });
    child<TFlatSpeedButton>(*program->Form1, "FlatSpeedButton21")->Click();
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.shown[0], &form());
    EXPECT_EQ(shown, (QList<int>{7, 3, 7, 3, 7, 3}));
    EXPECT_TRUE(standard);
    EXPECT_FALSE(other);
    EXPECT_TRUE(saveDefault);
    EXPECT_TRUE(folder.isEmpty());
    // Only what opening writes.
    EXPECT_EQ(dir.read("opcje.ini"), "[opcje]\r\nbaza_1=jest\r\n");
}

TEST_F(OptionsDialogTest, SavesWhatIsShownAndTellsToRestart)
{
    write("opcje.ini",
          {"[opcje]", "dni_do_urodzin=20", "dni_po_imieninach=1", "baza_1=brak", "baza_2=/dane", "zapis_do=/dane"});
    start();
    QList<int> shown;
    bool standard = true;
    const int result = runWith([&](opcje::TForm15& f) {
        shown = days(f);
        // A default base saved as not in use must not come back by opening and confirming.
        standard = child<TFlatCheckBox>(f, "FlatCheckBox1")->Checked();
        child<TZuboComboBox>(f, "ZuboComboBox1")->setCurrentIndex(14);
        child<TFlatSpeedButton>(f, "FlatSpeedButton3")->Click();
    });
    EXPECT_EQ(shown, (QList<int>{-1, 3, 7, 1, 7, 3}));
    EXPECT_FALSE(standard);
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(messages(), (QStringList{msg(14)}));
    EXPECT_EQ(key("dni_do_urodzin"), "14");
    EXPECT_EQ(key("dni_po_imieninach"), "1");
    EXPECT_EQ(key("baza_1"), "brak");
    EXPECT_EQ(key("baza_2"), "/dane"); // as typed, without a trailing "/"
    EXPECT_EQ(key("zapis_do"), "/dane");
}

TEST_F(OptionsDialogTest, ChecksCorrectTheChoiceWithTheirMessagesInOrder)
{
    start();
    runWith([&](opcje::TForm15& f) {
        child<TFlatCheckBox>(f, "FlatCheckBox2")->SetChecked(true); // "Inna" without a folder
        child<TFlatRadioButton>(f, "FlatRadioButton2")->SetChecked(true);
        child<TFlatSpeedButton>(f, "FlatSpeedButton3")->Click();
    });
    EXPECT_EQ(messages(), (QStringList{msg(25), msg(26), msg(14)}));
    EXPECT_EQ(key("baza_1"), "jest");
    EXPECT_EQ(key("baza_2"), "brak");
    EXPECT_EQ(key("zapis_do"), "domyslna_baza_danych");

    prompter.shown.clear();
    runWith([&](opcje::TForm15& f) {
        child<TFlatCheckBox>(f, "FlatCheckBox1")->SetChecked(false);
        child<TFlatSpeedButton>(f, "FlatSpeedButton3")->Click();
    });
    EXPECT_EQ(messages(), (QStringList{msg(27), msg(14)}));
    EXPECT_EQ(key("baza_1"), "jest");
}

TEST_F(OptionsDialogTest, AFolderDoubleClickedInTheBrowserIsTheSecondBase)
{
    dir.mkdir("dane");
    FixedDrives drives({dir.path()});
    start();
    bool browserShown = false;
    runWith([&](opcje::TForm15& f) {
        child<TFlatSpeedButton>(f, "FlatSpeedButton1")->Click();
        browserShown =
            child<QTreeView>(f, "DirectoryListBox1")->isVisible() && child<QComboBox>(f, "DriveComboBox1")->isVisible();
        const QModelIndex index = child<QFileSystemModel>(f, "DirectoryModel")->index(dir.file("dane"));
        emit child<QTreeView>(f, "DirectoryListBox1")->doubleClicked(index);
        child<TFlatSpeedButton>(f, "FlatSpeedButton1")->Click();
        child<TFlatSpeedButton>(f, "FlatSpeedButton3")->Click();
    });
    EXPECT_TRUE(browserShown);
    EXPECT_EQ(key("baza_2").toStdString(), dir.file("dane").toStdString());
    EXPECT_FALSE(child<QTreeView>(form(), "DirectoryListBox1")->isVisible());
}

TEST_F(OptionsDialogTest, TheBrowserOpensAtTheDataFolderInUseOnItsDrive)
{
    dir.mkdir("dane/rok");
    const QString drive = dir.path(); // ends in "/", as mount points do
    FixedDrives drives({QStringLiteral("/"), drive});
    start();
    struct Case {
        const char* what;
        QString typed;
        QString folder;
    };
    const Case cases[] = {
        {"no second base", QString(), dir.file("baza")},
        {"the second base", dir.file("dane/rok"), dir.file("dane/rok")},
        {"a folder that is not there", dir.file("brak"), dir.file("baza")},
        {"a relative folder", QStringLiteral("dane"), dir.file("baza")},
    };
    for (const Case& c : cases) {
        QString root, chosen, driveShown;
        runWith([&](opcje::TForm15& f) {
            child<TFlatEdit>(f, "FlatEdit1")->setText(c.typed);
            if (!child<QTreeView>(f, "DirectoryListBox1")->isHidden())
                child<TFlatSpeedButton>(f, "FlatSpeedButton1")->Click(); // hides it
            child<TFlatSpeedButton>(f, "FlatSpeedButton1")->Click();
            root = child<QFileSystemModel>(f, "DirectoryModel")
                       ->filePath(child<QTreeView>(f, "DirectoryListBox1")->rootIndex());
            chosen = child<QFileSystemModel>(f, "DirectoryModel")
                         ->filePath(child<QTreeView>(f, "DirectoryListBox1")->currentIndex());
            driveShown = child<QComboBox>(f, "DriveComboBox1")->currentText();
            child<TFlatSpeedButton>(f, "FlatSpeedButton2")->Click();
        });
        EXPECT_EQ(driveShown, drive) << c.what;
        EXPECT_EQ(root, dir.path().chopped(1)) << c.what;
        EXPECT_EQ(chosen, c.folder) << c.what;
    }

    // Left open, the browser shows the second base saved meanwhile when the dialog opens again.
    write("opcje.ini", {"[opcje]", ("baza_2=" + dir.file("dane/rok").toStdString()).c_str()});
    QString chosen;
    runWith([&](opcje::TForm15& f) {
        chosen = child<QFileSystemModel>(f, "DirectoryModel")
                     ->filePath(child<QTreeView>(f, "DirectoryListBox1")->currentIndex());
        child<TFlatSpeedButton>(f, "FlatSpeedButton2")->Click();
    });
    EXPECT_EQ(chosen, dir.file("dane/rok"));
}

TEST_F(OptionsDialogTest, AFolderOutsideTheCodePageIsRefusedAndTheDialogStaysOpen)
{
    start();
    bool open = false;
    runWith([&](opcje::TForm15& f) {
        child<TFlatCheckBox>(f, "FlatCheckBox2")->SetChecked(true);
        child<TFlatEdit>(f, "FlatEdit1")->setText(QString::fromUtf8("/дані"));
        child<TFlatSpeedButton>(f, "FlatSpeedButton3")->Click();
        open = f.isVisible();
    });
    EXPECT_TRUE(open);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_TRUE(prompter.shown[0].text.contains(QString::fromUtf8("„Inna”")));
    EXPECT_EQ(key("baza_2"), "(brak klucza)");
}

} // namespace
