#include "printlayout.h"

#include "codec1250.h"
#include "messages.h"

#include <cfenv>
#include <cmath>

int roundHalfEven(double value)
{
    // std::nearbyint rounds in the current rounding mode, which is to nearest, ties to even, unless
    // someone changed it; say so explicitly.
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(mode);
    return static_cast<int>(rounded);
}

int fitFontSize(const TextHeightAt& height, const std::function<bool(int)>& bigEnough, int maxIncreases)
{
    int size = 1;
    for (int increases = 1;; ++increases) {
        ++size;
        if (bigEnough(height(size)) || increases > maxIncreases)
            return size;
    }
}

// ---- Person sheets ----

QRect SheetGeometry::titleBar(int cell) const
{
    return QRect(MX, cellTop(cell), CW, titleBarHeight);
}

int SheetGeometry::lineY(int cell, int percent) const
{
    return cellTop(cell) + roundHalfEven(CH * percent / 100.0);
}

SheetGeometry sheetGeometry(QSize page)
{
    const double PW = page.width();
    const double PH = page.height();
    SheetGeometry g;
    g.MX = roundHalfEven(PW * 10 / 100);
    g.MY = roundHalfEven(PH * 10 / 100);
    g.CW = roundHalfEven(PW * 80 / 100);
    g.CH = roundHalfEven(PH * 80 / 100 / kSheetCells);
    g.titleBarHeight = roundHalfEven(g.CH * 12 / 100.0);
    const int stripWidth = roundHalfEven(PW * 5 / 100);
    g.strip = QRect(g.MX + g.CW + roundHalfEven(PW * 2.5 / 100), g.MY, stripWidth, kSheetCells * g.CH);
    g.pageNumber = QPoint(g.MX + g.CW + roundHalfEven(PW / 30), page.height() - stripWidth);
    g.phoneX = g.MX + roundHalfEven(g.CW * 80 / 100.0);
    g.fontLimit = roundHalfEven(g.CH * 0.8 * 12 / 100);
    g.stripFontLimit = roundHalfEven(PW * 0.1 / kSheetCells);
    return g;
}

QList<SheetSlot> sheetSlots(int count)
{
    const int fullPages = count / kSheetCells;
    QList<SheetSlot> result;
    for (int i = 0; i < count; ++i) {
        SheetSlot slot{i / kSheetCells, i % kSheetCells, i};
        // The gauge moves on by one through the last page, from where it stood: 0 when the
        // persons fill no whole page.
        if (fullPages == 0)
            slot.progress = i + 1;
        result.append(slot);
    }
    return result;
}

int sheetPageCount(int count)
{
    return (count + kSheetCells - 1) / kSheetCells;
}

QList<PlacedText> sheetCellTexts(const SheetGeometry& g, int cell, const PersonRecord& p)
{
    QList<PlacedText> texts;
    const auto at = [&](int x, int percent, const QByteArray& text) {
        texts.append({x, g.lineY(cell, percent), text});
    };
    at(g.MX, 12, p.ulica + ' ' + p.nr_domu + " / " + p.nr_mieszkania);
    at(g.MX, 24, p.kod_pocztowy + ' ' + p.miejscowosc);
    at(g.MX, 36, p.wojewodztwo);
    at(g.MX, 48, "ur. " + p.urodziny.value_or(QByteArray()));
    for (int k = 0; k < 3 && k < p.mail.size(); ++k)
        at(g.MX, 84 - 12 * k, p.mail[k]);
    for (int k = 0; k < 7 && k < p.telefony.size(); ++k)
        at(g.phoneX, 84 - 12 * k, p.telefony[k]);
    return texts;
}

int sheetNameX(const SheetGeometry& g, int nameWidth)
{
    return g.MX + roundHalfEven(g.CW / 2.0) - roundHalfEven(nameWidth / 2.0);
}

QByteArray sheetStripText(QDate today, const QByteArray& webPage, const QByteArray& mail)
{
    static const QByteArray separator = "  ------  ";
    const QByteArray date = QByteArray::number(today.day()) + ' ' + MonthNames()[today.month() - 1] + ' ' +
                            QByteArray::number(today.year());
    return "wydrukowane przez: ..:: --Zubo v.3.7-- ::.." + separator + webPage + separator + "email: " + mail +
           separator + date;
}

// ---- Envelopes ----

bool envelopeFontBigEnough(const EnvelopeFormat& f, int pageWidth, int textHeight)
{
    const double PW = pageWidth;
    if (f.chosenFormat)
        return textHeight > PW * 0.65 * (60 / 297.0) / 4;
    return textHeight > PW * 0.75 * (f.BlockHeightMm / 297.0) / 4 || textHeight >= PW / 50;
}

int envelopeFontMaxIncreases(const EnvelopeFormat& f)
{
    return f.chosenFormat ? 18 : 50;
}

namespace {

struct Frame {
    double PW;
    double PH;
    int x(double mm) const { return roundHalfEven(PW * mm / 297); }
    int y(double mm) const { return roundHalfEven(PH * mm / 210); }
    double width(double mm) const { return PW * mm / 297; }
};

} // namespace

QList<PlacedText> envelopeRecipient(const EnvelopeFormat& f, QSize page, const QByteArray& name, const PersonRecord& p,
                                    const TextWidth& width)
{
    const Frame frame{double(page.width()), double(page.height())};
    const int nameShift = f.chosenFormat ? 25 : 30;
    const int streetShift = f.chosenFormat ? 25 : 20;
    int X = f.LeftMm;
    int W = f.WidthMm;
    const auto fits = [&](const QByteArray& text) { return width(text) <= frame.width(W); };

    QByteArray shownName = name;
    if (!fits(shownName)) {
        X -= nameShift;
        W += nameShift;
        if (!fits(shownName)) {
            // Stops at the empty name too, so a line narrower than "..." cannot loop for ever.
            while (!shownName.isEmpty() && !fits(shownName + "..."))
                shownName.chop(1);
            shownName += "...";
        }
    }
    if (!fits(p.ulica + ' ' + p.nr_domu + " / " + p.nr_mieszkania))
        X -= streetShift;

    const QByteArray street = !f.chosenFormat && p.ulica.isEmpty() ? p.miejscowosc : p.ulica;
    QByteArray line2 = street + ' ' + p.nr_domu;
    if (!p.nr_mieszkania.isEmpty())
        line2 += " / " + p.nr_mieszkania;

    QByteArray line3;
    QByteArray line4;
    if (!f.chosenFormat) {
        QByteArray town = p.miejscowosc;
        QByteArray office = p.poczta;
        // A town without its own post office is addressed by the town's name on the post line.
        if (!town.isEmpty() && office.isEmpty())
            std::swap(town, office);
        line3 = town;
        line4 = p.kod_pocztowy + ' ' + upperCase1250(office);
    } else if (!p.miejscowosc.isEmpty() && !p.poczta.isEmpty()) {
        line3 = p.poczta;
        line4 = p.kod_pocztowy + ' ' + upperCase1250(p.miejscowosc);
    } else {
        line4 = p.kod_pocztowy + ' ' + upperCase1250(p.miejscowosc.isEmpty() ? p.poczta : p.miejscowosc);
    }

    const int x = frame.x(X);
    const double top = 210 - f.BottomMm;
    const double pitch = f.BlockHeightMm / 4.0;
    return {{x, frame.y(top), shownName},
            {x, frame.y(top + pitch), line2},
            {x, frame.y(top + 2 * pitch), line3},
            {x, frame.y(top + 3 * pitch), line4}};
}

int envelopeSenderFontSize(const EnvelopeFormat& f, int recipientSize)
{
    return roundHalfEven(recipientSize * (f.chosenFormat ? 0.7 : 0.8));
}

QList<PlacedText> envelopeSender(const EnvelopeFormat& f, QSize page, const QList<QByteArray>& lines, int textHeight)
{
    const double PW = page.width();
    const double PH = page.height();
    const double top = f.chosenFormat ? PH / 8 : PH * 110 / 210;
    QList<PlacedText> placed;
    for (qsizetype j = 0; j < lines.size(); ++j)
        placed.append({roundHalfEven(PW / 16), roundHalfEven(double(textHeight) * j + top), lines[j]});
    return placed;
}

QByteArray upperCase1250(const QByteArray& text)
{
    const QString unicode = cp1250::toUnicode(text);
    QByteArray upper;
    upper.reserve(text.size());
    for (qsizetype i = 0; i < unicode.size(); ++i) {
        // A letter whose capital the code page lacks stays as it is.
        const std::optional<QByteArray> capital = cp1250::fromUnicode(unicode.mid(i, 1).toUpper());
        upper += capital && capital->size() == 1 ? *capital : text.mid(i, 1);
    }
    return upper;
}
