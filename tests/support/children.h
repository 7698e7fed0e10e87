#pragma once

#include <QObject>
#include <QString>

#include <stdexcept>
#include <string>

// A control or menu item of a window by its object name, the component name the window gives it:
// windows keep their controls private, and tests reach them as a user finds them, by name. A name
// the window does not have, or a control of another kind, throws, which fails the test with the
// name.
template <class T> T* child(const QObject& window, const QString& name)
{
    for (QObject* found : window.findChildren<QObject*>(name)) {
        if (auto* typed = dynamic_cast<T*>(found))
            return typed;
    }
    throw std::runtime_error("no " + name.toStdString() + " of the wanted kind in the window");
}
