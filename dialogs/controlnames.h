#pragma once
// Each control of a window carries its control name as its object name, an element of a control
// array its name with the index ("txtNewNumber(3)"), so that it can be found by name.

#include "platform/ui/ctlarray.h"

#include <QObject>
#include <QString>
#include <initializer_list>
#include <utility>

inline void nameControls(std::initializer_list<std::pair<QObject *, const char *>> controls)
{
    for (const auto &[control, name] : controls)
        control->setObjectName(QLatin1String(name));
}

template <class T>
void nameControlArray(const CtlArray<T> &array, const char *name)
{
    array.forEach([name](int index, T *control) {
        control->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index));
    });
}
