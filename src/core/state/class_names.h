// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The school's thirty classes: index 0..29 is grade index/5+1, class index%5+1.

// "１年１組" … "６年５組".
QString classDisplayName(int index);
// "CLASS_11" … "CLASS_65".
QString classFolderName(int index);
