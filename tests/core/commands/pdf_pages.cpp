// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commands/pdf_pages.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

namespace {
std::optional<QString> run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}
} // namespace

QString popplerMissingReason() {
    for (const char* tool : {"pdfinfo", "pdftoppm"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QStringLiteral("%1 is not installed (Debian package poppler-utils; "
                                  "scripts/setup.sh installs it)")
                .arg(QString::fromLatin1(tool));
    return {};
}

std::optional<int> pdfPageCount(const QString& pdfPath) {
    const std::optional<QString> info = run(QStringLiteral("pdfinfo"), {pdfPath});
    if (!info)
        return std::nullopt;
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(*info);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

QImage renderPdfPage(const QString& pdfPath, int page, int dpi) {
    QTemporaryDir out;
    const QString prefix = out.filePath(QStringLiteral("page"));
    const QString number = QString::number(page);
    if (!run(QStringLiteral("pdftoppm"), {"-png", "-r", QString::number(dpi), "-f", number, "-l",
                                          number, "-singlefile", pdfPath, prefix}))
        return {};
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QColor meanColourOfMiddle(const QImage& image, const QRectF& rect) {
    const QRect middle =
        QRectF(rect.center() - QPointF(rect.width() / 10, rect.height() / 10), rect.size() / 5)
            .toAlignedRect()
            .intersected(image.rect());
    long long r = 0, g = 0, b = 0, n = 0;
    for (int y = middle.top(); y <= middle.bottom(); ++y)
        for (int x = middle.left(); x <= middle.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            r += qRed(pixel);
            g += qGreen(pixel);
            b += qBlue(pixel);
            ++n;
        }
    if (n == 0)
        return {};
    return QColor(int(r / n), int(g / n), int(b / n));
}

QRectF pageRect(const QImage& page, double left, double top, double right, double bottom) {
    return QRectF(QPointF(left * page.width(), top * page.height()),
                  QPointF(right * page.width(), bottom * page.height()));
}

bool isPaperWhite(const QColor& colour) {
    return colour.red() >= 240 && colour.green() >= 240 && colour.blue() >= 240;
}

bool closeColours(const QColor& a, const QColor& b, int tolerance) {
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}
