#include "fakedialogs.h"

FakeFileChooser::FakeFileChooser()
    : m_previous(&FileChooser::current())
{
    FileChooser::setCurrent(this);
}

FakeFileChooser::~FakeFileChooser()
{
    FileChooser::setCurrent(m_previous);
}

std::optional<QString> FakeFileChooser::next()
{
    return answers.isEmpty() ? std::nullopt : answers.takeFirst();
}

std::optional<QString> FakeFileChooser::saveFile(QWidget*, const Request& request)
{
    saveRequests.append(request);
    return next();
}

std::optional<QString> FakeFileChooser::openFile(QWidget*, const Request& request)
{
    openRequests.append(request);
    return next();
}

FakePrinter::FakePrinter()
    : m_previous(Printer::setCurrent(this))
{}

FakePrinter::~FakePrinter()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
    Printer::setCurrent(m_previous);
}

void FakePrinter::startJob()
{
    ++jobs;
    documentTitle.clear();
    orientation = Orientation::Portrait;
    pdfFile.clear();
    m_jobPage.reset();
}

QSize FakePrinter::pageSize() const
{
    const QSize page = m_jobPage.value_or(portraitPage);
    return orientation == Orientation::Landscape ? page.transposed() : page;
}

bool FakePrinter::setup(QWidget*)
{
    ++setupShown;
    if (setupAnswer && setupPage)
        m_jobPage = *setupPage;
    return setupAnswer;
}

QPainter* FakePrinter::beginDocument()
{
    if (!canPrint)
        return nullptr;
    ++documents;
    documentOpen = true;
    pages.clear();
    startPage();
    return m_painter.get();
}

void FakePrinter::startPage()
{
    m_page = std::make_unique<QImage>(pageSize(), QImage::Format_RGB32);
    // Point sizes on the page mean what they mean on a printer of this resolution.
    const int dotsPerMeter = qRound(kDotsPerInch / 0.0254);
    m_page->setDotsPerMeterX(dotsPerMeter);
    m_page->setDotsPerMeterY(dotsPerMeter);
    m_page->fill(Qt::white);
    if (!m_painter)
        m_painter = std::make_unique<QPainter>();
    m_painter->begin(m_page.get());
}

void FakePrinter::finishPage()
{
    if (m_painter && m_painter->isActive())
        m_painter->end();
    if (m_page)
        pages.append(*m_page);
    m_page.reset();
}

void FakePrinter::newPage()
{
    // The painter keeps its font, pen and brush across pages, as a printer's does.
    const QFont font = m_painter->font();
    const QPen pen = m_painter->pen();
    const QBrush brush = m_painter->brush();
    const QBrush background = m_painter->background();
    const Qt::BGMode mode = m_painter->backgroundMode();
    finishPage();
    startPage();
    m_painter->setFont(font);
    m_painter->setPen(pen);
    m_painter->setBrush(brush);
    m_painter->setBackground(background);
    m_painter->setBackgroundMode(mode);
}

bool FakePrinter::endDocument()
{
    finishPage();
    documentOpen = false;
    return endError.isEmpty();
}

FixedDrives::FixedDrives(QStringList points)
    : m_points(std::move(points))
    , m_previous(&DriveList::current())
{
    DriveList::setCurrent(this);
}

FixedDrives::~FixedDrives()
{
    DriveList::setCurrent(m_previous);
}
