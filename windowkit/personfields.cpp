#include "personfields.h"

#include "TFlatEditUnit.h"
#include "TFlatListBoxUnit.h"
#include "TFlatMemoUnit.h"
#include "ZuboComboBox.h"
#include "codec1250.h"
#include "datefields.h"
#include "picture.h"
#include "windowparts.h"

namespace {

constexpr int kEditHeight = 19;
constexpr int kComboHeight = 21;

QString text(const QByteArray& bytes)
{
    return cp1250::toUnicode(bytes);
}

QStringList texts(const QList<QByteArray>& values)
{
    QStringList out;
    out.reserve(values.size());
    for (const QByteArray& value : values)
        out << text(value);
    return out;
}

// Another entry's items are shown from the first: the top row of a list the user scrolled down
// would otherwise lie past the end of a shorter list, which then looks empty.
void setItems(TFlatListBox* list, const QStringList& items)
{
    list->ClearItems();
    list->ScrollToTop();
    for (const QString& item : items)
        list->AddItem(item);
}

} // namespace

void buildPersonFields(QWidget* window, PersonFields& f, const PersonFieldPlaces& places, FieldUse use)
{
    const bool editable = use == FieldUse::Edit;
    const auto dateLists = [&](int y, TZuboComboBox*& day, TZuboComboBox*& month) {
        day = newDayList(window);
        day->setGeometry(places.dayLeft, y, 49, kComboHeight);
        day->setEnabled(editable);
        month = newMonthList(window);
        month->setGeometry(places.dayLeft + 64, y, 73, kComboHeight);
        month->setEnabled(editable);
    };
    dateLists(72, f.ZuboComboBox2, f.ZuboComboBox3);
    dateLists(104, f.ZuboComboBox4, f.ZuboComboBox5);
    dateLists(136, f.ZuboComboBox6, f.ZuboComboBox7);

    const auto edit = [&](int x, int y, int width) {
        auto* e = new TFlatEdit(window);
        e->setGeometry(x, y, width, kEditHeight);
        if (!editable) {
            e->setReadOnly(true);
            e->setEnabled(false);
        }
        return e;
    };
    const std::array<int, 5>& rows = places.addressRows;
    f.FlatEdit2 = edit(places.yearLeft, 104, 57);
    f.FlatEdit3 = edit(places.yearLeft, 136, 57);
    f.FlatEdit11 = edit(24, 176, 409);
    f.FlatEdit4 = edit(472, rows[0], 177);
    f.FlatEdit5 = edit(472, rows[1], 57);
    f.FlatEdit6 = edit(544, rows[1], 105);
    f.FlatEdit7 = edit(472, rows[2], 73);
    f.FlatEdit8 = edit(560, rows[2], 89);
    f.FlatEdit9 = edit(472, rows[3], 177);
    f.FlatEdit13 = edit(472, rows[4], 177);

    f.Image1 = new TImage(window);
    f.Image1->setGeometry(333, 64, 100, 100);
    f.Image1->SetStretch(true);

    const auto list = [&](const QRect& place) {
        auto* l = new TFlatListBox(window);
        // The bands first: they add to the height, and the sizes here include them.
        l->SetScrollBars(true);
        l->setGeometry(place);
        return l;
    };
    f.FlatListBox1 = list(QRect(24, 192, 409, 100));
    f.FlatListBox2 = list(places.mails);
    f.FlatListBox3 = list(places.phones);

    f.FlatMemo1 = new TFlatMemo(window);
    f.FlatMemo1->setGeometry(24, 312, 409, 153);
    f.FlatMemo1->SetScrollBars(ssVertical);
    f.FlatMemo1->setReadOnly(!editable);

    nameControls({{f.ZuboComboBox2, "ZuboComboBox2"},
                  {f.ZuboComboBox3, "ZuboComboBox3"},
                  {f.ZuboComboBox4, "ZuboComboBox4"},
                  {f.ZuboComboBox5, "ZuboComboBox5"},
                  {f.ZuboComboBox6, "ZuboComboBox6"},
                  {f.ZuboComboBox7, "ZuboComboBox7"},
                  {f.FlatEdit2, "FlatEdit2"},
                  {f.FlatEdit3, "FlatEdit3"},
                  {f.FlatEdit11, "FlatEdit11"},
                  {f.FlatEdit4, "FlatEdit4"},
                  {f.FlatEdit5, "FlatEdit5"},
                  {f.FlatEdit6, "FlatEdit6"},
                  {f.FlatEdit7, "FlatEdit7"},
                  {f.FlatEdit8, "FlatEdit8"},
                  {f.FlatEdit9, "FlatEdit9"},
                  {f.FlatEdit13, "FlatEdit13"},
                  {f.Image1, "Image1"},
                  {f.FlatListBox1, "FlatListBox1"},
                  {f.FlatListBox2, "FlatListBox2"},
                  {f.FlatListBox3, "FlatListBox3"},
                  {f.FlatMemo1, "FlatMemo1"}});
}

void setPersonFieldValues(PersonFields& f, const PersonFieldValues& v)
{
    const std::pair<TFlatEdit*, const QString*> edits[] = {
        {f.FlatEdit2, &v.birthdayYear}, {f.FlatEdit3, &v.occasionYear}, {f.FlatEdit11, &v.occasionDescription},
        {f.FlatEdit4, &v.ulica},        {f.FlatEdit5, &v.nr_domu},      {f.FlatEdit6, &v.nr_mieszkania},
        {f.FlatEdit7, &v.kod_pocztowy}, {f.FlatEdit8, &v.poczta},       {f.FlatEdit9, &v.miejscowosc},
        {f.FlatEdit13, &v.wojewodztwo},
    };
    for (const auto& [edit, value] : edits)
        edit->setText(*value);
    setItems(f.FlatListBox1, v.impreza);
    setItems(f.FlatListBox2, v.mail);
    setItems(f.FlatListBox3, v.telefony);
    f.FlatMemo1->SetLines(v.notatka);
    selectDate(f.ZuboComboBox2, f.ZuboComboBox3, v.nameDay);
    selectDate(f.ZuboComboBox4, f.ZuboComboBox5, v.birthday);
    selectDate(f.ZuboComboBox6, f.ZuboComboBox7, v.occasionDate);
    f.Image1->SetPicture(v.picture);
}

PersonFieldValues shownValues(const ShownPerson& person, const QImage& picture)
{
    const PersonRecord& r = person.record;
    PersonFieldValues v;
    v.nameDay = person.nameDay;
    v.birthday = person.birthday;
    v.birthdayYear = text(person.birthdayYear);
    v.occasionYear = text(person.pickedOccasionYear);
    v.ulica = text(r.ulica);
    v.nr_domu = text(r.nr_domu);
    v.nr_mieszkania = text(r.nr_mieszkania);
    v.kod_pocztowy = text(r.kod_pocztowy);
    v.poczta = text(r.poczta);
    v.miejscowosc = text(r.miejscowosc);
    v.wojewodztwo = text(r.wojewodztwo);
    v.impreza = texts(r.impreza);
    v.mail = texts(r.mail);
    v.telefony = texts(r.telefony);
    v.notatka = texts(r.notatka);
    v.picture = picture;
    return v;
}

void clearPersonFields(PersonFields& f, const QImage& picture)
{
    PersonFieldValues empty;
    empty.picture = picture;
    setPersonFieldValues(f, empty);
}

void colourPersonFields(PersonFields& f, const ColorScheme& s, schemecolours::EditFont font)
{
    using namespace schemecolours;
    for (TFlatEdit* e : {f.FlatEdit2, f.FlatEdit3, f.FlatEdit4, f.FlatEdit5, f.FlatEdit6, f.FlatEdit7, f.FlatEdit8,
                         f.FlatEdit9, f.FlatEdit11, f.FlatEdit13})
        apply(e, s, font);
    for (TZuboComboBox* c :
         {f.ZuboComboBox2, f.ZuboComboBox3, f.ZuboComboBox4, f.ZuboComboBox5, f.ZuboComboBox6, f.ZuboComboBox7})
        apply(c, s);
    for (TFlatListBox* l : {f.FlatListBox1, f.FlatListBox2, f.FlatListBox3})
        apply(l, s);
    apply(f.FlatMemo1, s);
}
