#include "framework/qt/KRDrag.h"

#include "framework/qt/KRCursor.h"

#include <cstdlib>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace korvan {

namespace {

QPointer<TKRDragController> Instance;

void MakeController()
{
    if (!Instance && QCoreApplication::instance())
        Instance = new TKRDragController(QCoreApplication::instance());
}

// Made while the application is made, so that it knows where the mouse is before the first drag.
Q_COREAPP_STARTUP_FUNCTION(MakeController)

TKRDragTarget *AsTarget(QWidget *Widget)
{
    return dynamic_cast<TKRDragTarget *>(Widget);
}

//! The widget at Global, or its nearest ancestor, that takes drops and is enabled.
QWidget *TargetAt(QPoint Global)
{
    for (QWidget *W = QApplication::widgetAt(Global); W; W = W->parentWidget())
        if (W->isEnabled() && AsTarget(W))
            return W;
    return nullptr;
}

bool IsMouseEvent(const QEvent *Event)
{
    switch (Event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        return false;
    }
}

} // namespace

TKRDragController::TKRDragController(QObject *Parent)
    : QObject(Parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

TKRDragController::~TKRDragController()
{
    if (FCursorSet)
        QGuiApplication::restoreOverrideCursor();
}

void TKRDragController::BeginDrag(QWidget *SourceWidget, TKRDragSource *Source, bool Immediate, int Threshold)
{
    if (FSource || !SourceWidget || !Source)
        return;
    FSourceWidget = SourceWidget;
    FSource = Source;
    FThreshold = std::max(0, Threshold);
    FStart = FMouse;
    FSourceWatch = connect(SourceWidget, &QObject::destroyed, this, [this] { SourceDestroyed(); });
    if (Immediate) {
        Start();
        if (Dragging())
            MoveTo(FMouse);
    }
}

void TKRDragController::Cancel()
{
    if (!FSource)
        return;
    if (!FStarted) {
        Reset();
        return;
    }
    if (QWidget *Left = FTarget) {
        bool Accept = true;
        AsTarget(Left)->DragOver(FSourceWidget, Left->mapFromGlobal(FMouse), dsDragLeave, Accept);
    }
    if (FSource)
        Finish(nullptr, FMouse);
}

bool TKRDragController::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Event->type() == QEvent::KeyPress && FSource
            && static_cast<QKeyEvent *>(Event)->key() == Qt::Key_Escape) {
        const bool Swallow = FStarted;
        Cancel();
        return Swallow;
    }
    // A platform's mouse event reaches the window first and the widget after; the widget's copy
    // is the one that counts (test events go to the widget only).
    if (!IsMouseEvent(Event) || !Watched->isWidgetType())
        return false;
    const auto *Mouse = static_cast<QMouseEvent *>(Event);
    FMouse = Mouse->globalPosition().toPoint();
    if (!FSource)
        return false;
    const bool Released = Mouse->buttons() == Qt::NoButton
            && (Event->type() == QEvent::MouseButtonRelease || Event->type() == QEvent::MouseMove);
    if (!FStarted) {
        if (Released) {
            Reset();
        } else if (Event->type() == QEvent::MouseMove
                && (std::abs(FMouse.x() - FStart.x()) >= FThreshold
                        || std::abs(FMouse.y() - FStart.y()) >= FThreshold)) {
            Start();
            if (Dragging())
                MoveTo(FMouse);
            return true;
        }
        return false;
    }
    if (Released)
        Drop(FMouse);
    else if (Event->type() == QEvent::MouseMove)
        MoveTo(FMouse);
    return true;
}

void TKRDragController::Start()
{
    FStarted = true;
    ShowCursor(false);
    FSource->StartDrag();
}

void TKRDragController::MoveTo(QPoint Global)
{
    FLast = Global;
    QWidget *Under = TargetAt(Global);
    if (Under != FTarget) {
        if (QWidget *Left = FTarget) {
            bool Accept = true;
            AsTarget(Left)->DragOver(FSourceWidget, Left->mapFromGlobal(Global), dsDragLeave, Accept);
            if (!Dragging())
                return;
        }
        FTarget = Under;
        FAccepted = false;
        if (Under) {
            bool Accept = true;
            AsTarget(Under)->DragOver(FSourceWidget, Under->mapFromGlobal(Global), dsDragEnter, Accept);
            if (!Dragging())
                return;
        }
    }
    FAccepted = false;
    if (QWidget *Over = FTarget) {
        bool Accept = true;
        AsTarget(Over)->DragOver(FSourceWidget, Over->mapFromGlobal(Global), dsDragMove, Accept);
        if (!Dragging())
            return;
        FAccepted = Accept && FTarget == Over;
    }
    ShowCursor(FAccepted);
}

void TKRDragController::Drop(QPoint Global)
{
    if (Global != FLast) {
        MoveTo(Global);
        if (!Dragging())
            return;
    }
    QWidget *Over = FTarget;
    if (!Over || !FAccepted) {
        Cancel();
        return;
    }
    // The drag is over before the target handles the drop, so that whatever the drop shows (a
    // question, an error) gets the mouse and the normal cursor.
    const QPointer<QWidget> Target = Over;
    const QPointer<QWidget> SourceWidget = FSourceWidget;
    TKRDragSource *const Source = FSource;
    Reset();
    AsTarget(Over)->DragDrop(SourceWidget, Over->mapFromGlobal(Global));
    // A source freed by the drop hears nothing more.
    if (SourceWidget)
        Source->EndDrag(Target, Target ? Target->mapFromGlobal(Global) : SourceWidget->mapFromGlobal(Global));
}

void TKRDragController::Finish(QWidget *Target, QPoint Global)
{
    TKRDragSource *const Source = FSource;
    QWidget *const SourceWidget = FSourceWidget;
    Reset();
    Source->EndDrag(Target, Target ? Target->mapFromGlobal(Global) : SourceWidget->mapFromGlobal(Global));
}

void TKRDragController::Reset()
{
    disconnect(FSourceWatch);
    FSource = nullptr;
    FSourceWidget = nullptr;
    FStarted = false;
    FTarget = nullptr;
    FAccepted = false;
    if (FCursorSet) {
        QGuiApplication::restoreOverrideCursor();
        FCursorSet = false;
    }
}

void TKRDragController::ShowCursor(bool Accepted)
{
    const QCursor Cursor = KRCursor(Accepted ? crDrag : crNoDrop);
    if (FCursorSet) {
        QGuiApplication::changeOverrideCursor(Cursor);
    } else {
        QGuiApplication::setOverrideCursor(Cursor);
        FCursorSet = true;
    }
}

void TKRDragController::SourceDestroyed()
{
    // The source (often the widget itself) is going: it is told nothing; the target hears that
    // the mouse left.
    QPointer<QWidget> Left = FTarget;
    const bool Started = FStarted;
    FSourceWidget = nullptr;
    Reset();
    if (Started && Left) {
        bool Accept = true;
        AsTarget(Left)->DragOver(nullptr, Left->mapFromGlobal(FMouse), dsDragLeave, Accept);
    }
}

TKRDragController &KRDragController()
{
    MakeController();
    Q_ASSERT(Instance);
    return *Instance;
}

} // namespace korvan
