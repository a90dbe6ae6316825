// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// What the file-system service does to the disk or reads from it.
enum class FileOperation {
    List,
    Open,
    Write,
    Commit,
    Copy,
    Remove,
    MakeDirectory,
    RemoveDirectory,
    Lock,
    Rename,
};

// Makes the file-system service fail one chosen operation, so that a command
// can be tried against a disk that lets it down at any step. The service asks
// the plan before each operation it does.
class FaultPlan {
public:
    // Fails the n-th operation asked about from now on (1 is the next one),
    // counting only operations of kind when one is given; 0 fails none.
    void failAt(int n, std::optional<FileOperation> kind = std::nullopt);
    // The same, and every later operation of kind fails too, as on a full or
    // write-protected disk.
    void failFrom(int n, std::optional<FileOperation> kind = std::nullopt);

    // Counts operation; true when it is the one to fail.
    bool fails(FileOperation operation);

    // Every operation asked about since the plan was made.
    int operationsAsked() const { return m_asked; }
    // The operation that was made to fail, once one was.
    std::optional<FileOperation> failed() const { return m_failed; }

private:
    int m_target = 0;
    bool m_onward = false;
    std::optional<FileOperation> m_kind;
    int m_seen = 0;
    int m_asked = 0;
    std::optional<FileOperation> m_failed;
};

// True when plan is set and fails operation.
inline bool injectsFault(FaultPlan* plan, FileOperation operation) {
    return plan && plan->fails(operation);
}
