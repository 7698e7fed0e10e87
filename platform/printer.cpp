#include "printer.h"

#include "filewriter.h"

#include <QBuffer>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <utility>

namespace {

Printer* g_current = nullptr;

} // namespace

Printer& Printer::current()
{
    if (g_current)
        return *g_current;
    // Made on first use: a printer needs the application to exist.
    static SystemPrinter real(FileWriter::standard());
    return real;
}

Printer* Printer::setCurrent(Printer* printer)
{
    return std::exchange(g_current, printer);
}

SystemPrinter::SystemPrinter(const FileWriter& writer)
    : m_writer(writer)
{}

SystemPrinter::~SystemPrinter()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
}

QPrinter& SystemPrinter::printer()
{
    if (!m_printer)
        startJob();
    return *m_printer;
}

void SystemPrinter::startJob()
{
    // A printer object of its own for every job: the paper a user chose for envelopes stays with
    // that job.
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (m_printer->outputFormat() == QPrinter::NativeFormat && m_printer->printerName().isEmpty()) {
        // Printers are installed but none is the default one: the first is as good as any.
        const QStringList names = QPrinterInfo::availablePrinterNames();
        if (!names.isEmpty())
            m_printer->setPrinterName(names.first());
    }
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    m_printer->setPageOrientation(QPageLayout::Portrait);
    m_pdfPath.clear();
    m_error.clear();
}

bool SystemPrinter::hasPrinter() const
{
    return m_printer && m_printer->outputFormat() == QPrinter::NativeFormat && !m_printer->printerName().isEmpty();
}

bool SystemPrinter::setup(QWidget* owner)
{
    if (!runDialog(printer(), owner))
        return false;
    if (m_printer->outputFormat() != QPrinter::PdfFormat || m_printer->outputFileName().isEmpty())
        return true;
    // "Print to file": the print dialog may offer no paper for a file (it offers a printer's
    // papers), and the envelopes need theirs.
    if (!runPaperDialog(*m_printer, owner))
        return false;
    m_pdfPath = m_printer->outputFileName();
    return true;
}

bool SystemPrinter::runDialog(QPrinter& printer, QWidget* owner)
{
    QPrintDialog dialog(&printer, owner);
    // The layouts print every page they make: there is no range, selection or page to pick.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile);
    return dialog.exec() == QDialog::Accepted;
}

bool SystemPrinter::runPaperDialog(QPrinter& printer, QWidget* owner)
{
    QPageSetupDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

void SystemPrinter::printToFile(const QString& path)
{
    printer();
    m_pdfPath = path;
}

void SystemPrinter::setDocumentTitle(const QString& title)
{
    printer().setDocName(title);
}

void SystemPrinter::setOrientation(Orientation orientation)
{
    printer().setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                       : QPageLayout::Portrait);
}

QSize SystemPrinter::pageSize() const
{
    if (!m_printer)
        return {};
    const int resolution = m_pdfPath.isEmpty() ? m_printer->resolution() : kPdfResolution;
    return m_printer->pageLayout().paintRectPixels(resolution).size();
}

QPainter* SystemPrinter::beginDocument()
{
    m_error.clear();
    m_painter = std::make_unique<QPainter>();
    bool started = false;
    if (m_pdfPath.isEmpty()) {
        started = m_painter->begin(&printer());
    } else {
        m_pdfBytes.clear();
        m_pdfBuffer = std::make_unique<QBuffer>(&m_pdfBytes);
        m_pdfBuffer->open(QIODevice::WriteOnly);
        m_pdf = std::make_unique<QPdfWriter>(m_pdfBuffer.get());
        m_pdf->setResolution(kPdfResolution);
        m_pdf->setPageLayout(printer().pageLayout());
        m_pdf->setTitle(printer().docName());
        m_pdf->setCreator(QStringLiteral("Zubo"));
        started = m_painter->begin(m_pdf.get());
    }
    if (!started) {
        m_painter.reset();
        m_pdf.reset();
        m_pdfBuffer.reset();
        return nullptr;
    }
    return m_painter.get();
}

void SystemPrinter::newPage()
{
    if (m_pdf)
        m_pdf->newPage();
    else
        printer().newPage();
}

bool SystemPrinter::endDocument()
{
    const bool ended = m_painter && m_painter->end();
    m_painter.reset();
    if (!m_pdf)
        return ended;
    m_pdf.reset();
    m_pdfBuffer.reset();
    const QByteArray bytes = std::exchange(m_pdfBytes, QByteArray());
    if (!ended)
        return false;
    return m_writer.writeAtomically(m_pdfPath, bytes, &m_error);
}
