#include "platform/photo_captions.h"

#include "imaging/jpeg_decoder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLocale>
#include <QPainter>

#include <vector>

namespace skyfolio {
namespace {

// The shadow: the text in black, spread this many pixels each way at this
// opacity per copy, so that white text reads on a white sky.
constexpr int kShadowSpread = 2;
constexpr int kShadowAlpha = 48;

}  // namespace

QDate photoDate(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (file.open(QIODevice::ReadOnly)) {
        if (const std::optional<JpegHeader> header = readJpegHeader(file); header && !header->dateTaken.empty()) {
            const QDate taken = QDate::fromString(QString::fromStdString(header->dateTaken.substr(0, 10)), "yyyy:MM:dd");
            if (taken.isValid()) return taken;
        }
    }
    return QFileInfo(file).lastModified().date();
}

QString captionText(const std::string& path) {
    const QLocale locale = QLocale::system();
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.remove(QStringLiteral("dddd"));
    while (!format.isEmpty() && !format.front().isLetter()) format.remove(0, 1);
    const QString date = locale.toString(photoDate(path), format);
    const QString folder = QFileInfo(QString::fromStdString(path)).dir().dirName();
    return folder.isEmpty() ? date : date + QStringLiteral("  \u00B7  ") + folder;
}

Pixels PhotoCaptions::caption(const std::string& path, int height) {
    const QString text = captionText(path);
    QFont font;
    font.setPixelSize(std::max(1, height));
    const QFontMetrics metrics(font);
    QImage image(metrics.horizontalAdvance(text) + 2 * kShadowSpread, metrics.height() + 2 * kShadowSpread,
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return {};
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(font);
        const int baseline = kShadowSpread + metrics.ascent();
        painter.setPen(QColor(0, 0, 0, kShadowAlpha));
        for (int dy = -kShadowSpread; dy <= kShadowSpread; ++dy)
            for (int dx = -kShadowSpread; dx <= kShadowSpread; ++dx)
                painter.drawText(kShadowSpread + dx, baseline + dy, text);
        painter.setPen(Qt::white);
        painter.drawText(kShadowSpread, baseline, text);
    }
    std::vector<uint32_t> rows(size_t(image.width()) * size_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        std::copy_n(reinterpret_cast<const uint32_t*>(image.constScanLine(y)), image.width(), rows.data() + size_t(y) * size_t(image.width()));
    return Pixels({image.width(), image.height()}, std::move(rows));
}

}  // namespace skyfolio
