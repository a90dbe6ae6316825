// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Cameras and tablets that the desktop has claimed and mounted through gvfs
// ("gphoto2:host=…" or "mtp:host=…" in its folder /run/user/<uid>/gvfs);
// libgphoto2 cannot open a device the desktop holds, so it is read there as
// a card.

// The folder of the first such device in roots that holds a DCIM folder:
// the device itself, or its storage folder that holds it; nullopt when none.
std::optional<QString> desktopDeviceFolder(const QStringList& roots);

// The name of the device whose mount holds hostFolder, from the mount's name
// ("gphoto2:host=Apple_Inc._iPad" gives "Apple Inc. iPad"); empty when the
// folder lies in no device mount of roots.
QString desktopDeviceName(const QString& hostFolder, const QStringList& roots);
