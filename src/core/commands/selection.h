// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

struct AppContext;
struct ProgramState;

// The commands on marked photos work on at most this many of them.
inline constexpr int MaxSelectedPhotos = 100;

inline const QString NothingMarkedMessage = QStringLiteral("しゃしんをえらんでください。");
inline const QString SomePhotosStayedMessage = QStringLiteral("けせなかったしゃしんがあります。");

// Counts every marked photo of the open folder into SelectedCount and keeps
// the paths of the first keep of them, in photo-number order, in
// SelectedPaths.
void collectMarkedPhotos(ProgramState& state, int keep = MaxSelectedPhotos);

// Collects the marked photos; when none is marked, tells the pupil to choose
// some and returns false.
bool collectMarkedPhotosOrInform(AppContext& program);

// The first min(count, MaxSelectedPhotos) collected paths.
QStringList collectedPaths(const ProgramState& state, int count);
