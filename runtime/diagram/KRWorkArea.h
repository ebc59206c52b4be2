// The diagram's surface: a scrolling area of 5000 × 5000 pixels that owns the table windows, the
// links between their rows and the joins that group those links. It hit tests the mouse against
// them, routes its messages to them and paints them: windows in front, links beneath.
#pragma once

#include "component/KROptions.h"
#include "diagram/KRFloatObject.h"
#include "framework/KRDataSet.h"
#include "framework/qt/KRColor.h"
#include "framework/qt/KRDrag.h"
#include "framework/qt/KRKeys.h"
#include "framework/qt/KRTimers.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QAbstractScrollArea>
#include <QFont>
#include <QMenu>
#include <QRegion>

class QLabel;
class QScrollBar;

namespace korvan {

class TDataSet;
class TKRJoin;
class TKRLink;
class TKRListItem;
class TKRPalette;
class TKRStyle;
class TKRTable;
class TKRJoinDef;
class TKRTableDefs;
class TKREdit;

//! What the work area asks of the component that owns it. Without an owner the work area allows
//! everything, keeps no model and draws with the default look.
class TKRWorkAreaOwner
{
public:
    virtual ~TKRWorkAreaOwner() = default;
    //! Whether the application allows adding or removing Table.
    virtual bool DoAddRemoveTable(TKRTable *Table, TKRAction Action) = 0;
    //! Whether the application allows adding or removing Link.
    virtual bool DoAddRemoveLink(TKRLink *Link, TKRAction Action) = 0;
    //! The model's tables, whose join definitions follow the links; nullptr for none.
    virtual TKRTableDefs *TableDefs() const = 0;
    virtual TKROptions Options() const = 0;
    virtual const TKRStyle &Style() const = 0;
    virtual const TKRPalette &Palette() const = 0;
};

//! Edits a link's condition and join kind (the link properties dialog).
class TKRLinkEditor
{
public:
    virtual ~TKRLinkEditor() = default;
    //! Shows the dialog for Link; true when the user confirmed it.
    virtual bool Execute(TKRLink &Link) = 0;
};

class TKRWorkArea : public TKRAllKeys<QAbstractScrollArea>, public TKRDragSource, public TKRDragTarget
{
public:
    using TAddEvent = std::function<void(TKRWorkArea *Sender, TKRFloatObject *Item)>;
    using TItemEvent = std::function<void(TKRTable *Table, TKRListItem *Item)>;
    using TChangeAliasEvent = std::function<void(TKRTable *Table, const std::string &OldValue)>;
    //! Another widget's drag over the diagram or dropped on it, or the diagram's own field drag
    //! ended elsewhere (Target nullptr when nobody took it); Pos in the component's coordinates.
    using TDragOverEvent = std::function<void(QObject *Source, QPoint Pos, TKRDragState State, bool &Accept)>;
    using TDragDropEvent = std::function<void(QObject *Source, QPoint Pos)>;
    using TEndDragEvent = std::function<void(QWidget *Target, QPoint Pos)>;
    using TSelectionLinkEvent = std::function<void(TKRWorkArea *Sender, TKRTable *Table1, TKRTable *Table2,
            TKRListItem *Item1, TKRListItem *Item2, bool State)>;

    //! The size of the content surface on both axes.
    static constexpr int ContentSize = 5000;

    explicit TKRWorkArea(QWidget *Parent = nullptr, TKRWorkAreaOwner *Owner = nullptr);
    ~TKRWorkArea() override;

    // Contents.
    int JoinCount() const { return static_cast<int>(FJoins.size()); }
    TKRJoin *Joins(int Index) const { return FJoins.at(static_cast<std::size_t>(Index)).get(); }
    int LinkCount() const { return static_cast<int>(FLinks.size()); }
    TKRLink *Links(int Index) const { return FLinks.at(static_cast<std::size_t>(Index)).get(); }
    //! In z-order: index 0 is in front.
    int TableCount() const { return static_cast<int>(FTableWindows.size()); }
    TKRTable *TableWindows(int Index) const
    {
        return FTableWindows.at(static_cast<std::size_t>(Index)).get();
    }

    //! A new window for the table Name with DataSet's fields, aliased Name, Name1, Name2, ... so
    //! that aliases stay unique, placed right of the windows in the way from (50, 20), in front and
    //! selected; nullptr when the application refuses it.
    TKRTable *AddPanel(const std::string &Name, const TDataSet *DataSet);
    //! As AddPanel, with the window of a stored procedure that also shows the parameters of Params.
    class TKRStoredProc *AddProc(
            const std::string &Name, const TDataSet *DataSet, const class TParams *Params);
    //! Whether a new window looks for a place free of the others (the default); a caller that
    //! arranges many windows itself afterwards switches it off meanwhile.
    void SetFindPlaces(bool Value) { FFindPlaces = Value; }
    //! Name, or Name followed by the first counter (1, 2, ...) that no window's alias holds;
    //! Counter tells which (0 for Name itself).
    std::string UniqueAlias(const std::string &Name, int &Counter) const;
    //! The window whose alias is Alias; for a blank Alias the only window, if there is one.
    TKRTable *GetTable(const std::string &Alias) const;
    //! A link from Item1 of Table1 to Item2 of Table2, in the join of the two tables (made when
    //! there is none), with its join definition in the model; nullptr when the tables are not
    //! this work area's windows or the application refuses the link.
    TKRLink *AddLink(TKRTable *Table1, TKRTable *Table2, TKRListItem *Item1, TKRListItem *Item2);
    //! Frees Link (entry Index of the links) and its join definition, and the join when no link
    //! uses it any more; Invalidate repaints where it was.
    void RemoveLink(TKRLink *Link, int Index, bool Invalidate);
    //! The join of Table1 and Table2; Swapped tells that it holds them the other way round.
    TKRJoin *FindJoin(const TKRTable *Table1, const TKRTable *Table2, bool &Swapped) const;
    //! Whether a link already joins Item1 of Table1 with Item2 of Table2.
    bool FindLink(const TKRTable *Table1, const TKRTable *Table2, const TKRListItem *Item1,
            const TKRListItem *Item2) const;
    //! Removes every link of Table, without asking the application.
    void UnlinkTable(TKRTable *Table);
    //! Removes Table with its links and frees it; Ask asks the application first (a window that
    //! closes itself has asked already). Nothing for a window that is not this work area's.
    void CloseTable(TKRTable *Table, bool Ask = true);
    //! Frees every link, join and window, without events and without touching the model.
    void ClearContents();

    //! Tells the application that the user wants to give a value to the parameter row Item.
    void DoEnterParameter(TKRTable *Table, TKRListItem *Item);
    //! Tells the component that the output row Item of Table was checked or unchecked.
    void HandleCheckItem(TKRTable *Table, TKRListItem *Item);
    //! Tells the component that Table is about to close.
    void HandleRemoveTable(TKRTable *Table);

    // The controls laid over the windows.
    //! The alias editor over a caption; Enter stores, Escape cancels, leaving it stores.
    TKREdit *AliasEdit() const { return FAliasEdit; }
    //! The find-field box under a window.
    TKREdit *FindEdit() const { return FFindEdit; }
    //! The scroll bar of the selected window's list.
    QScrollBar *ListScrollBar() const { return FListScrollBar; }
    //! Shows the list scroll bar where the selected window needs one, hides it otherwise.
    void PlaceListScrollBar();
    //! The hint window, shown when the mouse rests over an object.
    QLabel *HintWindow() const { return FHintWindow; }
    void HideHint();
    //! Whether a dragged field shows as alias.field.
    bool GetDragFieldName() const;
    //! Starts dragging the selected window's current row, once the mouse has moved far enough.
    void BeginFieldDrag();
    //! The row that last took a field drop, and the one drawn as the drop target.
    TKRListItem *DropItem() const { return FDropItem; }
    TKRListItem *DropHighlight() const { return FDropHighlight; }

    // Selection and hover.
    TKRFloatObject *SelectedObject() const { return FSelectedObject; }
    //! Deselects the selected object and selects Object (nullptr: none).
    void Select(TKRFloatObject *Object);
    TKRFloatObject *HotObject() const { return FHotObject; }
    TTableHitTest HotHit() const { return FHotHit; }
    //! Tells the application which rows a link joins as it is selected or deselected.
    void SelectLink(TKRListItem *Item1, TKRListItem *Item2, bool State);
    //! Brings the window Object to the front; nothing for anything else.
    void TableToFront(TKRFloatObject *Object);
    void ClearSelection();
    //! Scrolls the least that brings Table into view; one wider or taller than the view shows its
    //! left or top edge.
    void ShowPanel(const TKRTable *Table);
    //! The cursor for the part HitTest of an object under the mouse.
    void SetupCursor(TTableHitTest HitTest);

    // The messages of the windows and links.
    //! A window is being moved: the ends of its links follow.
    void MoveControl(TKRTable *Table);
    //! A window was resized, collapsed, expanded or its list scrolled: its links are re-routed.
    void ResizeControl(TKRTable *Table);
    //! Asks the application and removes Link. Links ask for this through a queued call.
    void DeleteLink(TKRLink *Link);

    // Scrolling; content = client + scroll position.
    int HorzPosition() const;
    int VertPosition() const;
    QPoint ScrollPos() const { return { HorzPosition(), VertPosition() }; }
    void SetScrollPos(QPoint Pos);

    // Look.
    const QFont &Font() const { return FFont; }
    //! Assigns the font of every window: caption bars |height| + 4 and rows |height| high (with
    //! their minimums).
    void SetFont(const QFont &Font);
    //! The font's height as the framework gave it: minus the character height in pixels.
    int FontHeight() const;
    TColor LinkPenColor() const { return clBlack; }
    //! The colour of the surface around the windows.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    const TKRPalette &Palette() const;
    const TKRStyle &Style() const;
    TKROptions Options() const;
    TKRWorkAreaOwner *Owner() const { return FOwner; }

    //! Repaints Rect or Region, given in client coordinates.
    void InvalidateRect(const QRect &Rect);
    void InvalidateRegion(const QRegion &Region);
    //! Between the two, nothing is repainted piece by piece; the end repaints the whole view once.
    void BeginUpdate();
    void EndUpdate();

    //! Adds an item to a popup menu that the work area pops up: Caption "-" is a separator;
    //! Handler runs after the menu has closed, guarded.
    void AddMenuItem(QMenu &Menu, const std::string &Caption, std::function<void()> Handler);

    //! The link properties dialog: the work area's own, made with it, unless another was set.
    TKRLinkEditor *LinkEditor() const { return FLinkEditor; }
    void SetLinkEditor(TKRLinkEditor *Editor) { FLinkEditor = Editor; }

    void SetOnAddTable(TAddEvent Value) { FOnAddTable = std::move(Value); }
    void SetOnAddLink(TAddEvent Value) { FOnAddLink = std::move(Value); }
    void SetOnRemoveLink(TAddEvent Value) { FOnRemoveLink = std::move(Value); }
    void SetOnSelectionLink(TSelectionLinkEvent Value) { FOnSelectionLink = std::move(Value); }
    void SetOnCheckItem(TItemEvent Value) { FOnCheckItem = std::move(Value); }
    void SetOnEnterParameter(TItemEvent Value) { FOnEnterParameter = std::move(Value); }
    void SetOnRemoveTable(TAddEvent Value) { FOnRemoveTable = std::move(Value); }
    void SetOnChangeAlias(TChangeAliasEvent Value) { FOnChangeAlias = std::move(Value); }
    void SetOnDragOver(TDragOverEvent Value) { FOnDragOver = std::move(Value); }
    void SetOnDragDrop(TDragDropEvent Value) { FOnDragDrop = std::move(Value); }
    void SetOnEndDrag(TEndDragEvent Value) { FOnEndDrag = std::move(Value); }
    //! The diagram's own field drag starts.
    void SetOnStartDrag(std::function<void()> Value) { FOnStartDrag = std::move(Value); }

    // The field drag (the work area is its source and its target).
    void StartDrag() override;
    void EndDrag(QWidget *Target, QPoint Pos) override;
    void DragOver(QObject *Source, QPoint Pos, TKRDragState State, bool &Accept) override;
    void DragDrop(QObject *Source, QPoint Pos) override;

protected:
    //! Asks the application for Table, widens it to its caption, places it right of the windows in
    //! the way from (50, 20), brings it to the front and selects it; nullptr when refused.
    TKRTable *PlaceWindow(std::unique_ptr<TKRTable> Table);

    void paintEvent(QPaintEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;
    void scrollContentsBy(int DX, int DY) override;
    void mouseMoveEvent(QMouseEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;
    void mouseDoubleClickEvent(QMouseEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    void keyReleaseEvent(QKeyEvent *Event) override;

private:
    //! The first window, then link, under P (client) and the part hit; nullptr when none.
    std::pair<TKRFloatObject *, TTableHitTest> HitObject(QPoint P) const;
    void HandleMouseMove(TKRMouseMsg &Msg);
    void HandleLeftButtonDown(TKRMouseMsg &Msg);
    void HandleLeftButtonUp(TKRMouseMsg &Msg);
    void HandleRightButtonUp(TKRMouseMsg &Msg, QPoint Global);
    void HandleDoubleClick(TKRMouseMsg &Msg);
    void HandleKeyDown(int Key, TKRShiftState Shift);
    //! The numbered timers: the drop window's list scrolled up and down, the hint shown and hidden.
    enum TTimer : int { TimerScrollUp = 1, TimerScrollDown = 2, TimerShowHint = 10, TimerHideHint = 11 };
    //! How long the mouse rests before a hint shows.
    static constexpr int HintDelay = 500;

    void CreateTools();
    //! Drops every reference to Table's window and rows (nullptr: to every window's), and puts
    //! away the editors and the scroll bar that belong to it.
    void ForgetTable(const TKRTable *Table);
    void HandleTimer(int Number);
    void CommitAlias();
    void CancelAlias();
    void HandleFindChange();
    void HandleListScroll(int Position);
    //! Draws Item as the drop target, or none; the previous one is drawn plainly again.
    void SetDropHighlight(TKRListItem *Item);
    //! Whether a field of type Dragged may be joined with one of type Target.
    static bool CompatibleTypes(TFieldType Dragged, TFieldType Target);
    //! The component's point for Pos of the work area.
    QPoint ToOwner(QPoint Pos) const;
    void UpdateScrollRanges();
    int IndexOfLink(const TKRLink *Link) const;
    //! The model's join definition of Link, on either of its tables; nullptr when there is none.
    TKRJoinDef *FindJoinDef(const TKRLink &Link) const;
    void RemoveJoinDef(const TKRLink &Link);

    TKRWorkAreaOwner *FOwner;
    std::vector<std::unique_ptr<TKRJoin>> FJoins;
    std::vector<std::unique_ptr<TKRLink>> FLinks;
    std::vector<std::unique_ptr<TKRTable>> FTableWindows;
    TTableHitTest FHotHit = htTOutSide;
    TSetOfTableHits FMoveHits;
    TKRFloatObject *FHotObject = nullptr;
    TKRFloatObject *FSelectedObject = nullptr;
    QPoint FDragOffset;
    QPoint FLastMouse{ -1, -1 };
    QFont FFont;
    TColor FColor = clBtnFace;
    QMenu FMenu;
    std::vector<std::pair<QAction *, std::function<void()>>> FMenuHandlers;
    TKRLinkEditor *FLinkEditor = nullptr;
    std::unique_ptr<TKRPalette> FDefaultPalette;
    std::unique_ptr<TKRStyle> FDefaultStyle;
    TAddEvent FOnAddTable;
    TAddEvent FOnAddLink;
    TAddEvent FOnRemoveLink;
    TSelectionLinkEvent FOnSelectionLink;
    TItemEvent FOnCheckItem;
    TItemEvent FOnEnterParameter;
    TAddEvent FOnRemoveTable;
    TChangeAliasEvent FOnChangeAlias;
    TDragOverEvent FOnDragOver;
    TDragDropEvent FOnDragDrop;
    std::function<void()> FOnStartDrag;
    TEndDragEvent FOnEndDrag;

    TKREdit *FAliasEdit;
    TKREdit *FFindEdit;
    QScrollBar *FListScrollBar;
    QLabel *FHintWindow;
    TKRTimers FTimers;
    //! Where the mouse rested when a hint or a list-scroll timer started (client for hints,
    //! content for the drag's scrolling).
    QPoint FTimerPoint;
    TKRListItem *FDropItem = nullptr;
    TKRTable *FDropTable = nullptr;
    TKRListItem *FDropHighlight = nullptr;
    //! A field drag of this work area waits or runs.
    bool FFieldDrag = false;
    bool FFindPlaces = true;
    int FUpdating = 0;
};

} // namespace korvan
