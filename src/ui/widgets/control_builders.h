// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Small helpers for windows laid out at absolute pixel positions.

// Paints widget's background in color.
void fillWith(QWidget* widget, const QColor& color);
// A top-left aligned label at geometry.
QLabel* makeLabel(const QString& text, QWidget* parent, const QRect& geometry);
// A button at geometry that Enter does not press: where Enter means
// anything, the window handles it itself.
QPushButton* makeButton(const QString& text, QWidget* parent, const QRect& geometry);
// Shows button raised with its face in color; the native style would ignore
// the colour.
void setFaceColor(QPushButton* button, const QColor& color);
// makeButton with its face in face.
QPushButton* makeFaceButton(const QString& text, QWidget* parent, const QRect& geometry,
                            const QColor& face);
