// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/load_folder.h"

#include "core/files/file_system.h"
#include "core/files/photo_files.h"
#include "core/geometry/fitting.h"
#include "core/library/index_file.h"
#include "core/library/library_context.h"
#include "core/library/library_paths.h"
#include "core/library/locked_index.h"
#include "core/services/clock.h"
#include "core/services/services.h"
#include "core/state/program_state.h"

QStringList listPhotoPaths(const FileSystem& files, const QString& folder, int limit, bool* ok) {
    if (ok)
        *ok = true;
    QStringList paths;
    if (folder.isEmpty())
        return paths;
    bool listed = false;
    const QStringList names = listPhotoFiles(files, folder, &listed);
    if (ok)
        *ok = listed || files.isMissing(folder);
    for (const QString& name : names) {
        if (paths.size() == limit)
            break;
        // A name holding "\" would be read as a path to another folder's file.
        if (isWholeName(name))
            paths << joinPath(folder, name);
    }
    return paths;
}

void loadFolder(const LibraryContext& program) {
    ProgramState& state = program.state;
    bool listed = false;
    const QStringList paths =
        listPhotoPaths(program.services.files, state.folder.PhotoFolder, MaxPhotos, &listed);
    state.folder.PhotoCount = int(paths.size());
    // The focus frame starts on the first photo of the page.
    state.folder.FocusedPhoto = 0;
    for (int i = 0; i < state.folder.PhotoCount; ++i)
        state.folder.PhotoPaths[i + 1] = paths[i];

    program.view.setThumbnailScrollMaximum(roundHalfEven(state.folder.PhotoCount / 3.0));
    program.view.drawThumbnailPage();

    // A folder that could not be listed may hold photos all the same.
    const int open = state.openClass.CurrentFolderIndex;
    const FolderRow& row = state.openClass.FolderTable[open];
    if (!listed || storedPhotoCount(row[ColDateCount]) == state.folder.PhotoCount)
        return;
    const QString corrected =
        dateAndCount(program.services.clock.dateText(), state.folder.PhotoCount);
    const auto correct = [&corrected](FolderRow& r) { r[ColDateCount] = corrected; };
    const QString directory = row[ColDirectory];
    state.openClass.FolderTable.editRowAt(open, correct);
    const IndexUpdate update =
        rewriteOpenIndex(program, editRow(directory, open, correct), FailedWrite::Silent);
    if (update == IndexUpdate::Written || update == IndexUpdate::Unchanged)
        program.view.drawFolderList();
}
