// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/cp932_text.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>
#include <utility>

namespace {

const char* const CodecName = "windows-31j";
constexpr char16_t Replacement = 0xFFFD;

// ICU's table for this code page moves the control codes 0x1A, 0x1C and 0x7F
// the IBM way and reports a single invalid byte as U+001A, where Windows keeps
// the controls as they are. None of them is ever the second byte of a
// character, so text is converted in runs between them and they pass through.
bool passesThrough(char16_t code) {
    return code == 0x1A || code == 0x1C || code == 0x7F;
}

QString decodeRun(QByteArrayView bytes) {
    // The decoder drops a first byte left without its second at the end of the
    // input; a closing space makes it report that byte, and is then taken off.
    QStringDecoder decoder(CodecName, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes.toByteArray() + ' ');
    text.chop(1);
    text.replace(QChar(0x1A), QChar(Replacement));
    return text;
}

// A character the code page lacks is written as "?". Each distinct character
// is converted once: a converter costs far more than a character, and a long
// line of text that could not be read holds thousands of U+FFFD.
QByteArray encodeEachCharacter(QStringView text) {
    QHash<char32_t, QByteArray> converted;
    QByteArray bytes;
    for (qsizetype i = 0; i < text.size();) {
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        const char32_t code =
            pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t(text[i].unicode());
        auto found = converted.find(code);
        if (found == converted.end()) {
            QStringEncoder encoder(CodecName, QStringEncoder::Flag::Stateless);
            const QByteArray character = encoder.encode(text.sliced(i, length));
            found = converted.insert(code, encoder.hasError() ? QByteArrayLiteral("?") : character);
        }
        bytes += *found;
        i += length;
    }
    return bytes;
}

QByteArray encodeRun(QStringView text) {
    QStringEncoder encoder(CodecName, QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return encoder.hasError() ? encodeEachCharacter(text) : bytes;
}

} // namespace

QString decodeCp932(const QByteArray& bytes) {
    QString text;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && !passesThrough(uchar(bytes[i])))
            continue;
        text += decodeRun(QByteArrayView(bytes).sliced(start, i - start));
        if (i < bytes.size())
            text += QChar(uchar(bytes[i]));
        start = i + 1;
    }
    return text;
}

QString toWindowsForms(const QString& text) {
    static constexpr std::pair<char16_t, char16_t> forms[] = {
        {0x301C, 0xFF5E}, {0x2212, 0xFF0D}, {0x2016, 0x2225},
        {0x00A2, 0xFFE0}, {0x00A3, 0xFFE1}, {0x00AC, 0xFFE2},
    };
    QString result = text;
    for (const auto& [linuxForm, windowsForm] : forms)
        result.replace(QChar(linuxForm), QChar(windowsForm));
    return result;
}

QByteArray encodeCp932(const QString& original) {
    const QString text = toWindowsForms(original);
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !passesThrough(text[i].unicode()))
            continue;
        bytes += encodeRun(QStringView(text).sliced(start, i - start));
        if (i < text.size())
            bytes += char(text[i].unicode());
        start = i + 1;
    }
    return bytes;
}

bool canEncodeCp932(const QString& text) {
    // A lacking character is written as "?", and the converter maps some
    // characters one way only (a "best fit"): only a text that reads back as
    // itself can be written.
    return decodeCp932(encodeCp932(text)) == toWindowsForms(text);
}

QStringList decodeCp932Lines(const QByteArray& bytes) {
    QStringList lines;
    for (const QByteArray& line : splitTextLines(bytes))
        lines << decodeCp932(line);
    return lines;
}

QList<QByteArray> splitTextLines(const QByteArray& bytes) {
    const QByteArray end =
        bytes.contains("\r\n") ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype found = bytes.indexOf(end, start);
        const qsizetype stop = found < 0 ? bytes.size() : found;
        lines << bytes.sliced(start, stop - start);
        start = stop + end.size();
    }
    return lines;
}

std::optional<QStringList> readCp932Lines(const QString& hostPath, UntrustedKind kind) {
    const UntrustedBytes file = readUntrusted(hostPath, kind);
    if (!file.ok())
        return std::nullopt;
    return decodeCp932Lines(file.bytes);
}

QStringList decodeLinesExpecting(const QByteArray& bytes, TextEncoding expected,
                                 bool* otherEncoding) {
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8.decode(text);
    const bool validUtf8 = !utf8.hasError();
    const bool beyondAscii =
        std::any_of(text.cbegin(), text.cend(), [](char c) { return (c & 0x80) != 0; });
    const TextEncoding found =
        expected == TextEncoding::Cp932
            ? (beyondAscii && validUtf8 ? TextEncoding::Utf8 : TextEncoding::Cp932)
            : (validUtf8 ? TextEncoding::Utf8 : TextEncoding::Cp932);
    if (otherEncoding)
        *otherEncoding = found != expected;
    if (found == TextEncoding::Cp932)
        return decodeCp932Lines(text);
    // An editor's file: any line end ends a line.
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = asUtf8.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QByteArray encodeCp932Lines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return encodeCp932(text);
}
