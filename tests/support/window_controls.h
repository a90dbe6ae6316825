// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>
#include <QWidget>
#include <gtest/gtest.h>
#include <initializer_list>

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

// A control as the design draws it: its caption and, when not null, its place.
struct DesignedControl {
    const char* name;
    QString caption;
    QRect place;
};

inline void expectDesign(const QObject& window, std::initializer_list<DesignedControl> controls) {
    for (const auto& [name, caption, place] : controls) {
        const QWidget* widget = control<QWidget>(window, QString::fromLatin1(name));
        if (!widget)
            continue;
        EXPECT_EQ(widget->property("text").toString(), caption) << name;
        if (!place.isNull()) {
            EXPECT_EQ(widget->geometry(), place) << name;
        }
    }
}
