#pragma once

#include "drives.h"
#include "filechooser.h"
#include "printer.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QStringList>

#include <memory>
#include <optional>

// Doubles of the file dialogs, the printer and the drives. Each installs itself for its lifetime and puts
// back the one it replaced.

// Answers file dialogs from a script (then "cancelled") and records what they were asked.
class FakeFileChooser : public FileChooser {
public:
    FakeFileChooser();
    ~FakeFileChooser() override;
    FakeFileChooser(const FakeFileChooser&) = delete;
    FakeFileChooser& operator=(const FakeFileChooser&) = delete;

    std::optional<QString> saveFile(QWidget* owner, const Request& request) override;
    std::optional<QString> openFile(QWidget* owner, const Request& request) override;

    QList<std::optional<QString>> answers; // taken from the front
    QList<Request> saveRequests;
    QList<Request> openRequests;

private:
    std::optional<QString> next();
    FileChooser* m_previous;
};

// A printer whose pages are images at a fixed resolution: A4 at 100 dots per inch by default.
class FakePrinter : public Printer {
public:
    static constexpr int kDotsPerInch = 100;

    FakePrinter();
    ~FakePrinter() override;
    FakePrinter(const FakePrinter&) = delete;
    FakePrinter& operator=(const FakePrinter&) = delete;

    void startJob() override;
    bool hasPrinter() const override { return installed; }
    bool setup(QWidget* owner) override;
    void printToFile(const QString& path) override { pdfFile = path; }
    void setDocumentTitle(const QString& title) override { documentTitle = title; }
    void setOrientation(Orientation o) override { orientation = o; }
    QSize pageSize() const override;
    QPainter* beginDocument() override;
    void newPage() override;
    bool endDocument() override;
    QString lastError() const override { return endError; }

    // The default printer's portrait page; landscape swaps it.
    QSize portraitPage{827, 1169};
    bool installed = true;
    bool setupAnswer = true;
    bool canPrint = true;
    // A document that ends with this error text fails (as a PDF file that cannot be written).
    QString endError;
    // What the dialog leaves chosen: a page size that replaces portraitPage for the rest of the job.
    std::optional<QSize> setupPage;

    int jobs = 0;
    QString documentTitle;
    Orientation orientation = Orientation::Portrait;
    QString pdfFile; // where the job goes; empty for the printer
    int setupShown = 0;
    int documents = 0;
    bool documentOpen = false;
    QList<QImage> pages; // every finished page, in order

private:
    void startPage();
    void finishPage();
    Printer* m_previous;
    std::optional<QSize> m_jobPage; // the page chosen for this job
    // The page being drawn: kept apart from `pages` so the painter's device never moves.
    std::unique_ptr<QImage> m_page;
    std::unique_ptr<QPainter> m_painter;
};

class FixedDrives : public DriveList {
public:
    explicit FixedDrives(QStringList points);
    ~FixedDrives() override;
    FixedDrives(const FixedDrives&) = delete;
    FixedDrives& operator=(const FixedDrives&) = delete;

    QStringList mountPoints() const override { return m_points; }

private:
    QStringList m_points;
    const DriveList* m_previous;
};
