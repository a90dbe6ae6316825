#include "ui/main_window/thumbnail_caption.h"

#include "core/state/program_state.h"
#include "ui/widgets/picture_box.h"

#include <algorithm>

CaptionStyle captionStyle(int photoNumber, bool marked) {
    const QString number = u'(' + QString::number(photoNumber) + u')';
    if (marked)
        return {QColor(0, 0, 255), QColor(255, 255, 0), number + QStringLiteral(" えらばれました")};
    return {QColor(255, 255, 0), Qt::black, number};
}

void drawCaption(PictureBox& panel, const ThumbCell& cell, int photoNumber, bool marked) {
    const CaptionStyle style = captionStyle(photoNumber, marked);
    panel.fillRect(cell.captionBar(), style.bar);
    panel.drawBox(cell.frame(), Qt::black);
    panel.setForeColor(style.text);
    panel.setCurrentPos(cell.captionPos());
    panel.print(style.caption);
}

PageRange currentPage(ProgramState& state) {
    const int columns = state.ThumbColumns;
    if (state.PhotoCount <= 0 || columns <= 0)
        return {};
    state.ThumbTopRow = correctedTopRow(state.ThumbTopRow, columns, state.PhotoCount);
    const int first = columns * state.ThumbTopRow;
    return {first, std::min(state.PhotoCount - first, columns * columns)};
}
