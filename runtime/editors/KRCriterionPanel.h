// The criteria editors: the WHERE and the HAVING condition of the query as a tree of lines that
// the editor draws itself, one per condition or group. Every word of a line is a clickable part.
#pragma once

#include "component/KROptions.h"
#include "editors/KRCriterionRow.h"
#include "framework/qt/KRColor.h"
#include "framework/qt/KRDrag.h"
#include "framework/qt/KRKeys.h"
#include "parser/KRCriterions.h"

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include <QAbstractScrollArea>
#include <QFont>
#include <QFontMetrics>
#include <QMenu>
#include <QPointer>

namespace korvan {

class TKRCanvas;
class TKRMemoEx;
class TKRTreeViewEx;
class TKRWorkArea;
class TKRCriterions;
class TKROperators;
class TKRPalette;
class TKRSelectParser;
class TKRStyle;
class TStringList;

//! What an editor asks of the component that owns it. Without an owner it draws with the default
//! look and no options.
class TKRCriterionPanelOwner
{
public:
    virtual ~TKRCriterionPanelOwner() = default;
    virtual TKROptions Options() const = 0;
    virtual const TKRStyle &Style() const = 0;
    virtual const TKRPalette &Palette() const = 0;
};

class TKRCriterionPanel : public TKRAllKeys<QAbstractScrollArea>, public TKRDragTarget
{
public:
    //! Parent is required: the editor fills it. Raises "Invalid parent for conditions panel"
    //! without one.
    TKRCriterionPanel(QWidget *Parent, bool IsHaving, TKRCriterionPanelOwner *Owner = nullptr);
    ~TKRCriterionPanel() override;

    TKRSelectParser *Parser() const { return FParser; }
    void SetParser(TKRSelectParser *Value) { FParser = Value; }
    //! The parser's aggregate names and operator table; nullptr without a parser.
    const TStringList *Aggregates() const;
    TKROperators *Operators() const;
    //! Whether Name is one of the aggregate names (letter case ignored).
    bool IsAggregate(const std::string &Name) const;
    //! The aggregate parts are shown: a HAVING editor with aggregate names.
    bool ShowsAggregates() const;
    bool IsHaving() const { return FIsHaving; }
    //! The model list this editor shows: WhereItems or HavingItems; nullptr without a parser.
    TKRCriterions *Items() const;

    int RowHeight() const { return FRowHeight; }
    void SetRowHeight(int Value);
    int Indent() const { return FIndent; }
    TKRCriterionRows *Rows() const { return FRows.get(); }
    TKRCriterionRow *RootRow() const;
    TKRControl *FocusControl() const { return FFocusControl; }
    void SetFocusControl(TKRControl *Value);
    TKRControl *HoverControl() const { return FHoverControl; }
    void SetHoverControl(TKRControl *Value) { FHoverControl = Value; }
    TKRControl *DropControl() const { return FDropControl; }
    int HoverRowTop() const { return FHoverRowTop; }

    //! Empties the top collection, adds RootRow ("All") and fills the group and aggregate menus.
    void Activate();
    //! Only RootRow is left, "All"; the model is not touched.
    void Clear();
    //! Builds the lines from the model list.
    virtual void RefreshRows();
    //! Renames OldAlias + "." to NewAlias + "." where a name starts, in fields and values.
    void ChangeAlias(const std::string &NewAlias, const std::string &OldAlias);
    //! Called before and after the operator table is replaced: the lines let go of the old
    //! operators, keeping their names, and take the new ones of those names.
    void PrepareToReloadOperators();
    void ReloadOperators();

    //! Calls Call for every condition line of the tree, collapsed groups included.
    void ForEachCondition(const std::function<void(TKRCriterionRow &)> &Call);

    // Interaction: the mouse and the keys act through these, and the menus' actions.
    //! Opens the condition menu of Part's line just below it (Y: the line's window y).
    void ButtonClick(TKRControl *Part, int Y);
    //! A click on a word: the group, aggregate or operator menu, or the in-place editor.
    void TextClick(TKRControl *Part, int Y);
    //! The actions act on the line of HoverControl; without it they raise "There is no active
    //! button".
    void AddCondition();
    void MakeCompositCondition();
    void DeleteCondition();
    void ExpandCollapse();
    //! Filter is the group menu item's tag (cfAll to cfNotAll).
    void SelectGroupFuncs(TKRCriterionFilter Filter);
    //! An empty Name takes the aggregate off.
    void SelectAgrFuncs(const std::string &Name);
    //! Index: the operator's position in the table.
    void SelectOperator(int Index);
    //! Refills the operator menu from the table.
    void HandlePopupOpersMenu();
    //! Opens the in-place editor over the field or value part Part at window y Y.
    void OpenEditor(TKRControl *Part, int Y);
    //! The in-place editor; hidden unless a field or value is being edited.
    TKRMemoEx *Editor() const { return FEditor; }
    //! Writes the editor's text into the part being edited and hides the editor.
    void SetFieldText();
    //! Hides the editor without writing.
    void CancelEdit();

    //! The diagram whose windows the field picker lists.
    TKRWorkArea *WorkArea() const;
    void SetWorkArea(TKRWorkArea *Value);
    //! The field picker; shown only while the in-place editor is open.
    TKRTreeViewEx *FieldList() const;
    //! Shows the field picker under the in-place editor (above it when there is no room below).
    void InsertField();
    //! Inserts the picker's selected field at the editor's caret and hides the picker.
    void SetFieldFromList();
    //! While the picker is shown, a page change is refused once and the picker closes.
    void HideFieldList(bool &AllowChange);

    //! A field dragged from the diagram's selected window is taken over a field or value part.
    void DragOver(QObject *Source, QPoint Pos, TKRDragState State, bool &Accept) override;
    //! The part under Pos becomes alias.field of the dragged row.
    void DragDrop(QObject *Source, QPoint Pos) override;

    // Geometry, in content coordinates (window coordinates plus the scroll positions).
    //! Calls Visit for each line in stacking order with its content y, until Visit returns false.
    void ForEachRow(const std::function<bool(TKRCriterionRow *Row, int Top)> &Visit) const;
    TKRCriterionRow *RowAt(int Y, int *Top = nullptr) const;
    static TKRControl *ControlAt(const TKRCriterionRow *Row, int X);
    //! Height and width of everything shown.
    QSize GetFullExtention() const;
    void UpdateScrollRanges();
    //! Lays every line out again (numbers and widths change when lines come and go).
    void RelayoutAll();
    int HorzPosition() const;
    int VertPosition() const;

    // What the lines measure and draw with.
    int TextWidth(const std::string &Text, bool Bold) const;
    const QFont &Font() const { return FFont; }
    const QFont &BoldFont() const { return FBoldFont; }
    //! A line frees its parts: the editor lets go of those it refers to.
    void ControlsFreed(const TKRCriterionRow *Row);

    // Drawing.
    TKROptions Options() const;
    const TKRStyle &Style() const;
    const TKRPalette &Palette() const;
    //! The numbered button of Row at content y Top, in look Look (krsFlat, krs3DLook, krsRaise).
    void DrawButton(TKRCanvas &Canvas, const TKRCriterionRow *Row, int Top, int Look) const;
    //! Repaints the band of Row.
    void InvalidateRow(const TKRCriterionRow *Row);

    // The menus (filled by Activate).
    QMenu *ConditionMenu() const { return FConditionMenu; }
    QMenu *GroupMenu() const { return FGroupMenu; }
    QMenu *AggregateMenu() const { return FAggregateMenu; }
    QMenu *OperatorMenu() const { return FOperatorMenu; }

protected:
    void paintEvent(QPaintEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;
    void scrollContentsBy(int DX, int DY) override;
    bool event(QEvent *Event) override;
    void mouseMoveEvent(QMouseEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;
    //! A second click is a click of its own, never a second press of the first.
    void mouseDoubleClickEvent(QMouseEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    void focusInEvent(QFocusEvent *Event) override;
    void focusOutEvent(QFocusEvent *Event) override;

    //! Builds lines into Rows from List.
    void AddRows(TKRCriterionRows &Rows, const TKRCriterions &List);
    void LoadCondition(TKRCriterionRow &Row, const TKRCriterion &Criterion);

private:
    void PaintRow(TKRCanvas &Canvas, const TKRCriterionRow *Row, int Top) const;
    void DrawActiveFrame(TKRCanvas &Canvas, const QRect &Rect) const;
    TColor Background() const;
    void CreateInteraction();
    void HideOverlays();
    TKRCriterionRow *ActiveRow() const;
    //! After lines came or went: numbers, widths and scroll ranges, and a repaint.
    void StructureChanged();
    void PopupAt(QMenu *Menu, const TKRControl *Part, int Y);
    //! The part a drop at Pos (the editor's coordinates) would go to, nullptr for none.
    TKRControl *DropTargetAt(QPoint Pos, int &Top) const;
    void AutoSizeEditor();
    void FillFieldList();
    void HandleKey(int Key, TKRShiftState Shift);
    void MoveFocus(TKRControl *To);

    TKRSelectParser *FParser = nullptr;
    TKRCriterionPanelOwner *FOwner;
    bool FIsHaving;
    int FRowHeight = 20;
    int FIndent = 15;
    std::unique_ptr<TKRCriterionRows> FRows;
    TKRControl *FFocusControl = nullptr;
    TKRControl *FHoverControl = nullptr;
    TKRControl *FDropControl = nullptr;
    int FHoverRowTop = 0;
    QFont FFont;
    QFont FBoldFont;
    QFontMetrics FMetrics;
    QFontMetrics FBoldMetrics;
    //! Widths measured so far, normal and bold: lines repeat the same few words.
    mutable std::unordered_map<std::string, int> FWidths[2];
    std::unique_ptr<TKRPalette> FDefaultPalette;
    std::unique_ptr<TKRStyle> FDefaultStyle;
    QMenu *FConditionMenu;
    QMenu *FGroupMenu;
    QMenu *FAggregateMenu;
    QMenu *FOperatorMenu;
    TKRMemoEx *FEditor = nullptr;
    QMenu *FEditorMenu;
    QPointer<TKRTreeViewEx> FFieldList;
    QPointer<TKRWorkArea> FWorkArea;
    //! The look the hovered or pressed button is drawn in; -1: the style's.
    int FButtonLook = -1;
};

//! The "Criteria" page: the WHERE condition.
class TKRWherePanel : public TKRCriterionPanel
{
public:
    explicit TKRWherePanel(QWidget *Parent, TKRCriterionPanelOwner *Owner = nullptr)
        : TKRCriterionPanel(Parent, false, Owner)
    {}
};

//! The "Grouping criteria" page: the HAVING condition, with aggregate parts.
class TKRHavingPanel : public TKRCriterionPanel
{
public:
    explicit TKRHavingPanel(QWidget *Parent, TKRCriterionPanelOwner *Owner = nullptr)
        : TKRCriterionPanel(Parent, true, Owner)
    {}
};

} // namespace korvan
