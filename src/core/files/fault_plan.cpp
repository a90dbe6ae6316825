// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/fault_plan.h"

void FaultPlan::failAt(int n, std::optional<FileOperation> kind) {
    m_target = n;
    m_onward = false;
    m_kind = kind;
    m_seen = 0;
    m_failed.reset();
}

void FaultPlan::failFrom(int n, std::optional<FileOperation> kind) {
    failAt(n, kind);
    m_onward = true;
}

bool FaultPlan::fails(FileOperation operation) {
    ++m_asked;
    if (m_target == 0 || (m_kind && *m_kind != operation))
        return false;
    ++m_seen;
    if (m_onward ? m_seen < m_target : m_seen != m_target)
        return false;
    m_failed = operation;
    return true;
}
