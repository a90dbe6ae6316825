// SPDX-License-Identifier: GPL-3.0-or-later
// Rewrites an index through the program's own writer, for tests that kill it
// or limit the size of the files it may write.
//
//   crash_writer FOLDER loop               writes FOLDER/IMGMAIN.TXT with B, A,
//                                          B, ... until killed; prints "writing"
//                                          first
//   crash_writer FOLDER once VARIANT       writes it once with A or B
//   crash_writer FOLDER limited BYTES VARIANT
//                                          the same with files limited to BYTES
//
// Exits 0 when every write succeeded, 1 when one reported failure.
#include "core/files/drive_map.h"
#include "core/files/file_system.h"
#include "crash_index_lines.h"

#include <csignal>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    DriveMap drives(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/drives"));
    drives.setDrive(u'C', QString::fromLocal8Bit(argv[1]));
    const FileSystem files(drives);
    const QString index = QStringLiteral("C:\\IMGMAIN.TXT");
    const QByteArray mode(argv[2]);

    const auto writeOnce = [&](QChar variant) {
        QString error;
        if (files.writeTextLines(index, crashIndexLines(variant), &error))
            return 0;
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    };

    if (mode == "loop") {
        const QStringList variants[] = {crashIndexLines(u'B'), crashIndexLines(u'A')};
        std::puts("writing");
        std::fflush(stdout);
        for (int i = 0;; i ^= 1) {
            if (!files.writeTextLines(index, variants[i]))
                return 1;
        }
    }
    if (mode == "once" && argc == 4)
        return writeOnce(QChar(argv[3][0]));
    if (mode == "limited" && argc == 5) {
        // A full disk: writes past the limit fail with EFBIG instead of the
        // signal ending the process.
        std::signal(SIGXFSZ, SIG_IGN);
        const rlim_t limit = std::strtoull(argv[3], nullptr, 10);
        const rlimit size{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &size) != 0)
            return 2;
        return writeOnce(QChar(argv[4][0]));
    }
    return 2;
}
