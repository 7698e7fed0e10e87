#include "imieniny.h"

#include "FlatUtilitys.h"
#include "TFlatEditUnit.h"
#include "TFlatHintUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"
#include "bitmaps.h"
#include "codec1250.h"
#include "dialogrunner.h"
#include "messages.h"
#include "prompter.h"
#include "schemecolours.h"
#include "shape.h"
#include "stringgrid.h"
#include "windowparts.h"
#include "windowplace.h"

#include <QLabel>
#include <QPainter>
#include <QToolButton>

namespace imieniny {
namespace {

constexpr char kNoNames[] = "Nie znaleziono imienin na dzień dzisiejszy";
constexpr int kDoubleClickMs = 700;
constexpr int kGridCols = 7;
// The value of m_keepResults that makes the next show keep the hits.
constexpr int kKeepResults = 1234;

// A label of a fixed box, its text aligned in it.
QLabel* boxedLabel(QWidget* parent, const QString& text, QRect place, Qt::Alignment alignment)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    label->setGeometry(place);
    return label;
}

QString monthName(int monthIndex)
{
    return cp1250::toUnicode(MonthNames()[std::size_t(monthIndex)]);
}

} // namespace

TForm12::TForm12(ProgramState& state, const Clock& clock, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_clock(clock)
{
    setWindowTitle(windowCaption());
    setFixedSize(552, 453);
    setFont(DefaultUiFont());

    Label6 = boxedLabel(this, QStringLiteral("Szukanie imienin"), QRect(0, 16, 433, 20), Qt::AlignHCenter);
    Label5 = makeLabel(this, QString::fromUtf8("Podaj imię"), 16, 48);
    FlatEdit1 = new TFlatEdit(this);
    FlatEdit1->setGeometry(16, 64, 177, 19);
    connect(FlatEdit1, &QLineEdit::returnPressed, this, &TForm12::SpeedButton1Click);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setGeometry(200, 64, 23, 22);
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setIcon(QPixmap::fromImage(bitmapResource(u"SZUKAJ")));
    SpeedButton1->setToolTip(QString::fromUtf8("Znajdź imieniny"));
    SpeedButton1->setFocusPolicy(Qt::NoFocus);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm12::SpeedButton1Click);
    Label7 = makeLabel(this, QStringLiteral("lub"), 88, 96);
    Label8 = makeLabel(this, QString::fromUtf8("Wybierz datę"), 16, 136);

    ZuboComboBox1 = new TZuboComboBox(this, csDropDownList);
    QStringList months;
    for (int m = 0; m < 12; ++m)
        months << monthName(m);
    ZuboComboBox1->SetItems(months);
    ZuboComboBox1->setMaxVisibleItems(12);
    ZuboComboBox1->setGeometry(104, 128, 81, 21);
    connect(ZuboComboBox1, &TZuboComboBox::OnChange, this, &TForm12::FlatComboBox1Change);

    // Day d stands in column (d - 1) mod 7 of row (d - 1) div 7; the month sets the last row.
    StringGrid1 = new TStringGrid(kGridCols, 5, this);
    StringGrid1->setGeometry(16, 152, 170, 122);
    for (int day = 1; day <= 31; ++day)
        StringGrid1->SetCell((day - 1) % kGridCols, (day - 1) / kGridCols, QString::number(day));
    connect(StringGrid1, &TStringGrid::OnSelectCell, this, &TForm12::StringGrid1SelectCell);
    connect(StringGrid1, &TStringGrid::OnDrawCell, this, &TForm12::StringGrid1DrawCell);

    FlatListBox1 = new TFlatListBox(this);
    FlatListBox1->SetScrollBars(true);
    FlatListBox1->SetItemHeight(14);
    FlatListBox1->setGeometry(240, 56, 185, 212);
    connect(FlatListBox1, &TFlatListBox::OnMouseUp, this, &TForm12::FlatListBox1MouseUp);

    Shape2 = new TShape(this);
    Shape2->setGeometry(8, 288, 417, 1);
    Shape2->SetFilled(false);
    Label1 = boxedLabel(this, QString::fromUtf8("Dzisiaj są imieniny:"), QRect(8, 304, 417, 20), Qt::AlignHCenter);
    Label2 = boxedLabel(this, QString(), QRect(8, 336, 417, 33), Qt::AlignHCenter | Qt::AlignTop);
    Label2->setWordWrap(true);
    Label3 = boxedLabel(this, QStringLiteral("oraz"), QRect(8, 376, 417, 13), Qt::AlignHCenter);
    Label3->hide();
    Label4 = boxedLabel(this, QString(), QRect(8, 408, 417, 33), Qt::AlignHCenter | Qt::AlignTop);
    Label4->setWordWrap(true);

    Shape1 = new TShape(this);
    Shape1->setGeometry(440, -36, 17, 489);
    FlatSpeedButton3 = new TFlatSpeedButton(this);
    FlatSpeedButton3->setGeometry(440, 248, 17, 17);
    FlatSpeedButton3->SetCaption(QStringLiteral("W"));
    FlatSpeedButton3->setToolTip(QStringLiteral("Wybierz zaznaczone imieniny"));
    FlatSpeedButton3->hide();
    connect(FlatSpeedButton3, &TFlatSpeedButton::OnClick, this, &TForm12::FlatSpeedButton3Click);
    FlatSpeedButton1 = new TFlatSpeedButton(this);
    FlatSpeedButton1->setGeometry(440, 416, 17, 17);
    FlatSpeedButton1->SetCaption(QStringLiteral("X"));
    FlatSpeedButton1->setToolTip(QStringLiteral("Zamknij okno"));
    FlatSpeedButton1->SetModalResult(mrCancel);

    FlatHint1 = new TFlatHint(this);
    FlatHint1->SetFont(DefaultUiFont());
    nameControls({{Label1, "Label1"},
                  {Label2, "Label2"},
                  {Label3, "Label3"},
                  {Label4, "Label4"},
                  {Label5, "Label5"},
                  {Label6, "Label6"},
                  {Label7, "Label7"},
                  {Label8, "Label8"},
                  {FlatEdit1, "FlatEdit1"},
                  {SpeedButton1, "SpeedButton1"},
                  {ZuboComboBox1, "ZuboComboBox1"},
                  {StringGrid1, "StringGrid1"},
                  {FlatListBox1, "FlatListBox1"},
                  {FlatSpeedButton1, "FlatSpeedButton1"},
                  {FlatSpeedButton3, "FlatSpeedButton3"},
                  {Shape1, "Shape1"},
                  {Shape2, "Shape2"},
                  {FlatHint1, "FlatHint1"}});
}

NameDayData TForm12::data() const
{
    return NameDayData(nameDayFolderIn(m_state.programDir), m_state.locale, *m_state.reader);
}

void TForm12::reportError(const std::optional<NameDayFileError>& error) const
{
    if (error) {
        Prompter::current().showError(nullptr, messageBoxCaption(),
                                      fileErrorMessage(m_state.messages, error->path, error->code));
    }
}

void TForm12::ShowLookup()
{
    FlatSpeedButton3->hide();
    DialogRunner::current().run(*this);
}

std::optional<NameDayHit> TForm12::PickNameDay(const QString& name)
{
    FlatSpeedButton3->show();
    FlatEdit1->setText(name);
    RunNameSearch();
    m_keepResults = kKeepResults;
    FlatEdit1->clear();
    if (DialogRunner::current().run(*this) != mrOk || m_pickedIndex < 0 || m_pickedIndex >= m_hits.size())
        return std::nullopt;
    m_keepResults = 0;
    return m_hits[m_pickedIndex];
}

void TForm12::RunNameSearch()
{
    SpeedButton1Click();
}

void TForm12::FormShow()
{
    const ColorScheme& s = m_state.colors;
    using namespace schemecolours;
    applyToWindow(this, s);
    applyToBar(Shape1, s);
    applyToFrame(Shape2, s);
    applyToLabel(Label1, s);
    applyToLabel(Label6, s);
    apply(FlatSpeedButton1, s);
    apply(FlatSpeedButton3, s);
    apply(FlatEdit1, s, EditFont::Keep);
    apply(ZuboComboBox1, s);
    apply(FlatListBox1, s);
    StringGrid1->SetColor(s.ComboBox_tlo);

    if (m_keepResults != kKeepResults) {
        FlatListBox1->ClearItems();
        m_hits.clear();
        FlatEdit1->clear();
    }
    FlatEdit1->setFocus();

    // The month change shows today's names, today's cell always holding its day.
    const QDate today = m_clock.today();
    selectDay(today.day());
    ZuboComboBox1->setCurrentIndex(today.month() - 1);
    FlatComboBox1Change();
    Label1->setText(QString::fromUtf8("Dzisiaj są imieniny:"));
}

void TForm12::selectDay(int day)
{
    StringGrid1->SetCurrent((day - 1) % kGridCols, (day - 1) / kGridCols);
}

void TForm12::setLastRow(int monthIndex)
{
    // 29 is always offered; 30 and 31 as the month has them.
    static constexpr int kDaysInMonth[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int days = kDaysInMonth[monthIndex];
    for (int day = 29; day <= 31; ++day)
        StringGrid1->SetCell((day - 1) % kGridCols, 4, day <= days ? QString::number(day) : QString());
}

void TForm12::showCurrentDay()
{
    const int monthIndex = ZuboComboBox1->currentIndex();
    const QString dayText = StringGrid1->Cell(StringGrid1->Col(), StringGrid1->Row());
    if (monthIndex < 0 || dayText.isEmpty())
        return;
    const DayNames names = data().namesOn(dayText.toInt(), monthIndex + 1);
    reportError(names.error);
    Label1->setText(dayText + u' ' + monthName(monthIndex) + QString::fromUtf8(" są imieniny:"));
    showNames(names);
}

void TForm12::showNames(const DayNames& names)
{
    Label2->setText(names.principal.isEmpty() ? QString::fromUtf8(kNoNames) : cp1250::toUnicode(names.principal));
    Label4->setText(cp1250::toUnicode(names.further));
    Label3->setVisible(!names.further.isEmpty());
}

void TForm12::FlatComboBox1Change()
{
    const int monthIndex = ZuboComboBox1->currentIndex();
    if (monthIndex < 0)
        return;
    setLastRow(monthIndex);
    showCurrentDay();
}

void TForm12::StringGrid1SelectCell(int, int)
{
    showCurrentDay();
}

void TForm12::StringGrid1DrawCell(QPainter* canvas, int col, int row, const QRect& rect, bool selected)
{
    const ColorScheme& s = m_state.colors;
    const QString text = StringGrid1->Cell(col, row);
    const ColourValue fill = text.isEmpty() ? s.tlo_tlo : selected ? s.ComboBox_podswietlenie : s.ComboBox_tlo;
    // Grown by a pixel to the right and down, so the frames of neighbours overlap into one line.
    const TRect r = TRect::of(rect.adjusted(0, 0, 1, 1));
    FillRect(*canvas, r, fill);
    FrameRect(*canvas, r, s.ComboBox_ramka);
    canvas->setFont(font());
    canvas->setPen(toQColor(s.ComboBox_tekst1));
    canvas->drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

void TForm12::SpeedButton1Click()
{
    FlatListBox1->ClearItems();
    m_hits.clear();
    const NameDaySearch found = data().search(FlatEdit1->text());
    reportError(found.error);
    m_hits = found.hits;
    for (const NameDayHit& hit : m_hits)
        FlatListBox1->AddItem(cp1250::toUnicode(hit.item));
}

void TForm12::FlatListBox1MouseUp()
{
    m_pickedIndex = -1;
    for (int row = 0; row < FlatListBox1->Items().size(); ++row) {
        if (!FlatListBox1->GetSelected(row))
            continue;
        if (row >= m_hits.size())
            return;
        m_pickedIndex = row;
    }
    const std::int64_t now = m_clock.ticks();
    if (now - m_state.lastPhoneClick < kDoubleClickMs && m_pickedIndex == m_lastPickedIndex && m_pickedIndex != -1) {
        done(mrOk);
        return;
    }
    m_lastPickedIndex = m_pickedIndex;
    if (m_pickedIndex >= 0) {
        const NameDayHit& hit = m_hits[m_pickedIndex];
        ZuboComboBox1->setCurrentIndex(hit.month - 1);
        selectDay(hit.day);
        FlatComboBox1Change();
    }
    m_state.lastPhoneClick = now;
}

void TForm12::FlatSpeedButton3Click()
{
    for (int row = 0; row < FlatListBox1->Items().size(); ++row) {
        if (!FlatListBox1->GetSelected(row))
            continue;
        if (row < m_hits.size()) {
            m_pickedIndex = row;
            done(mrOk);
        }
        return;
    }
}

void TForm12::showEvent(QShowEvent* e)
{
    openCentred(this, e, [this] { FormShow(); });
    QDialog::showEvent(e);
}

} // namespace imieniny
