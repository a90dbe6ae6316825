// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/share_directory.h"

#include <QElapsedTimer>
#include <cerrno>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Answers {
    const char* name;
    std::vector<int> errors; // what mkdir answers, one after another; the last repeats
    int expectedError;
    bool expectedRetried;
    int expectedCalls;
};

class MakingOnAShare : public testing::TestWithParam<Answers> {};

TEST_P(MakingOnAShare, AsksAgainOnlyWhileTheErrorPasses) {
    const Answers& answers = GetParam();
    int calls = 0;
    QElapsedTimer took;
    took.start();
    const DirectoryMaking making =
        makeDirectoryOnShare("/nowhere", std::chrono::milliseconds(200), [&](const char*) {
            const int error = answers.errors[std::min<size_t>(calls++, answers.errors.size() - 1)];
            errno = error;
            return error == 0 ? 0 : -1;
        });
    EXPECT_EQ(making.error, answers.expectedError);
    EXPECT_EQ(making.retried, answers.expectedRetried);
    if (answers.expectedCalls > 0) {
        EXPECT_EQ(calls, answers.expectedCalls);
    }
    EXPECT_LT(took.elapsed(), 1000);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, MakingOnAShare,
    testing::Values(Answers{"made", {0}, 0, false, 1},
                    Answers{"ioErrorThenMade", {EIO, EIO, 0}, 0, true, 3},
                    Answers{"ioErrorThenThere", {EIO, EEXIST}, EEXIST, true, 2},
                    Answers{"alreadyThere", {EEXIST}, EEXIST, false, 1},
                    Answers{"refusedAtOnce", {EACCES}, EACCES, false, 1},
                    Answers{"ioErrorUntilThePatienceEnds", {EIO}, EIO, true, 0}),
    [](const testing::TestParamInfo<Answers>& info) { return info.param.name; });

} // namespace
