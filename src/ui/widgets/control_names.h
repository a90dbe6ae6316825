// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <array>
#include <initializer_list>
#include <utility>

// A window's controls carry the names of the members that hold them, so that
// tests and style sheets find them by name while the window keeps them
// private.
inline void nameAll(std::initializer_list<std::pair<QObject*, const char*>> controls) {
    for (const auto& [control, name] : controls)
        control->setObjectName(QLatin1String(name));
}

// A row of controls is named by its index after the row's name: "classButton0".
template <class Control, std::size_t Count>
void nameEach(const std::array<Control*, Count>& controls, const char* name) {
    for (std::size_t i = 0; i < Count; ++i)
        controls[i]->setObjectName(QLatin1String(name) + QString::number(i));
}
