#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Code page 932 (Shift-JIS as Windows maps it) text files with CR LF line ends,
// read and written whole. Invalid byte sequences read as U+FFFD.

QString decodeCp932(const QByteArray& bytes);
// Characters the code page lacks become "?".
QByteArray encodeCp932(const QString& text);
// False when text holds a character the code page lacks, so that it would not
// read back as written.
bool canEncodeCp932(const QString& text);

// The lines of a text file's bytes, without their ends. In a file that holds
// any CR LF only CR LF ends a line, so a lone CR or LF inside a line stays in
// it; a file without CR LF ends its lines at LF. A final line end does not
// make an empty last line.
QList<QByteArray> splitTextLines(const QByteArray& bytes);

// The file's lines as splitTextLines gives them, decoded. nullopt when the
// file cannot be opened.
std::optional<QStringList> readCp932Lines(const QString& hostPath);

// Every line followed by CR LF, written through QSaveFile so a failed write
// leaves the old file whole.
bool writeCp932Lines(const QString& hostPath, const QStringList& lines,
                     QString* errorString = nullptr);
