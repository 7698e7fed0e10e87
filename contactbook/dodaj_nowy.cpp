#include "dodaj_nowy.h"

#include "windowparts.h"

#include "TFlatCheckBoxUnit.h"
#include "TFlatEditUnit.h"
#include "TFlatHintUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatMemoUnit.h"
#include "TFlatRadioButtonUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"
#include "bitmaps.h"
#include "clock.h"
#include "codec1250.h"
#include "dane_biznesowe.h"
#include "datefields.h"
#include "dialogrunner.h"
#include "entrysave.h"
#include "fieldtext.h"
#include "fileremover.h"
#include "filewriter.h"
#include "imieniny.h"
#include "personfields.h"
#include "picture.h"
#include "prompter.h"
#include "randomsource.h"
#include "schemecolours.h"
#include "shape.h"
#include "textreader.h"
#include "texttargets.h"
#include "windowplace.h"
#include "zarzadzanie_grupami.h"
#include "zdjecia.h"

#include <QBuffer>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetAction>

namespace dodaj_nowy {
namespace {

constexpr int kEditHeight = 19;
constexpr int kButtonSize = 17;
constexpr int kBar = 440;

// Message numbers of the editor.
constexpr int kMsgBadYear = 6;
constexpr int kMsgMailNoAt = 7;
constexpr int kMsgMailNoDot = 8;
constexpr int kMsgSaveWithoutBirthday = 9;
constexpr int kMsgDeleteMail = 11;
constexpr int kMsgDeleteOccasion = 12;
constexpr int kMsgSaveChanges = 13;
constexpr int kMsgDeletePhone = 18;
constexpr int kMsgOccasionWithoutDate = 19;

QString text(const QByteArray& bytes)
{
    return cp1250::toUnicode(bytes);
}

void selectFirstWhenNone(TZuboComboBox* combo)
{
    if (combo->currentIndex() < 0)
        combo->setCurrentIndex(0);
}

// The stored bytes of a list's items; false, naming the field, at the first that cannot be stored.
bool storedList(const QStringList& items, const QString& field, QList<QByteArray>& out, QString* error)
{
    out.clear();
    for (const QString& item : items) {
        const std::optional<QByteArray> bytes = storableText(item, field, error);
        if (!bytes)
            return false;
        out.append(*bytes);
    }
    return true;
}

QImage logo()
{
    return bitmapResource(u"LOGO");
}

bool isPersonType(const QByteArray& type)
{
    return type == kEntryTypePerson;
}

} // namespace

TForm3::TForm3(const ProgramState& state, const GroupFilterMenu& groups, const EditorDialogs& dialogs,
               const EditorServices& services, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_dialogs(dialogs)
    , m_random(services.random ? services.random : &RandomSource::standard())
    , m_remover(services.remover ? services.remover : &FileRemover::standard())
    , m_clock(services.clock ? services.clock : &Clock::standard())
{
    createControls();
    TextTargets own;
    RegisterTexts(own);
    own.applyBuiltIn();
    m_groups = EntryGroupMenu::forNewEntry(groups);
    RebuildGroupMenu();
}

TForm3::~TForm3() = default;

void TForm3::createControls()
{
    setWindowTitle(windowCaption());
    setFixedSize(688, 469);
    setFont(DefaultUiFont());

    Shape1 = new TShape(this);
    Shape1->setGeometry(kBar, -1, kButtonSize, height() + 2);

    struct LabelPlace {
        int id;
        int x, y;
    };
    static constexpr LabelPlace kLabels[] = {
        {1, 24, 8},     {2, 16, 138},  {3, 120, 52},  {4, 184, 52},   {5, 280, 88},   {6, 472, 8},
        {7, 472, 48},   {8, 544, 48},  {9, 472, 88},  {10, 560, 88},  {11, 472, 128}, {12, 472, 344},
        {13, 472, 208}, {14, 24, 296}, {15, 24, 160}, {16, 472, 168},
    };
    for (const LabelPlace& place : kLabels) {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->move(place.x, place.y);
        Label[std::size_t(place.id)] = label;
    }

    const auto edit = [this](int x, int y, int width) {
        auto* e = new TFlatEdit(this);
        e->setGeometry(x, y, width, kEditHeight);
        return e;
    };
    FlatEdit1 = edit(24, 24, 409);

    // The check boxes lie under the date lists that overlap their right ends; a narrower face
    // keeps "Urodzony(a) dnia" whole in front of the lists.
    FlatCheckBox1 = new TFlatCheckBox(this);
    FlatCheckBox1->setGeometry(8, 72, 121, 17);
    FlatCheckBox2 = new TFlatCheckBox(this);
    FlatCheckBox2->setGeometry(8, 104, 121, 17);
    for (TFlatCheckBox* box : {FlatCheckBox1, FlatCheckBox2})
        useNarrowFont(box);

    const auto warning = [this](int y) {
        auto* image = new TImage(this);
        image->setGeometry(253, y, 16, 16);
        image->SetPicture(bitmapResource(u"UWAGA"));
        image->setToolTip(QString::fromUtf8("Data może być nieprawidłowa."));
        image->hide();
        return image;
    };
    Image4 = warning(74);
    Image2 = warning(106);
    Image3 = warning(138);

    const auto glyphButton = [this](int x, const char16_t* glyph, const char* hint) {
        auto* b = new QToolButton(this);
        b->setGeometry(x, 72, 23, 22);
        b->setAutoRaise(true);
        b->setIcon(QPixmap::fromImage(bitmapResource(glyph)));
        b->setToolTip(QString::fromUtf8(hint));
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    SpeedButton1 = glyphButton(272, u"SZUKAJ", "Szukanie imienin");
    SpeedButton2 = glyphButton(304, u"TECZKA", "Uzupełnij dane biznesowe (NIP, Regon)");

    static const PersonFieldPlaces kFieldPlaces = {
        112, 272, {24, 64, 104, 144, 184}, QRect(472, 248, 177, 81), QRect(472, 384, 177, 81)};
    buildPersonFields(this, *this, kFieldPlaces, FieldUse::Edit);
    FlatEdit2->setText(QStringLiteral("1990"));
    FlatEdit3->setText(QStringLiteral("1990"));
    Image1->SetPicture(logo());
    FlatEdit12 = edit(472, 224, 177);
    FlatEdit10 = edit(472, 360, 177);

    const auto button = [this](int x, int y) {
        auto* b = new TFlatSpeedButton(this);
        b->setGeometry(x, y, kButtonSize, kButtonSize);
        return b;
    };
    FlatSpeedButton1 = button(kBar, 72);
    FlatSpeedButton3 = button(kBar, 96);
    FlatSpeedButton10 = button(kBar, 136);
    FlatSpeedButton8 = button(kBar, 392);
    FlatSpeedButton8->setEnabled(false);
    FlatSpeedButton5 = button(kBar, 424);
    FlatSpeedButton6 = button(0, 176);
    FlatSpeedButton7 = button(0, 200);
    FlatSpeedButton2 = button(656, 224);
    FlatSpeedButton4 = button(656, 248);
    FlatSpeedButton9 = button(656, 360);
    FlatSpeedButton11 = button(656, 384);

    FlatHint1 = new TFlatHint(this);
    FlatHint1->SetFont(DefaultUiFont());

    PopupMenu1 = new QMenu(this);
    PopupMenu2 = new QMenu(this);
    createQuickDates();

    nameNumbered(Label, "Label");
    nameControls({{FlatEdit1, "FlatEdit1"},
                  {FlatCheckBox1, "FlatCheckBox1"},
                  {FlatCheckBox2, "FlatCheckBox2"},
                  {Image2, "Image2"},
                  {Image3, "Image3"},
                  {Image4, "Image4"},
                  {SpeedButton1, "SpeedButton1"},
                  {SpeedButton2, "SpeedButton2"},
                  {FlatEdit10, "FlatEdit10"},
                  {FlatEdit12, "FlatEdit12"},
                  {Shape1, "Shape1"},
                  {FlatSpeedButton1, "FlatSpeedButton1"},
                  {FlatSpeedButton2, "FlatSpeedButton2"},
                  {FlatSpeedButton3, "FlatSpeedButton3"},
                  {FlatSpeedButton4, "FlatSpeedButton4"},
                  {FlatSpeedButton5, "FlatSpeedButton5"},
                  {FlatSpeedButton6, "FlatSpeedButton6"},
                  {FlatSpeedButton7, "FlatSpeedButton7"},
                  {FlatSpeedButton8, "FlatSpeedButton8"},
                  {FlatSpeedButton9, "FlatSpeedButton9"},
                  {FlatSpeedButton10, "FlatSpeedButton10"},
                  {FlatSpeedButton11, "FlatSpeedButton11"},
                  {FlatHint1, "FlatHint1"},
                  {PopupMenu1, "PopupMenu1"},
                  {PopupMenu2, "PopupMenu2"}});

    setTabOrder(FlatEdit1, FlatCheckBox1);
    QWidget* order[] = {FlatEdit1,     FlatCheckBox1, FlatCheckBox2, FlatEdit2,    FlatEdit3,     FlatEdit11,
                        FlatMemo1,     FlatEdit4,     FlatEdit5,     FlatEdit6,    FlatEdit7,     FlatEdit8,
                        FlatEdit9,     FlatEdit13,    FlatEdit12,    FlatEdit10,   ZuboComboBox2, ZuboComboBox3,
                        ZuboComboBox4, ZuboComboBox5, ZuboComboBox6, ZuboComboBox7};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // Every change of a field counts as a change of the entry.
    for (TFlatEdit* e : {FlatEdit1, FlatEdit4, FlatEdit5, FlatEdit6, FlatEdit7, FlatEdit8, FlatEdit9, FlatEdit13})
        connect(e, &QLineEdit::textChanged, this, &TForm3::FlatEdit4Change);
    for (TFlatEdit* e : {FlatEdit2, FlatEdit3})
        connect(e, &QLineEdit::textChanged, this, &TForm3::FlatEdit2Change);
    connect(FlatMemo1, &QPlainTextEdit::textChanged, this, &TForm3::FlatMemo1Change);
    for (TZuboComboBox* c : {ZuboComboBox2, ZuboComboBox3})
        connect(c, &TZuboComboBox::OnChange, this, &TForm3::FlatComboBox2Change);
    for (TZuboComboBox* c : {ZuboComboBox4, ZuboComboBox5})
        connect(c, &TZuboComboBox::OnChange, this, &TForm3::FlatComboBox4Change);
    for (TZuboComboBox* c : {ZuboComboBox6, ZuboComboBox7})
        connect(c, &TZuboComboBox::OnChange, this, &TForm3::FlatComboBox6Change);
    connect(FlatCheckBox1, &TFlatCheckBox::OnClick, this, &TForm3::FlatCheckBox1Click);
    connect(FlatCheckBox2, &TFlatCheckBox::OnClick, this, &TForm3::FlatCheckBox2Click);

    connect(FlatSpeedButton6, &TFlatSpeedButton::OnClick, this, &TForm3::FlatSpeedButton6Click);
    connect(FlatEdit11, &QLineEdit::returnPressed, this, &TForm3::FlatSpeedButton6Click);
    connect(FlatSpeedButton2, &TFlatSpeedButton::OnClick, this, &TForm3::FlatSpeedButton2Click);
    connect(FlatEdit12, &QLineEdit::returnPressed, this, &TForm3::FlatSpeedButton2Click);
    connect(FlatSpeedButton9, &TFlatSpeedButton::OnClick, this, &TForm3::FlatSpeedButton9Click);
    connect(FlatEdit10, &QLineEdit::returnPressed, this, &TForm3::FlatSpeedButton9Click);
    connect(FlatSpeedButton7, &TFlatSpeedButton::OnClick, this, &TForm3::FlatSpeedButton7Click);
    connect(FlatSpeedButton4, &TFlatSpeedButton::OnClick, this, &TForm3::FlatSpeedButton4Click);
    connect(FlatSpeedButton11, &TFlatSpeedButton::OnClick, this, &TForm3::FlatSpeedButton11Click);
    connect(FlatListBox1, &TFlatListBox::OnMouseUp, this, &TForm3::FlatListBox1MouseUp);
    connect(FlatSpeedButton3, &TFlatSpeedButton::OnClick, this, &TForm3::FlatSpeedButton3Click);
    connect(FlatSpeedButton1, &TFlatSpeedButton::OnClick, this, &TForm3::FlatSpeedButton1Click);
    connect(FlatSpeedButton10, &TFlatSpeedButton::OnClick, this, &TForm3::FlatSpeedButton10Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm3::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TForm3::SpeedButton2Click);
    connect(FlatSpeedButton8, &TFlatSpeedButton::OnClick, this, &TForm3::FlatSpeedButton8Click);
    connect(FlatSpeedButton5, &TFlatSpeedButton::OnClick, this, &TForm3::FlatSpeedButton5Click);

    // A right click on "G" shows the entry's groups themselves.
    FlatSpeedButton10->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(FlatSpeedButton10, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(FlatSpeedButton10->mapToGlobal(at)); });
    // The quick dates are the menu of the year edits and the date lists; the field it is opened on
    // says which date it fills.
    for (QWidget* w : std::initializer_list<QWidget*>{FlatEdit2, FlatEdit3, ZuboComboBox2, ZuboComboBox3, ZuboComboBox4,
                                                      ZuboComboBox5, ZuboComboBox6, ZuboComboBox7}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this, [this, w](const QPoint& at) {
            PopupMenu2Popup(w);
            PopupMenu2->popup(w->mapToGlobal(at));
        });
    }
}

// The quick dates stand in five columns, from the last weekdays on the left to the next ones on the
// right; a menu of the platform would put them all in one column taller than the screen.
void TForm3::createQuickDates()
{
    auto* grid = new QWidget(PopupMenu2);
    auto* columns = new QHBoxLayout(grid);
    columns->setContentsMargins(2, 2, 2, 2);
    columns->setSpacing(4);
    QVBoxLayout* column = nullptr;
    for (int i = 0; i < int(quickDateItems().size()); ++i) {
        const QuickDateItem& item = quickDateItems()[i];
        if (!column || item.newColumn) {
            if (column)
                column->addStretch();
            column = new QVBoxLayout;
            column->setSpacing(0);
            columns->addLayout(column);
        }
        auto* action = new QAction(QString::fromUtf8(item.caption), this);
        QuickDates.append(action);
        if (item.kind == QuickDateItem::Kind::Separator) {
            action->setSeparator(true);
            auto* line = new QFrame(grid);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            column->addWidget(line);
            continue;
        }
        action->setEnabled(item.kind == QuickDateItem::Kind::Date);
        connect(action, &QAction::triggered, this, [this, i] {
            PopupMenu2->hide();
            poniedziaek2Click(i);
        });
        auto* entry = new QPushButton(action->text(), grid);
        entry->setFlat(true);
        entry->setAutoDefault(false);
        entry->setFocusPolicy(Qt::NoFocus);
        entry->setEnabled(action->isEnabled());
        entry->setStyleSheet(QStringLiteral("QPushButton { text-align: left; border: none; padding: 3px 12px; }"
                                            "QPushButton:hover:enabled { background: palette(highlight);"
                                            " color: palette(highlighted-text); }"));
        connect(entry, &QPushButton::clicked, action, &QAction::trigger);
        column->addWidget(entry);
    }
    column->addStretch();
    auto* holder = new QWidgetAction(PopupMenu2);
    holder->setDefaultWidget(grid);
    PopupMenu2->addAction(holder);
}

void TForm3::RegisterTexts(TextTargets& texts)
{
    for (int id = 1; id <= 16; ++id)
        texts.add(id, TextTargets::caption(Label[std::size_t(id)]));
    texts.add(17, TextTargets::caption(FlatCheckBox1));
    texts.add(18, TextTargets::caption(FlatCheckBox2));
    const struct {
        int id;
        TFlatSpeedButton* button;
    } captions[] = {
        {41, FlatSpeedButton1}, {42, FlatSpeedButton2},  {42, FlatSpeedButton9},  {43, FlatSpeedButton3},
        {44, FlatSpeedButton4}, {44, FlatSpeedButton11}, {45, FlatSpeedButton5},  {46, FlatSpeedButton6},
        {47, FlatSpeedButton7}, {48, FlatSpeedButton8},  {50, FlatSpeedButton10},
    };
    for (const auto& c : captions)
        texts.add(c.id, TextTargets::caption(c.button));
    const struct {
        int id;
        QWidget* control;
    } hints[] = {
        {51, FlatSpeedButton1},  {52, FlatSpeedButton2},  {53, FlatSpeedButton3},   {54, FlatSpeedButton4},
        {55, FlatSpeedButton5},  {56, FlatSpeedButton6},  {57, FlatSpeedButton7},   {58, FlatSpeedButton8},
        {60, FlatSpeedButton10}, {146, FlatSpeedButton9}, {147, FlatSpeedButton11}, {78, FlatEdit2},
        {78, FlatEdit3},
    };
    for (const auto& h : hints)
        texts.add(h.id, TextTargets::hint(h.control));
    for (int month = 0; month < 12; ++month) {
        for (TZuboComboBox* list : {ZuboComboBox3, ZuboComboBox5, ZuboComboBox7})
            texts.add(81 + month, TextTargets::item(list, month));
    }
}

void TForm3::ClearForNewEntry()
{
    for (TFlatEdit* e : {FlatEdit1, FlatEdit10, FlatEdit12})
        e->clear();
    clearPersonFields(*this, logo());
    FlatCheckBox1->SetChecked(false);
    FlatCheckBox2->SetChecked(false);
    FlatSpeedButton8->setEnabled(false);
    m_nip.clear();
    m_regon.clear();
    FlatEdit1->setFocus();
}

void TForm3::PrepareNewEntry(const GroupFilterMenu& groups)
{
    m_addMode = true;
    ClearForNewEntry();
    m_groups = EntryGroupMenu::forNewEntry(groups);
    RebuildGroupMenu();
}

void TForm3::SetEntryType(const QByteArray& type)
{
    m_entryType = type;
    FlatSpeedButton10->setEnabled(isPersonType(type));
}

void TForm3::PrepareEdit(const ShownPerson& person, const QImage& photo, const GroupFilterMenu& groups)
{
    const PersonRecord& r = person.record;
    m_addMode = false;
    m_editedPath = person.path;
    m_editedHasPhoto = person.hasPhoto;
    FlatEdit1->setText(text(r.nazwisko));
    for (TFlatEdit* e : {FlatEdit10, FlatEdit12})
        e->clear();
    // The occasion to add starts empty but for the year of the occasion picked in the main window.
    setPersonFieldValues(*this, shownValues(person, person.hasPhoto ? photo : logo()));
    m_nip = text(r.NIP);
    m_regon = text(r.regon);
    FlatCheckBox1->SetChecked(ZuboComboBox2->currentIndex() >= 0);
    FlatCheckBox2->SetChecked(ZuboComboBox4->currentIndex() >= 0);
    UpdateEditorState();

    const EntryKind kind = kindOfFileName(person.path);
    FlatSpeedButton10->setEnabled(kind == EntryKind::Person || kind == EntryKind::Binned);
    m_groups = EntryGroupMenu::forEditedEntry(groups, r.grupa, kind);
    RebuildGroupMenu();
}

void TForm3::RebuildGroupMenu()
{
    PopupMenu1->clear();
    for (qsizetype i = 0; i < m_groups.items.size(); ++i) {
        const EntryGroupMenu::Item& item = m_groups.items[i];
        if (i == EntryGroupMenu::Separator) {
            PopupMenu1->addSeparator();
            continue;
        }
        QAction* action = PopupMenu1->addAction(menuText(item.caption));
        action->setCheckable(true);
        action->setChecked(item.checked);
        action->setEnabled(item.enabled);
        connect(action, &QAction::triggered, this, [this, i](bool checked) {
            if (!m_groups.items[i].autoCheck)
                return;
            m_groups.items[i].checked = checked;
            PopupMenu1Change();
        });
    }
}

void TForm3::NameDayFound(int day, int month)
{
    selectDate(ZuboComboBox2, ZuboComboBox3, {day - 1, month - 1});
    FlatCheckBox1->SetChecked(true);
    // With the name day already on, the check box raises nothing: the date changed all the same.
    FlatEdit4Change();
}

void TForm3::showMessage(int index, const QString& suffix) const
{
    Prompter::current().inform(nullptr, messageBoxCaption(), text(m_state.messages[std::size_t(index)]) + suffix);
}

bool TForm3::NormalizeYearField(TFlatEdit* edit)
{
    const std::optional<QByteArray> typed = cp1250::fromUnicode(edit->text());
    // A character the code page lacks is no digit either.
    const YearField year = typed ? ::NormalizeYearField(*typed) : YearField{};
    if (year.valid) {
        edit->setText(text(year.text));
        return true;
    }
    showMessage(kMsgBadYear, edit->text());
    edit->setFocus();
    return false;
}

void TForm3::UpdateEditorState()
{
    const bool anyAddress = !FlatEdit4->text().isEmpty() || !FlatEdit5->text().isEmpty() ||
                            !FlatEdit6->text().isEmpty() || !FlatEdit7->text().isEmpty() ||
                            !FlatEdit8->text().isEmpty() || !FlatEdit9->text().isEmpty() ||
                            !FlatEdit10->text().isEmpty() || !FlatEdit13->text().isEmpty();
    // The phone list, the pending entries, the photo, the groups and the business data alone do
    // not make an entry.
    FlatSpeedButton8->setEnabled(!FlatEdit1->text().isEmpty() || FlatCheckBox1->Checked() || FlatCheckBox2->Checked() ||
                                 !FlatListBox1->Items().isEmpty() || !FlatMemo1->Lines().isEmpty() || anyAddress ||
                                 !FlatListBox2->Items().isEmpty());
    const auto year = [](const TFlatEdit* e) { return cp1250::fromUnicode(e->text()).value_or(QByteArray()); };
    Image2->setVisible(dateMayBeInvalid(selectedDate(ZuboComboBox4, ZuboComboBox5), year(FlatEdit2)));
    Image3->setVisible(dateMayBeInvalid(selectedDate(ZuboComboBox6, ZuboComboBox7), year(FlatEdit3)));
    Image4->setVisible(dateMayBeInvalid(selectedDate(ZuboComboBox2, ZuboComboBox3), QByteArray()));
}

void TForm3::FormShow()
{
    m_pickedPictureName.clear();
    m_editorModified = false;
    using namespace schemecolours;
    const ColorScheme& s = m_state.colors;
    applyToWindow(this, s);
    applyToBar(Shape1, s);
    for (TFlatSpeedButton* b :
         {FlatSpeedButton1, FlatSpeedButton2, FlatSpeedButton3, FlatSpeedButton4, FlatSpeedButton5, FlatSpeedButton6,
          FlatSpeedButton7, FlatSpeedButton8, FlatSpeedButton9, FlatSpeedButton10, FlatSpeedButton11})
        apply(b, s);
    for (TFlatEdit* e : {FlatEdit1, FlatEdit10, FlatEdit12})
        apply(e, s, EditFont::FromScheme);
    colourPersonFields(*this, s, EditFont::FromScheme);
    apply(FlatCheckBox1, s);
    apply(FlatCheckBox2, s);
}

void TForm3::FlatEdit4Change()
{
    UpdateEditorState();
    m_editorModified = true;
}

void TForm3::FlatEdit2Change()
{
    FlatEdit4Change();
}

void TForm3::FlatMemo1Change()
{
    FlatEdit4Change();
}

void TForm3::FlatComboBox6Change()
{
    FlatEdit4Change();
}

void TForm3::FlatComboBox2Change()
{
    FlatCheckBox1->SetChecked(true);
    FlatEdit4Change();
}

void TForm3::FlatComboBox4Change()
{
    FlatCheckBox2->SetChecked(true);
    FlatEdit4Change();
}

void TForm3::FlatCheckBox1Click()
{
    if (FlatCheckBox1->Checked()) {
        selectFirstWhenNone(ZuboComboBox2);
        selectFirstWhenNone(ZuboComboBox3);
    }
    FlatEdit4Change();
}

void TForm3::FlatCheckBox2Click()
{
    if (FlatCheckBox2->Checked()) {
        selectFirstWhenNone(ZuboComboBox4);
        selectFirstWhenNone(ZuboComboBox5);
    }
    FlatEdit4Change();
}

void TForm3::PopupMenu1Change()
{
    m_editorModified = true;
}

// The stored bytes of an entry field's text; nothing, after a message naming the field by its label,
// when it holds a character that person files cannot store.
std::optional<QByteArray> TForm3::typedText(const TFlatEdit* entry, int label) const
{
    QString error;
    std::optional<QByteArray> bytes = storableText(entry->text(), Label[std::size_t(label)]->text(), &error);
    if (!bytes)
        Prompter::current().showError(nullptr, messageBoxCaption(), error);
    return bytes;
}

// Appends an item to a list from its entry field, which is emptied and keeps the focus.
void TForm3::addToList(TFlatListBox* list, const QString& item, TFlatEdit* entry)
{
    list->AddItem(item);
    entry->clear();
    entry->setFocus();
    FlatEdit4Change();
}

void TForm3::FlatSpeedButton6Click()
{
    if (FlatEdit11->text().isEmpty())
        return;
    const DaySelection date = selectedDate(ZuboComboBox6, ZuboComboBox7);
    if (date.day < 0 || date.month < 0) {
        showMessage(kMsgOccasionWithoutDate);
        return;
    }
    const std::optional<QByteArray> description = typedText(FlatEdit11, 15);
    if (!description)
        return;
    const bool valid = NormalizeYearField(FlatEdit3);
    const QByteArray year = cp1250::fromUnicode(FlatEdit3->text()).value_or(QByteArray());
    addToList(FlatListBox1, text(occasionItem(date, {year, valid}, *description)), FlatEdit11);
}

void TForm3::FlatSpeedButton2Click()
{
    if (FlatEdit12->text().isEmpty())
        return;
    const std::optional<QByteArray> address = typedText(FlatEdit12, 13);
    if (!address)
        return;
    switch (mailProblem(*address)) {
    case MailProblem::NoAt:
        showMessage(kMsgMailNoAt);
        return;
    case MailProblem::NoDot:
        showMessage(kMsgMailNoDot);
        return;
    case MailProblem::None:
        break;
    }
    addToList(FlatListBox2, FlatEdit12->text(), FlatEdit12);
}

void TForm3::FlatSpeedButton9Click()
{
    if (!FlatEdit10->text().isEmpty() && typedText(FlatEdit10, 12))
        addToList(FlatListBox3, FlatEdit10->text(), FlatEdit10);
}

void TForm3::deleteWithQuestion(TFlatListBox* list, TFlatEdit* entry, int message)
{
    const int row = lastSelectedRow(list);
    if (row < 0)
        return;
    const QString question =
        text(m_state.messages[std::size_t(message)]) + list->Items().at(row) + QStringLiteral(" ?!");
    if (Prompter::current().askYesNo(nullptr, messageBoxCaption(), question) == Prompter::Answer::Yes) {
        list->DeleteItem(row);
        entry->clear();
        entry->setFocus();
    }
    FlatEdit4Change();
}

void TForm3::FlatSpeedButton7Click()
{
    deleteWithQuestion(FlatListBox1, FlatEdit11, kMsgDeleteOccasion);
}

void TForm3::FlatSpeedButton4Click()
{
    deleteWithQuestion(FlatListBox2, FlatEdit12, kMsgDeleteMail);
}

void TForm3::FlatSpeedButton11Click()
{
    deleteWithQuestion(FlatListBox3, FlatEdit10, kMsgDeletePhone);
}

void TForm3::FlatListBox1MouseUp()
{
    pickOccasion(FlatListBox1, FlatEdit11, FlatEdit3, ZuboComboBox6, ZuboComboBox7);
}

void TForm3::PopupMenu2Popup(QWidget* requester)
{
    if (requester == FlatEdit2 || requester == ZuboComboBox4 || requester == ZuboComboBox5)
        m_quickDateTarget = DateTarget::Birthday;
    else if (requester == FlatEdit3 || requester == ZuboComboBox6 || requester == ZuboComboBox7)
        m_quickDateTarget = DateTarget::Occasion;
    else if (requester == ZuboComboBox2 || requester == ZuboComboBox3)
        m_quickDateTarget = DateTarget::NameDay;
}

void TForm3::poniedziaek2Click(int index)
{
    if (const std::optional<CalendarDay> date = quickDate(index, m_clock->today()))
        applyQuickDate(*date);
}

void TForm3::applyQuickDate(const CalendarDay& date)
{
    switch (m_quickDateTarget) {
    case DateTarget::NameDay:
        selectDate(ZuboComboBox2, ZuboComboBox3, {date.day - 1, date.month - 1});
        FlatCheckBox1->SetChecked(true);
        break;
    case DateTarget::Birthday:
        selectDate(ZuboComboBox4, ZuboComboBox5, {date.day - 1, date.month - 1});
        FlatEdit2->setText(QString::number(date.year));
        FlatCheckBox2->SetChecked(true);
        break;
    case DateTarget::Occasion:
        selectDate(ZuboComboBox6, ZuboComboBox7, {date.day - 1, date.month - 1});
        FlatEdit3->setText(QString::number(date.year));
        break;
    case DateTarget::None:
        return;
    }
    // The date lists changed from code raise nothing, and the year or the check box may have stood
    // as they are: the warnings and the change mark follow the new date all the same.
    FlatEdit4Change();
}

void TForm3::FlatSpeedButton3Click()
{
    m_pickedPictureName.clear();
    Image1->SetPicture(logo());
    m_editorModified = true;
}

void TForm3::FlatSpeedButton1Click()
{
    if (!m_dialogs.cropWindow)
        return;
    const zdjecia::PhotoChoice choice = zdjecia::ChoosePhoto(*m_dialogs.cropWindow, this);
    // A chosen picture counts even when its crop is cancelled: the save then writes the picture
    // the editor shows as the entry's photo.
    if (!choice.pickedName.isEmpty())
        m_pickedPictureName = choice.pickedName;
    if (choice.cropped) {
        Image1->SetPicture(choice.photo);
        m_editorModified = true;
    }
}

void TForm3::FlatSpeedButton10Click()
{
    if (!m_dialogs.groupDialog)
        return;
    // An edited entry's own kind decides the fixed item of one-off reminders in the rebuilt menu.
    const QByteArray type =
        m_addMode ? m_entryType
                  : QByteArray(kindOfFileName(m_editedPath) == EntryKind::OneOff ? kEntryTypeOneOff : kEntryTypePerson);
    const zarzadzanie_grupami::GroupDialogResult result =
        zarzadzanie_grupami::ShowGroupDialog(*m_dialogs.groupDialog, m_groups.markedGroups(), type);
    m_groupsChanged = result.groupsChanged;
    if (result.editorMenu) {
        m_groups.items = *result.editorMenu;
        RebuildGroupMenu();
    }
    if (result.accepted)
        m_editorModified = true;
}

void TForm3::SpeedButton1Click()
{
    if (!m_dialogs.nameDays)
        return;
    if (const std::optional<NameDayHit> hit = m_dialogs.nameDays->PickNameDay(FlatEdit1->text()))
        NameDayFound(hit->day, hit->month);
}

void TForm3::SpeedButton2Click()
{
    if (m_dialogs.businessData)
        m_dialogs.businessData->EditNumbers(m_nip, m_regon);
}

// The stored bytes of every text of the entry but its dates and photo; false, naming the field,
// when a text holds a character the code page lacks.
bool TForm3::collectRecord(PersonRecord& r, QByteArray& pendingPhone, QString* error) const
{
    // Each field is named by its label; the first that cannot be stored is the one reported.
    struct TextField {
        const TFlatEdit* edit;
        int label;
        QByteArray PersonRecord::*value;
    };
    const TextField texts[] = {
        {FlatEdit1, 1, &PersonRecord::nazwisko},     {FlatEdit4, 6, &PersonRecord::ulica},
        {FlatEdit5, 7, &PersonRecord::nr_domu},      {FlatEdit6, 8, &PersonRecord::nr_mieszkania},
        {FlatEdit7, 9, &PersonRecord::kod_pocztowy}, {FlatEdit8, 10, &PersonRecord::poczta},
        {FlatEdit9, 11, &PersonRecord::miejscowosc}, {FlatEdit13, 16, &PersonRecord::wojewodztwo},
    };
    for (const TextField& field : texts) {
        const std::optional<QByteArray> value =
            storableText(field.edit->text(), Label[std::size_t(field.label)]->text(), error);
        if (!value)
            return false;
        r.*field.value = *value;
    }
    const std::optional<QByteArray> nip = storableText(m_nip, QStringLiteral("NIP"), error);
    const std::optional<QByteArray> regon = nip ? storableText(m_regon, QStringLiteral("Regon"), error) : std::nullopt;
    const std::optional<QByteArray> pending =
        regon ? storableText(FlatEdit10->text(), Label[12]->text(), error) : std::nullopt;
    if (!pending)
        return false;
    r.NIP = *nip;
    r.regon = *regon;
    pendingPhone = *pending;

    struct ListField {
        QStringList items;
        int label;
        QList<QByteArray> PersonRecord::*values;
    };
    const ListField lists[] = {
        {FlatListBox3->Items(), 12, &PersonRecord::telefony},
        {FlatListBox1->Items(), 2, &PersonRecord::impreza},
        {FlatListBox2->Items(), 13, &PersonRecord::mail},
        {FlatMemo1->Lines(), 14, &PersonRecord::notatka},
    };
    for (const ListField& field : lists) {
        if (!storedList(field.items, Label[std::size_t(field.label)]->text(), r.*field.values, error))
            return false;
    }
    return true;
}

// The photo file: the picture as shown, 100 x 100, as a bitmap.
std::optional<QByteArray> TForm3::photoFile() const
{
    const bool withPhoto = !m_pickedPictureName.isEmpty() || (!m_addMode && m_editedHasPhoto);
    if (!withPhoto)
        return std::nullopt;
    const QImage picture = Image1->Picture()
                               .scaled(100, 100, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_RGB888);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return buffer.data();
}

bool TForm3::SavePersonFile()
{
    EntrySave entry;
    entry.addMode = m_addMode;
    QString error;
    if (!collectRecord(entry.record, entry.pendingPhone, &error)) {
        Prompter::current().showError(nullptr, messageBoxCaption(), error);
        return false;
    }
    entry.record.grupa = m_groups.checkedGroups();

    if (m_addMode) {
        if (m_entryType != kEntryTypePerson && m_entryType != kEntryTypeOneOff)
            m_entryType = kEntryTypePerson;
        if (FlatCheckBox2->Checked() && !NormalizeYearField(FlatEdit2) &&
            Prompter::current().askYesNo(nullptr, messageBoxCaption(),
                                         text(m_state.messages[kMsgSaveWithoutBirthday])) == Prompter::Answer::No)
            return false;
        entry.entryType = m_entryType;
        entry.folder = m_state.settings.saveFolder(m_state.programDir);
    } else {
        entry.editedPath = m_editedPath;
        entry.dataFolders = dataFolders(m_state.settings, m_state.programDir);
        entry.pendingPhone.clear();
    }

    if (FlatCheckBox1->Checked()) {
        selectFirstWhenNone(ZuboComboBox2);
        selectFirstWhenNone(ZuboComboBox3);
        entry.record.imieniny = dayMonth(selectedDate(ZuboComboBox2, ZuboComboBox3));
    }
    if (FlatCheckBox2->Checked()) {
        const bool valid = NormalizeYearField(FlatEdit2);
        if (!valid) {
            selectFirstWhenNone(ZuboComboBox4);
            selectFirstWhenNone(ZuboComboBox5);
        }
        const QByteArray year = cp1250::fromUnicode(FlatEdit2->text()).value_or(QByteArray());
        entry.record.urodziny = birthdayValue(selectedDate(ZuboComboBox4, ZuboComboBox5), {year, valid});
    }
    entry.photo = photoFile();

    const EntrySaveResult result = saveEntry(entry, *m_random, *m_state.writer, *m_remover, *m_state.reader);
    if (!result.saved) {
        Prompter::current().showError(nullptr, messageBoxCaption(),
                                      text(m_state.messages[kMsgFileError]) + QStringLiteral(": ") + result.error);
        return false;
    }
    if (m_addMode)
        m_newFileName = result.fileName;
    m_savedRecord = result.record;
    m_editorModified = false;
    done(mrOk);
    return true;
}

void TForm3::FlatSpeedButton8Click()
{
    SavePersonFile();
}

void TForm3::FlatSpeedButton5Click()
{
    if (m_editorModified && !FlatEdit1->text().isEmpty()) {
        if (Prompter::current().askYesNo(nullptr, messageBoxCaption(), text(m_state.messages[kMsgSaveChanges])) ==
            Prompter::Answer::Yes) {
            SavePersonFile();
            return;
        }
    }
    m_editorModified = false;
    done(mrCancel);
}

// The close box and Alt+F4 close as "X" does, asking first when the entry was changed; a save that
// fails then keeps the window open.
void TForm3::reject()
{
    FlatSpeedButton5Click();
}

void TForm3::showEvent(QShowEvent* e)
{
    // A window restored from minimised is shown again by the window system (a spontaneous show):
    // the show step, which forgets the changes and the picked picture, runs only when it is opened.
    openCentred(this, e, [this] { FormShow(); });
    QDialog::showEvent(e);
}

// Esc does not close the editor: closing goes through "X", which asks before changes are lost.
void TForm3::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

} // namespace dodaj_nowy
