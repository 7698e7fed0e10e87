#include "wyniki.h"

#include "FlatUtilitys.h"
#include "TFlatHintUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "bitmaps.h"
#include "codec1250.h"
#include "fileremover.h"
#include "oprogramie.h"
#include "personfile.h"
#include "processstarter.h"
#include "profilefile.h"
#include "prompter.h"
#include "resultrows.h"
#include "schemecolours.h"
#include "settings.h"
#include "shape.h"
#include "windowparts.h"
#include "windowplace.h"

#include <QAbstractItemDelegate>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>

namespace wyniki {
namespace {

constexpr char kCaption[] = "Zubo-Wakto";

// Row colours of the list, fixed whatever the scheme.
constexpr TColor kRowGray = clMedGray;
constexpr TColor kTodayText = 0xFF0000;   // blue
constexpr TColor kCaptionText = 0x800000; // navy
constexpr TColor kComingRow = 0x84E7FF;
constexpr TColor kPastRow = 0x93CBCE;
constexpr TColor kSelectedRow = clWhite;
constexpr TColor kEntryFirstLine = 0x000080; // maroon
constexpr TColor kEntrySecondLine = clBlack;
// The four nested outlines of an entry row, from the outside in.
constexpr TColor kEntryFrame[4] = {clBlack, 0xC0C0C0, 0xC0C0C0, clWhite};

QFont listFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The list's rows are measured and painted by the window's own handlers.
class RowDelegate final : public QAbstractItemDelegate {
public:
    RowDelegate(const TForm1* form, QObject* parent)
        : QAbstractItemDelegate(parent)
        , m_form(form)
    {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        m_form->ListBox1DrawItem(*painter, index.row(), option.rect, option.state & QStyle::State_Selected);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        return {1, m_form->ListBox1MeasureItem(index.row())};
    }

private:
    const TForm1* m_form;
};

TFlatSpeedButton* makeButton(QWidget* parent, int y, const char* caption, const QString& hint)
{
    auto* button = new TFlatSpeedButton(parent);
    button->setGeometry(520, y, 17, 17);
    button->SetColor(clMedGray);
    button->SetColorFocused(0x0080FF);
    button->SetColorDown(0x0063C6);
    button->SetColorBorder(0x000040);
    button->SetColorHighLight(0x808040);
    button->SetColorShadow(0x808040);
    button->SetCaption(QLatin1String(caption));
    button->setToolTip(hint);
    return button;
}

QString shown(const QByteArray& text)
{
    return cp1250::toUnicode(text);
}

} // namespace

TForm1::TForm1(const QString& programDir, const QString& programsDir, const FileRemover& remover,
               const ProcessStarter& starter, Prompter& prompter, QWidget* parent)
    : QWidget(parent)
    , m_programDir(programDir)
    , m_programsDir(programsDir)
    , m_remover(remover)
    , m_starter(starter)
    , m_prompter(prompter)
{
    setFixedSize(640, 453);
    setFont(DefaultUiFont());
    setWindowIcon(QPixmap::fromImage(bitmapResource(u"LOGO")));

    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(8, 8, 505, 441);
    ListBox1->setFrameShape(QFrame::NoFrame);
    ListBox1->setFont(listFont());
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setItemDelegate(new RowDelegate(this, ListBox1));
    ListBox1->installEventFilter(this);
    connect(ListBox1, &QListWidget::itemSelectionChanged, this, &TForm1::ListBox1Click);
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TForm1::ListBox1DblClick);

    Image1 = new QLabel(this);
    Image1->setPixmap(QPixmap::fromImage(bitmapResource(u"LOGO")));
    Image1->move(540, 4);
    Image1->adjustSize();

    Shape1 = new TShape(this);
    Shape1->setGeometry(520, -12, 17, 489);
    Shape1->SetBrushColor(0x004080);

    FlatSpeedButton1 = makeButton(this, 184, "K", QStringLiteral("Kasuj jednorazowe przypomnienie"));
    FlatSpeedButton1->setEnabled(false);
    connect(FlatSpeedButton1, &TFlatSpeedButton::OnClick, this, &TForm1::FlatSpeedButton1Click);
    FlatSpeedButton6 = makeButton(this, 392, "O", QStringLiteral("O programie"));
    connect(FlatSpeedButton6, &TFlatSpeedButton::OnClick, this, &TForm1::FlatSpeedButton6Click);
    FlatSpeedButton5 = makeButton(this, 424, "X", QStringLiteral("Zamknij okno"));
    connect(FlatSpeedButton5, &TFlatSpeedButton::OnClick, this, &TForm1::FlatSpeedButton5Click);

    FlatHint1 = new TFlatHint(this);
    FlatHint1->SetFont(DefaultUiFont());

    FormCreate();
    Form2 = new oprogramie::TForm2(m_scheme, oprogramie::Edition::Checker, this);

    nameControls({{ListBox1, "ListBox1"},
                  {Image1, "Image1"},
                  {Shape1, "Shape1"},
                  {FlatSpeedButton1, "FlatSpeedButton1"},
                  {FlatSpeedButton6, "FlatSpeedButton6"},
                  {FlatSpeedButton5, "FlatSpeedButton5"},
                  {FlatHint1, "FlatHint1"},
                  {Form2, "Form2"}});

    centreOnScreen(this);
    ListBox1->setFocus();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    setWindowTitle(windowCaption());
    m_scheme = readColorScheme(ProfileFile(settingsPathIn(m_programDir)), ColorScheme());
    const ColorScheme& s = m_scheme;
    schemecolours::applyToWindow(this, s);
    schemecolours::applyToBar(Shape1, s);
    for (TFlatSpeedButton* button : {FlatSpeedButton1, FlatSpeedButton5, FlatSpeedButton6})
        schemecolours::apply(button, s);
    schemecolours::applyToPlainList(ListBox1, s);
}

void TForm1::ApplyTexts(const CheckerTexts& texts)
{
    using namespace checkertext;
    m_texts = texts;
    FlatSpeedButton5->SetCaption(shown(texts.text(CloseCaption)));
    FlatSpeedButton5->setToolTip(shown(texts.text(CloseHint)));
    FlatSpeedButton6->SetCaption(shown(texts.text(AboutCaption)));
    FlatSpeedButton6->setToolTip(shown(texts.text(AboutHint)));
    Form2->SetTexts(shown(texts.text(AboutBoxCloseCaption)), shown(texts.text(AboutBoxCloseHint)),
                    shown(texts.text(AboutText)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TForm1::Fill(const CheckerResult& result)
{
    m_comingEvents = result.ComingList;
    m_pastEvents = result.PastList;
    m_currentYear = result.CurrentYear;
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    for (const ResultRow& row : resultRows(result)) {
        auto* item = new QListWidgetItem(ListBox1);
        item->setData(Qt::UserRole, QVariant::fromValue(row));
    }
    ListBox1->setCurrentRow(-1);
}

int TForm1::ItemIndex() const
{
    const QList<QListWidgetItem*> selected = ListBox1->selectedItems();
    return selected.isEmpty() ? -1 : ListBox1->row(selected.first());
}

std::optional<ResultRow> TForm1::Row(int row) const
{
    const QListWidgetItem* item = ListBox1->item(row);
    if (!item)
        return std::nullopt;
    return item->data(Qt::UserRole).value<ResultRow>();
}

const wpis* TForm1::recordOf(const std::optional<ResultRow>& row) const
{
    if (!row)
        return nullptr;
    const QList<wpis>* events = row->kind == RowKind::Coming ? &m_comingEvents
                                : row->kind == RowKind::Past ? &m_pastEvents
                                                             : nullptr;
    if (!events || row->index < 0 || row->index >= events->size())
        return nullptr;
    return &(*events)[row->index];
}

bool TForm1::isComingOneOff(int row) const
{
    const std::optional<ResultRow> shownRow = Row(row);
    const wpis* entry = recordOf(shownRow);
    return entry && shownRow->kind == RowKind::Coming && kindOfFileName(entry->Path) == EntryKind::OneOff;
}

int TForm1::ListBox1MeasureItem(int row) const
{
    const std::optional<ResultRow> shownRow = Row(row);
    return shownRow ? rowHeight(shownRow->kind, QFontMetrics(ListBox1->font()).height()) : 0;
}

void TForm1::ListBox1DrawItem(QPainter& canvas, int row, const QRect& rect, bool selected) const
{
    const TRect r = TRect::of(rect);
    FillRect(canvas, r, kRowGray);

    const std::optional<ResultRow> shownRow = Row(row);
    if (!shownRow)
        return;
    const RowKind kind = shownRow->kind;
    const QFontMetrics fm(ListBox1->font());
    const TextWidth width = [&fm](const QString& s) { return fm.horizontalAdvance(s); };
    canvas.setFont(ListBox1->font());
    const auto textOut = [&](int x, int y, const QString& text, TColor colour) {
        canvas.setPen(toQColor(colour));
        canvas.drawText(QPoint(x, y + fm.ascent()), text);
    };
    const auto centred = [&](int y, const QString& text, TColor colour) {
        textOut(centredTextX(r.left, r.width(), width(text)), y, text, colour);
    };

    if (kind == RowKind::Today || kind == RowKind::Caption) {
        centred(r.top + 4, shown(shownRow->text), kind == RowKind::Today ? kTodayText : kCaptionText);
    } else if (kind == RowKind::Holiday) {
        FillRect(canvas, r, m_scheme.ComboBox_podswietlenie);
        const TwoLines lines = splitHoliday(shown(shownRow->text), r.width(), width);
        centred(r.top + 4, lines.first, m_scheme.ComboBox_tekst1);
        centred(r.top + 4 + fm.height(), lines.second, m_scheme.ComboBox_tekst1);
    } else if (const wpis* entry = recordOf(shownRow)) {
        drawEntryRow(canvas, kind, *entry, rect, selected);
    }
}

void TForm1::drawEntryRow(QPainter& canvas, RowKind kind, const wpis& entry, const QRect& rect, bool selected) const
{
    const TRect r = TRect::of(rect);
    const bool coming = kind == RowKind::Coming;
    FillRect(canvas, r, selected ? kSelectedRow : coming ? kComingRow : kPastRow);
    if (coming && !selected) {
        // The mark is drawn on white, which stands for the row's own colour.
        DrawTransparent(canvas, QPoint(r.right - 38, r.top + halfRoundedToEven(r.height()) - 16),
                        bitmapResource(u"WAS"), qRgb(255, 255, 255));
    }
    for (int i = 0; i < 4; ++i)
        FrameRect(canvas, r.shrunk(i, i), kEntryFrame[i]);

    const QFontMetrics fm(ListBox1->font());
    const TextWidth width = [&fm](const QString& s) { return fm.horizontalAdvance(s); };
    canvas.setFont(ListBox1->font());
    const RowFirstLine first = rowFirstLine(entry, m_currentYear, m_texts);
    if (!first.text.isEmpty()) {
        canvas.setPen(toQColor(kEntryFirstLine));
        canvas.drawText(QPoint(r.left + 10, r.top + 4 + fm.ascent()),
                        fitText(shown(first.text), shown(first.ending), r.width(), width));
    }
    canvas.setPen(toQColor(kEntrySecondLine));
    canvas.drawText(QPoint(r.left + 10, r.top + 4 + fm.height() + fm.ascent()),
                    fitText(shown(entry.EntryText), QStringLiteral("..."), r.width(), width));
}

void TForm1::ListBox1Click()
{
    FlatSpeedButton1->setEnabled(isComingOneOff(ItemIndex()));
}

void TForm1::ListBox1DblClick()
{
    const wpis* entry = recordOf(Row(ItemIndex()));
    if (!entry)
        return;
    const ProgramStart start = OpenPersonCommand(m_programsDir, entry->Path);
    QString error;
    if (!m_starter.startDetached(start.program, start.arguments, &error)) {
        m_prompter.showError(this, QLatin1String(kCaption),
                             QStringLiteral("Nie można uruchomić programu %1:\n%2").arg(start.program, error));
    }
}

void TForm1::FlatSpeedButton1Click()
{
    const int row = ItemIndex();
    if (!isComingOneOff(row))
        return;
    const wpis& entry = *recordOf(Row(row));
    const QString question =
        shown(entry.Name) + QString::fromUtf8(": Czy na pewno wykasować przypomnienie jednorazowe?");
    if (m_prompter.askYesNo(this, QLatin1String(kCaption), question) != Prompter::Answer::Yes)
        return;
    if (!m_remover.remove(entry.Path)) {
        m_prompter.showError(this, QLatin1String(kCaption),
                             QString::fromUtf8("Nie można wykasować pliku:\n%1").arg(entry.Path));
        return;
    }
    {
        const QSignalBlocker quiet(ListBox1);
        delete ListBox1->takeItem(row);
        ListBox1->clearSelection();
        ListBox1->setCurrentRow(-1);
    }
    FlatSpeedButton1->setEnabled(false);
}

void TForm1::FlatSpeedButton5Click()
{
    close();
}

void TForm1::FlatSpeedButton6Click()
{
    Form2->open();
}

bool TForm1::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == ListBox1 && e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        FlatSpeedButton5Click();
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

} // namespace wyniki
