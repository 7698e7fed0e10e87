// The name-day calendar as the build lays it out in the program folder: its format, and known days
// and names looked up through the program's own lookup and search.
#include "codec1250.h"
#include "namedays.h"
#include "support.h"
#include "taggedline.h"
#include "textlines.h"

#include <QDate>
#include <QFile>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QString shippedFolder()
{
    return nameDayFolderIn(QStringLiteral(ZUBO_PROGRAM_DIR));
}

QByteArray shippedBytes(const char* fileName)
{
    QFile file(shippedFolder() + QLatin1String(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QStringList unicodeList(const QByteArray& joined)
{
    return cp1250::toUnicode(joined).split(QStringLiteral(", "), Qt::SkipEmptyParts);
}

QStringList hitItems(const NameDaySearch& search)
{
    QStringList items;
    for (const NameDayHit& hit : search.hits)
        items << cp1250::toUnicode(hit.item);
    return items;
}

TEST(ShippedNameDayFiles, AreCp1250LinesEndedByCrLf)
{
    // Every byte above 127 is one of the eighteen Polish letters of code page 1250; the lead bytes
    // of UTF-8's Polish letters (C4, C5: "Ä", "Ĺ") are not among them.
    const QByteArray polish = cp("ĄĆĘŁŃÓŚŹŻąćęłńóśźż");
    for (const char* fileName : {kNamesByDateFile, kNameIndexFile}) {
        const QByteArray bytes = shippedBytes(fileName);
        ASSERT_FALSE(bytes.isEmpty()) << fileName;
        EXPECT_TRUE(bytes.endsWith("\r\n")) << fileName;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const char c = bytes[i];
            bool allowed = false;
            if (c == '\n')
                allowed = i > 0 && bytes[i - 1] == '\r';
            else if (c == '\r')
                allowed = i + 1 < bytes.size() && bytes[i + 1] == '\n';
            else if (static_cast<unsigned char>(c) > 127)
                allowed = polish.contains(c);
            else
                allowed = c >= ' ' && c != 0x7f;
            ASSERT_TRUE(allowed) << fileName << " byte " << i;
        }
    }
}

TEST(ShippedNameDayFiles, EveryDayOnceInOrderAndEveryNameIndexedWithItsForms)
{
    const Lines dates = splitLines(shippedBytes(kNamesByDateFile));
    QMap<QByteArray, QByteArray> index;
    for (const QByteArray& line : splitLines(shippedBytes(kNameIndexFile))) {
        const QByteArray name = ExtractField(line, QByteArray());
        EXPECT_FALSE(index.contains(name)) << "two index lines for " << name.constData();
        index.insert(name, ExtractField(line, name));
    }

    ASSERT_EQ(dates.size(), 366);
    QSet<QByteArray> named;
    QDate day(2024, 1, 1);
    for (const QByteArray& line : dates) {
        const QByteArray key = ExtractField(line, QByteArray());
        EXPECT_EQ(key, day.toString(QStringLiteral("dd.MM")).toLatin1());
        EXPECT_TRUE(line.startsWith(kOpenMarker)) << key.constData();
        const QByteArrayList names = ExtractField(line, key).split('|');
        int principals = 0;
        bool furtherSeen = false;
        for (const QByteArray& written : names) {
            // Principal names first, each with one "@"; no empty name, no name twice a day.
            const bool isPrincipal = written.startsWith('@');
            const QByteArray name = isPrincipal ? written.mid(1) : written;
            EXPECT_FALSE(isPrincipal && furtherSeen) << key.constData() << " " << name.constData();
            furtherSeen = furtherSeen || !isPrincipal;
            principals += isPrincipal;
            EXPECT_FALSE(name.isEmpty() || name.contains('@') || name.contains(' '))
                << key.constData() << " " << written.constData();
            EXPECT_EQ(names.count(name) + names.count('@' + name), 1) << key.constData() << " " << name.constData();
            // Every name has its index line, which lists it among its forms.
            ASSERT_TRUE(index.contains(name)) << key.constData() << " " << name.constData();
            EXPECT_TRUE(index[name].contains('|' + name + '|')) << name.constData();
            named.insert(name);
        }
        EXPECT_GE(principals, 2) << key.constData();
        day = day.addDays(1);
    }
    // And every index line names somebody of the calendar, in the index's form, and offers each of
    // its forms also without Polish letters.
    const QByteArray polish = cp("ĄĆĘŁŃÓŚŹŻąćęłńóśźż");
    const QByteArray plain = "ACELNOSZZacelnoszz";
    for (auto it = index.cbegin(); it != index.cend(); ++it) {
        EXPECT_TRUE(named.contains(it.key())) << it.key().constData();
        const QByteArray& forms = it.value();
        ASSERT_TRUE(forms.startsWith('|') && forms.endsWith('|') && !forms.contains("||")) << it.key().constData();
        for (const QByteArray& form : forms.mid(1, forms.size() - 2).split('|')) {
            QByteArray withoutPolish = form;
            for (char& c : withoutPolish) {
                if (const qsizetype at = polish.indexOf(c); at >= 0)
                    c = plain[at];
            }
            EXPECT_TRUE(forms.contains('|' + withoutPolish + '|')) << it.key().constData();
        }
    }
}

TEST(ShippedNameDayFiles, KnownDaysThroughTheLookup)
{
    const struct {
        int day, month;
        const char* principal;
        const char* further;
    } cases[] = {
        {1, 1, "Masław, Mieczysław, Mieszko", ""},
        {7, 1, "Julian, Lucjan, Walentyna", "Łucjan"}, // "Julian Łucjan" in the raw list
        {29, 2, "Lech, Lutomir", "Dobronieg, Roman"},
        {24, 6, "Danuta, Jan, Janina", "Dan, Danisz, Emilia"},
        {29, 9, "Michalina, Michał, Rafał", "Gabriel"},
        {31, 10, "Antoni, Antonina, Lucylla", "Godzimir, Łukasz, Dezemir"},
        {6, 12, "Dionizja, Leontyna, Mikołaj", "Emilian, Jarogniew"},
        {31, 12, "Mariusz, Melania, Sylwester", "Korneliusz, Sebastian, Tworzysław"},
    };
    const NameDayData data(shippedFolder(), QLocale(QLocale::Polish, QLocale::Poland));
    for (const auto& c : cases) {
        const DayNames names = data.namesOn(c.day, c.month);
        EXPECT_FALSE(names.error);
        EXPECT_EQ(unicodeList(names.principal), QString::fromUtf8(c.principal).split(", ", Qt::SkipEmptyParts))
            << c.day << "." << c.month;
        EXPECT_EQ(unicodeList(names.further), QString::fromUtf8(c.further).split(", ", Qt::SkipEmptyParts))
            << c.day << "." << c.month;
    }
}

TEST(ShippedNameDayFiles, TypedNamesFindTheirDaysThroughTheSearch)
{
    const struct {
        const char* typed;
        QStringList items;
    } cases[] = {
        // Without Polish letters.
        {"Mikolaj",
         {"14 lutego (Mikołaj)", "21 marca (Mikołaj)", "09 maja (Mikołaj)", "19 maja (Mikołaj)", "02 czerwca (Mikołaj)",
          "09 lipca (Mikołaj)", "10 września (Mikołaj)", "13 października (Mikołaj)", "13 listopada (Mikołaj)",
          "06 grudnia (Mikołaj)"}},
        // A genitive in capitals, Polish ones folded too; Łucja also inside Łucjan (7.01, 26.10).
        {"ŁUCJI",
         {"07 stycznia (Łucja)", "25 marca (Łucja)", "25 czerwca (Łucja)", "06 lipca (Łucja)", "26 września (Łucja)",
          "26 października (Łucja)", "13 grudnia (Łucja)"}},
        // Two genitives typed without Polish letters.
        {"Sylwestra, Wawrzynca",
         {"02 stycznia (Sylwester)", "21 lipca (Wawrzyniec)", "22 lipca (Wawrzyniec)", "10 sierpnia (Wawrzyniec)",
          "05 września (Wawrzyniec)", "21 września (Wawrzyniec)", "26 listopada (Sylwester)",
          "31 grudnia (Sylwester)"}},
        {"Mikołajek", {}},
    };
    for (const QLocale& locale : {QLocale(QLocale::Polish, QLocale::Poland), QLocale::c()}) {
        const NameDayData data(shippedFolder(), locale);
        for (const auto& c : cases) {
            const NameDaySearch search = data.search(QString::fromUtf8(c.typed));
            EXPECT_FALSE(search.error);
            EXPECT_EQ(hitItems(search), c.items) << c.typed << " " << locale.name().toStdString();
        }
    }

    // A name of 29.02 leads there.
    const NameDaySearch leap = NameDayData(shippedFolder()).search(QStringLiteral("Lutomira"));
    ASSERT_EQ(leap.hits.size(), 2);
    EXPECT_EQ(leap.hits[0], (NameDayHit{"Lutomir", 29, 2, "29 lutego (Lutomir)"}));
    EXPECT_EQ(hitItems(leap)[1], QString::fromUtf8("10 października (Lutomir)"));
}

} // namespace
