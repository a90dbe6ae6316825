// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

// Conversion of a number to an integer as the program's arithmetic does it:
// to the nearest integer, a half going to the even neighbour.
inline int roundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}
