#pragma once

#include <QObject>
#include <stdexcept>
#include <string>

namespace torvane::view::testing {

// A control of the window or of a dialog, found by its object name. A missing one stops the
// test with the name it looked for instead of crashing on a null pointer.
template <class T> T& Control(QObject& parent, const char* name) {
    T* found = parent.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        throw std::runtime_error(std::string("no ") + T::staticMetaObject.className() +
                                 " named \"" + name + "\" under " +
                                 parent.objectName().toStdString());
    }
    return *found;
}

} // namespace torvane::view::testing
