#include "messages.h"

#include "codec1250.h"

#include <algorithm>

namespace {

QByteArray text(const char* utf8)
{
    return cp1250::fromUnicode(QString::fromUtf8(utf8)).value();
}

constexpr const char* kInitialMessages[kMessageCount] = {
    "Błąd pliku",
    "Wszystko",
    "Program musi znajdować się na dysku twardym i mieć możliwość zapisywania nań, a w tej chwili nie może.",
    "Czy na pewno wykasować bieżącą osobę?",
    "Czy na pewno wykasować grupę: ",
    " Wszystkie osoby powiązane z tą grupą stracą powiązanie.",
    "Nieprawidłowy format roku: ",
    "Nieprawidłowy adres, brakuje małpy \"@\"",
    "Nieprawidłowy adres, brakuje kropki",
    "Czy zapisać wszystko z pominięciem urodzin?",
    "Jakaś lipa z tym obrazkiem, bo nie wiem, czy wiesz, ale to ma być obrazek",
    "Czy na pewno wykasować ten adres: ",
    "Czy na pewno wykasować wpis: ",
    "Były dokonane zmiany, czy zapisać je?",
    "Aby zostały uwzględnione nowe ustawienia program należy ponownie uruchomić.",
    "Jednorazowe przypomnienie",
    "Wykasowane",
    "Czy przywrócić tę osobę?",
    "Czy napewno wykasować telefon: ",
    "Wybierz datę dla okazji.",
    "Nic nie znaleziono",
    "Nie wprowadzono żadnych danych",
    "W okienku, które się za chwilę pokaże proszę wybrać odpowiedni format koperty.",
    "Nastąpi kopiowanie danych na dyskietkę, proszę włożyć czystą dyskietk do stacji i nacisnąć OK\r"
    "UWAGA! Zdjęcia przypisane osobom nie zostaną zarchiwizowane.",
    "Nie znaleziono dyskietki lub dyskietka jest pełna albo zabezpieczona przed zapisem.",
    "Nie wybrano katalogu dla drugiej bazy danych, dlatego program korzystać będzie z domyślnej bazy danych.",
    "Aby móc zapisywać do drugiej bazy danych - musi ona być wybrana do użycia. Wybrana jest tylko domyślna "
    "baza danych, dlatego również do niej będą zapisywane nowe osoby. Aby to zmienić, należy jeszcze raz "
    "otworzyć okno opcji i wybrać drugą bazę danych.",
    "Nie wybrano żadnej bazy danych. Zostanie wybrana domyślna baza danych.",
    "Wybrano do zapisu domyślną bazę danych, pomimo, że nie włączono jej do użycia - do zapisu zostanie "
    "wybrana druga baza danych.",
    "Osoba została dodana do listy podręcznej",
    "Czy na pewno wykasować aktualnie wybraną osobę z listy podręcznej",
};

// A text with its number: a message index or a language text number.
struct NumberedText {
    int number;
    const char* text;
};

// Where the built-in language's texts differ from the initial ones.
constexpr NumberedText kPolishDifferences[] = {
    {5, "Wszystkie osoby powiązane z tą grupą stracą powiązanie."},
    {10, "Niewłaściwy (nieobsługiwany) format pliku graficznego"},
    {18, "Czy na pewno wykasować ten telefon: "},
};

// Text numbers that replace messages: 93..105 are messages 0..12, the rest are listed one by one.
constexpr struct {
    int id;
    int index;
} kMessageIds[] = {{129, 13}, {130, 14}, {138, 15}, {143, 16}, {144, 17}, {145, 18}, {148, 19}};

constexpr int kFirstMonthId = 81;
constexpr int kFirstMessageId = 93;

// The built-in texts of the text numbers that are neither month names nor messages. (138 sets a
// caption of the entry type dialog and message 15 alike; its text is the message's.)
constexpr NumberedText kBuiltInTexts[] = {
    {1, "Nazwisko i Imię/Imiona"},
    {2, "Inne okazje"},
    {3, "dzień"},
    {4, "miesiąc"},
    {5, "rok"},
    {6, "ulica"},
    {7, "nr domu"},
    {8, "nr mieszkania"},
    {9, "kod pocztowy"},
    {10, "poczta"},
    {11, "miejscowość"},
    {12, "telefon(y)"},
    {13, "adresy email"},
    {14, "notatki"},
    {15, "opis okazji"},
    {16, "województwo"},
    {17, "Imieniny"},
    {18, "Urodzony(a) dnia"},
    {19, "nazwa nowej grupy"},
    {20, "zarządzanie grupami"},
    {21, "M"},
    {22, "K"},
    {23, "G"},
    {24, "N"},
    {25, "X"},
    {26, "O"},
    {27, ">>"},
    {28, "<<"},
    {29, "E"},
    {30, "J"},
    {31, "Wyślij maila"},
    {32, "Kasuj osobę"},
    {33, "Wyświetl tylko wybrane grupy"},
    {34, "Dodaj nową osobę"},
    {35, "Zamknij program"},
    {36, "O programie"},
    {37, "Następna osoba"},
    {38, "Poprzednia osoba"},
    {39, "Edytuj"},
    {40, "Język/Language"},
    {41, "..."},
    {42, "D"},
    {43, "K"},
    {44, "K"},
    {45, "X"},
    {46, "D"},
    {47, "K"},
    {48, "Z"},
    {50, "G"},
    {51, "Wczytaj zdjęcie"},
    {52, "Dodaj"},
    {53, "Kasuj obrazek"},
    {54, "Kasuj"},
    {55, "Zamknij okno"},
    {56, "Dodaj"},
    {57, "Kasuj"},
    {58, "Zapisz zmiany i wyjdź"},
    {60, "Grupy"},
    {61, "X"},
    {62, "Z"},
    {63, "K"},
    {64, "X"},
    {65, "D"},
    {66, "Z"},
    {67, "X"},
    {71, "Zamknij okno bez dokonywania zmian"},
    {72, "Przypisz osobie wybrany obszar zdjęcia i wyjdź"},
    {73, "Kasuj grupę"},
    {74, "Zamknij okno"},
    {75, "Dodaj grupę"},
    {76, "Przypisz wybraną osobę do zaznaczonych grup"},
    {77, "Zamknij okno"},
    {78, "Możesz nie podawać roku, jeśli chcesz umieścić jakąś okazję \"nie starzejącą się\" na przykład "
         "Dzień Hutnika"},
    {79, "Przesuń ten kwadrat w miejsce, które pokrywa wybrany przez Ciebie obszar, powiększ go w razie "
         "konieczności i naciśnij \"Z\""},
    {80, "ZUBO"},
    {106, "Zubo v3.7 - program do zarządzania kontaktami pod Windows 9x/Me/XP.\n"
          "Osoby, urodziny, imieniny i inne okazje w jednym miejscu."},
    {136, "Wybierz rodzaj wpisu"},
    {137, "Osoba"},
    {139, "Dodana zostanie osoba"},
    {140, "Dodany zostanie wpis, który po dacie, której dotyczy zostanie usunięty"},
    {141, "Z"},
    {142, "Zatwierdź wybór"},
    {146, "Dodaj"},
    {147, "Kasuj"},
};

QList<int> collectMainProgramIds()
{
    QList<int> ids;
    for (const auto& t : kBuiltInTexts)
        ids.append(t.number);
    for (int id = kFirstMonthId; id < kFirstMonthId + 12; ++id)
        ids.append(id);
    for (int id = kFirstMessageId; id <= 105; ++id)
        ids.append(id);
    for (const auto& m : kMessageIds)
        ids.append(m.id);
    std::sort(ids.begin(), ids.end());
    return ids;
}

} // namespace

MessageTable initialMessages()
{
    MessageTable table;
    for (int i = 0; i < kMessageCount; ++i)
        table[i] = text(kInitialMessages[i]);
    return table;
}

MessageTable polishMessages()
{
    MessageTable table = initialMessages();
    for (const auto& d : kPolishDifferences)
        table[d.number] = text(d.text);
    return table;
}

const std::array<QByteArray, 12>& MonthNames()
{
    static const std::array<QByteArray, 12> names = {
        text("stycznia"), text("lutego"),   text("marca"),    text("kwietnia"),     text("maja"),      text("czerwca"),
        text("lipca"),    text("sierpnia"), text("września"), text("października"), text("listopada"), text("grudnia"),
    };
    return names;
}

const QList<int>& mainProgramTextIds()
{
    static const QList<int> ids = collectMainProgramIds();
    return ids;
}

bool isMainProgramTextId(int id)
{
    return std::binary_search(mainProgramTextIds().begin(), mainProgramTextIds().end(), id);
}

int messageIndexOfTextId(int id)
{
    if (id >= kFirstMessageId && id <= 105)
        return id - kFirstMessageId;
    for (const auto& m : kMessageIds) {
        if (m.id == id)
            return m.index;
    }
    return -1;
}

int monthItemOfTextId(int id)
{
    return id >= kFirstMonthId && id < kFirstMonthId + 12 ? id - kFirstMonthId : -1;
}

QByteArray builtInText(int id)
{
    for (const auto& t : kBuiltInTexts) {
        if (t.number == id)
            return text(t.text);
    }
    if (const int month = monthItemOfTextId(id); month >= 0)
        return MonthNames()[month];
    if (const int index = messageIndexOfTextId(id); index >= 0)
        return polishMessages()[index];
    return QByteArray();
}

QString fileErrorMessage(const MessageTable& messages, const QString& path, int code)
{
    // Both filled in at once, and the language's text added after: a "%" in the path or in the text
    // is no place for the code.
    return cp1250::toUnicode(messages[kMsgFileError]) +
           QStringLiteral(" [id:%1 err: %2]").arg(path, QString::number(code));
}

QString outsideEntryMessage(const QString& path)
{
    return cp1250::toUnicode(
               text("Ten wpis leży poza używanymi bazami danych, nie można go wykasować ani przywrócić: ")) +
           path;
}

QString leftLinksMessage(const QStringList& paths)
{
    return cp1250::toUnicode(text("Pominięto dowiązania do plików spoza baz danych:")) + u'\n' + paths.join(u'\n');
}
