// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/card_import.h"

#include "core/commands/import_names.h"
#include "core/commands/photo_source.h"
#include "core/files/file_system.h"
#include "core/library/storable_name.h"

#include <QSet>
#include <algorithm>
#include <numeric>

CardImport sortOutCard(const FileSystem& files, const PhotoSource& source,
                       const QString& classFolder, const FolderIndex& index,
                       const QList<CardPhoto>& photos) {
    CardImport import;
    QSet<qint64> sizes;
    for (const CardPhoto& photo : photos)
        sizes.insert(photo.size);
    sizes.remove(-1);
    import.keys = ClassPhotoHashes::read(files, classFolder);
    import.keys.reconcile(files, classFolder, index, sizes);

    for (const CardPhoto& photo : photos) {
        // A size no class photo has needs no hash: the copy takes it.
        if (photo.size < 0 || !import.keys.containsSize(photo.size)) {
            import.fresh.append(photo);
            continue;
        }
        const PhotoKey key{photo.size, source.headHash(photo)};
        if (!key.headHash.isEmpty() && import.keys.contains(key))
            ++import.skipped;
        else
            import.fresh.append(photo);
    }
    return import;
}

QStringList importedNames(const QList<CardPhoto>& photos, const QString& stamp) {
    const auto distinctNames = [&photos](const auto& nameOf) {
        ImportedNames names;
        QStringList targets;
        for (const CardPhoto& photo : photos)
            targets << names.distinct(storablePhotoName(nameOf(photo)));
        return targets;
    };
    const QStringList plain =
        distinctNames([&stamp](const CardPhoto& photo) { return importedName(photo.name, stamp); });
    // Within a camera folder the names set the order, as they always did;
    // only two folders' photos may not mix.
    QList<int> byName(photos.size());
    std::iota(byName.begin(), byName.end(), 0);
    std::stable_sort(byName.begin(), byName.end(),
                     [&plain](int a, int b) { return isBeforeByName(plain[a], plain[b]); });
    QSet<int> passed;
    bool together = true;
    for (int i = 1; i < byName.size() && together; ++i) {
        const int group = photos[byName[i]].group;
        if (group != photos[byName[i - 1]].group) {
            passed.insert(photos[byName[i - 1]].group);
            together = !passed.contains(group);
        }
    }
    if (together)
        return plain;
    return distinctNames([&stamp](const CardPhoto& photo) {
        return QStringLiteral("%1_%2_%3")
            .arg(stamp)
            .arg(photo.group, 3, 10, QLatin1Char('0'))
            .arg(photo.name);
    });
}
