// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/imaging/image_orientation.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <memory>

class QFile;
struct heif_context;
struct heif_image_handle;
struct HeifFileView;

// True when the front of a file says it is a HEIF image (the HEIC photos of
// tablets and phones).
bool looksLikeHeif(const QByteArray& head);

// One HEIF photo read through libheif from an open file. Only the boxes that
// describe the picture are read on opening; the picture's data is read when
// it is decoded, from a reading of the file of its own. The orientation is applied once: the file's
// own rotation and mirroring when it has any, else the EXIF orientation, since writers that store
// both mean the same turn by them.
class HeifPhoto {
public:
    // file stays open and in place while this lives.
    explicit HeifPhoto(QFile& file);
    ~HeifPhoto();
    HeifPhoto(const HeifPhoto&) = delete;
    HeifPhoto& operator=(const HeifPhoto&) = delete;

    // Invalid when the file is no readable HEIF.
    QSize uprightSize() const { return m_uprightSize; }
    // The whole picture, upright; null when it cannot be decoded.
    QImage whole() const;
    // The thumbnail the file carries, upright; null when it has none.
    QImage embeddedThumbnail() const;
    // Of the thumbnail, its upright size without decoding it; invalid when
    // there is none.
    QSize embeddedThumbnailSize() const;

private:
    QImage decodeUpright(heif_image_handle* handle) const;

    QFile& m_file;
    std::unique_ptr<HeifFileView> m_view;
    std::unique_ptr<heif_context, void (*)(heif_context*)> m_context;
    std::unique_ptr<heif_image_handle, void (*)(const heif_image_handle*)> m_primary;
    std::unique_ptr<heif_image_handle, void (*)(const heif_image_handle*)> m_thumbnail;
    // What is left to turn after libheif has applied the file's own turns.
    Orientation m_exifOrientation = QImageIOHandler::TransformationNone;
    QSize m_uprightSize;
};
