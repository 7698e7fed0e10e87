#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <memory>

class FileWriter;
class QBuffer;
class QPainter;
class QPdfWriter;
class QPrinter;
class QWidget;

// The printer the layouts print on: one job at a time, drawn with a QPainter in device pixels.
// Every job starts afresh with startJob, so a paper or orientation chosen for one job never carries
// over to the next. A job goes to a printer or, when asked, to a PDF file. Tests use a double that
// keeps every page as an image.
class Printer {
public:
    enum class Orientation { Portrait, Landscape };

    virtual ~Printer() = default;

    // A new job on the default printer, A4 portrait, without a title.
    virtual void startJob() = 0;
    // Whether a printer is installed to print a job on without asking; without one a job can still
    // go to a PDF file.
    virtual bool hasPrinter() const = 0;
    // The platform's print dialog for this job: the printer, the paper and printing to a PDF file
    // (whose paper is then asked for in the page setup dialog). False when the user cancelled.
    virtual bool setup(QWidget* owner) = 0;
    // The job goes to this PDF file instead of a printer.
    virtual void printToFile(const QString& path) = 0;

    virtual void setDocumentTitle(const QString& title) = 0;
    virtual void setOrientation(Orientation orientation) = 0;
    // The printable page in device pixels, for the paper and orientation set.
    virtual QSize pageSize() const = 0;

    // Starts the document: the painter of its first page, or null when the printer cannot print.
    virtual QPainter* beginDocument() = 0;
    virtual void newPage() = 0;
    // Finishes the document; false when it did not reach the printer or its file. Then
    // lastError() tells why.
    virtual bool endDocument() = 0;
    virtual QString lastError() const = 0;

    static Printer& current();
    // Installs a printer (nullptr goes back to the system's) and returns the one installed before
    // (null for the system's); the caller keeps ownership.
    static Printer* setCurrent(Printer* printer);
};

// The system's printers through Qt. A job to a PDF file is drawn into memory and written with
// `writer` when it ends, so that a failed write leaves an earlier file of that name as it was.
class SystemPrinter : public Printer {
public:
    explicit SystemPrinter(const FileWriter& writer);
    ~SystemPrinter() override;
    SystemPrinter(const SystemPrinter&) = delete;
    SystemPrinter& operator=(const SystemPrinter&) = delete;

    void startJob() override;
    bool hasPrinter() const override;
    bool setup(QWidget* owner) override;
    void printToFile(const QString& path) override;
    void setDocumentTitle(const QString& title) override;
    void setOrientation(Orientation orientation) override;
    QSize pageSize() const override;
    QPainter* beginDocument() override;
    void newPage() override;
    bool endDocument() override;
    QString lastError() const override { return m_error; }

    // The resolution of a job drawn into a PDF file, in dots per inch.
    static constexpr int kPdfResolution = 600;

protected:
    // Show the print dialog, and the page setup dialog of a PDF file, on `printer`; true when the
    // user accepted it. Tests override them to choose as a user would.
    virtual bool runDialog(QPrinter& printer, QWidget* owner);
    virtual bool runPaperDialog(QPrinter& printer, QWidget* owner);

private:
    QPrinter& printer();

    const FileWriter& m_writer;
    std::unique_ptr<QPrinter> m_printer;
    QString m_pdfPath; // empty: the job goes to the printer
    QByteArray m_pdfBytes;
    std::unique_ptr<QBuffer> m_pdfBuffer;
    std::unique_ptr<QPdfWriter> m_pdf;
    std::unique_ptr<QPainter> m_painter;
    QString m_error;
};
