#include "drukowanie.h"

#include "TFlatGaugeUnit.h"
#include "TFlatMemoUnit.h"
#include "TFlatRadioButtonUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "adres_nadawcy.h"
#include "children.h"
#include "mail_zbiorowy.h"
#include "programfixture.h"
#include "windowparts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScopeGuard>

namespace {

QStringList texts(const QListWidget* list)
{
    QStringList items;
    for (int row = 0; row < list->count(); ++row)
        items << list->item(row)->text();
    return items;
}

void selectRows(QListWidget* list, std::initializer_list<int> rows)
{
    for (const int row : rows)
        list->item(row)->setSelected(true);
}

// The mouse on a row of a picker list, as the user uses it.
void mouseOnRow(QListWidget* list, int row, QEvent::Type type, Qt::KeyboardModifiers modifiers)
{
    const QPoint at = list->visualItemRect(list->item(row)).center();
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, list->viewport()->mapToGlobal(at), Qt::LeftButton, held, modifiers);
    QApplication::sendEvent(list->viewport(), &event);
}

void clickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    mouseOnRow(list, row, QEvent::MouseButtonPress, modifiers);
    mouseOnRow(list, row, QEvent::MouseButtonRelease, modifiers);
}

void doubleClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    clickRow(list, row, modifiers);
    mouseOnRow(list, row, QEvent::MouseButtonDblClick, modifiers);
    mouseOnRow(list, row, QEvent::MouseButtonRelease, modifiers);
}

QList<int> selectedRows(const QListWidget* list)
{
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            rows << row;
    }
    return rows;
}

QListWidget* list(const QDialog& picker, const char* name)
{
    return child<QListWidget>(picker, name);
}

TFlatSpeedButton* button(const QDialog& picker, const char* name)
{
    return child<TFlatSpeedButton>(picker, name);
}

class PickerTest : public ProgramFixture {
protected:
    // Four persons found in another order than their names', in two groups, one of them without a
    // mail address; a one-off reminder and a file not starting with the name are never offered.
    void writePersons()
    {
        write("baza/1.wps", {"<$@$>nazwisko</$@$>Zenon Zając", "<$@$>grupa</$@$>Praca", "<$@$>mail</$@$>z@x.pl",
                             "<$@$>telefony</$@$>111"});
        write("baza/2.wps", {"<$@$>nazwisko</$@$>adam Nowak", "<$@$>grupa</$@$>Rodzina", "<$@$>grupa</$@$>Praca",
                             "<$@$>ulica</$@$>Długa", "<$@$>nr_domu</$@$>5", "<$@$>kod_pocztowy</$@$>00-950",
                             "<$@$>miejscowosc</$@$>Wólka"});
        write("baza/3.wps", {"<$@$>nazwisko</$@$>Beata Kos", "<$@$>grupa</$@$>Rodzina", "<$@$>mail</$@$>b@x.pl"});
        write("baza/4.wps", {"<$@$>nazwisko</$@$>Celina Lis", "<$@$>mail</$@$>c@x.pl"});
        write("baza/5.wpj", {"<$@$>nazwisko</$@$>Przypomnienie"});
        write("baza/6.wps", {"<$@$>ulica</$@$>Polna", "<$@$>nazwisko</$@$>Ukryta"});
    }

    drukowanie::TForm8& picker() { return *program->Form8; }

    // Opens the print picker from the main window and works in it.
    void openPrint(std::function<void(drukowanie::TForm8&)> act)
    {
        dialogs.scripts.append([this, act](QDialog&) { act(picker()); });
        child<TFlatSpeedButton>(*program->Form1, "FlatSpeedButton13")->Click();
    }

    // A row's name, by the entry index the row holds as its data.
    static QString nameOf(const drukowanie::TForm8& f, const QListWidgetItem* item)
    {
        return cp1250::toUnicode(f.PickerEntries()[item->data(Qt::UserRole).toInt()].Name);
    }
    static QStringList names(const drukowanie::TForm8& f, const QListWidget* list)
    {
        QStringList shown;
        for (int row = 0; row < list->count(); ++row)
            shown << nameOf(f, list->item(row));
        return shown;
    }
};

TEST_F(PickerTest, OffersNamedPersonsSortedWithTheGroupsOfTheFilterMenu)
{
    writePersons();
    start();
    QStringList offered, groups;
    openPrint([&](drukowanie::TForm8& f) {
        offered = names(f, list(f, "ListBox1"));
        groups = texts(list(f, "ListBox2"));
    });
    EXPECT_EQ(offered, (QStringList{"adam Nowak", "Beata Kos", "Celina Lis", QString::fromUtf8("Zenon Zając")}));
    EXPECT_EQ(texts(list(picker(), "ListBox1")), (QStringList{"0000000000", "0000000001", "0000000002", "0000000003"}));
    EXPECT_EQ(groups, (QStringList{"Praca", "Rodzina"}));
}

TEST_F(PickerTest, MovingKeepsBothListsInNameOrder)
{
    for (int i = 0; i < 11; ++i)
        write(QStringLiteral("baza/%1.wps").arg(i),
              {("<$@$>nazwisko</$@$>Osoba " + std::string(1, char('a' + i))).c_str()});
    start();
    QStringList chosen, left;
    openPrint([&](drukowanie::TForm8& f) {
        button(f, "FlatSpeedButton4")->Click(); // ">>"
        selectRows(list(f, "ListBox3"), {10, 2});
        button(f, "FlatSpeedButton3")->Click(); // "<"
        selectRows(list(f, "ListBox1"), {0});
        emit list(f, "ListBox1")->doubleClicked(list(f, "ListBox1")->model()->index(0, 0));
        chosen = texts(list(f, "ListBox3"));
        left = texts(list(f, "ListBox1"));
    });
    EXPECT_EQ(left, (QStringList{"0000000010"}));
    EXPECT_EQ(chosen.first(), "0000000000");
    EXPECT_EQ(chosen.size(), 10);
    EXPECT_TRUE(std::is_sorted(chosen.begin(), chosen.end()));
}

TEST_F(PickerTest, AClickSelectsOneRowCtrlAndShiftExtendAndADoubleClickMovesItsRow)
{
    writePersons();
    start();
    QList<QList<int>> selections;
    QStringList chosen, left;
    openPrint([&](drukowanie::TForm8& f) {
        clickRow(list(f, "ListBox1"), 0);
        clickRow(list(f, "ListBox1"), 2);
        selections << selectedRows(list(f, "ListBox1"));
        clickRow(list(f, "ListBox1"), 0, Qt::ControlModifier);
        selections << selectedRows(list(f, "ListBox1"));
        clickRow(list(f, "ListBox1"), 3, Qt::ShiftModifier);
        selections << selectedRows(list(f, "ListBox1"));
        clickRow(list(f, "ListBox1"), 1);
        selections << selectedRows(list(f, "ListBox1"));

        doubleClickRow(list(f, "ListBox1"), 3); // only Zenon, whatever was selected before
        clickRow(list(f, "ListBox1"), 0);
        doubleClickRow(list(f, "ListBox1"), 0,
                       Qt::ControlModifier); // Ctrl unselects it on the way: adam moves all the same
        chosen = names(f, list(f, "ListBox3"));
        left = names(f, list(f, "ListBox1"));
        doubleClickRow(list(f, "ListBox3"), 1);
    });
    EXPECT_EQ(selections, (QList<QList<int>>{{2}, {0, 2}, {0, 1, 2, 3}, {1}}));
    EXPECT_EQ(chosen, (QStringList{"adam Nowak", QString::fromUtf8("Zenon Zając")}));
    EXPECT_EQ(left, (QStringList{"Beata Kos", "Celina Lis"}));
    EXPECT_EQ(names(picker(), list(picker(), "ListBox3")), QStringList{"adam Nowak"});
}

TEST_F(PickerTest, AGroupClickSelectsTheCandidatesOfTheSelectedGroups)
{
    writePersons();
    start();
    QStringList selected;
    openPrint([&](drukowanie::TForm8& f) {
        // "Beata Kos" is chosen already and so is not looked at.
        selectRows(list(f, "ListBox1"), {1});
        button(f, "FlatSpeedButton2")->Click();
        clickRow(list(f, "ListBox2"), 1); // Rodzina
        for (const QListWidgetItem* item : list(f, "ListBox1")->selectedItems())
            selected << nameOf(f, item);
    });
    EXPECT_EQ(selected, (QStringList{"adam Nowak"}));
}

TEST_F(PickerTest, SavedListsAreProposedByFreeNumberAndLoadAgainInEitherPicker)
{
    writePersons();
    start();
    files.answers = {dir.file("baza/lista1.lst"), dir.file("baza/moja.lst")};
    openPrint([&](drukowanie::TForm8& f) {
        button(f, "FlatSpeedButton7")->Click(); // nothing chosen: nothing happens
        selectRows(list(f, "ListBox1"), {3, 0});
        button(f, "FlatSpeedButton2")->Click();
        button(f, "FlatSpeedButton7")->Click();
        button(f, "FlatSpeedButton7")->Click();
    });
    ASSERT_EQ(files.saveRequests.size(), 2);
    EXPECT_EQ(files.saveRequests[0].folder, dir.file("baza/"));
    EXPECT_EQ(files.saveRequests[0].fileName, "lista1.lst");
    EXPECT_EQ(files.saveRequests[1].fileName, "lista2.lst");
    EXPECT_EQ(dir.read("baza/lista1.lst"),
              crlf({dir.file("baza/2.wps").toUtf8().constData(), dir.file("baza/1.wps").toUtf8().constData()}));

    // A list with a bare file name, a line matching nobody and the same path twice.
    dir.write("baza/reczna.lst", crlf({"1.wps", "/nigdzie/9.wps", "4.wps", "4.wps"}));
    files.answers = {dir.file("baza/reczna.lst")};
    QStringList chosen;
    dialogs.scripts.append([&](QDialog& d) {
        auto& mail = static_cast<mail_zbiorowy::TForm10&>(d);
        button(mail, "FlatSpeedButton8")->Click();
        for (const QString& item : texts(list(mail, "ListBox3")))
            chosen << cp1250::toUnicode(mail.PickerEntries()[item.toInt()].Name);
    });
    child<TFlatSpeedButton>(*program->Form1, "FlatSpeedButton15")->Click();
    EXPECT_EQ(chosen, (QStringList{"Celina Lis", QString::fromUtf8("Zenon Zając")}));

    // A list saved on the old system names the files in its data folder, in any case.
    dir.write("baza/stara.lst", crlf({"C:\\Zubo\\baza\\3.wps", "C:\\Zubo\\baza\\2.wps", "C:\\ZUBO\\BAZA\\1.WPS"}));
    files.answers = {dir.file("baza/stara.lst")};
    chosen.clear();
    openPrint([&](drukowanie::TForm8& f) {
        button(f, "FlatSpeedButton8")->Click();
        chosen = names(f, list(f, "ListBox3"));
    });
    EXPECT_EQ(chosen, (QStringList{"adam Nowak", "Beata Kos", QString::fromUtf8("Zenon Zając")}));
}

TEST_F(PickerTest, AListThatCannotBeWrittenOrReadIsReportedAndTheChoiceStays)
{
    writePersons();
    start();
    const FailingFileWriter full(3);
    const FailingTextReader broken({dir.file("baza/zla.lst")});
    program->Form1->State().reader = &broken;
    program->Form1->State().writer = &full;
    files.answers = {dir.file("baza/lista1.lst"), dir.file("baza/zla.lst")};
    dir.write("baza/zla.lst", "1.wps\r\n");
    QStringList chosen;
    openPrint([&](drukowanie::TForm8& f) {
        selectRows(list(f, "ListBox1"), {0});
        button(f, "FlatSpeedButton2")->Click();
        button(f, "FlatSpeedButton7")->Click();
        button(f, "FlatSpeedButton8")->Click();
        chosen = texts(list(f, "ListBox3"));
    });
    EXPECT_FALSE(dir.exists("baza/lista1.lst"));
    ASSERT_EQ(prompter.shown.size(), 2);
    for (const FakePrompter::Shown& box : prompter.shown)
        EXPECT_TRUE(box.text.startsWith(msg(0))) << box.text.toStdString();
    EXPECT_TRUE(prompter.shown[0].text.contains(dir.file("baza/lista1.lst")));
    EXPECT_EQ(chosen, (QStringList{"0000000000"}));
}

TEST_F(PickerTest, PrintingWithNobodyChosenDoesNothingAndStaysOpen)
{
    writePersons();
    start();
    bool open = false;
    openPrint([&](drukowanie::TForm8& f) {
        button(f, "FlatSpeedButton6")->Click();
        open = f.isVisible();
    });
    EXPECT_TRUE(open);
    EXPECT_EQ(printer.documents, 0);
}

TEST_F(PickerTest, SheetsPrintTheChosenAndTheDialogClosesWithOk)
{
    writePersons();
    const FixedClock day(QDate(2007, 3, 5));
    clock = &day;
    start();
    int result = -1;
    dialogs.scripts.append([&](QDialog& d) {
        auto& f = static_cast<drukowanie::TForm8&>(d);
        button(f, "FlatSpeedButton4")->Click();
        button(f, "FlatSpeedButton6")->Click();
        result = f.result();
    });
    program->Form1->FillPrintDialog();
    dialogs.run(picker());
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(printer.documents, 1);
    EXPECT_EQ(printer.documentTitle, "ZUBO - drukowanie");
    EXPECT_EQ(printer.orientation, Printer::Orientation::Portrait);
    EXPECT_EQ(printer.pages.size(), 1);
    EXPECT_EQ(child<TFlatGauge>(picker(), "FlatGauge1")->Progress(), 0);
}

TEST_F(PickerTest, EnvelopesNeedTheSenderDialogAndTheChosenFormatThePrinterSetup)
{
    writePersons();
    write("opcje.ini", {"[adres_nadawcy]", "linia1=Jan Kos"});
    start();
    const auto printWith = [&](const char* radio, bool confirmSender) {
        dialogs.scripts.append([&, radio, confirmSender](QDialog& d) {
            auto& f = static_cast<drukowanie::TForm8&>(d);
            child<TFlatRadioButton>(f, radio)->SetChecked(true);
            button(f, "FlatSpeedButton4")->Click();
            dialogs.scripts.prepend([confirmSender](QDialog& sender) {
                child<TFlatSpeedButton>(sender, confirmSender ? "FlatSpeedButton1" : "FlatSpeedButton2")->Click();
            });
            button(f, "FlatSpeedButton6")->Click();
        });
        child<TFlatSpeedButton>(*program->Form1, "FlatSpeedButton13")->Click();
    };

    printWith("FlatRadioButton3", false);
    EXPECT_EQ(printer.documents, 0);
    EXPECT_EQ(printer.orientation, Printer::Orientation::Landscape);

    printWith("FlatRadioButton4", true);
    EXPECT_EQ(printer.documents, 1);
    EXPECT_EQ(printer.pages.size(), 4);

    printer.setupAnswer = false;
    prompter.shown.clear();
    printWith("FlatRadioButton2", true);
    EXPECT_EQ(messages(), (QStringList{msg(22)}));
    EXPECT_EQ(printer.setupShown, 1);
    EXPECT_EQ(printer.documents, 1);
}

// Prints the chosen persons with one of the picker's layouts; the sender dialog is confirmed.
class PrintJobTest : public PickerTest {
protected:
    void print(const char* radio)
    {
        // The sender's script of a job that ended before asking for the sender.
        dialogs.scripts.clear();
        dialogs.scripts.append([this, radio](QDialog& d) {
            auto& f = static_cast<drukowanie::TForm8&>(d);
            child<TFlatRadioButton>(f, radio)->SetChecked(true);
            button(f, "FlatSpeedButton4")->Click();
            dialogs.scripts.prepend(
                [](QDialog& sender) { child<TFlatSpeedButton>(sender, "FlatSpeedButton1")->Click(); });
            button(f, "FlatSpeedButton6")->Click();
        });
        child<TFlatSpeedButton>(*program->Form1, "FlatSpeedButton13")->Click();
    }
};

// With no printer installed, a layout that prints at once offers to save the job as a PDF file; a
// refusal at either step prints nothing and says so once.
TEST_F(PrintJobTest, WithoutAPrinterTheJobGoesToAPdfFileOrIsToldOnce)
{
    writePersons();
    write("opcje.ini", {"[adres_nadawcy]", "linia1=Jan Kos"});
    start();
    printer.installed = false;
    // A home folder without a documents folder: the file is proposed in the home folder itself.
    const QByteArray realHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(dir.mkdir("home")));
    const auto restoreHome = qScopeGuard([&] { qputenv("HOME", realHome); });
    const QString offer = QString::fromUtf8("Nie ma zainstalowanej drukarki. Czy zapisać wydruk w pliku PDF?");
    const QString none = QString::fromUtf8("Nic nie wydrukowano: nie ma zainstalowanej drukarki.");
    const struct Case {
        const char* what;
        const char* radio;
        Prompter::Answer answer;
        std::optional<QString> file;
        QStringList told;
        int documents;
    } cases[] = {
        {"sheets, refused", "FlatRadioButton1", Prompter::Answer::No, {}, {offer, none}, 0},
        {"sheets, no file named", "FlatRadioButton1", Prompter::Answer::Yes, std::nullopt, {offer, none}, 0},
        {"sheets to a file", "FlatRadioButton1", Prompter::Answer::Yes, dir.file("a.pdf"), {offer}, 1},
        {"C6 envelopes, refused", "FlatRadioButton3", Prompter::Answer::No, {}, {offer, none}, 0},
        {"DL envelopes to a file", "FlatRadioButton4", Prompter::Answer::Yes, dir.file("b.pdf"), {offer}, 1},
    };
    for (const Case& c : cases) {
        prompter.shown.clear();
        prompter.answers = {c.answer};
        files.answers = {c.file};
        files.saveRequests.clear();
        printer.documents = 0;
        print(c.radio);
        EXPECT_EQ(messages(), c.told) << c.what;
        EXPECT_EQ(printer.documents, c.documents) << c.what;
        EXPECT_EQ(printer.pdfFile, c.documents ? *c.file : QString()) << c.what;
        if (c.answer == Prompter::Answer::Yes) {
            ASSERT_EQ(files.saveRequests.size(), 1) << c.what;
            EXPECT_EQ(files.saveRequests[0].filter, "Pliki PDF (*.pdf)");
            EXPECT_EQ(files.saveRequests[0].defaultSuffix, "pdf");
            EXPECT_EQ(files.saveRequests[0].folder, QDir::cleanPath(dir.file("home")));
        } else {
            EXPECT_TRUE(files.saveRequests.isEmpty()) << c.what;
        }
    }
}

// The paper chosen in the print dialog for envelopes is that job's: the next sheets come on the
// default printer's A4 again, portrait, and the printer's dialog is never asked for them.
TEST_F(PrintJobTest, EveryJobStartsOnItsOwnPaper)
{
    writePersons();
    write("opcje.ini", {"[adres_nadawcy]", "linia1=Jan Kos"});
    start();
    printer.setupPage = QSize(450, 640);
    print("FlatRadioButton2");
    ASSERT_EQ(printer.pages.size(), 4);
    EXPECT_EQ(printer.pages[0].size(), QSize(640, 450));

    print("FlatRadioButton1");
    ASSERT_EQ(printer.pages.size(), 1);
    EXPECT_EQ(printer.pages[0].size(), printer.portraitPage);
    EXPECT_EQ(printer.setupShown, 1);
    EXPECT_EQ(printer.jobs, 2);
}

// A document the printer or its file did not take is reported, with the cause when there is one.
TEST_F(PrintJobTest, AJobThatDidNotFinishIsReported)
{
    writePersons();
    start();
    printer.endError = "/tmp/x.pdf: No space left on device";
    print("FlatRadioButton1");
    EXPECT_EQ(messages(), (QStringList{"/tmp/x.pdf: No space left on device"}));
    prompter.shown.clear();
    printer.endError.clear();
    printer.canPrint = false;
    print("FlatRadioButton1");
    EXPECT_EQ(messages(), (QStringList{QString::fromUtf8("Drukarka nie przyjęła wydruku.")}));
}

TEST_F(PickerTest, BulkMailOpensOneMessageToAllChosenInNameOrder)
{
    writePersons();
    start();
    RecordingLinkOpener links;
    QStringList offered;
    bool openAfterEmptyR = false;
    int result = -1;
    dialogs.scripts.append([&](QDialog& d) {
        auto& f = static_cast<mail_zbiorowy::TForm10&>(d);
        button(f, "FlatSpeedButton6")->Click(); // "R" with nobody chosen
        openAfterEmptyR = f.isVisible();
        offered = names(f, list(f, "ListBox1"));
        button(f, "FlatSpeedButton4")->Click();
        button(f, "FlatSpeedButton6")->Click();
        result = f.result();
    });
    child<TFlatSpeedButton>(*program->Form1, "FlatSpeedButton15")->Click();
    EXPECT_TRUE(openAfterEmptyR);
    EXPECT_EQ(offered, (QStringList{"Beata Kos", "Celina Lis", QString::fromUtf8("Zenon Zając")}));
    EXPECT_EQ(links.opened, (QStringList{"mailto:b@x.pl; c@x.pl; z@x.pl; "}));
    EXPECT_EQ(result, mrOk);
    EXPECT_TRUE(prompter.shown.isEmpty());
}

// The bulk e-mail window is the print picker with its own action: its chosen list runs down to where
// the print layouts were, which it does not offer.
TEST_F(PickerTest, TheMailPickerTakesTheLayoutChoicesPlaceForItsList)
{
    startMain();
    drukowanie::TForm8 print(main->State());
    mail_zbiorowy::TForm10 mail(main->State());
    const struct {
        QDialog* picker;
        const char* heading;
        int chosenHeight;
        const char* action;
        const char* hint;
        bool layouts;
    } cases[] = {
        {&print, "Do drukowania", 353, "D", "Drukuj", true},
        {&mail, "Adresaci", 417, "R", "Redaguj maila", false},
    };
    for (const auto& c : cases) {
        c.picker->open();
        EXPECT_EQ(child<QLabel>(*c.picker, "Label2")->text(), c.heading);
        EXPECT_EQ(list(*c.picker, "ListBox3")->geometry(), QRect(248, 24, 177, c.chosenHeight)) << c.heading;
        EXPECT_EQ(button(*c.picker, "FlatSpeedButton6")->Caption(), c.action);
        EXPECT_EQ(button(*c.picker, "FlatSpeedButton6")->toolTip(), c.hint);
        for (const char* radio : {"FlatRadioButton1", "FlatRadioButton2", "FlatRadioButton3", "FlatRadioButton4"})
            EXPECT_EQ(child<TFlatRadioButton>(*c.picker, radio)->isVisible(), c.layouts) << c.heading << radio;
        c.picker->reject();
    }
}

// Without a mail program the user is told, and the window closes as after a message was opened.
TEST_F(PickerTest, BulkMailWithoutAMailProgramIsTold)
{
    writePersons();
    start();
    RecordingLinkOpener links;
    links.succeed = false;
    int result = -1;
    dialogs.scripts.append([&](QDialog& d) {
        auto& f = static_cast<mail_zbiorowy::TForm10&>(d);
        button(f, "FlatSpeedButton4")->Click();
        button(f, "FlatSpeedButton6")->Click();
        result = f.result();
    });
    child<TFlatSpeedButton>(*program->Form1, "FlatSpeedButton15")->Click();
    EXPECT_EQ(messages(), QStringList{missingToolText(MissingTool::MailProgram)});
    EXPECT_EQ(result, mrOk);
}

} // namespace
