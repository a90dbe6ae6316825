#include "library/load_folder.h"

#include "library/index_file.h"
#include "library/library_context.h"
#include "library/library_paths.h"
#include "library/locked_index.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/photo_files.h"
#include "platform/services.h"
#include "state/program_state.h"
#include "state/rounding.h"

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

void LoadFolder(const LibraryContext& program) {
    ProgramState& state = program.state;
    bool listed = false;
    const QStringList paths =
        listPhotoPaths(program.services.files, state.PhotoFolder, MaxPhotos, &listed);
    state.PhotoCount = int(paths.size());
    for (int i = 0; i < state.PhotoCount; ++i)
        state.PhotoPaths[i + 1] = paths[i];

    program.view.setThumbnailScrollMaximum(roundHalfEven(state.PhotoCount / 3.0));
    program.view.drawThumbnailPage();

    // A folder that could not be listed may hold photos all the same.
    const int open = state.CurrentFolderIndex;
    const FolderRow& row = state.FolderTable[open];
    if (!listed || storedPhotoCount(row[ColDateCount]) == state.PhotoCount)
        return;
    const QString corrected = dateAndCount(program.services.clock.dateText(), state.PhotoCount);
    const auto correct = [&corrected](FolderRow& r) { r[ColDateCount] = corrected; };
    const QString directory = row[ColDirectory];
    state.FolderTable.editRowAt(open, correct);
    const IndexUpdate update =
        rewriteOpenIndex(program, editRow(directory, open, correct), FailedWrite::Silent);
    if (update == IndexUpdate::Written || update == IndexUpdate::Unchanged)
        program.view.drawFolderList();
}
