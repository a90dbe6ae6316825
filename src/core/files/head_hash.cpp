// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/head_hash.h"

#include "core/files/untrusted_file.h"

#include <algorithm>

void HeadHasher::add(const char* data, qint64 size) {
    const qint64 taken = std::min(size, HeadHashBytes - m_taken);
    if (taken <= 0)
        return;
    m_hash.addData(QByteArrayView(data, taken));
    m_taken += taken;
}

QByteArray HeadHasher::result() const {
    return m_hash.result().toHex();
}

QByteArray headHashOfFile(const QString& hostPath) {
    UntrustedFile file(hostPath, UntrustedKind::Photo);
    if (!file.isOpen())
        return {};
    const QByteArray head = file.device().read(HeadHashBytes);
    if (file.device().error() != QFileDevice::NoError)
        return {};
    HeadHasher hasher;
    hasher.add(head.constData(), head.size());
    return hasher.result();
}
