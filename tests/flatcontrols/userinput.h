#pragma once

#include <QPoint>
#include <QTest>
#include <QWidget>

// A press and a release as the window system delivers them: unlike events sent straight to a
// widget, they pass the application's rule that gives the focus to a control clicked on.
inline void userClick(QWidget& w, QPoint p, Qt::MouseButton button)
{
    QTest::mousePress(&w, button, Qt::NoModifier, p);
    QTest::mouseRelease(&w, button, Qt::NoModifier, p);
}
