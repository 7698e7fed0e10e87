#include "start.h"

#include "windowparts.h"

#include "TFlatEditUnit.h"
#include "TFlatHintUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatMemoUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"
#include "bitmaps.h"
#include "buttonanimation.h"
#include "chooserrow.h"
#include "clock.h"
#include "codec1250.h"
#include "datefields.h"
#include "dialogrunner.h"
#include "dodaj_nowy.h"
#include "drukowanie.h"
#include "favourites.h"
#include "fileremover.h"
#include "filewriter.h"
#include "imieniny.h"
#include "kolory.h"
#include "languagechoice.h"
#include "personfields.h"
#include "personpicker.h"
#include "phonereading.h"
#include "picture.h"
#include "profilefile.h"
#include "programfolder.h"
#include "programstart.h"
#include "prompter.h"
#include "schemecolours.h"
#include "shape.h"
#include "shownperson.h"
#include "szukanie.h"
#include "textreader.h"
#include "windowplace.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QShowEvent>

namespace start {
namespace {

constexpr int kClientWidth = 687;
constexpr int kClientHeight = 470;
constexpr int kButtonSize = 17;
constexpr int kLeftBar = 440;
constexpr int kRightBar = 664;

QString text(const QByteArray& bytes)
{
    return cp1250::toUnicode(bytes);
}

void reportError(const QString& message)
{
    Prompter::current().showError(nullptr, messageBoxCaption(), message);
}

} // namespace

TForm1::TForm1(const StartSetup& setup, QWidget* parent)
    : QWidget(parent)
    , m_remover(setup.remover ? setup.remover : &FileRemover::standard())
    , m_clock(setup.clock ? setup.clock : &Clock::standard())
{
    if (setup.reader)
        m_state.reader = setup.reader;
    if (setup.writer)
        m_state.writer = setup.writer;
    createControls();
    registerTexts();
    FormCreate(setup);
    if (m_started && setup.dialogs)
        m_dialogs = setup.dialogs(*this);
}

TForm1::~TForm1()
{
    FormDestroy();
}

void TForm1::createControls()
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setFont(DefaultUiFont());
    // The first hint component sets the application's style; made before the other controls, none
    // of them is polished twice.
    FlatHint1 = new TFlatHint(this);
    FlatHint1->SetFont(DefaultUiFont());
    // The colours of the built-in scheme until the settings file's are applied.
    schemecolours::applyToWindow(this, m_state.colors);

    Shape1 = new TShape(this);
    Shape2 = new TShape(this);
    // The bars run past the top and bottom edges, so only their sides show an outline.
    Shape1->setGeometry(kLeftBar, -1, kButtonSize, kClientHeight + 2);
    Shape2->setGeometry(kRightBar, -1, kButtonSize, kClientHeight + 2);

    struct LabelPlace {
        int id;
        int x, y;
        int rightAlignedWidth; // 0: the label sizes itself to its caption
    };
    static constexpr LabelPlace kLabels[] = {
        {1, 24, 8, 0},     {2, 0, 136, 97},  {3, 112, 48, 0},  {4, 176, 48, 0},   {5, 264, 48, 0},   {6, 472, 8, 0},
        {7, 472, 56, 0},   {8, 544, 56, 0},  {9, 472, 104, 0}, {10, 560, 104, 0}, {11, 472, 152, 0}, {12, 472, 352, 0},
        {13, 472, 248, 0}, {14, 24, 296, 0}, {15, 24, 160, 0}, {16, 472, 200, 0}, {17, 0, 72, 97},   {18, 0, 104, 97},
    };
    for (const LabelPlace& place : kLabels) {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->move(place.x, place.y);
        if (place.rightAlignedWidth) {
            label->setAlignment(Qt::AlignRight | Qt::AlignTop);
            label->resize(place.rightAlignedWidth, 13);
        }
        Label[std::size_t(place.id)] = label;
    }

    ZuboComboBox1 = new TZuboComboBox(this, csOwnerDrawFixed);
    ZuboComboBox1->SetItemHeight(13);
    ZuboComboBox1->setGeometry(48, 24, 361, 19);
    connect(ZuboComboBox1, &TZuboComboBox::OnDrawItem, this,
            [this](QPainter* canvas, int index, const QRect& rect, TOwnerDrawState state) {
                FlatComboBox1DrawItem(canvas, index, rect, state);
            });
    connect(ZuboComboBox1, &TZuboComboBox::OnChange, this, &TForm1::FlatComboBox1Change);

    static const PersonFieldPlaces kFieldPlaces = {
        104, 256, {24, 72, 120, 168, 216}, QRect(472, 264, 177, 81), QRect(472, 368, 177, 100)};
    buildPersonFields(this, *this, kFieldPlaces, FieldUse::Show);
    connect(FlatListBox1, &TFlatListBox::OnMouseUp, this, &TForm1::FlatListBox1MouseUp);

    const auto panel = [this](int y) {
        auto* p = new QLabel(this);
        p->setTextFormat(Qt::PlainText);
        p->setGeometry(0, y, 681, 105);
        p->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        p->setAlignment(Qt::AlignCenter);
        p->setAutoFillBackground(true);
        QFont font(QStringLiteral("Verdana"));
        font.setPixelSize(29);
        font.setBold(true);
        p->setFont(font);
        p->hide();
        return p;
    };
    Panel1 = panel(360);
    Panel2 = panel(85);

    struct ButtonPlace {
        int number;
        int x, y, width;
        bool visible, enabled;
    };
    // The one-letter commands down the right bar, browsing and the dialogs down the left one, NIP and
    // REGON above the photo.
    static constexpr ButtonPlace kButtons[] = {
        {4, kRightBar, 24, kButtonSize, true, true},
        {2, kRightBar, 48, kButtonSize, true, true},
        {9, kRightBar, 72, kButtonSize, true, true},
        {3, kRightBar, 96, kButtonSize, true, true},
        {1, kRightBar, 120, kButtonSize, true, true},
        {10, kRightBar, 144, kButtonSize, false, false},
        {6, kRightBar, 424, kButtonSize, true, true},
        {5, kRightBar, 448, kButtonSize, true, true},
        {8, kLeftBar, 24, kButtonSize, true, true},
        {7, kLeftBar, 48, kButtonSize, true, true},
        {11, kLeftBar, 88, kButtonSize, false, true},
        {12, kLeftBar, 128, kButtonSize, true, false},
        {17, kLeftBar, 152, kButtonSize, true, false},
        {13, kLeftBar, 192, kButtonSize, true, true},
        {15, kLeftBar, 216, kButtonSize, true, true},
        {21, kLeftBar, 240, kButtonSize, true, true},
        {16, kLeftBar, 264, kButtonSize, true, true},
        {18, 333, 44, 31, false, true},
        {19, 369, 44, 31, false, true},
    };
    for (const ButtonPlace& place : kButtons) {
        auto* b = new TFlatSpeedButton(this);
        b->setGeometry(place.x, place.y, place.width, kButtonSize);
        b->setVisible(place.visible);
        b->setEnabled(place.enabled);
        FlatSpeedButton[std::size_t(place.number)] = b;
    }
    // Captions and hints of the buttons that no language text names.
    static constexpr struct {
        int number;
        const char* caption;
        const char* hint;
    } kOwnTexts[] = {
        {11, "P", "Przywróć"},
        {12, "S", "Szukaj ..."},
        {17, "I", "Baza imienin"},
        {18, "NIP", "Pokaż NIP"},
        {19, "REG", "Pokaż Regon"},
        {13, "D", "Drukuj ..."},
        {15, "M", "Mail zbiorowy (do wielu osób na raz)"},
        {21, "U", "Opcje"},
    };
    for (const auto& t : kOwnTexts) {
        FlatSpeedButton[std::size_t(t.number)]->SetCaption(QString::fromUtf8(t.caption));
        FlatSpeedButton[std::size_t(t.number)]->setToolTip(QString::fromUtf8(t.hint));
    }
    const auto onClick = [this](int number, void (TForm1::*handler)()) {
        connect(FlatSpeedButton[std::size_t(number)], &TFlatSpeedButton::OnClick, this, handler);
    };
    onClick(3, &TForm1::FlatSpeedButton3Click);
    onClick(4, &TForm1::FlatSpeedButton4Click);
    onClick(5, &TForm1::FlatSpeedButton5Click);
    onClick(6, &TForm1::FlatSpeedButton6Click);
    onClick(7, &TForm1::FlatSpeedButton7Click);
    onClick(8, &TForm1::FlatSpeedButton8Click);
    onClick(9, &TForm1::FlatSpeedButton9Click);
    onClick(10, &TForm1::FlatSpeedButton10Click);
    onClick(12, &TForm1::FlatSpeedButton12Click);
    onClick(13, &TForm1::FlatSpeedButton13Click);
    onClick(15, &TForm1::FlatSpeedButton15Click);
    onClick(16, &TForm1::FlatSpeedButton16Click);
    onClick(17, &TForm1::FlatSpeedButton17Click);
    onClick(21, &TForm1::FlatSpeedButton21Click);
    FlatSpeedButton[16]->SetGlyph(bitmapResource(u"KOLORY"));
    FlatSpeedButton[16]->setToolTip(QString::fromUtf8("Zmiana kolorów programu"));

    PopupMenu1 = new QMenu(this);
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this] {
        if (m_groupMenuStale)
            makeGroupMenuItems();
    });
    PopupMenu2 = new QMenu(this);
    PopupMenu6 = new QMenu(this);
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusive(true);
    createCommandControls();

    nameNumbered(Label, "Label");
    nameNumbered(FlatSpeedButton, "FlatSpeedButton");
    nameControls({{ZuboComboBox1, "ZuboComboBox1"},
                  {Panel1, "Panel1"},
                  {Panel2, "Panel2"},
                  {Shape1, "Shape1"},
                  {Shape2, "Shape2"},
                  {FlatHint1, "FlatHint1"},
                  {PopupMenu1, "PopupMenu1"},
                  {PopupMenu2, "PopupMenu2"},
                  {PopupMenu3, "PopupMenu3"},
                  {PopupMenu4, "PopupMenu4"},
                  {PopupMenu5, "PopupMenu5"},
                  {PopupMenu6, "PopupMenu6"},
                  {Kopiuj1, "Kopiuj1"},
                  {Kopiuj2, "Kopiuj2"},
                  {Kopiuj3, "Kopiuj3"},
                  {Czytaj1, "Czytaj1"},
                  {Czytajza3sekundy1, "Czytajza3sekundy1"},
                  {Czytajza5sekund1, "Czytajza5sekund1"},
                  {Czytajza10sekund1, "Czytajza10sekund1"},
                  {Timer1, "Timer1"}});
}

void TForm1::registerTexts()
{
    for (int id = 1; id <= 18; ++id)
        m_texts.add(id, TextTargets::caption(Label[std::size_t(id)]));
    for (int number = 1; number <= 10; ++number) {
        m_texts.add(20 + number, TextTargets::caption(FlatSpeedButton[std::size_t(number)]));
        m_texts.add(30 + number, TextTargets::hint(FlatSpeedButton[std::size_t(number)]));
    }
    m_texts.add(80, [](const QString& title) { QCoreApplication::setApplicationName(title); });
    for (int month = 0; month < 12; ++month) {
        for (TZuboComboBox* list : {ZuboComboBox3, ZuboComboBox5, ZuboComboBox7})
            m_texts.add(81 + month, TextTargets::item(list, month));
    }
    // The window starts with the built-in texts.
    for (const int id : mainProgramTextIds()) {
        if (id != 80 && m_texts.has(id))
            m_texts.apply(id, text(builtInText(id)));
    }
}

void TForm1::FormCreate(const StartSetup& setup)
{
    m_state.programDir = setup.programDir;
    m_state.soundDir = setup.soundDir.isEmpty() ? m_state.programDir + QStringLiteral("wav/") : setup.soundDir;
    m_state.locale = setup.locale;
    ProfileFile opcje(settingsPathIn(m_state.programDir), *m_state.writer);
    m_state.settings = DatabaseSettings::read(opcje);

    const QString base = defaultBaseIn(m_state.programDir);
    // A system install's first start makes the user's program folder too.
    if (!QFileInfo(base).isDir() && !QDir().mkpath(base)) {
        // The program cannot work without its data folder; the answer does not matter.
        Prompter::current().askYesNo(nullptr, messageBoxCaption(), text(m_state.messages[2]));
        return;
    }

    // What a save killed half-way left behind. The data folders are swept by the first listing
    // below, which meets every file of theirs anyway; the other folders written to, here.
    const QDateTime now = m_clock->now();
    const QStringList data = dataFolders(m_state.settings, m_state.programDir);
    QStringList written{m_state.programDir, base, m_state.settings.saveFolder(m_state.programDir)};
    written.removeDuplicates();
    for (const QString& folder : data)
        written.removeAll(folder);
    removeWriterLeftovers(written, now, *m_remover);

    BuildLanguageMenu();

    ProgramPlaces shipped;
    shipped.programDir = m_state.programDir;
    shipped.shippedNameDayDir = setup.shippedNameDayDir;
    shipped.shippedSums = setup.shippedSums;
    for (const NameDayProvision& failed : provideShippedNameDays(shipped, *m_state.writer))
        reportError(fileErrorMessage(m_state.messages, failed.path, failed.code));

    m_listing = std::make_unique<PersonListing>(data, *m_state.reader);
    RefreshPersonList(GroupScan::RebuildMenu,
                      [&](const QString& folder, const FolderListing& listing, const std::vector<QByteArray>& unread) {
                          removeWriterLeftoversIn(folder, listing, unread, now, *m_remover);
                      });

    Image1->SetPicture(logo());

    // Unreadable favourites or command-line files are reported and skipped; the rest of the start
    // goes on, so the window never opens half made.
    const FavouritesLoad favourites =
        loadFavourites(base + QLatin1String(kFavouritesFileName), m_personList, m_state.messages,
                       storedPathFolders(m_state.settings, m_state.programDir), *m_state.reader);
    if (!favourites.error.isEmpty())
        reportError(favourites.error);
    m_favourites = favourites.entries;
    rebuildFavouritesMenu();

    if (!m_personList.isEmpty()) {
        const StartList startList =
            takeCommandLine(m_personList, setup.arguments, setup.workingDir, m_state.messages, *m_state.reader);
        for (const QString& error : startList.errors)
            reportError(error);
        if (startList.fromCommandLine) {
            m_groupMenu.setChecked(GroupFilterMenu::All, false);
            rebuildGroupMenu();
        }
        // The first listed person is selected and shown, so the edit command always finds the
        // shown person selected.
        fillChooser(startList.persons);
        showOneOf(m_personList);
    }

    removeOldProgramFiles(m_state.programDir, *m_remover);

    setWindowTitle(windowCaption());
    FlatSpeedButton[12]->setEnabled(true);
    FlatSpeedButton[17]->setEnabled(true);

    LoadColours();
    m_started = true;
}

QImage TForm1::logo() const
{
    static const QImage picture = bitmapResource(u"LOGO");
    return picture;
}

void TForm1::fillChooser(QList<PersonListEntry> entries)
{
    m_personList = std::move(entries);
    QStringList paths;
    paths.reserve(m_personList.size());
    for (const PersonListEntry& entry : m_personList)
        paths << entry.Path;
    ZuboComboBox1->SetItems(paths);
    FlatSpeedButton[9]->setEnabled(!m_personList.isEmpty());
    FlatSpeedButton[2]->setEnabled(!m_personList.isEmpty());
}

void TForm1::showOneOf(const QList<PersonListEntry>& entries)
{
    if (entries.isEmpty()) {
        ClearPersonView();
        return;
    }
    ZuboComboBox1->setCurrentIndex(0);
    ShowPerson(entries.first().Path);
}

void TForm1::RefreshPersonList(GroupScan scan, const PersonListing::ListedFolderVisit& afterFolder)
{
    FlatSpeedButton[11]->hide();
    const bool rebuild = scan == GroupScan::RebuildMenu;
    QList<PersonListEntry> entries = m_listing->RefreshPersonList(m_groupMenu, rebuild, m_state.messages, afterFolder);
    if (rebuild)
        rebuildGroupMenu();
    fillChooser(std::move(entries));
}

void TForm1::ListPersonsByGroup()
{
    fillChooser(m_listing->ListPersonsByGroup(m_groupMenu));
}

void TForm1::ShowSearchHits(QList<PersonListEntry> hits)
{
    fillChooser(std::move(hits));
    showOneOf(m_personList);
    for (int i = 0; i < m_groupMenu.items().size(); ++i)
        m_groupMenu.setChecked(i, false);
    rebuildGroupMenu();
}

void TForm1::ShowGroups(const QList<QByteArray>& groups)
{
    m_groupMenu.setGroups(groups, m_state.messages);
    rebuildGroupMenu();
}

void TForm1::rebuildGroupMenu()
{
    m_groupMenuStale = true;
    if (PopupMenu1->isVisible())
        makeGroupMenuItems();
}

QList<QAction*> TForm1::GroupFilterActions()
{
    if (m_groupMenuStale)
        makeGroupMenuItems();
    return PopupMenu1->actions();
}

void TForm1::makeGroupMenuItems()
{
    m_groupMenuStale = false;
    PopupMenu1->clear();
    const QList<GroupFilterMenu::Item>& items = m_groupMenu.items();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (i == GroupFilterMenu::Separator) {
            PopupMenu1->addSeparator();
            continue;
        }
        QAction* action = PopupMenu1->addAction(menuText(items[i].caption));
        action->setCheckable(true);
        action->setChecked(items[i].checked);
        // The item's check mark has toggled by the time the filter runs.
        connect(action, &QAction::triggered, this, [this, index = int(i)](bool checked) {
            m_groupMenu.setChecked(index, checked);
            w1Click(index);
        });
    }
}

void TForm1::rebuildFavouritesMenu()
{
    PopupMenu6->clear();
    auto* group = new QActionGroup(PopupMenu6);
    for (const PersonListEntry& entry : m_favourites) {
        QAction* action = PopupMenu6->addAction(menuText(entry.Name));
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, &TForm1::osoba1Click);
    }
}

void TForm1::w1Click(int)
{
    if (m_groupMenu.showsAll())
        RefreshPersonList();
    else
        ListPersonsByGroup();
    showOneOf(m_personList);
}

void TForm1::ClearPersonView()
{
    clearPersonFields(*this, logo());
    // Nothing is shown; the buttons "NIP" and "REG", which stay as they were, still show the numbers
    // of the person shown last.
    m_shown.path.clear();
    m_shown.hasPhoto = false;
    m_shown.pickedOccasionYear.clear();
    m_photo = QImage();
    m_pickedFavourite.clear();
}

void TForm1::ShowPerson(const QString& path)
{
    // Whatever is asked to be shown now, a favourite picked before is no longer the last thing shown.
    m_pickedFavourite.clear();
    ShowResult result = ::ShowPerson(path, *m_state.reader);
    switch (result.status) {
    case ShowResult::Status::Missing:
        return;
    case ShowResult::Status::Unreadable:
        // A question box whose answer is not used, as every file error of the main program.
        Prompter::current().askYesNo(nullptr, messageBoxCaption(),
                                     fileErrorMessage(m_state.messages, path, result.errorCode));
        return;
    case ShowResult::Status::Shown:
        break;
    }
    showPerson(std::move(result.person));
}

void TForm1::showPerson(ShownPerson person)
{
    ClearPersonView();
    FlatSpeedButton[1]->setVisible(person.showMail);
    FlatSpeedButton[18]->setVisible(person.showNip);
    FlatSpeedButton[19]->setVisible(person.showRegon);
    FlatSpeedButton[11]->setVisible(person.showRestore);
    FlatSpeedButton[9]->setVisible(person.showEdit);
    // Both panels belong to the person shown before: a phone number or NIP must not stay over
    // another person's view.
    Panel1->hide();
    Panel2->hide();

    setPersonFieldValues(*this, shownValues(person, logo()));

    // A photo that is missing or no picture leaves the built-in one, and the entry counts as one
    // without a photo.
    person.hasPhoto = !person.photoPath.isEmpty() && Image1->LoadFromFile(person.photoPath);
    if (person.hasPhoto)
        m_photo = Image1->Picture();
    m_shown = std::move(person);
}

void TForm1::LoadColours()
{
    m_state.colors = readColorScheme(ProfileFile(settingsPathIn(m_state.programDir), *m_state.writer), m_state.colors);
    using namespace schemecolours;
    applyToWindow(this, m_state.colors);
    // The large number panels are drawn inverted.
    for (QLabel* panel : {Panel1, Panel2}) {
        SetWidgetColor(panel, m_state.colors.tlo_napisy);
        SetFontColor(panel, m_state.colors.tlo_tlo);
    }
    applyToBar(Shape1, m_state.colors);
    applyToBar(Shape2, m_state.colors);
    for (int number = 1; number <= 23; ++number) {
        if (TFlatSpeedButton* button = FlatSpeedButton[std::size_t(number)])
            apply(button, m_state.colors);
    }
    apply(ZuboComboBox1, m_state.colors);
    colourPersonFields(*this, m_state.colors, EditFont::Keep);
}

void TForm1::BuildLanguageMenu()
{
    const LanguageMenu menu =
        ::BuildLanguageMenu(m_state.programDir, ProfileFile(settingsPathIn(m_state.programDir), *m_state.writer));
    PopupMenu2->clear();
    m_languageCaptions = menu.captions;
    for (qsizetype i = 0; i < menu.captions.size(); ++i) {
        QAction* action = PopupMenu2->addAction(menuText(menu.captions[i]));
        action->setCheckable(true);
        action->setChecked(i == menu.checked);
        m_languageGroup->addAction(action);
        connect(action, &QAction::triggered, this, &TForm1::Polski1Click);
        if (i == 0) {
            Polski1 = action;
            Polski1->setObjectName(QStringLiteral("Polski1"));
        }
    }
    FlatSpeedButton[10]->setEnabled(menu.buttonEnabled);
}

void TForm1::ApplyLanguage()
{
    const QList<QAction*> items = PopupMenu2->actions();
    qsizetype checked = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i]->isChecked())
            checked = i;
    }
    ProfileFile opcje(settingsPathIn(m_state.programDir), *m_state.writer);
    const LanguageSwitch change =
        ::ApplyLanguage(m_state.programDir, m_languageCaptions.value(checked), m_state.messages, opcje);
    if (!change.readError.isEmpty())
        reportError(change.readError);
    if (!change.applies)
        return;
    for (const LanguageText& t : change.texts)
        m_texts.apply(t.id, text(t.text));
    m_state.messages = change.messages;
    m_groupMenu.setCaptions(m_state.messages);
    rebuildGroupMenu();
    if (!change.settingsError.isEmpty())
        reportError(change.settingsError);
}

void TForm1::Polski1Click()
{
    ApplyLanguage();
}

void TForm1::FormShow()
{
    const int nameDayMonth = ZuboComboBox3->currentIndex();
    const int birthdayMonth = ZuboComboBox5->currentIndex();
    ApplyLanguage();
    ZuboComboBox3->setCurrentIndex(nameDayMonth);
    ZuboComboBox5->setCurrentIndex(birthdayMonth);
}

void TForm1::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_centred) {
        m_centred = true;
        centreOnScreen(this);
    }
    FormShow();
}

QPoint TForm1::popupPointOf(const TFlatSpeedButton* button) const
{
    return mapToGlobal(button->pos() + QPoint(0, 20));
}

void TForm1::FlatSpeedButton3Click()
{
    PopupMenu1->popup(popupPointOf(FlatSpeedButton[3]));
}

void TForm1::FlatSpeedButton5Click()
{
    close();
}

void TForm1::FlatSpeedButton6Click()
{
    if (m_dialogs.aboutBox)
        DialogRunner::current().run(*m_dialogs.aboutBox());
}

void TForm1::FlatSpeedButton7Click()
{
    if (ZuboComboBox1->count() == 0)
        return;
    if (const auto next = nextPersonIndex(ZuboComboBox1->currentIndex(), ZuboComboBox1->count())) {
        ZuboComboBox1->setCurrentIndex(*next);
        ShowPerson(ZuboComboBox1->itemText(*next));
    }
}

void TForm1::FlatSpeedButton8Click()
{
    if (ZuboComboBox1->count() == 0)
        return;
    if (const auto previous = previousPersonIndex(ZuboComboBox1->currentIndex())) {
        ZuboComboBox1->setCurrentIndex(*previous);
        ShowPerson(ZuboComboBox1->itemText(*previous));
    }
}

void TForm1::FlatSpeedButton10Click()
{
    PopupMenu2->popup(popupPointOf(FlatSpeedButton[10]));
}

void TForm1::FillPrintDialog()
{
    QList<PersonListEntry> entries =
        scanPrintEntries(dataFolders(m_state.settings, m_state.programDir), *m_state.reader);
    m_listing->sortByName(entries);
    m_dialogs.printDialog()->Fill(std::move(entries), m_groupMenu.groups());
}

void TForm1::FillMailDialog()
{
    QList<PersonListEntry> entries =
        scanMailEntries(dataFolders(m_state.settings, m_state.programDir), *m_state.reader);
    m_listing->sortByName(entries);
    m_dialogs.mailDialog()->Fill(std::move(entries), m_groupMenu.groups());
}

// The pickers' and the options' results are not used: nothing of the main window changes.
void TForm1::FlatSpeedButton13Click()
{
    if (!m_dialogs.printDialog)
        return;
    FillPrintDialog();
    DialogRunner::current().run(*m_dialogs.printDialog());
}

void TForm1::FlatSpeedButton15Click()
{
    if (!m_dialogs.mailDialog)
        return;
    FillMailDialog();
    DialogRunner::current().run(*m_dialogs.mailDialog());
}

void TForm1::FlatSpeedButton21Click()
{
    if (m_dialogs.optionsDialog)
        DialogRunner::current().run(*m_dialogs.optionsDialog());
}

void TForm1::FlatSpeedButton12Click()
{
    if (m_dialogs.searchDialog)
        m_dialogs.searchDialog()->ShowSearch();
}

void TForm1::FlatSpeedButton16Click()
{
    if (m_dialogs.colourEditor && m_dialogs.colourEditor()->EditColours())
        LoadColours();
}

void TForm1::FlatSpeedButton17Click()
{
    if (m_dialogs.nameDayDialog)
        m_dialogs.nameDayDialog()->ShowLookup();
}

void TForm1::FlatComboBox1Change()
{
    const int index = ZuboComboBox1->currentIndex();
    if (index >= 0)
        ShowPerson(ZuboComboBox1->itemText(index));
}

void TForm1::FlatComboBox1DrawItem(QPainter* canvas, int index, const QRect& rect, TOwnerDrawState state)
{
    const QString path = index >= 0 && index < ZuboComboBox1->count() ? ZuboComboBox1->itemText(index) : QString();
    DrawChooserRow(*canvas, chooserRow(m_personList, index, path, state.selected, m_state.colors), rect,
                   ZuboComboBox1->font());
}

void TForm1::FlatListBox1MouseUp()
{
    if (const std::optional<OccasionFields> picked =
            pickOccasion(FlatListBox1, FlatEdit11, FlatEdit3, ZuboComboBox6, ZuboComboBox7))
        m_shown.pickedOccasionYear = picked->year;
}

} // namespace start
