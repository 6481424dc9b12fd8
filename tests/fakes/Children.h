#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// A window's control by its object name; the test stops at once, naming the
// control, when there is none.
template <typename T>
T* child(const QObject* parent, const char* name)
{
    T* found = parent ? parent->findChild<T*>(QLatin1String(name)) : nullptr;
    if (!found)
        qFatal("no control named %s", name);
    return found;
}
