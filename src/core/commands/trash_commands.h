// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/library/class_trash.h"

#include <QList>
#include <QString>
#include <QStringList>

struct AppContext;

// The items of the open class's trash, oldest first.
QList<TrashEntry> classTrashEntries(AppContext& program);

// Puts the items ids (every item when ids is empty) back: a photo into its folder, a folder with
// its row (under the lowest free number when its own is taken). Tells the pupil of any that could
// not go back, and shows the class again.
void restoreTrashItems(AppContext& program, const QStringList& ids);

// After asking once more (No by default), removes the items ids for good, or
// every item when ids is empty.
void emptyTrashItems(AppContext& program, const QStringList& ids);
