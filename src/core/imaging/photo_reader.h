// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/untrusted_file.h"

#include <QByteArray>
#include <QImage>
#include <QImageIOHandler>
#include <QSize>
#include <QString>
#include <memory>
#include <optional>

class HeifPhoto;
class PhotoLink;

// One photo file (JPEG, or HEIF through libheif), opened once. Its front is
// read once for the size, the orientation and the camera's thumbnail, and the
// rest only when the picture itself is decoded, so that a photo on a network
// drive costs as few round trips as it can. It is opened as a file a pupil or
// a card may have planted: a link, a FIFO or a device is no photo. The
// functions of photo_decoder.h are its one-step uses and say what each call
// gives.
class PhotoReader {
public:
    // With a link, a photo on a network drive comes through it (see
    // PhotoLink); without one it is read whole before it is decoded.
    explicit PhotoReader(const QString& hostPath, PhotoLink* link = nullptr);
    ~PhotoReader();

    QSize uprightSize() const;       // readPhotoSize
    QImage whole();                  // decodePhoto
    QImage scaled(const QSize& box); // decodePhotoScaled
    // The two ways of scaled(), apart: from the embedded thumbnail only (a
    // null image when there is none at least box and of the photo's
    // proportions), and by the reduced-size decode only (for HEIF, which has
    // none, the whole picture scaled).
    QImage exifThumbnailScaled(const QSize& box);
    QImage reduced(const QSize& box);

private:
    struct Header {
        QSize storedSize;
        QImageIOHandler::Transformations transformation;
    };

    template <typename Accept> QImage uprightExifThumbnail(Accept accept);
    template <typename Prepare> QImage decodeFile(Prepare prepare);

    UntrustedFile m_file;
    QByteArray m_head;
    std::optional<Header> m_header;
    std::unique_ptr<HeifPhoto> m_heif;
    PhotoLink* m_link;
};
