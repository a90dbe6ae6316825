#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Saves into a database on the suite's private Samba share while its server
# is stopped longer than the stale time, and while it is killed mid-copy,
# RUNS times each (10 by default), and sums what landed: the rows the savers
# were told were saved against those present, the rows whose count is not
# their photos, and the temporaries and marks left. Needs root, as the
# share's tests do.
#
#   bench/share_faults.sh <build folder> [RUNS]
set -eu
build=${1:?usage: share_faults.sh <build folder> [runs]}
runs=${2:-10}
for case in AServerStoppedLongerThanTheStaleTimeLosesNoSavedRow \
            AServerKilledMidCopyLeavesCountsRightAndNoTemporaries; do
    QT_QPA_PLATFORM=offscreen "$build/tests/test_commands" \
        --gtest_filter="WindowsShareWriters.$case" --gtest_repeat="$runs" 2>&1 |
        awk -v name="$case" '
            /\[ figures \]/ { told += $(NF-15); present += $(NF-11); mismatches += $(NF-7); left += $(NF-4); n++ }
            /FAILED  \]/ { failed++ }
            END { printf "%s: %d runs, %d rows told saved, %d present, %d count mismatches, %d temporaries or marks left, %d failed\n", name, n, told, present, mismatches, left, failed / 2 }'
done
