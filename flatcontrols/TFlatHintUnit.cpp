#include "TFlatHintUnit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTimer>

namespace {

QPointer<QWidget> mainForm;

// The hint timings of the application.
class HintTimingStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return TFlatHint::HintPause;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Shows the application's tooltips in the flat hint window. Exists while any TFlatHint does, so
// nothing of a destroyed hint stays hooked into the application.
class HintHook : public QObject {
public:
    static HintHook* instance;

    explicit HintHook(QObject* parent)
        : QObject(parent)
        , window(new TFlatHintWindow)
    {
        hideTimer.setSingleShot(true);
        hideTimer.setInterval(TFlatHint::HintHidePause);
        QObject::connect(&hideTimer, &QTimer::timeout, [this] { hide(); });
        qApp->installEventFilter(this);
    }
    ~HintHook() override
    {
        qApp->removeEventFilter(this);
        delete window;
    }

    bool eventFilter(QObject* watched, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::ToolTip:
            if (auto* w = qobject_cast<QWidget*>(watched))
                return showFor(w);
            break;
        case QEvent::Leave:
            if (watched == shownFor)
                hide();
            break;
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
        case QEvent::Wheel:
            hide();
            break;
        default:
            break;
        }
        return false;
    }

    bool showFor(QWidget* w)
    {
        QString text = w->toolTip();
        if (text.isEmpty()) {
            hide();
            return false;
        }
        bool canShow = true;
        THintInfo info{w, Desktop::current().cursorPos()};
        if (handler)
            handler->HandleShowHint(text, canShow, info);
        if (canShow && !text.isEmpty()) {
            window->ShowHintAt(TRect{info.cursorPos.x(), info.cursorPos.y(), info.cursorPos.x(), info.cursorPos.y()},
                               text);
            shownFor = w;
            hideTimer.start();
        } else {
            hide();
        }
        return true;
    }

    void hide()
    {
        hideTimer.stop();
        shownFor = nullptr;
        window->hide();
    }

    QPointer<TFlatHint> handler;
    int hints = 0;
    TFlatHintWindow* window;
    QPointer<QWidget> shownFor;
    QTimer hideTimer;
};

HintHook* HintHook::instance = nullptr;

} // namespace

TFlatHint::TFlatHint(QObject* owner)
    : QObject(owner)
{
    if (!HintHook::instance)
        HintHook::instance = new HintHook(qApp);
    ++HintHook::instance->hints;
    // The most recently created hint handles the hints.
    HintHook::instance->handler = this;
    if (!dynamic_cast<HintTimingStyle*>(QApplication::style()))
        QApplication::setStyle(new HintTimingStyle(QStyleFactory::create(QApplication::style()->name())));
}

TFlatHint::~TFlatHint()
{
    HintHook* hook = HintHook::instance;
    if (!hook)
        return;
    if (hook->handler == this)
        hook->handler = nullptr;
    if (--hook->hints == 0) {
        HintHook::instance = nullptr;
        delete hook;
    }
}

void TFlatHint::SetIndexedColor(int index, TColor value)
{
    if (index >= 0 && index < int(m_colors.size()))
        m_colors[std::size_t(index)] = value;
}

void TFlatHint::HandleShowHint(QString& hintStr, bool& canShow, THintInfo& hintInfo)
{
    emit OnShowHint(hintStr, canShow, hintInfo);
}

void TFlatHint::SetMainForm(QWidget* form)
{
    mainForm = form;
}

QWidget* TFlatHint::MainForm()
{
    return mainForm;
}

TFlatHintWindow* TFlatHint::ApplicationHintWindow()
{
    return HintHook::instance ? HintHook::instance->window : nullptr;
}

TFlatHint* TFlatHint::FindMainFormHint()
{
    if (!mainForm)
        return nullptr;
    const auto hints = mainForm->findChildren<TFlatHint*>(Qt::FindDirectChildrenOnly);
    return hints.isEmpty() ? nullptr : hints.first();
}

TFlatHintWindow::Placement TFlatHintWindow::PlaceHint(QPoint cursor, const QRect& screen, QSize size)
{
    const int halfW = screen.width() / 2, halfH = screen.height() / 2;
    const int x = cursor.x() - screen.left(), y = cursor.y() - screen.top();
    const bool left = x >= 0 && x < halfW, top = y >= 0 && y < halfH;
    const bool right = x >= halfW && x < screen.width();
    ArrowPosition arrow = BottomRight;
    if (left && top)
        arrow = TopLeft;
    else if (right && top)
        arrow = TopRight;
    else if (left && y >= halfH && y < screen.height())
        arrow = BottomLeft;

    const int d = arrow == TopLeft ? 12 : 5;
    const int w = size.width(), h = size.height();
    const int X = cursor.x(), Y = cursor.y();
    TRect r;
    switch (arrow) {
    case TopRight:
        r = {X - w - d, Y + d, X - d, Y + h + d};
        break;
    case TopLeft:
        r = {X + d, Y + d, X + w + d, Y + h + d};
        break;
    case BottomRight:
        r = {X - w - d, Y - h - d, X - d, Y - d};
        break;
    case BottomLeft:
        r = {X + d, Y - h - d, X + w + d, Y - d};
        break;
    }
    return {arrow, r.toQRect()};
}

TFlatHintWindow::TFlatHintWindow(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TFlatHintWindow::ShowHintAt(const TRect& rect, const QString& hintText)
{
    m_caption = hintText;
    int maxHintWidth = 200;
    if (const TFlatHint* hint = TFlatHint::FindMainFormHint()) {
        m_colors = {hint->ColorBackground(), hint->ColorBorder(), hint->ColorArrowBackground(), hint->ColorArrow()};
        m_font = hint->Font();
        maxHintWidth = hint->MaxHintWidth();
    } else {
        m_colors = {0xFFFFFF, 0x000000, 0x53D2FF, 0x000000};
        m_font = DefaultUiFont();
    }
    // The text wraps at MaxHintWidth - 22 pixels; band, border and margins add 22 and 6.
    const QRect text = QFontMetrics(m_font).boundingRect(QRect(rect.left, rect.top, std::max(maxHintWidth - 22, 1), 0),
                                                         Qt::TextWordWrap, hintText);
    const QSize size(text.width() + 22, text.height() + 6);

    const Desktop& desktop = Desktop::current();
    const QPoint cursor = desktop.cursorPos();
    const Placement placement = PlaceHint(cursor, desktop.screenGeometry(cursor), size);
    m_arrow = placement.arrow;
    setGeometry(placement.window);
    // A tooltip window stays on top and is shown without taking the focus.
    show();
    update();
}

void TFlatHintWindow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const TRect c{0, 0, width(), height()};
    const bool bandLeft = m_arrow == TopLeft || m_arrow == BottomLeft;
    const TRect band = bandLeft ? TRect{c.left + 1, c.top + 1, c.left + 15, c.bottom - 1}
                                : TRect{c.right - 15, c.top + 1, c.right - 1, c.bottom - 1};
    const TRect textArea = bandLeft ? TRect{c.left + 15, c.top + 1, c.right - 1, c.bottom - 1}
                                    : TRect{c.left + 1, c.top + 1, c.right - 15, c.bottom - 1};
    FillRect(p, band, m_colors[2]);
    FillRect(p, textArea, m_colors[0]);
    FrameRect(p, c, m_colors[1]);

    // The arrow points into the band's corner nearest the pointer.
    QPoint anchor, dir;
    switch (m_arrow) {
    case TopLeft:
        anchor = {band.left + 2, band.top + 2}, dir = {1, 1};
        break;
    case TopRight:
        anchor = {band.right - 3, band.top + 2}, dir = {-1, 1};
        break;
    case BottomRight:
        anchor = {band.right - 3, band.bottom - 3}, dir = {-1, -1};
        break;
    case BottomLeft:
        anchor = {band.left + 2, band.bottom - 3}, dir = {1, -1};
        break;
    }
    static constexpr int shape[18][2] = {{0, 0}, {0, 6}, {1, 6}, {1, 0}, {6, 0}, {6, 1}, {2, 1}, {2, 4}, {5, 7},
                                         {6, 7}, {3, 4}, {3, 3}, {6, 6}, {7, 6}, {3, 2}, {4, 2}, {7, 5}, {7, 6}};
    std::vector<QPoint> points;
    for (const auto& [dx, dy] : shape)
        points.emplace_back(anchor.x() + dir.x() * dx, anchor.y() + dir.y() * dy);
    DrawPolyline(p, points, m_colors[3]);

    p.setFont(m_font);
    p.setPen(toQColor(clWindowText));
    p.drawText(TRect{textArea.left + 3, textArea.top + 1, textArea.right - 3, textArea.bottom - 1}.toQRect(),
               Qt::TextWordWrap, m_caption);
}
