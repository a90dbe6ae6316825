#include "photo_ops/copy_photos.h"

#include "browser/folder_list.h"
#include "browser/thumbnail_page.h"
#include "library/changeable_folder.h"
#include "library/library_paths.h"
#include "library/load_folder.h"
#include "main_window/app_context.h"
#include "main_window/form1.h"
#include "photo_ops/copy_files.h"
#include "photo_ops/folder_recount.h"
#include "photo_ops/selection.h"
#include "platform/message_service.h"
#include "platform/services.h"
#include "platform_gui/picture_box.h"
#include "state/program_state.h"

#include <QScrollBar>

void startCopy(AppContext& program) {
    if (!collectMarkedPhotosOrInform(program))
        return;
    program.form.Picture5->show();
    program.state.PickMode = 1;
    program.state.PickCount = program.state.SelectedCount;
}

void completeCopy(AppContext& program, int destinationRow) {
    ProgramState& state = program.state;
    if (destinationRow < 1 || destinationRow > state.FolderTable.count())
        return;

    program.form.VScroll1->setValue(0);
    // The scroll handler does this too when it runs; the destination opens on
    // its first page either way.
    state.ThumbTopRow = 0;
    state.PhotoFolder = photoFolderOfRow(state, destinationRow);
    const QStringList sources = collectedPaths(state, state.PickCount);
    // A row whose directory is a link, a folder of the library itself or lies
    // outside the class folder gets no copies.
    const QString target =
        changeablePhotoFolderOfRow(program.services.files, state, destinationRow);
    const int notCopied = target.isEmpty()
                              ? int(sources.size())
                              : copyPhotosTo(program.services.files, sources, target + u'\\');

    const FolderRow destination = state.FolderTable[destinationRow];
    const int row = recountFolderIntoRow(program, destinationRow);
    if (row == 0)
        state.FolderTable.setPathRow(destination);
    state.PickMode = 0;
    state.CurrentFolderIndex = row;
    DrawFolderList(program);
    LoadFolder(program);
    state.FolderTitle = state.FolderTable[row][ColTitle];
    DrawFolderTitle(program);
    program.form.Picture5->hide();

    if (notCopied > 0)
        program.services.messages.inform(QStringLiteral("コピーできなかったしゃしんがあります。"));
}

void cancelCopy(AppContext& program) {
    program.state.PickMode = 0;
    DrawFolderList(program);
    LoadFolder(program);
    program.form.Picture5->hide();
}
