#include "folders/delete_folder.h"

#include "browser/folder_list.h"
#include "browser/thumbnail_page.h"
#include "library/library_paths.h"
#include "library/load_folder.h"
#include "library/locked_index.h"
#include "main_window/program.h"
#include "platform/file_system.h"
#include "platform/message_service.h"
#include "platform/services.h"
#include "platform/thumbnail_loader.h"
#include "state/program_state.h"

#include <algorithm>

namespace {

// Every file goes; a sub-directory stays, and with it the folder itself.
void removeFolderWithFiles(const FileSystem& files, const QString& folder) {
    for (const QString& name : files.listFiles(folder, QStringLiteral("*.*")))
        files.removeFile(joinPath(folder, name));
    files.removeDirectory(folder);
}

// The row goes first, so that no machine sharing the index opens a folder
// that is being emptied; the files follow unless the index kept the row.
void removeOpenRow(Program& program) {
    ProgramState& state = program.state;
    const int position = state.CurrentFolderIndex;
    // A row whose directory name leads out of the class folder loses only its row.
    const QString folder = photoFolderOfRow(state, position);
    const QString directory = state.FolderTable[position][ColDirectory];
    const IndexUpdate update = rewriteOpenIndex(
        program, [&directory, position](FolderRows& table, int& count, IndexSource& source) {
            const int row = findRowByDirectory(table, count, directory, position);
            if (row == 0)
                return false;
            for (int i = row; i < count; ++i)
                table[i] = table[i + 1];
            table[count] = {};
            --count;
            source.removeRow(row);
            return true;
        });
    state.CurrentFolderIndex = position;
    if (update != IndexUpdate::Written && update != IndexUpdate::Unchanged)
        return;
    if (!folder.isEmpty()) {
        program.services.thumbnails.forgetFolder(program.services.files.hostPath(folder));
        removeFolderWithFiles(program.services.files, folder);
    }
    // The marks belonged to the photos that are gone.
    state.clearMarks(state.PhotoCount);
}

} // namespace

void deleteOpenFolder(Program& program) {
    ProgramState& state = program.state;
    if (state.FolderCount == 0)
        return;
    if (state.CurrentFolderIndex < 1 || state.CurrentFolderIndex > state.FolderCount) {
        program.services.messages.inform(QStringLiteral("このフォルダはけせません。"));
        return;
    }
    if (program.services.messages.askYesNo(QStringLiteral("フォルダをけしていいですか。")))
        removeOpenRow(program);

    if (state.FolderCount > 0) {
        state.CurrentFolderIndex = std::min(state.CurrentFolderIndex, state.FolderCount);
        state.PhotoFolder = photoFolderOfRow(state, state.CurrentFolderIndex);
    } else {
        // The last folder went: nothing is open, so the page and title are wiped.
        state.PhotoFolder.clear();
        state.FolderTitle.clear();
    }
    LoadFolder(program);
    DrawFolderList(program);
    state.FolderTitle = state.FolderTable[state.CurrentFolderIndex][ColTitle];
    DrawFolderTitle(program);
}
