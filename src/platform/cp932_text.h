#pragma once

#include <QByteArray>
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

// Lines without their ends; a final line end does not make an empty last line.
// Lone CR or LF also end a line. nullopt when the file cannot be opened.
std::optional<QStringList> readCp932Lines(const QString& hostPath);

// Every line followed by CR LF, written through QSaveFile so a failed write
// leaves the old file whole.
bool writeCp932Lines(const QString& hostPath, const QStringList& lines,
                     QString* errorString = nullptr);
