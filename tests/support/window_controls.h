// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <gtest/gtest.h>

// A window's control by the name of the member that holds it; a control
// that is not there fails the test.
template <class Control> Control* control(const QObject& window, const QString& name) {
    auto* found = window.findChild<Control*>(name);
    if (!found)
        ADD_FAILURE() << "no control " << name.toStdString();
    return found;
}

// The control at index of a row of controls, as control(window, "classButton", 3).
template <class Control>
Control* control(const QObject& window, const QString& rowName, int index) {
    return control<Control>(window, rowName + QString::number(index));
}
