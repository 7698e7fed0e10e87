#include "printouts.h"

#include "codec1250.h"
#include "maker.h"
#include "printer.h"
#include "textreader.h"

#include <QFontMetrics>
#include <QPainter>

namespace printouts {
namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);

QString shown(const QByteArray& text)
{
    return cp1250::toUnicode(text);
}

// The font of the painter grown from size 1 by the rule; the painter keeps it.
int fitPainterFont(QPainter& painter, const QString& sample, const std::function<bool(int)>& bigEnough,
                   int maxIncreases)
{
    QFont font = painter.font();
    const int size = fitFontSize(
        [&](int points) {
            font.setPointSize(points);
            return QFontMetrics(font, painter.device()).boundingRect(sample).height();
        },
        bigEnough, maxIncreases);
    font.setPointSize(size);
    painter.setFont(font);
    return size;
}

// Text with its top left at (x, y) on a background of the brush colour, as the layouts place it.
void textOut(QPainter& painter, int x, int y, const QString& text, const QColor& background)
{
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(background);
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

int textHeight(QPainter& painter, const QString& sample)
{
    return painter.fontMetrics().boundingRect(sample).height();
}

} // namespace

QImage sideStrip(const QByteArray& text, int length, int thickness, int fontLimit)
{
    QImage flat(qMax(length, 1), qMax(thickness, 1), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        fitPainterFont(
            painter, QStringLiteral("FJj"), [&](int height) { return height > fontLimit; }, 100);
        painter.setPen(Qt::black);
        textOut(painter, 0, 0, shown(text), Qt::white);
    }
    // Column x, row y goes to column y, row (width - 1 - x): a quarter turn to the left.
    QImage turned(flat.height(), flat.width(), QImage::Format_RGB32);
    for (int y = 0; y < flat.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(flat.constScanLine(y));
        for (int x = 0; x < flat.width(); ++x)
            reinterpret_cast<QRgb*>(turned.scanLine(flat.width() - 1 - x))[y] = row[x];
    }
    return turned;
}

bool printPersonSheets(Printer& printer, const QList<PersonListEntry>& persons, const TextReader& reader, QDate today,
                       const Progress& progress)
{
    if (persons.isEmpty())
        return true;
    progress(0);
    printer.setDocumentTitle(QString::fromLatin1(kPrintTitle));
    printer.setOrientation(Printer::Orientation::Portrait);
    QPainter* painter = printer.beginDocument();
    if (!painter)
        return false;
    const SheetGeometry g = sheetGeometry(printer.pageSize());

    const QImage strip =
        sideStrip(sheetStripText(today, kMakerPage, kMakerMail), g.strip.height(), g.strip.width(), g.stripFontLimit);

    fitPainterFont(
        *painter, QStringLiteral("FJj"), [&](int height) { return height > g.fontLimit; }, 100);
    painter->setPen(Qt::black);

    const auto finishPage = [&](int page) {
        painter->drawImage(g.strip.topLeft(), strip);
        textOut(*painter, g.pageNumber.x(), g.pageNumber.y(), QString::number(page + 1), Qt::white);
    };
    const QList<SheetSlot> slotList = sheetSlots(int(persons.size()));
    for (qsizetype i = 0; i < slotList.size(); ++i) {
        const SheetSlot& slot = slotList[i];
        if (slot.cell == 0 && slot.page > 0) {
            finishPage(slot.page - 1);
            printer.newPage();
        }
        progress(slot.progress);
        const auto lines = reader.readLines(persons[i].Path);
        if (!lines)
            continue;
        const PersonRecord person = PersonRecord::parse(*lines);
        painter->fillRect(g.titleBar(slot.cell), kSilver);
        const QString name = shown(persons[i].Name);
        textOut(*painter, sheetNameX(g, painter->fontMetrics().horizontalAdvance(name)), g.cellTop(slot.cell), name,
                kSilver);
        for (const PlacedText& t : sheetCellTexts(g, slot.cell, person))
            textOut(*painter, t.x, t.y, shown(t.text), Qt::white);
    }
    finishPage(slotList.last().page);
    return printer.endDocument();
}

bool printEnvelopes(Printer& printer, const EnvelopeFormat& format, const QList<PersonListEntry>& persons,
                    const TextReader& reader, const SenderAddress& sender, const Progress& progress, QWidget* owner)
{
    if (persons.isEmpty())
        return true;
    progress(0);
    printer.setDocumentTitle(QString::fromLatin1(kPrintTitle));
    if (format.chosenFormat && !printer.setup(owner))
        return true;
    printer.setOrientation(Printer::Orientation::Landscape);
    const QSize page = printer.pageSize();
    QList<QByteArray> senderLines;
    if (!sender(&senderLines))
        return true;

    // The document begins with the first envelope: a skipped person leaves no blank page, and when
    // nobody can be read nothing is sent to the printer.
    QPainter* painter = nullptr;
    const QString sample = QStringLiteral("Jjf");
    QFont font(QStringLiteral("Times New Roman"));
    int size = 0;
    const TextWidth width = [&](const QByteArray& text) {
        return painter->fontMetrics().horizontalAdvance(shown(text));
    };

    for (qsizetype i = 0; i < persons.size(); ++i) {
        progress(int(i));
        const auto lines = reader.readLines(persons[i].Path);
        if (!lines)
            continue;
        if (painter) {
            printer.newPage();
        } else {
            painter = printer.beginDocument();
            if (!painter)
                return false;
            painter->setFont(font);
            size = fitPainterFont(
                *painter, sample, [&](int height) { return envelopeFontBigEnough(format, page.width(), height); },
                envelopeFontMaxIncreases(format));
            painter->setPen(Qt::black);
        }
        const PersonRecord person = PersonRecord::parse(*lines);
        for (const PlacedText& t : envelopeRecipient(format, page, persons[i].Name, person, width))
            textOut(*painter, t.x, t.y, shown(t.text), Qt::white);

        font = painter->font();
        font.setPointSize(qMax(1, envelopeSenderFontSize(format, size)));
        painter->setFont(font);
        for (const PlacedText& t : envelopeSender(format, page, senderLines, textHeight(*painter, sample)))
            textOut(*painter, t.x, t.y, shown(t.text), Qt::white);
        font.setPointSize(size);
        painter->setFont(font);
    }
    return !painter || printer.endDocument();
}

} // namespace printouts
