#include "flattest.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWheelEvent>

#include <iomanip>

FlatTest::FlatTest()
{
    QApplication::setFont(DefaultUiFont());
    form.setFont(DefaultUiFont());
    form.resize(400, 300);
    SetWidgetColor(&form, 0xA4A0A0);
    SetFontColor(&form, 0x000000);
    desktop.active = &form;
}

QImage FlatTest::snapshot(QWidget& w)
{
    return w.grab().toImage();
}

TColor FlatTest::pixel(const QImage& image, int x, int y)
{
    return fromQColor(image.pixelColor(x, y));
}

int FlatTest::countNear(const QImage& image, TColor c, const QRect& area)
{
    const QColor want = toQColor(c);
    const QRect r = area.isNull() ? image.rect() : area;
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor got = image.pixelColor(x, y);
            n += std::abs(got.red() - want.red()) + std::abs(got.green() - want.green()) +
                     std::abs(got.blue() - want.blue()) <
                 90;
        }
    }
    return n;
}

namespace {

void sendMouse(QWidget& w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent e(type, QPointF(p), QPointF(w.mapToGlobal(p)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

} // namespace

void FlatTest::press(QWidget& w, QPoint p, Qt::MouseButton button)
{
    sendMouse(w, QEvent::MouseButtonPress, p, button, button);
}

void FlatTest::release(QWidget& w, QPoint p, Qt::MouseButton button)
{
    sendMouse(w, QEvent::MouseButtonRelease, p, button, Qt::NoButton);
}

void FlatTest::click(QWidget& w, QPoint p, Qt::MouseButton button)
{
    press(w, p, button);
    release(w, p, button);
}

void FlatTest::doubleClick(QWidget& w, QPoint p)
{
    click(w, p);
    sendMouse(w, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
    release(w, p);
}

void FlatTest::moveOnto(QWidget& w, QPoint p, Qt::MouseButtons held)
{
    desktop.moveOnto(&w, p);
    sendMouse(w, QEvent::MouseMove, p, Qt::NoButton, held);
}

void FlatTest::moveOff(QWidget& w, QPoint p, Qt::MouseButtons held)
{
    desktop.moveOnto(nullptr);
    sendMouse(w, QEvent::MouseMove, p, Qt::NoButton, held);
}

QLineEdit& FlatTest::focusHolder()
{
    if (!m_focusHolder) {
        m_focusHolder = new QLineEdit(&form);
        m_focusHolder->setGeometry(300, 10, 80, 20);
        m_focusHolder->show();
    }
    return *m_focusHolder;
}

void FlatTest::wheel(QWidget& w, int delta)
{
    const QPoint p(5, 5);
    QWheelEvent e(QPointF(p), QPointF(w.mapToGlobal(p)), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &e);
}

void PrintTo(const Hex& h, std::ostream* os)
{
    *os << '$' << std::hex << std::uppercase << std::setw(6) << std::setfill('0') << h.value;
}
