#include "core/commands/card_import.h"

#include "core/commands/import_names.h"
#include "core/files/file_system.h"
#include "core/library/storable_name.h"

#include <algorithm>
#include <numeric>

CardImport sortOutCard(const FileSystem& files, const QString& classFolder,
                       const FolderIndex& index, const QList<CardPhoto>& photos) {
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
        const PhotoKey key{photo.size, files.headHashIn(photo.folder, photo.name)};
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
    if (std::is_sorted(byName.begin(), byName.end(),
                       [&photos](int a, int b) { return photos[a].group < photos[b].group; }))
        return plain;
    return distinctNames([&stamp](const CardPhoto& photo) {
        return QStringLiteral("%1_%2_%3")
            .arg(stamp)
            .arg(photo.group, 3, 10, QLatin1Char('0'))
            .arg(photo.name);
    });
}
