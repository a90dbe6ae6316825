// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/untrusted_file.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Code page 932 (Shift-JIS as Windows maps it) text files with CR LF line ends,
// read and written whole. Invalid byte sequences read as U+FFFD.

QString decodeCp932(const QByteArray& bytes);
// Linux input methods type 〜 − ‖ ¢ £ ¬ where Windows types ～ － ∥ ￠ ￡ ￢;
// only the Windows forms have codes in the code page, so the others become
// them. Every other character stays.
QString toWindowsForms(const QString& text);
// Text in its Windows forms (see toWindowsForms); characters the code page
// still lacks become "?".
QByteArray encodeCp932(const QString& text);
// False when text, in its Windows forms, holds a character the code page
// lacks, so that it would not read back as written.
bool canEncodeCp932(const QString& text);

// The lines of a text file's bytes, without their ends. In a file that holds
// any CR LF only CR LF ends a line, so a lone CR or LF inside a line stays in
// it; a file without CR LF ends its lines at LF. A final line end does not
// make an empty last line.
QList<QByteArray> splitTextLines(const QByteArray& bytes);

// The lines as splitTextLines gives them, decoded.
QStringList decodeCp932Lines(const QByteArray& bytes);
// The lines of a file (as decodeCp932Lines), read as a file a pupil may have
// planted; nullopt when it cannot be read.
std::optional<QStringList> readCp932Lines(const QString& hostPath,
                                          UntrustedKind kind = UntrustedKind::Index);

// The lines of a settings file meant to be in one encoding but perhaps saved
// in the other by an editor: bytes that are plainly UTF-8 (multi-byte
// sequences, all valid) in a file meant for code page 932, or bytes that are
// no UTF-8 in a file meant for UTF-8, are decoded as what they are and
// otherEncoding, when given, is set. A UTF-8 byte order mark is dropped.
enum class TextEncoding { Cp932, Utf8 };
QStringList decodeLinesExpecting(const QByteArray& bytes, TextEncoding expected,
                                 bool* otherEncoding = nullptr);

// The bytes of a file of lines: every line followed by CR LF.
QByteArray encodeCp932Lines(const QStringList& lines);
