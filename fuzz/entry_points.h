// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// What each fuzz target feeds its input to, shared with the test that replays
// the seed corpus. Each returns false when a property of the readers does not
// hold for the input; sanitizers catch the rest.

// The bytes as an index file: decoded, parsed, written and parsed again.
bool checkIndexReader(const QByteArray& bytes);
// The bytes as a settings file.
bool checkSettingsReader(const QByteArray& bytes);
// The bytes, decoded, as a typed folder title and as a directory name read
// from an index.
bool checkNameCheck(const QByteArray& bytes);
// Decoding, the encodability check and encoding agree with each other.
bool checkCp932(const QByteArray& bytes);
