// A table window of the diagram: a caption bar with the select-all box, the name and alias and
// three caption buttons, over a scrollable list of field rows. It is drawn by the work area on its
// own surface and knows its geometry in content coordinates.
#pragma once

#include "diagram/KRFloatObject.h"
#include "diagram/KRListItem.h"
#include "framework/qt/KRColor.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <QRect>

namespace korvan {

class TDataSet;
class TKREdit;

class TKRTable : public TKRFloatObject
{
public:
    //! A window for the table Name with a row for each field of DataSet (none without one). Raises
    //! "Invalid parent for table object!" without a work area.
    TKRTable(TKRWorkArea *WorkArea, const TDataSet *DataSet, std::string Name);
    ~TKRTable() override;

    const std::string &TableName() const { return FTableName; }
    //! The alias as typed; GetAlias falls back to the table name.
    const std::string &Alias() const { return FAlias; }
    void SetAlias(std::string Value);
    std::string GetAlias() const;
    //! Whether GetAlias() is Alias (without making a copy of either).
    bool AliasIs(std::string_view Alias) const;
    //! The table name, and " (" + alias + ")" when there is an alias.
    std::string GetCaption() const;
    //! The first row named exactly Name, or nullptr.
    TKRListItem *GetFieldItem(const std::string &Name) const;

    int Count() const { return static_cast<int>(FItems.size()); }
    TKRListItem *Items(int Index) const { return FItems.at(static_cast<std::size_t>(Index)).get(); }
    //! Replaces the rows by one output row per field of DataSet, in field order.
    void AssignItems(const TDataSet *DataSet);

    // Geometry, in content coordinates unless said otherwise.
    int Left() const { return FLeft; }
    int Top() const { return FTop; }
    int Width() const { return FWidth; }
    //! The height when expanded.
    int Height() const { return FHeight; }
    int CaptionHeight() const { return FCaptionHeight; }
    //! Takes |Value|, ignores 0; at least 20.
    void SetCaptionHeight(int Value);
    int ItemHeight() const { return FItemHeight; }
    //! Takes |Value|, ignores 0; at least 16.
    void SetItemHeight(int Value);
    int ButtonsWidth() const { return FButtonsWidth; }
    int BorderWidth() const { return FBorderWidth; }
    int Margin() const { return FMargin; }
    int FirstVisibleItem() const { return FFirstVisibleItem; }
    int VisibleCount() const { return FVisibleCount; }
    bool Expanded() const { return FExpand != 0; }

    //! The window's rectangle; only the caption bar when collapsed.
    QRect GetBoundsRect() const;
    //! Where the caption text goes.
    QRect GetCaptionRect() const;
    //! The field list.
    QRect GetClientRect() const;
    //! The three caption buttons.
    QRect GetButtonRect() const;
    //! Item's row (client coordinates); empty for a row of another window.
    QRect GetItemRect(const TKRListItem *Item) const;
    //! The band of Item that links attach to: the row itself while it shows, the caption bar above
    //! the visible rows or while collapsed, the bottom border below them; the window's full width.
    //! Empty for a row of another window.
    QRect GetFullItemRect(const TKRListItem *Item) const;
    //! The caption text's rectangle in the bold font (" " for no caption), two pixels wider than
    //! the text; Full places it where its right edge is the width the window needs to show it all.
    QRect CaptionRect(bool Full) const;
    //! The row under the client y Y, or nullptr.
    TKRListItem *GetItemAt(int X, int Y) const;

    // Moving and sizing; each repaints what changed and lets the work area's links follow.
    void MoveTable(int DX, int DY);
    void SetLeft(int X) { MoveTable(X - FLeft, 0); }
    void SetTop(int Y) { MoveTable(0, Y - FTop); }
    void SetWidth(int Value);
    void SetHeight(int Value);
    void MoveLeft(int Delta);
    void MoveUpper(int Delta);
    void SetExpand(bool Value);
    //! Scrolls the list so that row N is the top one (clamped).
    void SetFirstVisibleItem(int N);

    TKRListItem *CurrentItem() const { return FCurrentItem; }
    //! Ignores a row of another window.
    void SetCurrentItem(TKRListItem *Item);
    //! The select-all box: 0 no output row checked, 1 some, 2 all.
    int FieldState() const { return FFieldState; }
    void UpdateFieldState(int State);
    //! The select-all box set by the user: every output row is checked (2) or unchecked.
    void SetFieldState(int State);
    //! The caption button held down (0 collapse/expand, 1 unlink, 2 close), -1 for none.
    int PressedButton() const { return FPressedButton; }
    //! The caption button under the mouse, -1 for none.
    int HotButton() const { return FHotButton; }
    //! Places the work area's list scroll bar at the right of the list and sets its range when this
    //! window is selected, expanded and has more rows than it shows; false when it needs none.
    bool UpdateScrollBar();

    // Mouse and keys, as the work area hands them on.
    void MouseDown(TKRMouseMsg &Msg, TTableHitTest HitTest) override;
    void MouseMove(TKRMouseMsg &Msg, TTableHitTest HitTest) override;
    void MouseUp(TKRMouseMsg &Msg, TTableHitTest HitTest) override;
    virtual void DblClick(TKRMouseMsg &Msg, TTableHitTest HitTest);
    void KeyDown(int &Key, TKRShiftState Shift) override;
    void LeaveHit(TKRMouseMsg &Msg, TTableHitTest HitTest) override;

    // Commands.
    //! Asks the application, unchecks the rows, tells the component and removes the window with its
    //! links; the window is freed when this returns, unless the application refused.
    void Close();
    //! Removes every link of the window.
    void Unlink();
    void HandleRemoveTable() { Close(); }
    //! Opens the alias editor over the caption.
    void HandleRenameTable();
    //! The find-field box's key: moves to the first row whose name starts with its text; Enter,
    //! Escape and the vertical moves close it.
    void HandleFindField(TKREdit *Sender, int &Key, TKRShiftState Shift);
    bool Closing() const { return FClosing; }

    void SetSelect(bool Value) override;
    std::string GetHint() override { return FHint; }
    void Paint(TKRCanvas &Canvas) override;
    TTableHitTest HitTest(QPoint P) override;
    void PopupMenu(QMenu &Menu, int X, int Y, TTableHitTest HitTest) override;

    //! The edge of the window's border from the component's style (EDGE_...).
    unsigned GetTableBorder() const;
    //! BF_FLAT for flat windows, else 0.
    unsigned GetFlat() const;
    //! BF_FLAT for flat caption buttons, else 0.
    unsigned GetbtnFlat() const;
    //! The colour behind the rows.
    virtual TColor GetClientColor() const;
    bool GetHideSelection() const;

    //! Draws caption button Index (0 collapse/expand, 1 unlink, 2 close) in State (0 pressed, 1
    //! normal, 2 hot) within Rect (client coordinates).
    void DrawButton(TKRCanvas &Canvas, int State, int Index, QRect Rect) const;

    //! Rect (content coordinates) in client coordinates.
    QRect ToClient(QRect Rect) const;

protected:
    //! Repaints Rect (content coordinates).
    void Invalidate(const QRect &Rect) const;
    //! The expanded height that shows Rows rows under the caption bar.
    int RowsHeight(int Rows) const;

    std::string FTableName;
    std::string FAlias;
    std::string FHint;
    int FFieldState = 0;
    int FPressedButton = -1;
    int FHotButton = -1;
    int FExpand = -1;
    int FCaptionHeight;
    int FButtonsWidth = 40;
    int FBorderWidth = 2;
    int FMargin = 2;
    int FScrollBarWidth = 16;
    TKRListItem *FCurrentItem = nullptr;
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 100;
    int FHeight = 0;
    int FItemHeight;
    int FFirstVisibleItem = 0;
    int FVisibleCount = 0;
    std::vector<std::unique_ptr<TKRListItem>> FItems;

private:
    void ResizeDone() const;
    //! The caption button under the client x X.
    int ButtonAt(int X) const;
    //! Repaints the caption buttons.
    void InvalidateButtons() const;
    //! The row under the client y Y, among the rows in view and the one cut by the bottom edge.
    TKRListItem *RowAt(int Y) const;
    //! Checks or unchecks Item as the user does.
    void Toggle(TKRListItem *Item);
    //! Makes row Index current, scrolled into view.
    void GoToRow(int Index);
    //! The state a caption button is drawn in: 0 pressed, 1 normal, 2 hot.
    int ButtonState(int Index) const;

    bool FClosing = false;
};

} // namespace korvan
