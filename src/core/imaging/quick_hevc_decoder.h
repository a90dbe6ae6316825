// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A decoder for libheif that reads HEVC through libde265 on the calling
// thread and skips the in-loop filters (deblocking and sample adaptive
// offset). The thumbnails tablets embed are drawn at a fraction of their size,
// where the filters change nothing one can see, and they take most of the
// decoding time. It is taken only inside a QuickHevcDecoding on the same
// thread; every other picture is decoded by libheif's own decoder.
bool registerQuickHevcDecoder();

class QuickHevcDecoding {
public:
    QuickHevcDecoding();
    ~QuickHevcDecoding();
    QuickHevcDecoding(const QuickHevcDecoding&) = delete;
    QuickHevcDecoding& operator=(const QuickHevcDecoding&) = delete;
};
