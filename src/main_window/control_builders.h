#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// Small helpers for windows laid out at absolute pixel positions.

// Paints widget's background in color.
void fillWith(QWidget* widget, const QColor& color);
// A top-left aligned label at geometry.
QLabel* makeLabel(const QString& text, QWidget* parent, const QRect& geometry);
