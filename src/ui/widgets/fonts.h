// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

// The MS faces the windows are designed in, and the IPA faces that stand in
// for them on this system.
inline const QString PGothic = QStringLiteral("ＭＳ Ｐゴシック");
inline const QString Gothic = QStringLiteral("ＭＳ ゴシック");
inline const QString PMincho = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString Mincho = QStringLiteral("ＭＳ 明朝");

// Registers the IPA fonts as substitutes for the MS faces.
void installFontSubstitutions();

// A font of family at points, sized in pixels at 96 dots per inch so that
// text has the same size on every screen.
QFont designFont(const QString& family, double points, bool bold = false);
