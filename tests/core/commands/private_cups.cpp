// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/private_cups.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {
const QString QueueName = QStringLiteral("school");
const QString CupsPdfBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString CupsPdfPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd");

struct Result {
    bool ok;
    QString output;
};

Result run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    // The tools' words are read, so they must not be translated.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(30000);
    const QString output = QString::fromLocal8Bit(process.readAll()).trimmed();
    return {finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
            output};
}

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}

// cups-pdf reads its output, spool and log folders from the queue's PPD as
// well as from its system-wide configuration; the PPD cannot hold a "/", so
// the folders are relative, to the scheduler's working folder.
QString ppdOptions() {
    QString text;
    for (const auto& [option, folder] :
         {std::pair{"Out", "out"}, std::pair{"Spool", "cpspool"}, std::pair{"Log", "log"}}) {
        text += QStringLiteral("*OpenUI *%1: PickOne\n*Default%1: %2\n*%1 %2: \"\"\n"
                               "*CloseUI: *%1\n")
                    .arg(QString::fromLatin1(option), QString::fromLatin1(folder));
    }
    return text;
}
} // namespace

PrivateCups::PrivateCups()
    : PrivateServer(QDir::tempPath() + QStringLiteral("/fotobakocups-XXXXXX")) {
    m_failure = start();
}

QString PrivateCups::start() {
    if (!m_dir.isValid())
        return QStringLiteral("no temporary folder");
    const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"),
                                                         {"/usr/sbin", "/sbin", "/usr/local/sbin"});
    if (cupsd.isEmpty())
        return QStringLiteral("cupsd is not installed (Debian package cups; scripts/setup.sh "
                              "installs it)");
    if (::geteuid() != 0)
        return QStringLiteral("the cups-pdf backend runs only under a scheduler started as root");

    // The scheduler's helpers run as the user lp and must reach the folders.
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                            QFile::ExeOther);
    for (const char* folder : {"etc", "out", "cpspool", "log", "tmp"})
        QDir(m_dir.path()).mkdir(QString::fromLatin1(folder));
    // A world-writable temporary folder with the sticky bit, like /tmp.
    if (::chmod(QFile::encodeName(path("tmp")).constData(), 01777) != 0)
        return QStringLiteral("cannot open up the scheduler's temporary folder");

    const QString root = m_dir.path();
    const QString files = QStringLiteral("ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/tmp\n"
                                         "CacheDir %1/cache\nStateDir %1/state\n"
                                         "AccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                                         "PageLog %1/log/page_log\nSystemGroup root\n"
                                         "User lp\nGroup lp\n")
                              .arg(root);
    // Anyone who reaches the private socket may do anything: the scheduler
    // holds nothing but the test's queue.
    const QString server = QStringLiteral("LogLevel info\nListen %1/cups.sock\nBrowsing No\n"
                                          "WebInterface No\n<Policy default>\n  <Limit All>\n"
                                          "    Order deny,allow\n  </Limit>\n</Policy>\n")
                               .arg(root);
    if (!writeText(path("etc/cups-files.conf"), files) ||
        !writeText(path("etc/cupsd.conf"), server))
        return QStringLiteral("cannot write the scheduler's configuration");

    qputenv("CUPS_SERVER", QFile::encodeName(path("cups.sock")));
    m_cupsd = std::make_unique<QProcess>();
    m_cupsd->setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd->setWorkingDirectory(root);
    m_cupsd->start(cupsd, {"-f", "-c", path("etc/cupsd.conf"), "-s", path("etc/cups-files.conf")});
    if (!m_cupsd->waitForStarted(10000))
        return QStringLiteral("cupsd did not start: %1").arg(m_cupsd->errorString());

    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        if (m_cupsd->state() != QProcess::Running)
            return QStringLiteral("cupsd ended at once: %1")
                .arg(QString::fromLocal8Bit(m_cupsd->readAll()));
        // lpstat -r exits 0 either way; only its words tell.
        const Result status = run(QStringLiteral("lpstat"), {"-r"});
        if (status.ok && status.output == QStringLiteral("scheduler is running"))
            return {};
        QThread::msleep(50);
    }
    return QStringLiteral("cupsd did not answer within 20 seconds");
}

PrivateCups::~PrivateCups() {
    if (m_cupsd && m_cupsd->state() != QProcess::NotRunning) {
        m_cupsd->terminate();
        if (!m_cupsd->waitForFinished(10000)) {
            m_cupsd->kill();
            m_cupsd->waitForFinished(5000);
        }
    }
    qunsetenv("CUPS_SERVER");
}

QString PrivateCups::addPdfQueue() {
    if (!QFile::exists(CupsPdfBackend) || !QFile::exists(CupsPdfPpd))
        return QStringLiteral("cups-pdf is not installed (Debian package printer-driver-cups-pdf; "
                              "scripts/setup.sh installs it)");
    QFile ppd(CupsPdfPpd);
    if (!ppd.open(QIODevice::ReadOnly) ||
        !writeText(path("school.ppd"), QString::fromLatin1(ppd.readAll()) + ppdOptions()))
        return QStringLiteral("cannot write the queue's PPD");
    const Result added = run(QStringLiteral("lpadmin"),
                             {"-p", QueueName, "-E", "-v", "cups-pdf:/", "-P", path("school.ppd")});
    if (!added.ok)
        return QStringLiteral("lpadmin could not add the queue: %1").arg(added.output);
    const Result chosen = run(QStringLiteral("lpadmin"), {"-d", QueueName});
    return chosen.ok ? QString() : QStringLiteral("lpadmin -d failed: %1").arg(chosen.output);
}

void PrivateCups::removeQueue() {
    run(QStringLiteral("lpadmin"), {"-x", QueueName});
}

bool PrivateCups::waitForJobsCompleted(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        const Result pending = run(QStringLiteral("lpstat"), {"-W", "not-completed", "-o"});
        const Result done = run(QStringLiteral("lpstat"), {"-W", "completed", "-o"});
        if (pending.ok && pending.output.isEmpty() && done.ok && !done.output.isEmpty())
            return true;
        QThread::msleep(100);
    }
    return false;
}

QStringList PrivateCups::writtenPdfs() const {
    QStringList pdfs;
    for (const QString& name : QDir(outFolder()).entryList({"*.pdf"}, QDir::Files))
        pdfs << QDir(outFolder()).filePath(name);
    return pdfs;
}

QString PrivateCups::outFolder() const {
    return m_dir.filePath(QStringLiteral("out"));
}
