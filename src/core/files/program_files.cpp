// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
// An installed program has its menu entry in share/applications beside its
// bin folder. Its folder is never written, not even when root runs it.
bool isInstalled(const QString& programFolder) {
    return QFileInfo::exists(programFolder + QStringLiteral("/../share/applications/") + DesktopId +
                             QStringLiteral(".desktop"));
}
} // namespace

ProgramFiles::ProgramFiles(const QString& writableFolder, const QStringList& schoolFolders)
    : m_writableFolder(writableFolder), m_schoolFolders(schoolFolders) {}

ProgramFiles ProgramFiles::ofThisProgram() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(programFolder).isWritable() && !isInstalled(programFolder))
        return ProgramFiles(programFolder, {});
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(user);
    QStringList school = QStandardPaths::standardLocations(QStandardPaths::AppConfigLocation);
    school.removeAll(user);
    return ProgramFiles(user, school);
}

QString ProgramFiles::folderToRead(const QString& name) const {
    if (QFileInfo::exists(QDir(m_writableFolder).filePath(name)))
        return m_writableFolder;
    for (const QString& folder : m_schoolFolders)
        if (QFileInfo::exists(QDir(folder).filePath(name)))
            return folder;
    return m_writableFolder;
}
