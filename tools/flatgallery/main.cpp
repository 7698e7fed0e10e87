// Shows every flat control in its states, in the built-in colour scheme, and writes the window
// (with the four hint windows below it) into one PNG for looking at:
//     flatgallery [out.png]        (QT_QPA_PLATFORM=offscreen or under xvfb-run)
#include "FlatUtilitys.h"
#include "TFlatCheckBoxUnit.h"
#include "TFlatEditUnit.h"
#include "TFlatGaugeUnit.h"
#include "TFlatHintUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatMemoUnit.h"
#include "TFlatRadioButtonUnit.h"
#include "TFlatSpeedButtonUnit.h"
#include "ZuboComboBox.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <functional>
#include <type_traits>
#include <vector>

namespace {

// The form is the active window; the cursor is over whichever control the gallery hovers.
class GalleryDesktop : public Desktop {
public:
    QPoint cursorPos() const override { return cursor; }
    QWidget* widgetAt(const QPoint&) const override { return under; }
    QWidget* activeWindow() const override { return form; }
    int wheelScrollLines() const override { return 1; }
    QRect screenGeometry(const QPoint&) const override { return {0, 0, 1024, 768}; }
    void showBusyCursor(bool) const override {}

    QPoint cursor;
    QWidget* under = nullptr;
    QWidget* form = nullptr;
};

GalleryDesktop desktop;

// Hover, press and focus are applied once the window is shown, so that a late focus-in or a later
// hover cannot undo them.
std::vector<std::function<void()>> states;
// Controls drawn as they were at one moment, because a later state (the focus moving on) changes
// their look.
std::vector<std::pair<QPoint, QImage>> taken;

void keep(QWidget* w)
{
    states.push_back([w] { taken.emplace_back(w->pos(), w->grab().toImage()); });
}

// The built-in colour scheme.
constexpr TColor tlo_tlo = 0xA4A0A0, tlo_napisy = 0x000000, paski_tlo = 0x004080, paski_ramka = 0x000000,
                 paski_postep = 0x0080FF, guziki_tlo = 0xA4A0A0, guziki_ramka = 0x000040,
                 guziki_podswietlenie = 0x0080FF, guziki_down = 0x0063C6, guziki_tekst = 0x000000,
                 ComboBox_tlo = 0xEDFBFE, ComboBox_podswietlenie = 0x60B3FD, ComboBox_ramka = 0x000040,
                 ComboBox_tlo_strzalki = 0x60B3FD, ComboBox_strzalka = 0x000080, ComboBox_tekst1 = 0x000040;

void label(QWidget* form, int x, int y, const QString& text)
{
    auto* l = new QLabel(text, form);
    l->move(x, y);
    l->adjustSize();
}

void pressNow(QWidget* w, QPoint p)
{
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(p), QPointF(w->mapToGlobal(p)), Qt::LeftButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void press(QWidget* w, QPoint p = QPoint(4, 8))
{
    states.push_back([w, p] { pressNow(w, p); });
}

// Lights a control up as if the mouse were on it; each keeps its look, as only the class timer is
// shared.
template <class Control> void hover(Control* w)
{
    states.push_back([w] { w->MouseEnter(); });
}

void enter(QWidget* w)
{
    QEnterEvent e(QPointF(2, 2), QPointF(2, 2), QPointF(w->mapToGlobal(QPoint(2, 2))));
    QApplication::sendEvent(w, &e);
}

TFlatSpeedButton* button(QWidget* form, int x, int y, const QString& caption, int size = 25)
{
    auto* b = new TFlatSpeedButton(form);
    b->setGeometry(x, y, size, size);
    b->SetCaption(caption);
    b->SetColor(guziki_tlo);
    b->SetIndexedColor(0, guziki_podswietlenie);
    b->SetIndexedColor(2, guziki_ramka);
    b->SetIndexedColor(1, guziki_down);
    SetFontColor(b, guziki_tekst);
    return b;
}

QImage arrowGlyph()
{
    // Two cells: a black arrow on white, and the same arrow in grey for the disabled state.
    QImage glyph(32, 16, QImage::Format_RGB32);
    glyph.fill(Qt::white);
    for (int cell = 0; cell < 2; ++cell)
        for (int row = 0; row < 6; ++row)
            for (int x = 5 + row; x < 11 - row; ++x)
                glyph.setPixelColor(cell * 16 + x, 4 + row, cell ? QColor(96, 96, 96) : QColor(Qt::black));
    return glyph;
}

void speedButtons(QWidget* form, int y)
{
    label(form, 10, y,
          "TFlatSpeedButton: up, hovered, pressed, down (group), down + hovered, disabled, glyph, "
          "glyph disabled, 17 x 17");
    y += 18;
    button(form, 10, y, "Z");
    hover(button(form, 45, y, "X"));
    press(button(form, 80, y, "D"));
    auto* down = button(form, 115, y, "N");
    down->SetGroupIndex(1);
    down->SetDown(true);
    auto* downHovered = button(form, 150, y, "G");
    downHovered->SetGroupIndex(2);
    downHovered->SetDown(true);
    hover(downHovered);
    button(form, 185, y, "K")->setEnabled(false);
    auto* glyph = button(form, 220, y, "", 25);
    glyph->SetGlyph(arrowGlyph());
    auto* glyphDisabled = button(form, 255, y, "", 25);
    glyphDisabled->SetGlyph(arrowGlyph());
    glyphDisabled->setEnabled(false);
    auto* single = button(form, 290, y, "", 25);
    single->SetGlyph(arrowGlyph().copy(0, 0, 16, 16));
    single->setEnabled(false);
    button(form, 325, y + 4, "Z", 17);
    button(form, 345, y + 4, "...", 17);
    auto* wide = button(form, 370, y, "Zapisz", 25);
    wide->resize(60, 25);
    auto* plain = new TFlatSpeedButton(form);
    plain->setGeometry(440, y, 60, 25);
    plain->SetCaption("default");
}

template <class Field> Field* field(QWidget* form, int x, int y)
{
    auto* f = new Field(form);
    f->move(x, y);
    f->SetIndexedColor(2, ComboBox_tlo);
    f->SetIndexedColor(0, ComboBox_podswietlenie);
    f->SetIndexedColor(1, ComboBox_ramka);
    SetFontColor(f, ComboBox_tekst1);
    return f;
}

void edits(QWidget* form, int y, TFlatEdit*& hovered, TFlatMemo*& memo)
{
    label(form, 10, y,
          "TFlatEdit: at rest, hovered while the memo has the focus, disabled; TFlatMemo focused, both scroll bars");
    y += 18;
    field<TFlatEdit>(form, 10, y)->setText("Kowalski");
    hovered = field<TFlatEdit>(form, 140, y);
    hovered->setText("hovered");
    auto* disabled = field<TFlatEdit>(form, 270, y);
    disabled->setText("disabled");
    disabled->setEnabled(false);
    memo = field<TFlatMemo>(form, 400, y);
    memo->SetScrollBars(ssBoth);
    memo->SetWordWrap(false);
    memo->SetLines({"ul. Długa 5 m. 12", "00-001 Warszawa", "tel. 22 123 45 67", "uwagi", "więcej", "jeszcze"});
}

TFlatListBox* listBox(QWidget* form, int x, int y, int items)
{
    auto* l = new TFlatListBox(form);
    l->setGeometry(x, y, 137, 100);
    l->SetScrollBars(true);
    l->resize(137, 100);
    l->SetColor(ComboBox_tlo_strzalki);
    l->SetIndexedColor(0, ComboBox_strzalka);
    l->SetIndexedColor(1, ComboBox_ramka);
    l->SetIndexedColor(2, ComboBox_tlo);
    l->SetIndexedColor(3, ComboBox_podswietlenie);
    SetFontColor(l, ComboBox_tekst1);
    QStringList names{"Anna", "Bartosz", "Celina", "Dariusz", "Ewa", "Filip", "Grażyna"};
    names = names.mid(0, items);
    l->SetItems(names);
    return l;
}

void listBoxes(QWidget* form, int y)
{
    label(form, 10, y, "TFlatListBox: row selected, scrolled (both arrows), multi-select, disabled, default colours");
    y += 18;
    listBox(form, 10, y, 7)->SetSelected(1, true);
    auto* scrolled = listBox(form, 157, y, 7);
    QWheelEvent wheel(QPointF(5, 30), QPointF(5, 30), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(scrolled, &wheel);
    scrolled->SetSelected(2, true);
    auto* multi = listBox(form, 304, y, 3);
    multi->SetMultiSelect(true);
    multi->SetSelected(0, true);
    multi->SetSelected(2, true);
    auto* disabled = listBox(form, 451, y, 3);
    disabled->SetSelected(1, true);
    disabled->setEnabled(false);
    auto* plain = new TFlatListBox(form);
    plain->move(598, y);
    QStringList items{"bez pasków", "domyślne kolory"};
    plain->SetItems(items);
    plain->SetSelected(0, true);
}

template <class Mark> Mark* mark(QWidget* form, int x, int y, const QString& caption)
{
    static int group = 0;
    auto* m = new Mark(form);
    m->resize(95, 17);
    // Radio buttons each in a group of their own, so every one shows its own state.
    if constexpr (std::is_same_v<Mark, TFlatRadioButton>)
        m->SetGroupIndex(++group);
    m->move(x, y);
    m->SetCaption(caption);
    m->SetIndexedColor(3, tlo_napisy);
    m->SetIndexedColor(0, guziki_podswietlenie);
    m->SetIndexedColor(1, guziki_down);
    m->SetIndexedColor(2, tlo_napisy);
    return m;
}

template <class Mark> void marks(QWidget* form, int y, const QString& name)
{
    label(form, 10, y, name + ": unchecked, checked, hovered, held, disabled, mark at the right, wrapped caption");
    y += 18;
    mark<Mark>(form, 10, y, "Imieniny");
    mark<Mark>(form, 110, y, "Urodziny")->SetChecked(true);
    hover(mark<Mark>(form, 210, y, "hovered"));
    auto* held = mark<Mark>(form, 310, y, "held");
    hover(held);
    press(held);
    keep(held);
    auto* disabled = mark<Mark>(form, 410, y, "disabled");
    disabled->SetChecked(true);
    disabled->setEnabled(false);
    auto* right = mark<Mark>(form, 510, y, "at the right");
    right->SetLayout(decltype(right->Layout())(1));
    right->SetChecked(true);
    auto* wrapped = mark<Mark>(form, 640, y - 6, "a caption that wraps");
    wrapped->resize(90, 30);
}

void gauges(QWidget* form, int y)
{
    label(form, 10, y, "TFlatGauge: default (25 %), 60 % with text, programs' look without text, empty range");
    y += 18;
    new TFlatGauge(form);
    form->findChildren<TFlatGauge*>().last()->move(10, y);
    auto* withText = new TFlatGauge(form);
    withText->move(165, y);
    withText->SetProgress(60);
    withText->SetColor(paski_tlo);
    withText->SetIndexedColor(0, paski_ramka);
    withText->SetIndexedColor(1, paski_postep);
    auto* plain = new TFlatGauge(form);
    plain->move(320, y);
    plain->SetShowText(false);
    plain->SetProgress(70);
    plain->SetColor(paski_tlo);
    plain->SetIndexedColor(0, paski_ramka);
    plain->SetIndexedColor(1, paski_postep);
    auto* empty = new TFlatGauge(form);
    empty->move(475, y);
    empty->SetMinValue(100);
}

TZuboComboBox* combo(QWidget* form, int x, int y, TComboBoxStyle style, int width = 73)
{
    auto* c = new TZuboComboBox(form);
    c->SetStyle(style);
    c->setGeometry(x, y, width, 21);
    c->SetColor(ComboBox_tlo);
    c->SetIndexedColor(0, ComboBox_strzalka);
    c->SetIndexedColor(1, ComboBox_tlo_strzalki);
    c->SetIndexedColor(2, ComboBox_ramka);
    SetFontColor(c, ComboBox_tekst1);
    c->SetItems({"stycznia", "lutego", "marca", "kwietnia"});
    return c;
}

void combos(QWidget* form, int y, TZuboComboBox*& dropped)
{
    label(form, 10, y, "TZuboComboBox: list, editable, owner-drawn, disabled, dropped down, new instance");
    y += 18;
    combo(form, 10, y, csDropDownList)->setCurrentIndex(1);
    combo(form, 95, y, csDropDown)->setEditText("12");
    auto* owner = combo(form, 180, y, csOwnerDrawFixed, 130);
    QObject::connect(owner, &TZuboComboBox::OnDrawItem,
                     [owner](QPainter* canvas, int index, const QRect& r, TOwnerDrawState state) {
                         FillRect(*canvas, TRect::of(r), state.selected ? ComboBox_podswietlenie : ComboBox_tlo);
                         canvas->setPen(toQColor(index % 2 ? 0xFF0000 : ComboBox_tekst1));
                         canvas->drawText(r.adjusted(10, 0, 0, 0), Qt::AlignVCenter, owner->itemText(index));
                     });
    owner->setCurrentIndex(3);
    auto* disabled = combo(form, 320, y, csDropDownList);
    disabled->setCurrentIndex(0);
    disabled->setEnabled(false);
    dropped = combo(form, 405, y, csDropDownList);
    dropped->setCurrentIndex(2);
    auto* fresh = new TZuboComboBox(form);
    fresh->setGeometry(490, y, 73, 21);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setFont(DefaultUiFont());
    Desktop::setCurrent(&desktop);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("flatgallery.png");
    const int zoom = argc > 2 ? std::max(QString::fromLocal8Bit(argv[2]).toInt(), 1) : 1;

    QWidget form;
    form.setWindowTitle("Flat controls");
    form.resize(770, 590);
    SetWidgetColor(&form, tlo_tlo);
    SetFontColor(&form, tlo_napisy);
    desktop.form = &form;
    auto* hint = new TFlatHint(&form);
    TFlatHint::SetMainForm(&form);

    TFlatEdit* hovered = nullptr;
    TFlatMemo* memo = nullptr;
    TZuboComboBox* dropped = nullptr;
    speedButtons(&form, 8);
    edits(&form, 62, hovered, memo);
    listBoxes(&form, 170);
    marks<TFlatCheckBox>(&form, 298, "TFlatCheckBox");
    marks<TFlatRadioButton>(&form, 345, "TFlatRadioButton");
    gauges(&form, 392);
    combos(&form, 445, dropped);
    label(&form, 10, 495, "TFlatHintWindow, pointer in each screen quarter (below)");

    form.show();
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();
    dropped->showPopup();
    QApplication::processEvents();
    taken.emplace_back(dropped->pos(), dropped->grab().toImage());
    dropped->hidePopup();
    memo->setFocus();
    enter(hovered);
    QApplication::processEvents();
    taken.emplace_back(memo->pos(), memo->grab().toImage());
    taken.emplace_back(hovered->pos(), hovered->grab().toImage());
    for (const auto& state : states)
        state();
    QApplication::processEvents();

    QImage sheet = form.grab().toImage();
    QPainter p(&sheet);
    for (const auto& [at, image] : taken)
        p.drawImage(at, image);
    // The four hint positions, below the rest.
    int x = 10;
    for (QPoint cursor : {QPoint(100, 100), QPoint(900, 100), QPoint(100, 700), QPoint(900, 700)}) {
        desktop.cursor = cursor;
        TFlatHintWindow window;
        window.ShowHintAt(TRect{cursor.x(), cursor.y(), cursor.x(), cursor.y()},
                          x < 300 ? "Dodaj nową osobę" : "Zapisz zmiany i zamknij okno edycji danych");
        QApplication::processEvents();
        p.drawImage(x, 520, window.grab().toImage());
        x += window.width() + 20;
    }
    p.end();
    (void)hint;
    return sheet.scaled(sheet.size() * zoom).save(out) ? 0 : 1;
}
