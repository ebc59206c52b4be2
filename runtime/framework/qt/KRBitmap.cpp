#include "framework/qt/KRBitmap.h"

#include <QImage>
#include <QPixmapCache>
#include <QString>

namespace korvan {

namespace {

QPixmap Load(const QString &Name)
{
    QImage Image(QStringLiteral(":/korvan/bitmaps/%1.xpm").arg(Name));
    if (Image.isNull())
        return {};
    Image = Image.convertToFormat(QImage::Format_ARGB32);
    const QRgb Transparent = Image.pixel(0, Image.height() - 1);
    for (int Y = 0; Y < Image.height(); ++Y) {
        auto *Line = reinterpret_cast<QRgb *>(Image.scanLine(Y));
        for (int X = 0; X < Image.width(); ++X)
            if (Line[X] == Transparent)
                Line[X] = qRgba(0, 0, 0, 0);
    }
    return QPixmap::fromImage(Image);
}

} // namespace

QPixmap KRBitmap(std::string_view Name)
{
    const QString Key = QStringLiteral("korvan-bitmap:")
            + QString::fromUtf8(Name.data(), static_cast<qsizetype>(Name.size()));
    QPixmap Pixmap;
    if (QPixmapCache::find(Key, &Pixmap))
        return Pixmap;
    Pixmap = Load(QString::fromUtf8(Name.data(), static_cast<qsizetype>(Name.size())));
    if (!Pixmap.isNull())
        QPixmapCache::insert(Key, Pixmap);
    return Pixmap;
}

} // namespace korvan
