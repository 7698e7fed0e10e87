#include "printer.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>

#include <memory>
#include <utility>

namespace {

// The system's default printer.
class SystemPrinter final : public Printer {
public:
    SystemPrinter()
        : m_printer(QPrinter::HighResolution)
    {}

    void setDocumentTitle(const QString& title) override { m_printer.setDocName(title); }
    void setOrientation(Orientation orientation) override
    {
        m_printer.setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                           : QPageLayout::Portrait);
    }
    QSize pageSize() const override { return m_printer.pageLayout().paintRectPixels(m_printer.resolution()).size(); }
    bool setup(QWidget* owner) override
    {
        QPageSetupDialog dialog(&m_printer, owner);
        return dialog.exec() == QDialog::Accepted;
    }
    QPainter* beginDocument() override
    {
        m_painter = std::make_unique<QPainter>();
        if (!m_painter->begin(&m_printer)) {
            m_painter.reset();
            return nullptr;
        }
        return m_painter.get();
    }
    void newPage() override { m_printer.newPage(); }
    void endDocument() override
    {
        if (m_painter)
            m_painter->end();
        m_painter.reset();
    }

private:
    QPrinter m_printer;
    std::unique_ptr<QPainter> m_painter;
};

Printer* g_current = nullptr;

} // namespace

Printer& Printer::current()
{
    if (g_current)
        return *g_current;
    // Made on first use: a printer needs the application to exist.
    static SystemPrinter real;
    return real;
}

Printer* Printer::setCurrent(Printer* printer)
{
    return std::exchange(g_current, printer);
}
