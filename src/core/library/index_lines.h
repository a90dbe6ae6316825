// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>

// The lines of an index file's bytes (see splitTextLines), with one repair: a
// lone CR or LF inside a line still ends nothing, except where the text after
// it begins a row of its own ("title,IMG_0007_title,2002/06/15 12,"). There
// the line is the two lines it holds, so that a damaged line end never hides
// the next row in the remark of the one above. The lone ends go with the cut.
QList<QByteArray> splitIndexLines(const QByteArray& bytes);
