// The layouts printed by the real printer into PDF files, read back with poppler's pdfinfo and
// pdftotext: the pages, their sizes and the text on them.
#include "printer.h"
#include "printouts.h"

#include "support.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {

// The output of a poppler tool, or an empty text when it is not installed or failed.
QString run(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every page's size in points, rounded, as "595x842".
QStringList pageSizes(const QString& pdf)
{
    const QString info = run(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                                         QStringLiteral("-l"), QStringLiteral("9999"), pdf});
    QStringList sizes;
    static const QRegularExpression line(QStringLiteral(R"(Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts)"));
    for (auto match = line.globalMatch(info); match.hasNext();) {
        const auto m = match.next();
        sizes << QStringLiteral("%1x%2").arg(qRound(m.captured(1).toDouble())).arg(qRound(m.captured(2).toDouble()));
    }
    return sizes;
}

QString pageText(const QString& pdf)
{
    return run(QStringLiteral("pdftotext"),
               {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
}

const QString kA4Portrait = QStringLiteral("595x842");
const QString kA4Landscape = QStringLiteral("842x595");

// The system's printer with its dialogs answered as a user would: `choose` (the print dialog) and
// `paper` (the page setup dialog of a PDF file) set up the printer they were shown on.
class AnsweredPrinter : public SystemPrinter {
public:
    using SystemPrinter::SystemPrinter;
    std::function<bool(QPrinter&)> choose = [](QPrinter&) { return true; };
    std::function<bool(QPrinter&)> paper = [](QPrinter&) { return true; };
    int paperAsked = 0;

protected:
    bool runDialog(QPrinter& printer, QWidget*) override { return choose(printer); }
    bool runPaperDialog(QPrinter& printer, QWidget*) override
    {
        ++paperAsked;
        return paper(printer);
    }
};

class PdfJobsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            FAIL() << "pdfinfo and pdftotext are missing: scripts/setup.sh installs poppler-utils";
    }

    PersonListEntry person(const QString& file, const char* name, std::initializer_list<const char*> lines)
    {
        return {dir.write(file, crlf(lines)), cp(name), {}};
    }
    QList<PersonListEntry> nineSheets()
    {
        QList<PersonListEntry> persons;
        const char* names[] = {"Łucja Żak", "Adam Nowak", "Ścibor Kos", "Ewa Lis",       "Jan Wróbel",
                               "Ola Sęk",   "Piotr Ćma",  "Zofia Bąk",  "Żaneta Źrebiec"};
        for (int i = 0; i < 9; ++i)
            persons << person(QStringLiteral("%1.wps").arg(i), names[i],
                              {"<$@$>nazwisko</$@$>x", "<$@$>ulica</$@$>Długa", "<$@$>urodziny</$@$>05.03.1980"});
        return persons;
    }
    bool sheets(Printer& printer, const QList<PersonListEntry>& persons)
    {
        return printouts::printPersonSheets(printer, persons, TextReader::standard(), QDate(2007, 3, 5), [](int) {});
    }
    bool envelopes(Printer& printer, const EnvelopeFormat& format, const QList<PersonListEntry>& persons)
    {
        const auto sender = [](QList<QByteArray>* lines) {
            *lines = {cp("Nadawca Świętek"), "ul. Krótka 1"};
            return true;
        };
        return printouts::printEnvelopes(
            printer, format, persons, TextReader::standard(), sender, [](int) {}, nullptr);
    }

    TempDir dir;
};

TEST_F(PdfJobsTest, SheetsAreA4PortraitPagesOfEightPersonsWithTheirNames)
{
    AnsweredPrinter printer(FileWriter::standard());
    printer.startJob();
    const QString pdf = dir.file("osoby.pdf");
    printer.printToFile(pdf);
    ASSERT_TRUE(sheets(printer, nineSheets()));
    EXPECT_EQ(pageSizes(pdf), (QStringList{kA4Portrait, kA4Portrait}));
    const QString text = pageText(pdf);
    for (const char* name : {"Łucja Żak", "Ścibor Kos", "Żaneta Źrebiec", "ur. 05.03.1980", "Długa /"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(name))) << name << "\n" << text.toStdString();
}

TEST_F(PdfJobsTest, EnvelopesOnA4AreLandscapePagesOnePerReadablePerson)
{
    AnsweredPrinter printer(FileWriter::standard());
    printer.startJob();
    const QString pdf = dir.file("koperty.pdf");
    printer.printToFile(pdf);
    const QList<PersonListEntry> persons{
        person("1.wps", "Jan Kos",
               {"<$@$>ulica</$@$>Polna", "<$@$>nr_domu</$@$>1", "<$@$>kod_pocztowy</$@$>00-950",
                "<$@$>miejscowosc</$@$>Wólka"}),
        {dir.file("brak.wps"), "Nikt", {}},
        person("2.wps", "Ewa Lis", {"<$@$>poczta</$@$>Kraków"}),
    };
    ASSERT_TRUE(envelopes(printer, kEnvelopeDL, persons));
    EXPECT_EQ(pageSizes(pdf), (QStringList{kA4Landscape, kA4Landscape}));
    const QString text = pageText(pdf);
    for (const char* line : {"Jan Kos", "Polna 1", "00-950 WÓLKA", "Ewa Lis", "KRAKÓW", "Nadawca Świętek"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("Nikt")));
}

// The envelope paper picked in the print dialog is that job's; the next job is on A4 again.
TEST_F(PdfJobsTest, ThePaperChosenForEnvelopesStaysWithItsJob)
{
    AnsweredPrinter printer(FileWriter::standard());
    const QString envelopesPdf = dir.file("c5.pdf");
    printer.choose = [&](QPrinter& p) {
        p.setOutputFileName(envelopesPdf); // "print to file" in the print dialog
        return true;
    };
    printer.paper = [&](QPrinter& p) {
        p.setPageSize(QPageSize(QPageSize::C5E));
        p.setPageOrientation(QPageLayout::Portrait);
        return true;
    };
    printer.startJob();
    ASSERT_TRUE(envelopes(printer, kEnvelopeChosen, {person("1.wps", "Jan Kos", {"<$@$>poczta</$@$>Wola"})}));
    // C5: 162 x 229 mm, turned to landscape after the dialog.
    EXPECT_EQ(pageSizes(envelopesPdf), (QStringList{"649x459"}));
    EXPECT_TRUE(pageText(envelopesPdf).contains(QStringLiteral("Jan Kos")));

    printer.startJob();
    const QString sheetsPdf = dir.file("osoby.pdf");
    printer.printToFile(sheetsPdf);
    ASSERT_TRUE(sheets(printer, nineSheets()));
    EXPECT_EQ(pageSizes(sheetsPdf), (QStringList{kA4Portrait, kA4Portrait}));
    EXPECT_EQ(printer.paperAsked, 1);
}

TEST_F(PdfJobsTest, ACancelledPrintOrPaperDialogWritesNothing)
{
    for (const bool cancelPrint : {true, false}) {
        AnsweredPrinter printer(FileWriter::standard());
        printer.choose = [&](QPrinter& p) {
            p.setOutputFileName(dir.file("nie.pdf"));
            return !cancelPrint;
        };
        printer.paper = [](QPrinter&) { return false; };
        printer.startJob();
        ASSERT_TRUE(envelopes(printer, kEnvelopeChosen, {person("1.wps", "Jan Kos", {})}));
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"1.wps"});
        EXPECT_EQ(printer.paperAsked, cancelPrint ? 0 : 1);
    }
}

// A PDF file that cannot be written fails the job with the cause, and a file of that name from
// before stays as it was, with no temporary file left beside it.
TEST_F(PdfJobsTest, AFailedWriteKeepsTheOldFileAndReportsIt)
{
    const QString pdf = dir.write("osoby.pdf", "the old file");
    for (const qint64 limit : {qint64(0), qint64(1), qint64(4096)}) {
        const FailingFileWriter writer(limit);
        AnsweredPrinter printer(writer);
        printer.startJob();
        printer.printToFile(pdf);
        EXPECT_FALSE(sheets(printer, nineSheets())) << limit;
        EXPECT_TRUE(printer.lastError().startsWith(pdf)) << printer.lastError().toStdString();
        EXPECT_EQ(dir.read("osoby.pdf"), "the old file") << limit;
        EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("*.pdf*")}, QDir::Files | QDir::Hidden),
                  QStringList{"osoby.pdf"});
    }
}

} // namespace
