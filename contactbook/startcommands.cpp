// The main window's commands on the entries and the shown person: new and edit ("N", "E"), e-mail
// and the copy menus, the NIP/REGON and phone panels with the read-aloud, the bin, the favourites,
// the backup copy to a removable medium and the button wave.
#include "start.h"
#include "windowparts.h"

#include "TFlatListBoxUnit.h"
#include "TFlatRadioButtonUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"
#include "bin.h"
#include "bitmaps.h"
#include "buttonanimation.h"
#include "clipboard.h"
#include "clock.h"
#include "codec1250.h"
#include "datafolders.h"
#include "dialogrunner.h"
#include "dodaj_nowy.h"
#include "entryeditor.h"
#include "favourites.h"
#include "floppycopy.h"
#include "mailto.h"
#include "personfields.h"
#include "personfile.h"
#include "personlist.h"
#include "phonereading.h"
#include "prompter.h"
#include "removabledrives.h"
#include "settings.h"
#include "soundplayer.h"
#include "textreader.h"
#include "wybor_typu_nowego.h"

#include <QAction>
#include <QActionGroup>
#include <QFileDevice>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

namespace start {
namespace {

QString text(const QByteArray& bytes)
{
    return cp1250::toUnicode(bytes);
}

// The rows of a list that are selected and hold an item, first to last.
QList<int> selectedRows(const TFlatListBox* list)
{
    QList<int> rows;
    for (int i = 0; i < list->Items().size(); ++i) {
        if (list->GetSelected(i))
            rows.append(i);
    }
    return rows;
}

// The name of a chooser item as the person list has it; empty beyond the list.
QByteArray listedName(const QList<PersonListEntry>& list, int index)
{
    return index < list.size() ? list[index].Name : QByteArray();
}

// The shown entry's name for the questions of "K" and "P": as the person list names it when it is
// listed ("???" for a file without a name), else the file's own.
QByteArray shownEntryName(const QList<PersonListEntry>& list, const QString& shownPath, const QByteArray& shownName)
{
    const qsizetype listed = indexOfPath(list, shownPath);
    return listed >= 0 ? list[listed].Name : shownName;
}

// "K" and "P" change files only in the data folders in use: an entry shown from elsewhere (a
// favourite, a saved list, the command line) is told why it stays as it is.
bool mayChangeEntry(const ProgramState& state, const QString& path)
{
    if (liesInDataFolders(path, dataFolders(state.settings, state.programDir)))
        return true;
    Prompter::current().showError(nullptr, messageBoxCaption(), outsideEntryMessage(path));
    return false;
}

// Tells a panel's clicks (left button released over it) and its showing and hiding.
class PanelWatch : public QObject {
public:
    PanelWatch(QLabel* panel, std::function<void()> clicked, std::function<void(bool)> shown = {})
        : QObject(panel)
        , m_clicked(std::move(clicked))
        , m_shown(std::move(shown))
    {
        panel->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* panel = static_cast<QLabel*>(watched);
        switch (event->type()) {
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && panel->rect().contains(mouse->position().toPoint()))
                m_clicked();
            break;
        }
        case QEvent::Show:
        case QEvent::Hide:
            // The panel's own visibility, not its window's.
            if (m_shown)
                m_shown(!panel->isHidden());
            break;
        default:
            break;
        }
        return false;
    }

private:
    std::function<void()> m_clicked;
    std::function<void(bool)> m_shown;
};

// Reports a change of the favourites file that did not happen: a path the file cannot keep by its
// own message, any other failure by message 2.
bool favouritesWritten(FavouritesWrite result, const QString& message, const MessageTable& messages)
{
    switch (result) {
    case FavouritesWrite::Done:
        return true;
    case FavouritesWrite::PathNotStorable:
        Prompter::current().showError(nullptr, messageBoxCaption(), message);
        break;
    case FavouritesWrite::Failed:
        Prompter::current().showError(nullptr, messageBoxCaption(), text(messages[2]));
        break;
    }
    return false;
}

void popUpOnRightClick(QLabel* panel, QMenu* menu)
{
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(panel, &QWidget::customContextMenuRequested, menu,
                     [panel, menu](const QPoint& pos) { menu->popup(panel->mapToGlobal(pos)); });
}

} // namespace

void TForm1::createCommandControls()
{
    // The favourites' three small buttons above the chooser, the backup button in the left column.
    struct ButtonPlace {
        int number;
        int x, y;
        const char* caption;
        const char* hint;
    };
    const int column = FlatSpeedButton[8]->x();
    const ButtonPlace places[] = {
        {22, 352, 4, ">#", "Dodaj do listy podręcznej"},
        {23, 372, 4, "#", "Lista podręczna, czyli szybkie wybieranie"},
        {24, 392, 4, "#>", "Kasuj z listy podręcznej aktualnie wybraną osobę."},
        {20, column, 288, "", "Kopia bazy danych na dyskietce"},
    };
    for (const ButtonPlace& place : places) {
        auto* b = new TFlatSpeedButton(this);
        b->setGeometry(place.x, place.y, 17, 17);
        b->SetCaption(QString::fromUtf8(place.caption));
        b->setToolTip(QString::fromUtf8(place.hint));
        FlatSpeedButton[std::size_t(place.number)] = b;
    }
    FlatSpeedButton[20]->SetGlyph(bitmapResource(u"DYSKIETKA"));
    // "#>" keeps colours of its own whatever the scheme says.
    TFlatSpeedButton* remove = FlatSpeedButton[24];
    remove->SetColor(clMedGray);
    remove->SetColorFocused(0x0080FF);
    remove->SetColorDown(0x0063C6);
    remove->SetColorBorder(0x000040);
    SetFontColor(remove, clWindowText);

    const auto onClick = [this](int number, void (TForm1::*handler)()) {
        connect(FlatSpeedButton[std::size_t(number)], &TFlatSpeedButton::OnClick, this, handler);
    };
    onClick(1, &TForm1::FlatSpeedButton1Click);
    onClick(2, &TForm1::FlatSpeedButton2Click);
    onClick(11, &TForm1::FlatSpeedButton11Click);
    onClick(18, &TForm1::FlatSpeedButton18Click);
    onClick(19, &TForm1::FlatSpeedButton19Click);
    onClick(20, &TForm1::FlatSpeedButton20Click);
    onClick(22, &TForm1::FlatSpeedButton22Click);
    onClick(23, &TForm1::FlatSpeedButton23Click);
    onClick(24, &TForm1::FlatSpeedButton24Click);

    PopupMenu3 = new QMenu(this);
    Kopiuj1 = PopupMenu3->addAction(QStringLiteral("Kopiuj adres email"), this, &TForm1::Kopiuj1Click);
    Kopiuj1->setEnabled(false);
    connect(FlatListBox2, &TFlatListBox::OnMouseUp, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
                FlatListBox2MouseUp();
                if (button == Qt::RightButton)
                    PopupMenu3->popup(FlatListBox2->mapToGlobal(QPoint(x, y)));
            });
    connect(FlatListBox3, &TFlatListBox::OnMouseUp, this, &TForm1::FlatListBox3MouseUp);

    PopupMenu4 = new QMenu(this);
    Czytaj1 = PopupMenu4->addAction(QStringLiteral("Czytaj"), this, &TForm1::Czytaj1Click);
    Czytajza3sekundy1 =
        PopupMenu4->addAction(QStringLiteral("Czytaj za 3 sekundy"), this, &TForm1::Czytajza3sekundy1Click);
    Czytajza5sekund1 =
        PopupMenu4->addAction(QStringLiteral("Czytaj za 5 sekund"), this, &TForm1::Czytajza5sekund1Click);
    Czytajza10sekund1 =
        PopupMenu4->addAction(QStringLiteral("Czytaj za 10 sekund"), this, &TForm1::Czytajza10sekund1Click);
    PopupMenu4->addSeparator();
    Kopiuj3 = PopupMenu4->addAction(QStringLiteral("Kopiuj"), this, &TForm1::Kopiuj3Click);
    popUpOnRightClick(Panel1, PopupMenu4);

    PopupMenu5 = new QMenu(this);
    Kopiuj2 = PopupMenu5->addAction(QStringLiteral("Kopiuj"), this, &TForm1::Kopiuj2Click);
    popUpOnRightClick(Panel2, PopupMenu5);

    m_numberReader = std::make_shared<NumberReader>();
    new PanelWatch(
        Panel1, [this] { Panel1Click(); },
        [reader = std::weak_ptr<NumberReader>(m_numberReader)](bool shown) {
            if (const auto r = reader.lock())
                r->setShown(shown);
        });
    new PanelWatch(Panel2, [this] { Panel2Click(); });

    // The wave's buttons top to bottom: "N", "K", "E", "G", "M", "J", "O", "X".
    m_animation = std::make_unique<ButtonAnimation>(
        ButtonAnimation::Buttons{FlatSpeedButton[4], FlatSpeedButton[2], FlatSpeedButton[9], FlatSpeedButton[3],
                                 FlatSpeedButton[1], FlatSpeedButton[10], FlatSpeedButton[6], FlatSpeedButton[5]},
        [this] { return m_state.colors.guziki_tlo; });
    Timer1 = new QTimer(this);
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();
}

QString TForm1::favouritesFile() const
{
    return defaultBaseIn(m_state.programDir) + QLatin1String(kFavouritesFileName);
}

bool TForm1::AnimationDone() const
{
    return m_animation->done();
}

bool TForm1::ReaderIdle() const
{
    return m_numberReader->idle();
}

void TForm1::FlatSpeedButton1Click()
{
    const QList<int> rows = selectedRows(FlatListBox2);
    if (rows.isEmpty())
        return;
    // What the mail program makes of it is its own affair.
    openMail(mailtoUrl(FlatListBox2->Items().at(rows.last())));
}

void TForm1::FlatListBox2MouseUp()
{
    Kopiuj1->setEnabled(!selectedRows(FlatListBox2).isEmpty());
}

void TForm1::Kopiuj1Click()
{
    const QList<int> rows = selectedRows(FlatListBox2);
    if (!rows.isEmpty())
        Clipboard::current().setText(FlatListBox2->Items().at(rows.first()));
}

// "N": asks for the entry type, opens the editor empty, and after a save lists the entries again
// and shows the new one.
void TForm1::FlatSpeedButton4Click()
{
    if (!m_dialogs.editor || !m_dialogs.entryTypeDialog)
        return;
    dodaj_nowy::TForm3& editor = *m_dialogs.editor();
    wybor_typu_nowego::TForm6& entryType = *m_dialogs.entryTypeDialog();
    editor.PrepareNewEntry(m_groupMenu);

    entryType.OfferPerson();
    entryType.move(pos() + QPoint(216, 24));
    if (DialogRunner::current().run(entryType) != mrOk)
        return;
    editor.SetEntryType(entryType.EntryType());
    if (DialogRunner::current().run(editor) != mrOk)
        return;

    RefreshPersonList(GroupScan::RebuildMenu);
    if (ZuboComboBox1->count() == 0)
        return;
    if (editor.EntryType() != kEntryTypePerson) {
        // One-off reminders are not listed under the refreshed filter. The first entry is shown as
        // well as selected, so the chooser names the person the view shows.
        ZuboComboBox1->setCurrentIndex(0);
        ShowPerson(ZuboComboBox1->itemText(0));
        return;
    }
    for (int i = 0; i < ZuboComboBox1->count(); ++i) {
        const QString path = ZuboComboBox1->itemText(i);
        if (QFileInfo(path).fileName() == editor.NewFileName()) {
            ZuboComboBox1->setCurrentIndex(i);
            showPerson(shownPerson(path, editor.SavedRecord()));
            return;
        }
    }
}

void TForm1::showAfterEdit(const QString& path, const PersonRecord* saved)
{
    RefreshPersonList(GroupScan::RebuildMenu);
    ZuboComboBox1->setCurrentIndex(ZuboComboBox1->findText(path, Qt::MatchExactly | Qt::MatchCaseSensitive));
    if (saved)
        showPerson(shownPerson(path, *saved));
    else
        ShowPerson(path);
}

// "E": opens the editor on the shown entry, and after a save lists the entries again and shows it.
void TForm1::FlatSpeedButton9Click()
{
    if (!m_dialogs.editor)
        return;
    dodaj_nowy::TForm3& editor = *m_dialogs.editor();
    // The editor is filled from the person shown, so it edits the file shown, whatever the chooser
    // selects.
    const QString path = m_shown.path;
    if (path.isEmpty())
        return;
    // Only a file still there and readable is edited: an entry deleted meanwhile is named with the
    // system's cause. The save reads it again for the lines the editor does not show.
    int code = notAFileError(path);
    if (code != 0 || !m_state.reader->readFirstLine(path, &code)) {
        // A question box whose answer is not used, as every file error of the main program.
        Prompter::current().askYesNo(nullptr, messageBoxCaption(), fileErrorMessage(m_state.messages, path, code));
        return;
    }
    editor.PrepareEdit(m_shown, m_photo, m_groupMenu);

    if (DialogRunner::current().run(editor) == mrOk) {
        showAfterEdit(path, &editor.SavedRecord());
        return;
    }
    // A group deleted or renamed in the dialog changed the files, saved or not.
    if (editor.GroupsChanged()) {
        editor.ForgetGroupsChanged();
        showAfterEdit(path, nullptr);
    }
}

// "K" and "P" act on the entry shown, which the chooser need not select (a favourite outside the
// list): the user decides on what is in front of them.
void TForm1::FlatSpeedButton2Click()
{
    const QString path = m_shown.path;
    if (path.isEmpty() || !mayChangeEntry(m_state, path))
        return;
    const QByteArray question =
        m_state.messages[3] + ": " + shownEntryName(m_personList, path, m_shown.record.nazwisko);
    if (Prompter::current().askYesNo(nullptr, messageBoxCaption(), text(question)) != Prompter::Answer::Yes)
        return;
    const std::optional<DeleteResult> result = deleteEntry(path, m_clock->now(), *m_state.writer, *m_remover);
    if (!result)
        return;
    // The refreshed list shows the entry still there.
    if (!result->failedPath.isEmpty())
        Prompter::current().askYesNo(nullptr, messageBoxCaption(),
                                     fileErrorMessage(m_state.messages, result->failedPath, result->errorCode));
    ClearPersonView();
    RefreshPersonList(GroupScan::RebuildMenu);
    showOneOf(m_personList);
}

void TForm1::FlatSpeedButton11Click()
{
    const QString path = m_shown.path;
    if (path.isEmpty() || kindOfFileName(path) != EntryKind::Binned || !mayChangeEntry(m_state, path))
        return;
    const QByteArray question =
        m_state.messages[17] + ": " + shownEntryName(m_personList, path, m_shown.record.nazwisko);
    if (Prompter::current().askYesNo(nullptr, messageBoxCaption(), text(question)) != Prompter::Answer::Yes)
        return;
    const std::optional<RestoreResult> result = restoreEntry(path, m_clock->now(), *m_state.writer, *m_remover);
    if (!result)
        return;
    // A failed restore is reported and the entry stays shown in the bin; a person file that already
    // had the name is then not shown as if it were the restored person.
    if (!result->restored)
        Prompter::current().askYesNo(nullptr, messageBoxCaption(),
                                     fileErrorMessage(m_state.messages, result->failedPath, result->errorCode));
    const QString shown = result->restored ? result->restoredPath : path;
    FlatSpeedButton[11]->hide();
    RefreshPersonList(GroupScan::RebuildMenu);
    if (ZuboComboBox1->count() == 0)
        return;
    int selected = -1;
    for (int i = 0; i < ZuboComboBox1->count() && selected < 0; ++i) {
        if (ZuboComboBox1->itemText(i).compare(shown, Qt::CaseInsensitive) == 0)
            selected = i;
    }
    ZuboComboBox1->setCurrentIndex(selected);
    ShowPerson(shown);
}

void TForm1::FlatSpeedButton18Click()
{
    Panel2->setText(text(m_shown.record.NIP));
    Panel2->show();
    Panel2->raise();
}

void TForm1::FlatSpeedButton19Click()
{
    Panel2->setText(text(m_shown.record.regon));
    Panel2->show();
    Panel2->raise();
}

void TForm1::Panel2Click()
{
    Panel2->hide();
}

void TForm1::Kopiuj2Click()
{
    Clipboard::current().setText(Panel2->text());
}

void TForm1::FlatSpeedButton20Click()
{
    if (!Prompter::current().askOkCancel(nullptr, messageBoxCaption(), text(m_state.messages[23])))
        return;
    const FloppyCopy copy = copyBaseToFloppy(m_state.programDir, RemovableDrives::current(), *m_state.writer);
    // Files that could not be copied are reported too: a backup must not seem made when it is not.
    if (copy.result != FloppyCopy::Result::Copied)
        Prompter::current().showError(nullptr, messageBoxCaption(), text(m_state.messages[24]));
}

void TForm1::FlatSpeedButton22Click()
{
    const int index = ZuboComboBox1->currentIndex();
    if (index < 0)
        return;
    const QString path = ZuboComboBox1->itemText(index);
    QString message;
    if (!favouritesWritten(appendFavourite(favouritesFile(), path, *m_state.writer, *m_state.reader, &message), message,
                           m_state.messages))
        return;
    m_favourites.append({path, listedName(m_personList, index), QByteArray()});
    rebuildFavouritesMenu();
    Prompter::current().inform(nullptr, messageBoxCaption(), text(m_state.messages[29]));
}

void TForm1::FlatSpeedButton23Click()
{
    const TFlatSpeedButton* button = FlatSpeedButton[23];
    PopupMenu6->popup(mapToGlobal(button->pos() + QPoint(0, button->height())));
}

void TForm1::osoba1Click()
{
    const QList<QAction*> items = PopupMenu6->actions();
    const auto checked = std::find_if(items.cbegin(), items.cend(), [](const QAction* a) { return a->isChecked(); });
    if (checked == items.cend() || checked - items.cbegin() >= m_favourites.size())
        return;
    const QString path = m_favourites[checked - items.cbegin()].Path;
    // A favourite outside the current list is shown all the same; the choice stays as it is.
    if (const qsizetype listed = indexOfPath(m_personList, path); listed >= 0)
        ZuboComboBox1->setCurrentIndex(int(listed));
    ShowPerson(path);
    // Also when its file is gone and nothing new could be shown: "#>" must still reach it.
    m_pickedFavourite = path;
}

// A favourite the chooser never holds (its file sent to the bin, an entry not listed) could never be
// removed by the chooser's selection: the one just picked from "#" is removed instead.
void TForm1::FlatSpeedButton24Click()
{
    QString path = m_pickedFavourite;
    if (path.isEmpty()) {
        const int index = ZuboComboBox1->currentIndex();
        if (index < 0)
            return;
        path = ZuboComboBox1->itemText(index);
    }
    const qsizetype favourite = indexOfPath(m_favourites, path);
    if (favourite < 0)
        return;
    if (Prompter::current().askYesNo(nullptr, messageBoxCaption(), text(m_state.messages[30])) != Prompter::Answer::Yes)
        return;
    QList<PersonListEntry> remaining = m_favourites;
    remaining.removeAt(favourite);
    // The list in memory follows the file: a removal that could not be written is reported, and
    // the favourite stays instead of coming back unexpectedly at the next start.
    QString message;
    if (!favouritesWritten(writeFavourites(favouritesFile(), remaining, *m_state.writer, &message), message,
                           m_state.messages))
        return;
    m_favourites = remaining;
    rebuildFavouritesMenu();
}

void TForm1::FlatListBox3MouseUp()
{
    const std::int64_t now = m_clock->ticks();
    const bool second = isSecondClick(now, m_state.lastPhoneClick);
    m_state.lastPhoneClick = now;
    if (!second)
        return;
    const QList<int> rows = selectedRows(FlatListBox3);
    if (rows.isEmpty())
        return;
    Panel1->setText(FlatListBox3->Items().at(rows.first()));
    Panel1->show();
    Panel1->raise();
}

void TForm1::Panel1Click()
{
    Panel1->hide();
}

void TForm1::readAloud(int delayMs)
{
    m_numberReader->start(SoundPlayer::current(), digitSounds(m_state.soundDir, Panel1->text()), delayMs,
                          [this](SoundPlayer::Outcome outcome) {
                              // From the reader's thread: the message box is shown by the GUI thread.
                              QMetaObject::invokeMethod(
                                  this,
                                  [outcome] {
                                      tellMissingTool(outcome == SoundPlayer::Outcome::NoPlayer
                                                          ? MissingTool::SoundPlayer
                                                          : MissingTool::SoundDevice);
                                  },
                                  Qt::QueuedConnection);
                          });
}

void TForm1::Czytaj1Click()
{
    readAloud(0);
}

void TForm1::Czytajza3sekundy1Click()
{
    readAloud(3000);
}

void TForm1::Czytajza5sekund1Click()
{
    readAloud(5000);
}

void TForm1::Czytajza10sekund1Click()
{
    readAloud(10000);
}

void TForm1::Kopiuj3Click()
{
    Clipboard::current().setText(Panel1->text());
}

void TForm1::Timer1Timer()
{
    m_animation->start();
    Timer1->setInterval(60000);
}

void TForm1::FormDestroy()
{
    // The wave runs on this thread's timer: stopping it is all the destroy step needs.
    Timer1->stop();
    m_animation->stop();
}

} // namespace start
