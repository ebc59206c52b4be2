// Drag and drop inside the application, with the old framework's protocol: BeginDrag on the
// source, DragOver (enter, move, leave, with Accept) on the widget under the mouse, DragDrop where
// the drop is accepted, EndDrag on the source. It needs no platform drag, so QTest mouse and key
// events drive it like a person's.
#pragma once

#include <cstdint>

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace korvan {

enum TKRDragState : std::uint8_t { dsDragEnter, dsDragLeave, dsDragMove };

//! Implemented by a widget that takes drops. Pos is in the widget's coordinates.
class TKRDragTarget
{
public:
    virtual ~TKRDragTarget() = default;
    //! The mouse entered, moved over or left the widget while dragging Source (the source
    //! widget). Accept comes in true; the widget leaves it true to take a drop at Pos. Entering
    //! is followed by a move at the same place; the move's answer counts.
    virtual void DragOver(QObject *Source, QPoint Pos, TKRDragState State, bool &Accept) = 0;
    //! Source was dropped at Pos after the widget accepted it there. The drag has ended (the mouse
    //! and the cursor are the application's again); the source hears EndDrag after this returns.
    virtual void DragDrop(QObject *Source, QPoint Pos) = 0;

protected:
    TKRDragTarget() = default;
    TKRDragTarget(const TKRDragTarget &) = default;
    TKRDragTarget &operator=(const TKRDragTarget &) = default;
};

//! The object told when its drag starts and ends: the source widget itself, or an object that lives
//! at least as long as the drag.
class TKRDragSource
{
public:
    virtual ~TKRDragSource() = default;
    //! The drag really starts: at once for an immediate drag, else once the mouse has moved far
    //! enough with the button held.
    virtual void StartDrag() {}
    //! The drag ended: Target took the drop at Pos (Target's coordinates), or Target is nullptr
    //! (cancelled, or released where no widget accepted) and Pos is in the source widget's
    //! coordinates.
    virtual void EndDrag(QWidget *Target, QPoint Pos) = 0;

protected:
    TKRDragSource() = default;
    TKRDragSource(const TKRDragSource &) = default;
    TKRDragSource &operator=(const TKRDragSource &) = default;
};

//! Runs one drag at a time for the whole application. It watches the application's events: it
//! notes where the mouse is, and while a drag runs it follows the mouse, swallows every mouse event
//! (the widgets see none of the drag's moves and not the release that ends it) and ends the drag
//! on the release of the buttons or on Escape. The cursor is crDrag while the widget under the
//! mouse accepts, crNoDrop otherwise. When the source widget is freed during the drag, the drag
//! ends at once: the widget under the mouse is told that the mouse left, nobody gets EndDrag.
class TKRDragController : public QObject
{
    Q_OBJECT

public:
    explicit TKRDragController(QObject *Parent = nullptr);
    ~TKRDragController() override;

    //! Starts dragging from SourceWidget (the Source its targets are given) while a mouse button
    //! is held: at once when Immediate, else once the mouse has moved Threshold pixels (on either
    //! axis) from where it was; released before, nothing happened. Ignored while another drag
    //! waits or runs.
    void BeginDrag(QWidget *SourceWidget, TKRDragSource *Source, bool Immediate, int Threshold = 5);
    //! A drag has started and not ended.
    bool Dragging() const { return FSource && FStarted; }
    //! BeginDrag was called and the mouse has not yet moved far enough.
    bool Waiting() const { return FSource && !FStarted; }
    //! Ends a waiting or running drag as cancelled: the widget under the mouse gets dsDragLeave,
    //! the source EndDrag(nullptr, ...) when the drag had started.
    void Cancel();
    //! The widget under the mouse that takes part in the drag, nullptr for none.
    QWidget *Target() const { return FTarget; }
    //! The mouse's last known position on the screen.
    QPoint MousePos() const { return FMouse; }

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    void Start();
    void MoveTo(QPoint Global);
    void Drop(QPoint Global);
    void Finish(QWidget *Target, QPoint Global);
    void Reset();
    void ShowCursor(bool Accepted);
    void SourceDestroyed();

    QPoint FMouse;
    QPointer<QWidget> FSourceWidget;
    TKRDragSource *FSource = nullptr;
    bool FStarted = false;
    bool FCursorSet = false;
    int FThreshold = 5;
    QPoint FStart;
    QPointer<QWidget> FTarget;
    bool FAccepted = false;
    QPoint FLast;
    QMetaObject::Connection FSourceWatch;
};

//! The application's drag controller, made with the application (and on first use if the
//! application came first).
TKRDragController &KRDragController();

} // namespace korvan
