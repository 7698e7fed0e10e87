#include "drukowanie.h"

#include "windowparts.h"

#include "FlatUtilitys.h"
#include "TFlatGaugeUnit.h"
#include "TFlatRadioButtonUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "adres_nadawcy.h"
#include "bitmaps.h"
#include "clock.h"
#include "codec1250.h"
#include "dialogrunner.h"
#include "filechooser.h"
#include "filewriter.h"
#include "personpicker.h"
#include "printer.h"
#include "printouts.h"
#include "prompter.h"
#include "schemecolours.h"
#include "shape.h"
#include "textreader.h"
#include "windowplace.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QShowEvent>
#include <QStandardPaths>
#include <QStyledItemDelegate>

namespace drukowanie {
namespace {

constexpr char kListDialogTitle[] = "..:: -- Zubo -- ::.. - Zapis listy";
constexpr char kListFilter[] = "Listy (*.lst)";
constexpr int kItemHeight = 16;
// The group's stored name, beside the text the list shows.
constexpr int kGroupRole = Qt::UserRole;
// A person row's index into PickerEntries(); its text, the index in ten digits, only keeps the sorted
// lists in index order.
constexpr int kEntryRole = Qt::UserRole;

QListWidgetItem* entryItem(int index)
{
    auto* item = new QListWidgetItem(pickerItem(index));
    item->setData(kEntryRole, index);
    return item;
}

const PersonListEntry* entryOf(const QList<PersonListEntry>& entries, const QListWidgetItem* item)
{
    const int index = item->data(kEntryRole).toInt();
    return index >= 0 && index < entries.size() ? &entries[index] : nullptr;
}

using DrawItem = void (TForm8::*)(const QListWidget*, QPainter*, int, const QRect&, bool) const;

// Draws the rows of a picker list through the picker's own drawing handler.
class ItemDrawer : public QStyledItemDelegate {
public:
    ItemDrawer(const TForm8& form, DrawItem draw, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_form(form)
        , m_draw(draw)
    {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        painter->save();
        (m_form.*m_draw)(static_cast<const QListWidget*>(parent()), painter, index.row(), option.rect,
                         option.state & QStyle::State_Selected);
        painter->restore();
    }
    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {0, kItemHeight}; }

private:
    const TForm8& m_form;
    DrawItem m_draw;
};

QListWidget* makeList(TForm8* form, QRect place, bool sorted, DrawItem draw)
{
    auto* list = new QListWidget(form);
    list->setGeometry(place);
    list->setFrameStyle(QFrame::NoFrame);
    // A click selects one row, Ctrl and Shift add to the selection.
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setUniformItemSizes(true);
    list->setSortingEnabled(sorted);
    list->setItemDelegate(new ItemDrawer(*form, draw, list));
    return list;
}

} // namespace

TForm8::TForm8(const ProgramState& state, adres_nadawcy::TForm13* senderAddress, const Clock& clock, QWidget* parent)
    : QDialog(parent)
    , m_state(state)
    , m_senderAddress(senderAddress)
    , m_clock(clock)
{
    setWindowTitle(windowCaption());
    setFixedSize(477, 453);
    setFont(DefaultUiFont());

    Shape2 = new TShape(this);
    Shape2->setGeometry(216, 28, 17, 229);
    Shape1 = new TShape(this);
    Shape1->setGeometry(440, -36, 17, 489);

    const auto label = [this](int x, int y, const char* text) {
        auto* l = new QLabel(QString::fromUtf8(text), this);
        l->move(x, y);
        l->adjustSize();
        return l;
    };
    Label1 = label(8, 8, "Osoby");
    Label2 = label(248, 8, "Do drukowania");
    Label3 = label(8, 304, "Grupy");

    ListBox1 = makeList(this, QRect(8, 24, 193, 273), true, &TForm8::ListBox1DrawItem);
    ListBox2 = makeList(this, QRect(8, 320, 193, 121), false, &TForm8::ListBox2DrawItem);
    ListBox3 = makeList(this, QRect(248, 24, 177, 353), true, &TForm8::ListBox1DrawItem);
    // A double click moves the row it was made on, also when Ctrl took that row out of the selection
    // on the way.
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        item->setSelected(true);
        FlatSpeedButton2Click();
    });
    connect(ListBox3, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        item->setSelected(true);
        FlatSpeedButton3Click();
    });
    connect(ListBox2, &QListWidget::clicked, this, &TForm8::ListBox2Click);

    const auto button = [this](int x, int y, const char* caption, const char* hint) {
        auto* b = new TFlatSpeedButton(this);
        b->setGeometry(x, y, 17, 17);
        b->SetCaption(QString::fromUtf8(caption));
        b->setToolTip(QString::fromUtf8(hint));
        return b;
    };
    FlatSpeedButton2 = button(216, 88, ">", "Dodaj zaznaczone osoby do listy");
    FlatSpeedButton3 = button(216, 112, "<", "Wycofaj zaznaczone osoby z listy");
    FlatSpeedButton4 = button(216, 144, ">>", "Dodaj wszystkie osoby");
    FlatSpeedButton5 = button(216, 168, "<<", "Wycofaj wszystkie osoby");
    FlatSpeedButton7 = button(440, 24, "Z", "Zapisz listę do pliku");
    FlatSpeedButton8 = button(440, 56, "W", "Wczytaj listę z pliku");
    FlatSpeedButton6 = button(440, 392, "D", "Drukuj");
    FlatSpeedButton1 = button(440, 424, "X", "Zamknij okno");
    FlatSpeedButton1->SetModalResult(mrCancel);
    connect(FlatSpeedButton2, &TFlatSpeedButton::OnClick, this, &TForm8::FlatSpeedButton2Click);
    connect(FlatSpeedButton3, &TFlatSpeedButton::OnClick, this, &TForm8::FlatSpeedButton3Click);
    connect(FlatSpeedButton4, &TFlatSpeedButton::OnClick, this, &TForm8::FlatSpeedButton4Click);
    connect(FlatSpeedButton5, &TFlatSpeedButton::OnClick, this, &TForm8::FlatSpeedButton5Click);
    connect(FlatSpeedButton7, &TFlatSpeedButton::OnClick, this, &TForm8::FlatSpeedButton7Click);
    connect(FlatSpeedButton8, &TFlatSpeedButton::OnClick, this, &TForm8::FlatSpeedButton8Click);
    // Through the virtual handler, so the bulk e-mail window's action replaces printing.
    connect(FlatSpeedButton6, &TFlatSpeedButton::OnClick, this, [this] { FlatSpeedButton6Click(); });

    FlatGauge1 = new TFlatGauge(this);
    FlatGauge1->setGeometry(432, 368, 33, 17);
    FlatGauge1->SetShowText(false);
    FlatGauge1->SetProgress(0);

    const auto radio = [this](int y, int width, const char* caption, const char* hint) {
        auto* r = new TFlatRadioButton(this);
        r->setGeometry(208, y, width, 17);
        r->SetCaption(QString::fromUtf8(caption));
        r->setToolTip(QString::fromUtf8(hint));
        // The captions run to the bar; a slightly narrower face keeps them whole there.
        useNarrowFont(r);
        return r;
    };
    FlatRadioButton1 = radio(384, 177, "8 osób na stronie", "Drukowanie zbiorczych informacji o osobach");
    FlatRadioButton3 = radio(400, 232, "Adresowanie kopert (koperta C6 na A4)",
                             "Jeśli masz typową drukarkę formatu A4 i chcesz zaadresować kopertę C6 (zwykła koperta "
                             "wiekości pocztówki) to wybierz tę opcję");
    FlatRadioButton4 = radio(416, 232, "Adresowanie kopert (koperta DL na A4)",
                             "Jeśli masz typową drukarkę formatu A4 i chcesz zaadresować kopertę DL (podłużna, "
                             "przychodzą w takich najczęściej rachunki, albo wyciągi z banków) to wybierz tę opcję");
    FlatRadioButton2 = radio(432, 232, "Adresowanie kopert (wybór koperty)",
                             "Jeśli chcesz zaadresować koperty o znanym formacie wybierz tę opcję");
    FlatRadioButton1->SetChecked(true);

    nameControls({{Label1, "Label1"},
                  {Label2, "Label2"},
                  {Label3, "Label3"},
                  {ListBox1, "ListBox1"},
                  {ListBox2, "ListBox2"},
                  {ListBox3, "ListBox3"},
                  {Shape1, "Shape1"},
                  {Shape2, "Shape2"},
                  {FlatSpeedButton1, "FlatSpeedButton1"},
                  {FlatSpeedButton2, "FlatSpeedButton2"},
                  {FlatSpeedButton3, "FlatSpeedButton3"},
                  {FlatSpeedButton4, "FlatSpeedButton4"},
                  {FlatSpeedButton5, "FlatSpeedButton5"},
                  {FlatSpeedButton6, "FlatSpeedButton6"},
                  {FlatSpeedButton7, "FlatSpeedButton7"},
                  {FlatSpeedButton8, "FlatSpeedButton8"},
                  {FlatGauge1, "FlatGauge1"},
                  {FlatRadioButton1, "FlatRadioButton1"},
                  {FlatRadioButton2, "FlatRadioButton2"},
                  {FlatRadioButton3, "FlatRadioButton3"},
                  {FlatRadioButton4, "FlatRadioButton4"}});
}

void TForm8::setOtherAction(const QString& chosenHeading, int chosenHeight, const QString& actionCaption,
                            const QString& actionHint)
{
    Label2->setText(chosenHeading);
    Label2->adjustSize();
    ListBox3->resize(ListBox3->width(), chosenHeight);
    FlatSpeedButton6->SetCaption(actionCaption);
    FlatSpeedButton6->setToolTip(actionHint);
    for (TFlatRadioButton* r : {FlatRadioButton1, FlatRadioButton2, FlatRadioButton3, FlatRadioButton4})
        r->hide();
}

TForm8::~TForm8() = default;

void TForm8::Fill(QList<PersonListEntry> entries, const QList<QByteArray>& groups)
{
    FlatGauge1->SetProgress(0);
    ListBox1->clear();
    ListBox2->clear();
    ListBox3->clear();
    m_entries = std::move(entries);
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        ListBox1->addItem(entryItem(int(i)));
    for (const QByteArray& group : groups) {
        auto* item = new QListWidgetItem(cp1250::toUnicode(group), ListBox2);
        item->setData(kGroupRole, group);
    }
}

QList<PersonListEntry> TForm8::Chosen() const
{
    QList<PersonListEntry> chosen;
    for (int row = 0; row < ListBox3->count(); ++row) {
        if (const PersonListEntry* entry = entryOf(m_entries, ListBox3->item(row)))
            chosen.append(*entry);
    }
    return chosen;
}

void TForm8::FormShow()
{
    using namespace schemecolours;
    const ColorScheme& s = m_state.colors;
    applyToWindow(this, s);
    for (QLabel* label : {Label1, Label2, Label3})
        applyToLabel(label, s);
    applyToBar(Shape1, s);
    applyToBar(Shape2, s);
    for (TFlatSpeedButton* b : {FlatSpeedButton1, FlatSpeedButton2, FlatSpeedButton3, FlatSpeedButton4,
                                FlatSpeedButton5, FlatSpeedButton6, FlatSpeedButton7, FlatSpeedButton8})
        apply(b, s);
    for (TFlatRadioButton* r : {FlatRadioButton1, FlatRadioButton2, FlatRadioButton3, FlatRadioButton4})
        apply(r, s);
    apply(FlatGauge1, s);
    for (QListWidget* list : {ListBox1, ListBox2, ListBox3})
        applyToPlainList(list, s);
}

void TForm8::ListBox1DrawItem(const QListWidget* list, QPainter* canvas, int index, const QRect& rect,
                              bool selected) const
{
    const ColorScheme& s = m_state.colors;
    FillRect(*canvas, TRect::of(rect), selected ? s.ComboBox_podswietlenie : s.ComboBox_tlo);
    QByteArray name;
    if (const PersonListEntry* entry =
            index >= 0 && index < list->count() ? entryOf(m_entries, list->item(index)) : nullptr)
        name = entry->Name;
    if (!name.isEmpty() && name != "???") {
        static const QImage bullet = bitmapResource(u"PUNKT");
        DrawTransparent(*canvas, rect.topLeft() + QPoint(1, 2), bullet, qRgb(255, 255, 255));
    }
    canvas->setPen(toQColor(s.ComboBox_tekst1));
    canvas->drawText(rect.adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     cp1250::toUnicode(name));
}

void TForm8::ListBox2DrawItem(const QListWidget* list, QPainter* canvas, int index, const QRect& rect,
                              bool selected) const
{
    const ColorScheme& s = m_state.colors;
    FillRect(*canvas, TRect::of(rect), selected ? s.ComboBox_podswietlenie : s.ComboBox_tlo);
    canvas->setPen(toQColor(s.ComboBox_tekst1));
    const QString text = index >= 0 && index < list->count() ? list->item(index)->text() : QString();
    canvas->drawText(rect.adjusted(10, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

void TForm8::moveSelected(QListWidget* from, QListWidget* to)
{
    const QList<QListWidgetItem*> selected = from->selectedItems();
    for (QListWidgetItem* item : selected)
        to->addItem(from->takeItem(from->row(item)));
}

void TForm8::putAll(QListWidget* into)
{
    ListBox1->clear();
    ListBox3->clear();
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        into->addItem(entryItem(int(i)));
}

void TForm8::FlatSpeedButton2Click()
{
    moveSelected(ListBox1, ListBox3);
}

void TForm8::FlatSpeedButton3Click()
{
    moveSelected(ListBox3, ListBox1);
}

void TForm8::FlatSpeedButton4Click()
{
    putAll(ListBox3);
}

void TForm8::FlatSpeedButton5Click()
{
    putAll(ListBox1);
}

void TForm8::ListBox2Click()
{
    if (ListBox2->count() == 0)
        return;
    QList<QByteArray> groups;
    for (const QListWidgetItem* item : ListBox2->selectedItems())
        groups.append(item->data(kGroupRole).toByteArray());
    for (int row = 0; row < ListBox1->count(); ++row) {
        QListWidgetItem* item = ListBox1->item(row);
        item->setSelected(false);
        const PersonListEntry* entry = entryOf(m_entries, item);
        if (!entry)
            continue;
        // A file that cannot be read selects nothing.
        const auto lines = m_state.reader->readLines(entry->Path);
        if (lines && inAnyGroup(*lines, groups))
            item->setSelected(true);
    }
}

void TForm8::report(const QString& text) const
{
    Prompter::current().showError(nullptr, messageBoxCaption(), text);
}

void TForm8::FlatSpeedButton7Click()
{
    if (ListBox3->count() == 0)
        return;
    const QString folder = listFolder(m_state.settings, m_state.programDir);
    FileChooser::Request request{QString::fromUtf8(kListDialogTitle), folder, firstFreeListName(folder),
                                 QString::fromLatin1(kListFilter), QStringLiteral("lst")};
    const std::optional<QString> path = FileChooser::current().saveFile(this, request);
    if (!path)
        return;
    QStringList paths;
    for (const PersonListEntry& entry : Chosen())
        paths << entry.Path;
    QString refused;
    const std::optional<QByteArray> content = listFileContent(paths, &refused);
    if (!content) {
        report(QString::fromUtf8("Listy nie zapisano: ścieżki „%1” nie można zapisać w pliku listy.").arg(refused));
        return;
    }
    int code = 0;
    if (!m_state.writer->writeAtomically(*path, *content, nullptr, &code))
        report(fileErrorMessage(m_state.messages, *path, code));
}

void TForm8::FlatSpeedButton8Click()
{
    if (m_entries.isEmpty())
        return;
    FileChooser::Request request{QString::fromUtf8(kListDialogTitle), listFolder(m_state.settings, m_state.programDir),
                                 QString(), QString::fromLatin1(kListFilter), QStringLiteral("lst")};
    const std::optional<QString> path = FileChooser::current().openFile(this, request);
    if (!path)
        return;
    int code = 0;
    const auto lines = m_state.reader->readLines(*path, &code);
    // A list that cannot be read is reported, and the choice made so far stays.
    if (!lines) {
        report(fileErrorMessage(m_state.messages, *path, code));
        return;
    }
    putAll(ListBox1);
    for (const int index : chooseFromList(*lines, m_entries, storedPathFolders(m_state.settings, m_state.programDir))) {
        const QModelIndexList found =
            ListBox1->model()->match(ListBox1->model()->index(0, 0), kEntryRole, index, 1, Qt::MatchExactly);
        if (!found.isEmpty())
            ListBox3->addItem(ListBox1->takeItem(found.first().row()));
    }
}

void TForm8::FlatSpeedButton6Click()
{
    if (ListBox3->count() == 0)
        return;
    FlatGauge1->SetProgress(0);
    FlatGauge1->SetMaxValue(ListBox3->count());
    if (FlatRadioButton1->Checked())
        PrintPersonSheets();
    if (FlatRadioButton2->Checked()) {
        Prompter::current().inform(nullptr, messageBoxCaption(), cp1250::toUnicode(m_state.messages[22]));
        PrintEnvelopesChosenFormat();
    }
    if (FlatRadioButton3->Checked())
        PrintEnvelopesOnA4(90, 56, 55, 27);
    if (FlatRadioButton4->Checked())
        PrintEnvelopesOnA4(127, 60, 83, 31);
    FlatGauge1->SetProgress(0);
    done(mrOk);
}

namespace {

constexpr char kPrinterRefused[] = "Drukarka nie przyjęła wydruku.";
constexpr char kOfferPdf[] = "Nie ma zainstalowanej drukarki. Czy zapisać wydruk w pliku PDF?";
constexpr char kPdfDialogTitle[] = "..:: -- Zubo -- ::.. - Zapis wydruku";
constexpr char kPdfFilter[] = "Pliki PDF (*.pdf)";

// Where a PDF file is proposed: the documents folder when the user has one, else the home folder.
QString pdfFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

bool TForm8::startStraightJob(Printer& printer)
{
    printer.startJob();
    if (printer.hasPrinter())
        return true;
    if (Prompter::current().askYesNo(nullptr, messageBoxCaption(), QString::fromUtf8(kOfferPdf)) ==
        Prompter::Answer::Yes) {
        const FileChooser::Request request{QString::fromUtf8(kPdfDialogTitle), pdfFolder(),
                                           QStringLiteral("wydruk.pdf"), QString::fromLatin1(kPdfFilter),
                                           QStringLiteral("pdf")};
        if (const std::optional<QString> path = FileChooser::current().saveFile(this, request)) {
            printer.printToFile(*path);
            return true;
        }
    }
    tellMissingTool(MissingTool::Printer);
    return false;
}

void TForm8::reportPrintFailure(const Printer& printer) const
{
    const QString error = printer.lastError();
    report(error.isEmpty() ? QString::fromUtf8(kPrinterRefused) : error);
}

void TForm8::PrintPersonSheets()
{
    Printer& printer = Printer::current();
    if (!startStraightJob(printer))
        return;
    if (!printouts::printPersonSheets(printer, Chosen(), *m_state.reader, m_clock.today(),
                                      [this](int progress) { FlatGauge1->SetProgress(progress); }))
        reportPrintFailure(printer);
}

void TForm8::printEnvelopes(const EnvelopeFormat& format)
{
    Printer& printer = Printer::current();
    // The chosen format opens the print dialog, where the user picks the printer or a PDF file.
    if (format.chosenFormat)
        printer.startJob();
    else if (!startStraightJob(printer))
        return;
    const auto sender = [this](QList<QByteArray>* lines) {
        if (!m_senderAddress || DialogRunner::current().run(*m_senderAddress) != mrOk)
            return false;
        *lines = m_senderAddress->AddressLines();
        return true;
    };
    if (!printouts::printEnvelopes(
            printer, format, Chosen(), *m_state.reader, sender,
            [this](int progress) { FlatGauge1->SetProgress(progress); }, this))
        reportPrintFailure(printer);
}

void TForm8::PrintEnvelopesOnA4(int leftMm, int bottomMm, int widthMm, int blockHeightMm)
{
    printEnvelopes({leftMm, bottomMm, widthMm, blockHeightMm, false});
}

void TForm8::PrintEnvelopesChosenFormat()
{
    printEnvelopes(kEnvelopeChosen);
}

void TForm8::showEvent(QShowEvent* event)
{
    openCentred(this, event, [this] { FormShow(); });
    QDialog::showEvent(event);
}

} // namespace drukowanie
