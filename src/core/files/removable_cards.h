// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A volume the desktop has mounted where removable cards go.
struct MountedCard {
    QString hostFolder;
    bool hasDcim = false;
};

// The volumes mounted directly inside one of roots, in the order they were
// mounted.
QList<MountedCard> mountedCardsIn(const QStringList& roots);

// The card a camera's photos are on: the last mounted of those with a DCIM
// folder, else the last mounted of all; nullopt when there is none.
std::optional<QString> chooseCard(const QList<MountedCard>& cards);

// The name a pupil knows the card by: its volume label, else the name of the
// folder it is mounted on (which desktops take from the label).
QString cardName(const QString& hostFolder);
