// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The desktop's name for the program: its menu entry is DesktopId + ".desktop".
inline const QString DesktopId = QStringLiteral("jp.fotobako.Fotobako");

// Where the program keeps its own files: the settings DRVDATA.TXT, the drive
// list DRIVES.TXT and the print bitmap PRIMG.BMP. A program run from a folder
// it can write (a build folder, a stick) keeps them there. An installed
// program keeps them in the user's configuration folder and reads a file the
// user has none of from the school-wide folders, which a technician fills once
// for every pupil's account and the program never writes.
class ProgramFiles {
public:
    ProgramFiles(const QString& writableFolder, const QStringList& schoolFolders);

    // For the running program: its own folder, or ~/.config/fotobako (made
    // when missing) and the system's configuration folders such as
    // /etc/xdg/fotobako.
    static ProgramFiles ofThisProgram();

    QString writableFolder() const { return m_writableFolder; }
    // The folder to read the file name from: the writable folder when the file
    // is there, else the first school-wide folder that has it.
    QString folderToRead(const QString& name) const;

private:
    QString m_writableFolder;
    QStringList m_schoolFolders;
};
