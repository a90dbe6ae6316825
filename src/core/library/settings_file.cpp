// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/library/settings_file.h"

#include "core/files/cp932_text.h"
#include "core/files/file_system.h"

namespace {

// Splits the text after the two whole lines into fields the way a
// comma-separated read does: blanks before a field are skipped, a quoted
// field runs to its closing quote, any other field ends at a comma or line
// end.
class FieldReader {
public:
    explicit FieldReader(QStringList lines) : m_lines(std::move(lines)) {}

    std::optional<QString> next() {
        if (m_line >= m_lines.size())
            return std::nullopt;
        const QString& line = m_lines[m_line];
        qsizetype pos = m_pos;
        while (pos < line.size() && (line[pos] == u' ' || line[pos] == u'\t'))
            ++pos;
        QString field;
        qsizetype end;
        if (pos < line.size() && line[pos] == u'"') {
            const qsizetype close = line.indexOf(u'"', pos + 1);
            const qsizetype stop = close < 0 ? line.size() : close;
            field = line.mid(pos + 1, stop - pos - 1);
            end = close < 0 ? line.size() : line.indexOf(u',', close);
        } else {
            end = line.indexOf(u',', pos);
            field = line.mid(pos, (end < 0 ? line.size() : end) - pos);
        }
        if (end < 0 || end >= line.size()) {
            ++m_line;
            m_pos = 0;
        } else {
            m_pos = end + 1;
        }
        return field;
    }

private:
    QStringList m_lines;
    qsizetype m_line = 0;
    qsizetype m_pos = 0;
};

std::optional<int> parseNodeNumber(const QString& field) {
    if (field.trimmed().isEmpty())
        return 0;
    bool ok = false;
    const int number = field.trimmed().toInt(&ok);
    if (!ok || number < -32768 || number > 32767)
        return std::nullopt;
    return number;
}

QString formatNodeNumber(int number) {
    return (number < 0 ? QString() : QStringLiteral(" ")) + QString::number(number) + u' ';
}

} // namespace

SettingsRead parseSettingsLines(const QStringList& lines) {
    SettingsRead read;
    if (!lines.isEmpty())
        read.photoDrive = lines[0];
    if (lines.size() < 2)
        return read;
    read.saveBase = lines[1];

    FieldReader fields(lines.mid(2));
    read.saveSubFolder = fields.next();
    if (!read.saveSubFolder)
        return read;
    read.usageMode = fields.next();
    if (!read.usageMode)
        return read;
    const std::optional<QString> number = fields.next();
    if (!number || !(read.pcNumber = parseNodeNumber(*number)))
        return read;
    read.databaseRoot = fields.next();
    return read;
}

QStringList formatSettingsLines(const SettingsValues& values) {
    return {values.photoDrive,
            values.saveBase,
            values.saveSubFolder,
            values.usageMode,
            formatNodeNumber(values.pcNumber),
            values.databaseRoot};
}

SettingsRead readSettingsFile(const QString& hostPath) {
    const UntrustedBytes file = readUntrusted(hostPath, UntrustedKind::SettingsFile);
    if (!file.ok())
        return {};
    bool otherEncoding = false;
    SettingsRead read =
        parseSettingsLines(decodeLinesExpecting(file.bytes, TextEncoding::Cp932, &otherEncoding));
    read.savedInUtf8 = otherEncoding;
    return read;
}

bool writeSettingsFile(const FileSystem& files, const QString& hostPath,
                       const SettingsValues& values, QString* errorString) {
    return files.writeHostTextLines(hostPath, formatSettingsLines(values), errorString);
}
