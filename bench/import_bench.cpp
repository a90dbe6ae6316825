// SPDX-License-Identifier: GPL-3.0-or-later
// Times an import from a card read at a card reader's speed: 60 photos of
// 12 megapixels whose reads are paced to 40 MB/s by a preloaded library,
// from "じっこう" to the new folder's first page drawn, beside the same
// photos copied alone at the same speed. Making the opening page's thumbnails
// and hashing each photo's head should hide behind the copying. Then the
// same card again, whose photos are all in the class by then. Then, unpaced,
// the same photos imported from a folder against imported through libgphoto2
// from its directory camera serving that folder, as from a camera on a cable.

#include "core/commands/folder_import.h"
#include "core/files/file_system.h"
#include "core/state/program_state.h"
#include "support/test_photos.h"
#include "support/test_rig.h"
#include "ui/widgets/fonts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int Photos = 60;
constexpr int DistinctPhotos = 6;
constexpr int WaitMs = 600000;
const char* const PacedOption = "--paced";
const char* const BytesPerSecond = "40000000";

double msSince(const QElapsedTimer& timer) {
    return timer.nsecsElapsed() / 1e6;
}

// Photo-like 4000 x 3000 JPEGs, a few drawn and the rest copies of them.
qint64 makeCard(const QString& folder) {
    QDir().mkpath(folder);
    TestJpegOptions photo;
    photo.noise = true;
    photo.quality = 90;
    qint64 bytes = 0;
    for (int i = 1; i <= Photos; ++i) {
        const QString path = folder + QStringLiteral("/IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0'));
        if (i <= DistinctPhotos)
            writeTestJpeg(path, {4000, 3000}, photo);
        else
            QFile::copy(folder + QStringLiteral("/IMG_%1.JPG")
                                     .arg((i - 1) % DistinctPhotos + 1, 4, 10, QLatin1Char('0')),
                        path);
        bytes += QFileInfo(path).size();
    }
    return bytes;
}

// Runs in the paced process: the copy alone, then the import into a class
// folder of its own with a cold thumbnail cache.
int measure(const QString& card) {
    FormRig rig;
    DriveMap drives = rig.files.drives();
    drives.setDrive(u'A', card);
    rig.files = FileSystem(drives);

    rig.files.makeDirectory(QStringLiteral("C:\\copy"));
    QElapsedTimer timer;
    timer.start();
    for (const QString& name : rig.files.listFiles(QStringLiteral("A:\\"), QStringLiteral("*.JP*")))
        rig.files.copyFile(QStringLiteral("A:\\") + name, QStringLiteral("C:\\copy\\") + name);
    const double copyAlone = msSince(timer);

    ProgramState& state = rig.state;
    state.openClass.ClassFolder = QStringLiteral("C:\\CLASS_11");
    state.settings.PhotoDrivePath = QStringLiteral("A:\\");
    state.FolderNameWindowMode = FolderNameMode::Import;
    rig.files.makeDirectory(state.openClass.ClassFolder);
    rig.messages.answers = {true};
    double copied = 0;
    timer.restart();
    importMakeOrRenameFolder(rig.program, QStringLiteral("bench"), [&](int done, int found) {
        if (done == found)
            copied = msSince(timer);
    });
    const double firstPage = msSince(timer);

    std::printf("  paced copy alone                          : %8.1f ms\n", copyAlone);
    std::printf("  import, photos and opening page made      : %8.1f ms\n", copied);
    std::printf("  import, from じっこう to first page drawn : %8.1f ms  (%.3f x the copy "
                "alone; goal 1.1)\n",
                firstPage, firstPage / copyAlone);
    std::printf("  photos shown                              : %8d\n", state.folder.PhotoCount);

    const int folders = state.openClass.FolderTable.count();
    rig.messages.answers = {true};
    timer.restart();
    importMakeOrRenameFolder(rig.program, QStringLiteral("again"), {});
    const double again = msSince(timer);
    std::printf("  the same card again, every photo skipped  : %8.1f ms  (goal under 1000 ms; "
                "%s)\n",
                again,
                state.openClass.FolderTable.count() == folders ? "no folder made"
                                                               : "A FOLDER WAS MADE");
    return 0;
}

// The import of card into a class folder of its own, from "じっこう" to the
// first page drawn: read as a folder, or through libgphoto2 as a device.
double timeImport(const QString& card, bool throughDevice) {
    FormRig rig;
    DriveMap drives = rig.files.drives();
    if (throughDevice) {
        // A device serves its photos from DCIM only: the card's files, linked
        // there, are the same bytes in the same disk cache.
        const QString device = card + QStringLiteral("-device");
        const QString shoot = device + QStringLiteral("/DCIM/100BENCH");
        QDir().mkpath(shoot);
        for (const QString& name : QDir(card).entryList(QDir::Files)) {
            if (::link(QFile::encodeName(QDir(card).filePath(name)).constData(),
                       QFile::encodeName(QDir(shoot).filePath(name)).constData()) != 0 &&
                errno != EEXIST)
                return -1;
        }
        // No card is ever found in a card root that does not exist.
        drives.setCardRoots({card + QStringLiteral("-no-cards")});
        drives.setCameraLookup(
            {true, {}, QStringLiteral("Directory Browse"), QStringLiteral("disk:") + device});
    } else {
        drives.setDrive(u'A', card);
    }
    rig.files = FileSystem(drives);
    ProgramState& state = rig.state;
    state.openClass.ClassFolder = QStringLiteral("C:\\CLASS_11");
    state.settings.PhotoDrivePath = QStringLiteral("A:\\");
    state.FolderNameWindowMode = FolderNameMode::Import;
    rig.files.makeDirectory(state.openClass.ClassFolder);
    rig.messages.answers = {true};
    QElapsedTimer timer;
    timer.start();
    importMakeOrRenameFolder(rig.program, QStringLiteral("bench"), {});
    const double ms = msSince(timer);
    return state.folder.PhotoCount == Photos ? ms : -1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String(PacedOption))
        return measure(arguments[2]);

    QTemporaryDir work;
    const QString card = QFileInfo(work.path()).canonicalFilePath() + QStringLiteral("/card");
    std::printf("making %d photos of 4000x3000...\n", Photos);
    std::fflush(stdout);
    const qint64 bytes = makeCard(card);
    std::printf("import of %d photos of 12 MP (%.1f MB) from a card read at %.0f MB/s, 2 cores\n",
                Photos, bytes / 1e6, QByteArray(BytesPerSecond).toDouble() / 1e6);
    std::fflush(stdout);

    QProcess paced;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(FOTOBAKO_PACED_READ_SHIM));
    environment.insert(QStringLiteral("FOTOBAKO_PACED_FOLDER"), card);
    environment.insert(QStringLiteral("FOTOBAKO_PACED_BYTES_PER_SECOND"),
                       QString::fromLatin1(BytesPerSecond));
    paced.setProcessEnvironment(environment);
    paced.setProcessChannelMode(QProcess::ForwardedChannels);
    paced.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(PacedOption), card});
    if (!paced.waitForFinished(WaitMs) || paced.exitCode() != 0) {
        std::printf("the paced import did not finish\n");
        return 1;
    }

    // Once unmeasured, so that both read the photos from memory.
    timeImport(card, false);
    const double fromFolder = timeImport(card, false);
    const double fromDevice = timeImport(card, true);
    std::printf("import of the same photos unpaced, from じっこう to first page drawn\n");
    std::printf("  from the folder as a card                 : %8.1f ms\n", fromFolder);
    std::printf("  through libgphoto2 as a device            : %8.1f ms  (%.3f x the folder; "
                "goal 1.2)\n",
                fromDevice, fromDevice / fromFolder);
    return 0;
}
