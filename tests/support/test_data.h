// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <gtest/gtest.h>

// The shared photos and text files next to the project. A fresh clone has
// none; tests that need them skip themselves.
QString sharedTestData(const QString& relativePath = {});
bool haveSharedTestData();

#define REQUIRE_SHARED_TESTDATA()                                                                  \
    do {                                                                                           \
        if (!haveSharedTestData())                                                                 \
            GTEST_SKIP() << "../shared/testdata is not present (a fresh clone has no shared "      \
                            "test files); the self-made inputs cover this behaviour";              \
    } while (0)
