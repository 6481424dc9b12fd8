// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <QWidget>
#include <QtGlobal>

// Finds the one child of type T named name (at any depth), the way tests reach
// the controls of a window. A missing, doubled or differently typed child ends
// the test run at once, naming the window and the child, rather than crashing
// on a null pointer further on or driving the wrong one of two.
template <typename T> T* child(const QObject* parent, const char* name)
{
    const QList<T*> found = parent->findChildren<T*>(QLatin1String(name));
    if (found.size() != 1)
        qFatal("%s has %d children of type %s named \"%s\", not one",
               qPrintable(parent->objectName()), int(found.size()), T::staticMetaObject.className(),
               name);
    return found.constFirst();
}

// The objectNames of a window's controls, sorted, without the unnamed ones and
// the parts Qt builds inside its own widgets ("qt_…").
inline QStringList controlNames(const QWidget* window)
{
    QStringList names;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            names.append(name);
    }
    names.sort();
    return names;
}
