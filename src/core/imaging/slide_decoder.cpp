// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/imaging/slide_decoder.h"

#include "core/geometry/fitting.h"
#include "core/imaging/photo_reader.h"

#include <QtConcurrent/QtConcurrentRun>
#include <cstdlib>

void SlideDecoder::reset(const QStringList& hostPaths, const QSize& drawSize) {
    m_paths = hostPaths;
    m_drawSize = drawSize;
    m_slides.clear();
}

DecodedSlide SlideDecoder::slide(int k) {
    if (k < 1 || k > m_paths.size())
        return {};
    prefetch(k);
    const DecodedSlide wanted = m_slides.at(k).result();
    std::erase_if(m_slides, [k](const auto& entry) { return std::abs(entry.first - k) > 1; });
    prefetch(k + 1);
    prefetch(k - 1);
    return wanted;
}

DecodedSlide SlideDecoder::decode(const QString& hostPath, const QSize& box) {
    PhotoReader photo(hostPath);
    const QSize photoSize = photo.uprightSize();
    QImage image = photo.scaled(fittedSize(photoSize, box));
    if (image.isNull())
        return {};
    return {std::move(image), photoSize};
}

void SlideDecoder::prefetch(int k) {
    if (k < 1 || k > m_paths.size() || m_slides.contains(k))
        return;
    m_slides.emplace(k, QtConcurrent::run(&SlideDecoder::decode, m_paths[k - 1], m_drawSize));
}
