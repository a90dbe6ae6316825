#include "core/files/head_hash.h"

#include <QFile>
#include <QFileInfo>
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
    const QFileInfo info(hostPath);
    if (info.isSymLink() || !info.isFile())
        return {};
    QFile file(hostPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(HeadHashBytes);
    if (file.error() != QFileDevice::NoError)
        return {};
    HeadHasher hasher;
    hasher.add(head.constData(), head.size());
    return hasher.result();
}
