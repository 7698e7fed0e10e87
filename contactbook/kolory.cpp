#include "kolory.h"

#include "FlatUtilitys.h"
#include "TFlatEditUnit.h"
#include "TFlatGaugeUnit.h"
#include "TFlatHintUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatMemoUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"
#include "bitmaps.h"
#include "chooserrow.h"
#include "codec1250.h"
#include "colorgrid.h"
#include "colourpicker.h"
#include "dialogrunner.h"
#include "filewriter.h"
#include "messages.h"
#include "picture.h"
#include "profilefile.h"
#include "prompter.h"
#include "schemecolours.h"
#include "settings.h"
#include "shape.h"
#include "windowparts.h"
#include "windowplace.h"

#include <QFocusEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QToolButton>

namespace kolory {
namespace {

constexpr int kLeftBar = 440;
constexpr int kRightBar = 664;
constexpr int kButtonSize = 17;
constexpr int kEditHeight = 19;
// The first of the eight text-field colours in key order, which for them is the storage order too.
constexpr std::size_t kFirstFieldKey = 10;

// The sample entries of the mock-up's person chooser: the item (its last letter gives the kind)
// and the name drawn.
const QList<PersonListEntry> kPreviewEntries = {
    {QStringLiteral("stale\\0.wps"), "Osoba pierwsza", QByteArray()},
    {QStringLiteral("stale\\0.wpj"), "Jednorazowe przypomnienie", QByteArray()},
    {QStringLiteral("stale\\0.wpb"), "Osoba trzecia (wykasowana)", QByteArray()},
};

bool choosesFieldByFocus(const QEvent* e)
{
    if (e->type() != QEvent::FocusIn)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(e)->reason();
    return reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
}

} // namespace

TForm11::TForm11(ProgramState& state, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
{
    setWindowTitle(QString::fromUtf8("Zmiana kolorów"));
    setFixedSize(688, 460);
    setFont(DefaultUiFont());
    createMockup();
    createEditorControls();
    FlatHint1 = new TFlatHint(this);
    FlatHint1->SetFont(DefaultUiFont());

    // The mock-up's labels in their order, from Label1.
    for (qsizetype n = 0; n < Labels.size(); ++n)
        Labels[n]->setObjectName(QStringLiteral("Label%1").arg(n + 1));
    nameNumbered(ZuboComboBox, "ZuboComboBox");
    nameNumbered(FlatSpeedButton, "FlatSpeedButton");
    nameNumbered(kolor, "kolor");
    nameControls({{Shape1, "Shape1"},
                  {Shape2, "Shape2"},
                  {Shape3, "Shape3"},
                  {FlatGauge1, "FlatGauge1"},
                  {Image1, "Image1"},
                  {FlatEdit2, "FlatEdit2"},
                  {FlatEdit3, "FlatEdit3"},
                  {FlatEdit4, "FlatEdit4"},
                  {FlatEdit11, "FlatEdit11"},
                  {FlatListBox1, "FlatListBox1"},
                  {FlatListBox3, "FlatListBox3"},
                  {FlatMemo1, "FlatMemo1"},
                  {Memo1, "Memo1"},
                  {ChosenLabel, "ChosenLabel"},
                  {ColorGrid1, "ColorGrid1"},
                  {SpeedButton1, "SpeedButton1"},
                  {FlatHint1, "FlatHint1"}});
}

void TForm11::createMockup()
{
    Shape1 = new TShape(this);
    Shape1->setGeometry(kLeftBar, -1, kButtonSize, height() + 2);
    Shape2 = new TShape(this);
    Shape2->setGeometry(kRightBar, -1, kButtonSize, height() + 2);
    for (TShape* bar : {Shape1, Shape2}) {
        bar->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        bar->installEventFilter(this);
    }
    FlatGauge1 = new TFlatGauge(this);
    FlatGauge1->setGeometry(656, 392, 33, 17);
    FlatGauge1->SetProgress(45);
    FlatGauge1->SetShowText(false);
    connect(FlatGauge1, &TFlatGauge::OnMouseDown, this, &TForm11::Shape1MouseDown);

    // The labels where the main window has them.
    static constexpr struct {
        const char* text;
        int x, y;
        int rightAlignedWidth;
    } kLabels[] = {
        {"Nazwisko i Imię/Imiona", 24, 8, 0},
        {"Imieniny", 0, 72, 97},
        {"Urodzony(a) dnia", 0, 104, 97},
        {"Inne okazje", 0, 136, 97},
        {"dzień", 112, 48, 0},
        {"miesiąc", 176, 48, 0},
        {"rok", 264, 48, 0},
        {"opis okazji", 24, 160, 0},
        {"notatki", 24, 296, 0},
        {"telefon(y)", 472, 352, 0},
    };
    for (const auto& l : kLabels) {
        QLabel* label = makeLabel(this, QString::fromUtf8(l.text), l.x, l.y);
        if (l.rightAlignedWidth) {
            label->setAlignment(Qt::AlignRight | Qt::AlignTop);
            label->resize(l.rightAlignedWidth, 13);
        }
        Labels.append(label);
    }

    Image1 = new TImage(this);
    Image1->setGeometry(333, 64, 100, 100);
    Image1->SetPicture(bitmapResource(u"LOGO"));

    auto* chooser = new TZuboComboBox(this, csOwnerDrawFixed);
    chooser->SetItemHeight(13);
    chooser->setGeometry(48, 23, 361, 19);
    chooser->setMaxVisibleItems(15);
    chooser->SetItems({QStringLiteral("stale\\0.wps"), QStringLiteral("stale\\0.wpj"), QStringLiteral("sale\\0.wpb")});
    chooser->setCurrentIndex(0);
    connect(chooser, &TZuboComboBox::OnDrawItem, this,
            [this](QPainter* canvas, int index, const QRect& rect, TOwnerDrawState state) {
                FlatComboBox1DrawItem(canvas, index, rect, state);
            });
    connect(chooser, &TZuboComboBox::OnChange, this, &TForm11::FlatComboBox1Change);
    ZuboComboBox[1] = chooser;

    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    QStringList months;
    for (const QByteArray& month : MonthNames())
        months << cp1250::toUnicode(month);
    for (int n = 2; n <= 7; n += 2) {
        const int y = 72 + (n / 2 - 1) * 32;
        auto* day = new TZuboComboBox(this, csDropDownList);
        day->SetItems(days);
        day->setGeometry(104, y, 49, 21);
        day->setCurrentIndex(9);
        auto* month = new TZuboComboBox(this, csDropDownList);
        month->SetItems(months);
        month->setGeometry(168, y, 73, 21);
        month->setCurrentIndex(4);
        ZuboComboBox[std::size_t(n)] = day;
        ZuboComboBox[std::size_t(n + 1)] = month;
    }

    const auto edit = [this](int x, int y, int width, const QString& text) {
        auto* e = new TFlatEdit(this);
        e->setGeometry(x, y, width, kEditHeight);
        e->setText(text);
        e->setReadOnly(true);
        return e;
    };
    FlatEdit2 = edit(256, 104, 57, QStringLiteral("2002"));
    FlatEdit3 = edit(256, 136, 57, QStringLiteral("2002"));
    FlatEdit11 = edit(24, 176, 409, QStringLiteral("Okazja nie do przegapienia"));

    const auto list = [this](int x, int y, int width, int height, QStringList items) {
        auto* l = new TFlatListBox(this);
        l->SetScrollBars(true);
        l->setGeometry(x, y, width, height);
        l->SetItems(items);
        connect(l, &TFlatListBox::OnMouseDown, this, &TForm11::FlatComboBox1Click);
        connect(l, &TFlatListBox::OnMouseUp, this, &TForm11::FlatComboBox1Click);
        return l;
    };
    FlatListBox1 = list(24, 192, 409, 100,
                        {QStringLiteral("12.07.2002 - Okazja nie do przegapienia"),
                         QStringLiteral("13.08.2002 - Okazja nie do przegapienia nr 2"), QString()});
    FlatListBox3 = list(472, 368, 177, 100, {QStringLiteral("0-001-12-34-56"), QStringLiteral("(0-01) 12-34-56")});

    FlatMemo1 = new TFlatMemo(this);
    FlatMemo1->setGeometry(24, 312, 409, 153);
    FlatMemo1->setReadOnly(true);
    FlatMemo1->setPlainText(QString::fromUtf8("Notatki dotyczące danej osoby"));

    static constexpr struct {
        int number;
        const char* caption;
        int x, y;
    } kButtons[] = {
        {4, "N", kRightBar, 24},  {2, "K", kRightBar, 48},  {9, "E", kRightBar, 72},  {3, "G", kRightBar, 96},
        {1, "M", kRightBar, 120}, {8, "<<", kLeftBar, 24},  {7, ">>", kLeftBar, 48},  {11, "P", kLeftBar, 88},
        {12, "S", kLeftBar, 128}, {13, "D", kLeftBar, 192}, {15, "M", kLeftBar, 216}, {16, "K", kLeftBar, 264},
    };
    for (const auto& b : kButtons) {
        auto* button = new TFlatSpeedButton(this);
        button->setGeometry(b.x, b.y, kButtonSize, kButtonSize);
        button->SetCaption(QString::fromLatin1(b.caption));
        connect(button, &TFlatSpeedButton::OnClick, this, &TForm11::FlatSpeedButton4Click);
        FlatSpeedButton[std::size_t(b.number)] = button;
    }
    FlatSpeedButton[11]->hide();
    FlatSpeedButton[12]->setEnabled(false);

    for (std::size_t n = 1; n < ZuboComboBox.size(); ++n)
        ZuboComboBox[n]->installEventFilter(this);
    for (QWidget* w :
         std::initializer_list<QWidget*>{FlatEdit2, FlatEdit3, FlatEdit11, FlatMemo1, FlatMemo1->viewport()})
        w->installEventFilter(this);
    for (QLabel* label : Labels)
        label->installEventFilter(this);
}

void TForm11::createEditorControls()
{
    Memo1 = new QPlainTextEdit(this);
    // Room for the eight lines the text wraps to in this font.
    Memo1->setGeometry(472, 16, 177, 120);
    makeCentredText(Memo1);
    Memo1->document()->setDocumentMargin(0);
    // One paragraph that the memo wraps at its width: the lines of the text end in blanks, so they
    // flow on.
    Memo1->setPlainText(QString::fromUtf8("Wybierz przez kliknięcie najpierw "
                                          "element okna, później któryś z "
                                          "przypisanych mu kolorów i zmień go "
                                          "według własnego gustu wybierając "
                                          "kolory z tablicy kolorów. W celu "
                                          "użycia barw innych niż w tablicy "
                                          "proszę kliknąć guzik z tęczą."));
    Memo1->viewport()->installEventFilter(this);

    ChosenLabel = makeLabel(this, QStringLiteral("wybrane"), 472, 136);
    ChosenLabel->installEventFilter(this);
    FlatEdit4 = new TFlatEdit(this);
    FlatEdit4->setGeometry(472, 152, 177, kEditHeight);
    FlatEdit4->setReadOnly(true);
    FlatEdit4->setText(m_editor.description());
    FlatEdit4->installEventFilter(this);

    Shape3 = new TShape(this);
    Shape3->setGeometry(472, 176, 177, 169);
    Shape3->SetBrushColor(clGray);
    Shape3->SetPenColor(clGray);
    for (int n = 1; n <= SchemeEditor::kSwatches; ++n) {
        auto* swatch = new TShape(this);
        swatch->setGeometry(480 + ((n - 1) % 4) * 40, n <= 4 ? 184 : 224, 33, 33);
        swatch->SetPenWidth(3);
        swatch->setAttribute(Qt::WA_TransparentForMouseEvents, false);
        swatch->installEventFilter(this);
        kolor[std::size_t(n)] = swatch;
    }
    kolor[1]->setToolTip(QString::fromUtf8("tło"));

    ColorGrid1 = new TColorGrid(this);
    ColorGrid1->setGeometry(504, 272, 64, 64);
    connect(ColorGrid1, &TColorGrid::OnChange, this, &TForm11::ColorGrid1Change);

    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setGeometry(592, 288, 23, 41);
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setIconSize(QSize(15, 33));
    SpeedButton1->setIcon(QPixmap::fromImage(bitmapResource(u"TECZA")));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm11::SpeedButton1Click);

    auto* confirm = new TFlatSpeedButton(this);
    confirm->setGeometry(kRightBar, 424, kButtonSize, kButtonSize);
    confirm->SetCaption(QStringLiteral("Z"));
    confirm->setToolTip(QString::fromUtf8("Zaakceptuj ustawienia kolorów."));
    connect(confirm, &TFlatSpeedButton::OnClick, this, &TForm11::FlatSpeedButton6Click);
    FlatSpeedButton[6] = confirm;
    auto* close = new TFlatSpeedButton(this);
    close->setGeometry(kRightBar, 448, kButtonSize, kButtonSize);
    close->SetCaption(QStringLiteral("X"));
    close->setToolTip(QStringLiteral("Zamknij okno"));
    close->SetModalResult(mrCancel);
    FlatSpeedButton[5] = close;
}

QList<TFlatSpeedButton*> TForm11::mockupButtons() const
{
    QList<TFlatSpeedButton*> buttons;
    for (TFlatSpeedButton* b : FlatSpeedButton) {
        if (b)
            buttons.append(b);
    }
    return buttons;
}

bool TForm11::EditColours()
{
    for (std::size_t i = 0; i < FieldColors.size(); ++i)
        FieldColors[i] = m_state.colors.*colorSchemeKeys()[kFirstFieldKey + i].colour;
    return DialogRunner::current().run(*this) == mrOk;
}

void TForm11::FormShow()
{
    // The window, bars and buttons from the scheme, the text fields from the editor's own copy.
    ColorScheme scheme = m_state.colors;
    for (std::size_t i = 0; i < FieldColors.size(); ++i)
        scheme.*colorSchemeKeys()[kFirstFieldKey + i].colour = FieldColors[i];
    m_editor.start(scheme);
    showScheme();
}

void TForm11::showScheme()
{
    const ColorScheme& s = m_editor.scheme();
    using namespace schemecolours;
    applyToWindow(this, s);
    applyToBar(Shape1, s);
    applyToBar(Shape2, s);
    apply(FlatGauge1, s);
    for (TFlatSpeedButton* button : mockupButtons())
        apply(button, s);
    for (TFlatEdit* e : {FlatEdit2, FlatEdit3, FlatEdit4, FlatEdit11})
        apply(e, s, EditFont::FromScheme);
    for (std::size_t n = 1; n < ZuboComboBox.size(); ++n)
        apply(ZuboComboBox[n], s);
    apply(FlatListBox1, s);
    apply(FlatListBox3, s);
    apply(FlatMemo1, s);
    ZuboComboBox[1]->update();
    showChoice();
}

void TForm11::showChoice()
{
    FlatEdit4->setText(m_editor.description());
    // A description longer than the field shows its beginning, not its end.
    FlatEdit4->setCursorPosition(0);
    for (int n = 1; n <= SchemeEditor::kSwatches; ++n) {
        const SchemeEditor::Swatch swatch = m_editor.swatch(n);
        kolor[std::size_t(n)]->SetBrushColor(swatch.fill);
        kolor[std::size_t(n)]->SetPenColor(swatch.frame);
    }
}

void TForm11::chooseGroup(ColourGroup group)
{
    m_editor.chooseGroup(group);
    showChoice();
}

void TForm11::FormClick()
{
    chooseGroup(ColourGroup::Window);
}

void TForm11::Shape1MouseDown()
{
    chooseGroup(ColourGroup::Bars);
}

void TForm11::FlatSpeedButton4Click()
{
    chooseGroup(ColourGroup::Buttons);
}

void TForm11::FlatComboBox1Click()
{
    chooseGroup(ColourGroup::Fields);
}

void TForm11::kolorMouseDown(int n)
{
    if (!m_editor.chooseSwatch(n))
        return;
    showChoice();
}

void TForm11::FlatComboBox1Change()
{
    FlatComboBox1Click();
    m_editor.choosePreviewEntry(ZuboComboBox[1]->currentIndex());
    showChoice();
}

void TForm11::FlatComboBox1DrawItem(QPainter* canvas, int index, const QRect& rect, TOwnerDrawState state)
{
    const QString item = index >= 0 && index < ZuboComboBox[1]->count() ? ZuboComboBox[1]->itemText(index) : QString();
    DrawChooserRow(*canvas, chooserRow(kPreviewEntries, index, item, state.selected, m_editor.scheme()), rect,
                   ZuboComboBox[1]->font());
}

void TForm11::applyColour(ColourValue colour)
{
    m_editor.apply(colour);
    for (std::size_t i = 0; i < FieldColors.size(); ++i)
        FieldColors[i] = m_editor.scheme().*colorSchemeKeys()[kFirstFieldKey + i].colour;
    // The notes of the main window keep their font colour; only the sample text of the mock-up
    // follows the text colour once it is changed.
    if (m_editor.currentKey() == "ComboBox_tekst1")
        SetFontColor(FlatMemo1, colour);
    showScheme();
}

void TForm11::ColorGrid1Change()
{
    applyColour(ColorGrid1->ForegroundColor());
}

void TForm11::SpeedButton1Click()
{
    if (const auto colour = ColourPicker::current().pick(this, toQColor(m_editor.current())))
        applyColour(fromQColor(*colour));
}

void TForm11::FlatSpeedButton6Click()
{
    const ColorScheme& edited = m_editor.scheme();
    ProfileFile opcje(settingsPathIn(m_state.programDir), *m_state.writer);
    QString error;
    // The scheme in memory changes only once the file holds the new colours.
    if (!writeColorScheme(opcje, edited, &error)) {
        Prompter::current().showError(nullptr, messageBoxCaption(), error);
        return;
    }
    m_state.colors.tlo_tlo = edited.tlo_tlo;
    m_state.colors.tlo_napisy = edited.tlo_napisy;
    done(mrOk);
}

void TForm11::showEvent(QShowEvent* e)
{
    openCentred(this, e, [this] {
        FormShow();
        Memo1->setFocus();
    });
    QDialog::showEvent(e);
}

void TForm11::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        FormClick();
    QDialog::mousePressEvent(e);
}

bool TForm11::eventFilter(QObject* watched, QEvent* e)
{
    const bool press = e->type() == QEvent::MouseButtonPress;
    // The shapes take their presses, which would otherwise reach the window and choose its group.
    if (press && (watched == Shape1 || watched == Shape2)) {
        Shape1MouseDown();
        return true;
    }
    if (press) {
        for (int n = 1; n <= SchemeEditor::kSwatches; ++n) {
            if (watched == kolor[std::size_t(n)]) {
                kolorMouseDown(n);
                return true;
            }
        }
    }
    if (press &&
        (Labels.contains(qobject_cast<QLabel*>(watched)) || watched == ChosenLabel || watched == Memo1->viewport()))
        FormClick();
    const bool field = watched == FlatEdit2 || watched == FlatEdit3 || watched == FlatEdit4 || watched == FlatEdit11 ||
                       watched == FlatMemo1 || watched == FlatMemo1->viewport() ||
                       std::find(ZuboComboBox.begin() + 1, ZuboComboBox.end(), watched) != ZuboComboBox.end();
    if (field && (press || choosesFieldByFocus(e)))
        FlatComboBox1Click();
    return QDialog::eventFilter(watched, e);
}

} // namespace kolory
