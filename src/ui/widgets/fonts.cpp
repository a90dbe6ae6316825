// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/fonts.h"

#include <cmath>

void installFontSubstitutions() {
    QFont::insertSubstitution(PGothic, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(Gothic, QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(PMincho, QStringLiteral("IPAPMincho"));
    QFont::insertSubstitution(Mincho, QStringLiteral("IPAMincho"));
}

QFont designFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}
