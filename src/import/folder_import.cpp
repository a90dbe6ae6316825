#include "import/folder_import.h"

#include "browser/folder_list.h"
#include "browser/thumbnail_page.h"
#include "import/import_names.h"
#include "library/folder_names.h"
#include "library/index_file.h"
#include "library/library_paths.h"
#include "library/load_folder.h"
#include "main_window/form1.h"
#include "main_window/program.h"
#include "platform/clock.h"
#include "platform/cp932_text.h"
#include "platform/file_system.h"
#include "platform/message_service.h"
#include "platform/services.h"
#include "state/program_state.h"

#include <QScrollBar>
#include <algorithm>

namespace {

struct CopyTally {
    int found = 0;
    int copied = 0;
};

// The name becomes an index field and a directory name, so it may hold
// neither the field separator nor a character that file names or the index's
// code page cannot.
bool acceptsName(MessageService& messages, const QString& name) {
    switch (checkFolderTitle(name)) {
    case TitleCheck::Usable:
        return true;
    case TitleCheck::Empty:
        messages.inform(QStringLiteral("フォルダ名をタイプしてください。"));
        return false;
    case TitleCheck::ForbiddenName:
        messages.inform(QStringLiteral("フォルダ名につかえないもじがあります。"));
        return false;
    case TitleCheck::Unencodable:
        messages.inform(QStringLiteral("つかえないもじがあります。"));
        return false;
    }
    return false;
}

// A folder opened by path has row 0, which is never written: only the title
// shown changes.
void renameOpenFolder(Program& program, const QString& name) {
    ProgramState& state = program.state;
    FolderRow& row = state.FolderTable[state.CurrentFolderIndex];
    row[ColTitle] = name;
    row[ColRemark].clear();
    writeIndex(program.services.files, state.ClassFolder, state.FolderTable, state.FolderCount);
    DrawFolderList(program);
    state.FolderTitle = name;
    DrawFolderTitle(program);
}

// Every photo file of the photo drive counts as found, copied or not.
CopyTally copyPhotoDrive(Program& program, const QString& folder, const ImportProgress& progress) {
    const FileSystem& files = program.services.files;
    const QString& drive = program.state.FloppyDrive;
    const QString stamp = program.services.clock.stampText();
    const QStringList names = files.listFiles(drive, QStringLiteral("*.JP*"));
    CopyTally tally{int(names.size()), 0};
    int done = 0;
    for (const QString& name : names) {
        if (files.copyFile(joinPath(drive, name), joinPath(folder, importedName(name, stamp))))
            ++tally.copied;
        ++done;
        if (progress)
            progress(done, tally.found);
    }
    return tally;
}

// From here on a failed step is passed over: a directory that cannot be made
// still gets its row, and opening the folder corrects its count.
CopyTally addFolder(Program& program, const QString& name, const ImportProgress& progress) {
    ProgramState& state = program.state;
    const QString directory =
        photoFolderName(nextFolderNumber(state.FolderTable, state.FolderCount), name);
    const QString folder = joinPath(state.ClassFolder, directory);
    program.services.files.makeDirectory(folder);

    const int row = ++state.FolderCount;
    const CopyTally tally =
        state.Form2Mode == Form2Import ? copyPhotoDrive(program, folder, progress) : CopyTally{};
    state.FolderTable[row] =
        newFolderRow(program.services.clock.dateText(), tally.found, name, directory);
    writeIndex(program.services.files, state.ClassFolder, state.FolderTable, state.FolderCount);

    // Opens the new folder at its first page with no photo marked, whatever
    // the folder left behind had marked or scrolled to.
    state.CurrentFolderIndex = row;
    state.PhotoFolder = folder;
    state.clearMarks(std::max(state.PhotoCount, tally.found));
    state.PhotoCount = 0;
    DrawFolderList(program);
    state.FolderTitle = name;
    if (state.ThumbTopRow > 0) {
        program.form.VScroll1->setValue(0);
        state.ThumbTopRow = 0;
    }
    LoadFolder(program);
    return tally;
}

} // namespace

bool runForm2Command(Program& program, const QString& typed, const ImportProgress& progress) {
    ProgramState& state = program.state;
    MessageService& messages = program.services.messages;
    if (!acceptsName(messages, typed))
        return false;
    // Kept as the index will read it back.
    const QString name = toWindowsForms(typed);
    if (state.Form2Mode == Form2Rename) {
        renameOpenFolder(program, name);
        return true;
    }
    if (state.FolderCount >= MaxFolderRows) {
        messages.inform(QStringLiteral("これいじょうフォルダをつくれません。"));
        return false;
    }
    if (state.Form2Mode != Form2MakeFolder &&
        !messages.askYesNo(QStringLiteral("しゃしんをとりこみます。"))) {
        messages.beep();
        return false;
    }
    const CopyTally tally = addFolder(program, name, progress);
    if (tally.copied < tally.found)
        messages.inform(QStringLiteral("とりこめなかったしゃしんがあります。"));
    return true;
}
