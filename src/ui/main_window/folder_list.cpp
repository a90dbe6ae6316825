// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main_window/folder_list.h"

#include "core/state/program_state.h"
#include "core/state/screen_mode.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/main_window_context.h"
#include "ui/widgets/picture_box.h"

#include <algorithm>

namespace {
const QColor ListBackground(255, 192, 192);
const QColor OpenRow(100, 255, 20);
const QColor OtherRow(255, 240, 255);
const QColor FocusRow(0, 0, 160);

QString folderRowName(const FolderRow& row) {
    return row[ColTitle] + u' ' + row[ColDateCount].mid(11).trimmed() + QStringLiteral("まい ") +
           row[ColDateCount].left(10) + u' ' + row[ColRemark];
}

// The count from its eleventh character on, one more blank in front of a
// one-digit count so that counts line up.
QString countText(const QString& dateAndCount) {
    const QString count = dateAndCount.mid(10);
    bool numeric = false;
    const int value = count.trimmed().toInt(&numeric);
    return (!numeric || value < 10) ? u' ' + count : count;
}
} // namespace

void drawFolderList(MainWindowContext& main) {
    ProgramState& state = main.state;
    PictureBox& panel = *main.window.folderList;
    // The focus row follows the open folder until the list itself is worked
    // with the keys.
    if (!panel.hasFocus() || state.openClass.FocusedFolderRow <= 0)
        state.openClass.FocusedFolderRow = state.openClass.CurrentFolderIndex;
    state.openClass.FocusedFolderRow = std::clamp(state.openClass.FocusedFolderRow,
                                                  std::min(1, state.openClass.FolderTable.count()),
                                                  state.openClass.FolderTable.count());
    panel.fillRect(QRect(0, 0, 301, 1001), ListBackground);
    const int rows = folderListRowsFor(state.screen.ScreenWidthPx);
    panel.setForeColor(Qt::black);
    for (int i = 1; i <= rows; ++i) {
        const int k = state.openClass.FolderListTop + i;
        if (k > state.openClass.FolderTable.count())
            continue;
        const FolderRow& row = state.openClass.FolderTable[k];
        const bool open = k == state.openClass.CurrentFolderIndex;
        if (open)
            state.folder.FolderTitle = row[ColTitle];
        panel.fillRect(folderRowBox(i), open ? OpenRow : OtherRow);
        panel.drawBox(folderRowBox(i), Qt::black);
        panel.setCurrentPos({4, 34 * i + 15});
        panel.print(row[ColTitle]);
        const QString count = countText(row[ColDateCount]);
        panel.setCurrentPos({folderCountLeft(panel.textWidth(count)), 34 * i + 15});
        panel.print(count);
        panel.setCurrentPos({4, 34 * i + 31});
        panel.print(row[ColDateCount].mid(2, 8) + u' ' + row[ColRemark]);
        if (k == state.openClass.FocusedFolderRow && panel.hasFocus())
            panel.drawBox(folderRowBox(i).adjusted(1, 1, -1, -1), FocusRow);
    }
    panel.update();
}

QList<PictureBox::DrawnItem> folderListItems(const ProgramState& state) {
    QList<PictureBox::DrawnItem> items;
    const int rows = folderListRowsFor(state.screen.ScreenWidthPx);
    for (int i = 1;
         i <= rows && state.openClass.FolderListTop + i <= state.openClass.FolderTable.count();
         ++i) {
        const int k = state.openClass.FolderListTop + i;
        items.append({folderRowBox(i), folderRowName(state.openClass.FolderTable[k]).trimmed(),
                      k == state.openClass.CurrentFolderIndex,
                      k == state.openClass.FocusedFolderRow});
    }
    return items;
}
