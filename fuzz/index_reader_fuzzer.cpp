// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry_points.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!checkIndexReader(
            QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size))))
        __builtin_trap();
    return 0;
}
