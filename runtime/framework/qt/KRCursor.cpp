#include "framework/qt/KRCursor.h"

#include "framework/qt/KRBitmap.h"

#include <optional>

#include <QCoreApplication>
#include <QPixmap>
#include <QPointer>

namespace korvan {

namespace {

// The installed drag cursor lives in an object owned by the application, so that its pixmap goes
// while the application still exists.
class TDragCursorStore : public QObject
{
public:
    using QObject::QObject;
    std::optional<QCursor> Cursor;
};

TDragCursorStore *Store(bool Create)
{
    static QPointer<TDragCursorStore> Instance;
    if (!Instance && Create && QCoreApplication::instance())
        Instance = new TDragCursorStore(QCoreApplication::instance());
    return Instance;
}

QCursor DragCursor()
{
    if (const TDragCursorStore *S = Store(false); S && S->Cursor)
        return *S->Cursor;
    return QCursor(KRBitmap("DragCursor"), 0, 0);
}

} // namespace

QCursor KRCursor(TKRCursor Cursor)
{
    switch (Cursor) {
    case crDefault:
    case crArrow:
        return QCursor(Qt::ArrowCursor);
    case crIBeam:
        return QCursor(Qt::IBeamCursor);
    case crSizeWE:
        return QCursor(Qt::SizeHorCursor);
    case crSizeNS:
        return QCursor(Qt::SizeVerCursor);
    case crSizeNWSE:
        return QCursor(Qt::SizeFDiagCursor);
    case crSizeNESW:
        return QCursor(Qt::SizeBDiagCursor);
    case crSizeAll:
        return QCursor(Qt::SizeAllCursor);
    case crUpArrow:
        return QCursor(Qt::UpArrowCursor);
    case crHandPoint:
        return QCursor(Qt::PointingHandCursor);
    case crHSplit:
        return QCursor(Qt::SplitHCursor);
    case crVSplit:
        return QCursor(Qt::SplitVCursor);
    case crNoDrop:
        return QCursor(Qt::ForbiddenCursor);
    case crDrag:
        return DragCursor();
    }
    return QCursor(Qt::ArrowCursor);
}

void KRSetDragCursor(const QCursor &Cursor)
{
    if (TDragCursorStore *S = Store(true))
        S->Cursor = Cursor;
}

void KRResetDragCursor()
{
    if (TDragCursorStore *S = Store(false))
        S->Cursor.reset();
}

QCursor KRMaskCursor(const QImage &Mask, QPoint HotSpot)
{
    const QImage Source = Mask.convertToFormat(QImage::Format_ARGB32);
    QImage Picture(Source.size(), QImage::Format_ARGB32);
    for (int Y = 0; Y < Source.height(); ++Y)
        for (int X = 0; X < Source.width(); ++X) {
            const QRgb P = Source.pixel(X, Y);
            const bool Black = qAlpha(P) >= 128 && qGray(P) < 128;
            Picture.setPixel(X, Y, Black ? qRgba(0, 0, 0, 255) : qRgba(0, 0, 0, 0));
        }
    return QCursor(QPixmap::fromImage(Picture), HotSpot.x(), HotSpot.y());
}

} // namespace korvan
