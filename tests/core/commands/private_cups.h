// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/private_server.h"

#include <QProcess>
#include <QString>
#include <memory>

// A CUPS scheduler of the test's own: its configuration, spool, logs and
// socket live in a temporary folder, and the test process (and every program
// it starts) reaches it through CUPS_SERVER. It can hold one cups-pdf queue as
// its default printer, which writes each job as a PDF file into outFolder().
// The machine's own printer setup is never read or changed.
class PrivateCups : public PrivateServer {
public:
    PrivateCups();
    ~PrivateCups();

    // Empty when the scheduler runs, else why it could not start.
    QString failure() const { return m_failure; }

    // Adds the cups-pdf queue "school" as the default printer; empty on
    // success, else why not.
    QString addPdfQueue();
    // Removes the queue again, leaving a scheduler with no printer at all.
    void removeQueue();
    // Waits until every job is completed; false when one fails or the
    // deadline passes.
    bool waitForJobsCompleted(int timeoutMs);
    // The PDF files the queue has written.
    QStringList writtenPdfs() const;
    QString outFolder() const;

private:
    QString start();
    QString path(const QString& name) const { return m_dir.filePath(name); }

    std::unique_ptr<QProcess> m_cupsd;
    QString m_failure;
};
