// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFuture>
#include <QImage>
#include <QSize>
#include <QStringList>
#include <map>

// A slide made from its photo file at the size it is drawn at: inside the
// slide's box in the photo's own proportions.
struct DecodedSlide {
    QImage image;    // null when the photo cannot be decoded
    QSize photoSize; // the photo's own upright size; invalid with no image
};

// Makes the slides of a show on worker threads: the slide shown and its two
// neighbours are kept, and the neighbours are made while the slide is shown,
// so a step finds its slide ready.
class SlideDecoder {
public:
    // A new show of the photos at hostPaths (slide k is entry k - 1), drawn
    // at drawSize. Work for the previous show is forgotten.
    void reset(const QStringList& hostPaths, const QSize& drawSize);

    // Slide k, waiting for it when it is still being made; then starts on
    // its neighbours.
    DecodedSlide slide(int k);

    // Starts making slide k unless it is made or being made.
    void prefetch(int k);

    // Decodes a photo as a slide fitting into box, on the calling thread.
    static DecodedSlide decode(const QString& hostPath, const QSize& box);

private:
    QStringList m_paths;
    QSize m_drawSize;
    std::map<int, QFuture<DecodedSlide>> m_slides;
};
