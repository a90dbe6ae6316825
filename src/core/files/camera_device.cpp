// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/camera_device.h"

#include "core/files/file_system.h"
#include "core/files/head_hash.h"
#include "core/files/photo_files.h"
#include "core/files/untrusted_file.h"

#include <QSaveFile>
#include <gphoto2/gphoto2.h>
#include <memory>
#include <unistd.h>

namespace {

// Ports of mass storage: the card lookup reads those as folders.
const QString DiskPortPrefix = QStringLiteral("disk:");

QString joinedFolder(const QString& folder, const QString& name) {
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

bool isDcim(const QString& name) {
    return name.compare(QStringLiteral("DCIM"), Qt::CaseInsensitive) == 0;
}

QStringList namesOf(CameraList* list) {
    QStringList names;
    for (int i = 0; i < gp_list_count(list); ++i) {
        const char* name = nullptr;
        if (gp_list_get_name(list, i, &name) == GP_OK && name)
            names << QString::fromUtf8(name);
    }
    return names;
}

// The first camera on USB; a camera libgphoto2 can only reach as mass
// storage is a card.
std::optional<std::pair<QString, QString>> detectedCamera(GPContext* context) {
    CameraList* found = nullptr;
    gp_list_new(&found);
    std::optional<std::pair<QString, QString>> camera;
    if (gp_camera_autodetect(found, context) >= GP_OK) {
        for (int i = 0; i < gp_list_count(found) && !camera; ++i) {
            const char* model = nullptr;
            const char* port = nullptr;
            gp_list_get_name(found, i, &model);
            gp_list_get_value(found, i, &port);
            if (model && port && !QString::fromUtf8(port).startsWith(DiskPortPrefix))
                camera = {QString::fromUtf8(model), QString::fromUtf8(port)};
        }
    }
    gp_list_free(found);
    return camera;
}

bool setModel(Camera* camera, const QString& model, GPContext* context) {
    CameraAbilitiesList* abilities = nullptr;
    gp_abilities_list_new(&abilities);
    gp_abilities_list_load(abilities, context);
    const int index = gp_abilities_list_lookup_model(abilities, model.toUtf8().constData());
    CameraAbilities wanted;
    const bool set = index >= 0 &&
                     gp_abilities_list_get_abilities(abilities, index, &wanted) == GP_OK &&
                     gp_camera_set_abilities(camera, wanted) == GP_OK;
    gp_abilities_list_free(abilities);
    return set;
}

bool setPort(Camera* camera, const QString& port) {
    GPPortInfoList* ports = nullptr;
    gp_port_info_list_new(&ports);
    gp_port_info_list_load(ports);
    const int index = gp_port_info_list_lookup_path(ports, port.toUtf8().constData());
    GPPortInfo info;
    const bool set = index >= 0 && gp_port_info_list_get_info(ports, index, &info) == GP_OK &&
                     gp_camera_set_port_info(camera, info) == GP_OK;
    gp_port_info_list_free(ports);
    return set;
}

// PTP devices tell their model ("iPad"); other drivers have only their own
// name for it.
QString modelOf(Camera* camera, GPContext* context) {
    CameraWidget* widget = nullptr;
    QString model;
    if (gp_camera_get_single_config(camera, "cameramodel", &widget, context) == GP_OK) {
        const char* text = nullptr;
        if (gp_widget_get_value(widget, &text) == GP_OK && text)
            model = QString::fromUtf8(text).trimmed();
        gp_widget_free(widget);
    }
    CameraAbilities abilities;
    if (model.isEmpty() && gp_camera_get_abilities(camera, &abilities) == GP_OK)
        model = QString::fromUtf8(abilities.model);
    return model;
}

} // namespace

CameraLookup CameraLookup::standard() {
    return {true, {QStringLiteral("/run/user/%1/gvfs").arg(getuid())}, {}, {}};
}

CameraDevice::CameraDevice(Camera* camera, GPContext* context)
    : m_camera(camera), m_context(context), m_model(modelOf(camera, context)) {}

std::unique_ptr<CameraDevice> CameraDevice::open(const CameraLookup& lookup) {
    if (!lookup.enabled)
        return nullptr;
    GPContext* context = gp_context_new();
    std::optional<std::pair<QString, QString>> wanted;
    if (lookup.model.isEmpty())
        wanted = detectedCamera(context);
    else
        wanted = {lookup.model, lookup.port};
    Camera* camera = nullptr;
    if (wanted && gp_camera_new(&camera) == GP_OK && setModel(camera, wanted->first, context) &&
        setPort(camera, wanted->second) && gp_camera_init(camera, context) == GP_OK)
        return std::unique_ptr<CameraDevice>(new CameraDevice(camera, context));
    if (camera)
        gp_camera_free(camera);
    gp_context_unref(context);
    return nullptr;
}

CameraDevice::~CameraDevice() {
    gp_camera_exit(m_camera, m_context);
    gp_camera_free(m_camera);
    gp_context_unref(m_context);
}

std::optional<QStringList> CameraDevice::list(const QString& folder, bool files) const {
    CameraList* list = nullptr;
    gp_list_new(&list);
    const QByteArray path = folder.toUtf8();
    const int listed = files ? gp_camera_folder_list_files(m_camera, path, list, m_context)
                             : gp_camera_folder_list_folders(m_camera, path, list, m_context);
    std::optional<QStringList> names;
    if (listed >= GP_OK) {
        names = namesOf(list);
        names->removeIf(
            [](const QString& name) { return name.startsWith(u'.') || !isWholeName(name); });
        sortByName(*names);
    }
    gp_list_free(list);
    return names;
}

bool CameraDevice::appendPhotosOf(const QString& folder, QList<File>& photos) const {
    const std::optional<QStringList> names = list(folder, true);
    for (const QString& name : names.value_or(QStringList())) {
        if (isPhotoFileName(name))
            photos.append({folder, name, sizeOf(folder, name)});
    }
    return names.has_value();
}

std::optional<QList<CameraDevice::File>> CameraDevice::listPhotos() const {
    const QString top = QStringLiteral("/");
    const std::optional<QStringList> topFolders = list(top, false);
    if (!topFolders)
        return std::nullopt;
    QStringList roots;
    if (std::any_of(topFolders->cbegin(), topFolders->cend(), isDcim)) {
        roots << top;
    } else {
        for (const QString& storage : *topFolders) {
            const QStringList inside =
                list(joinedFolder(top, storage), false).value_or(QStringList());
            if (std::any_of(inside.cbegin(), inside.cend(), isDcim))
                roots << joinedFolder(top, storage);
        }
    }
    QList<File> photos;
    for (const QString& root : roots) {
        appendPhotosOf(root, photos);
        for (const QString& dcim : list(root, false).value_or(QStringList())) {
            if (!isDcim(dcim))
                continue;
            const QString dcimFolder = joinedFolder(root, dcim);
            for (const QString& camera : list(dcimFolder, false).value_or(QStringList()))
                appendPhotosOf(joinedFolder(dcimFolder, camera), photos);
        }
    }
    return photos;
}

// libgphoto2 writes the file straight into the new file's descriptor as it
// arrives; the new file replaces nothing until the whole photo is in.
bool CameraDevice::copyTo(const File& file, const QString& hostTarget, QByteArray* headHash) const {
    QSaveFile target(hostTarget);
    if (!target.open(QIODevice::WriteOnly))
        return false;
    CameraFile* transfer = nullptr;
    const int descriptor = ::dup(target.handle());
    if (descriptor < 0 || gp_file_new_from_fd(&transfer, descriptor) != GP_OK) {
        if (descriptor >= 0)
            ::close(descriptor);
        target.cancelWriting();
        return false;
    }
    const int got = gp_camera_file_get(m_camera, file.folder.toUtf8().constData(),
                                       file.name.toUtf8().constData(), GP_FILE_TYPE_NORMAL,
                                       transfer, m_context);
    gp_file_free(transfer);
    if (got < GP_OK) {
        target.cancelWriting();
        return false;
    }
    if (headHash) {
        // The head just written is still in memory: reading it back costs no
        // second transfer from the device.
        QByteArray head(HeadHashBytes, Qt::Uninitialized);
        const ssize_t read = ::pread(target.handle(), head.data(), head.size(), 0);
        if (read >= 0) {
            HeadHasher hasher;
            hasher.add(head.constData(), read);
            *headHash = hasher.result();
        }
    }
    return target.commit();
}

qint64 CameraDevice::sizeOf(const QString& folder, const QString& name) const {
    CameraFileInfo info{};
    if (gp_camera_file_get_info(m_camera, folder.toUtf8().constData(), name.toUtf8().constData(),
                                &info, m_context) < GP_OK ||
        !(info.file.fields & GP_FILE_INFO_SIZE))
        return -1;
    return qint64(info.file.size);
}

QByteArray CameraDevice::headHash(const File& file) const {
    const QByteArray folder = file.folder.toUtf8();
    const QByteArray name = file.name.toUtf8();
    QByteArray head(HeadHashBytes, Qt::Uninitialized);
    uint64_t size = head.size();
    HeadHasher hasher;
    const int read = gp_camera_file_read(m_camera, folder.constData(), name.constData(),
                                         GP_FILE_TYPE_NORMAL, 0, head.data(), &size, m_context);
    if (read >= GP_OK) {
        hasher.add(head.constData(), qint64(size));
        return hasher.result();
    }
    // A driver that cannot read part of a file gives it whole; a file larger
    // than any photo is not taken into memory for it.
    if (read != GP_ERROR_NOT_SUPPORTED || file.size < 0 ||
        file.size > untrustedSizeLimit(UntrustedKind::Photo))
        return {};
    CameraFile* whole = nullptr;
    if (gp_file_new(&whole) != GP_OK)
        return {};
    const std::unique_ptr<CameraFile, int (*)(CameraFile*)> owned(whole, gp_file_free);
    const char* data = nullptr;
    unsigned long length = 0;
    if (gp_camera_file_get(m_camera, folder.constData(), name.constData(), GP_FILE_TYPE_NORMAL,
                           whole, m_context) < GP_OK ||
        gp_file_get_data_and_size(whole, &data, &length) != GP_OK)
        return {};
    hasher.add(data, qint64(length));
    return hasher.result();
}
