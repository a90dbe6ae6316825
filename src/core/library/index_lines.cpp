// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/index_lines.h"

#include "core/files/cp932_text.h"

#include <QRegularExpression>
#include <QString>

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Bytes are matched as Latin-1 characters: the pattern's bytes are all ASCII
// and never the second byte of a code page 932 character.
bool beginsRow(const QString& line, qsizetype at) {
    static const QRegularExpression row(QStringLiteral(
        "[^,\\r\\n]*,IMG_[0-9]{4}_[^,\\r\\n]*,[0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]+(,|$)"));
    return row
        .match(line, at, QRegularExpression::NormalMatch,
               QRegularExpression::AnchorAtOffsetMatchOption)
        .hasMatch();
}

void appendCut(const QByteArray& line, QList<QByteArray>& lines) {
    QString text; // made only for a line that holds a lone line end
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (!isLineEnd(line[i]))
            continue;
        if (text.isEmpty())
            text = QString::fromLatin1(line);
        if (!beginsRow(text, i + 1))
            continue;
        qsizetype end = i;
        while (end > start && isLineEnd(line[end - 1]))
            --end;
        lines << line.sliced(start, end - start);
        start = i + 1;
    }
    lines << line.sliced(start);
}

} // namespace

QList<QByteArray> splitIndexLines(const QByteArray& bytes) {
    QList<QByteArray> lines;
    for (const QByteArray& line : splitTextLines(bytes))
        appendCut(line, lines);
    return lines;
}
