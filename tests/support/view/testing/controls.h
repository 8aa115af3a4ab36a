#pragma once

#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

namespace torvane::view::testing {

// A control of the window or of a dialog, found by its object name (a controlName constant).
// A missing one stops the test with the name it looked for instead of crashing on a null
// pointer.
template <class T> T& control(QObject& parent, const QString& name) {
    T* found = parent.findChild<T*>(name);
    if (found == nullptr) {
        throw std::runtime_error(std::string("no ") + T::staticMetaObject.className() +
                                 " named \"" + name.toStdString() + "\" under " +
                                 parent.objectName().toStdString());
    }
    return *found;
}

} // namespace torvane::view::testing
