#pragma once

#include <QSize>
#include <QString>

class QPainter;
class QWidget;

// The printer the layouts print on: one document at a time, drawn with a QPainter in device pixels.
// Tests use a double that keeps every page as an image.
class Printer {
public:
    enum class Orientation { Portrait, Landscape };

    virtual ~Printer() = default;

    virtual void setDocumentTitle(const QString& title) = 0;
    virtual void setOrientation(Orientation orientation) = 0;
    // The printable page in device pixels, for the orientation set.
    virtual QSize pageSize() const = 0;
    // The printer setup dialog (printer, paper format); false when the user cancelled it.
    virtual bool setup(QWidget* owner) = 0;

    // Starts the document: the painter of its first page, or null when the printer cannot print.
    virtual QPainter* beginDocument() = 0;
    virtual void newPage() = 0;
    virtual void endDocument() = 0;

    static Printer& current();
    // Installs a printer (nullptr goes back to the system's) and returns the one installed before
    // (null for the system's); the caller keeps ownership.
    static Printer* setCurrent(Printer* printer);
};
