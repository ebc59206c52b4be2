// The output-field grid of the Selection page: one row per entry of the SELECT list (output name,
// aggregate, source field), edited through a combo box and a line edit laid over its cells. The grid
// never writes the model: it tells the component what a row now holds through its events.
#pragma once

#include "framework/KRStrings.h"
#include "framework/qt/KRDrag.h"
#include "framework/qt/KRKeys.h"

#include <functional>
#include <memory>
#include <string>

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTableView>

namespace korvan {

class TKRFieldDef;
class TKRListItem;
class TKRSelectGridCells;

//! A row holds, or is about to stop holding, these texts of its columns 2, 1 and 0.
using TKRSelectEvent = std::function<void(
        const std::string &FieldValue, const std::string &AggregateValue, const std::string &AliasValue)>;
//! The output name of the row whose source is FieldName changes from Alias to NewAlias; the
//! handler may alter NewAlias, and the row shows what it leaves there.
using TKRChangeFieldAliasEvent =
        std::function<void(const std::string &FieldName, const std::string &Alias, std::string &NewAlias)>;

/*!
 * Rows are numbered as in a string grid whose row 0 is the fixed header: entry rows are
 * 1 .. RowCount() - 2, and RowCount() - 1 is always the blank entry row, which filling its source
 * turns into an entry (a new blank row follows). Cells are edited only through the overlay
 * controls, which are children of the grid's parent.
 */
class TKRSelectGrid : public QTableView, public TKRDragSource, public TKRDragTarget
{
public:
    static constexpr int DefaultRowHeight = 20;
    static constexpr int ColCount = 3;

    //! Parent becomes the grid's parent and the overlays'; raises "Invalid parent for SelectGrid"
    //! without one.
    explicit TKRSelectGrid(QWidget *Parent);
    ~TKRSelectGrid() override;
    TKRSelectGrid(const TKRSelectGrid &) = delete;
    TKRSelectGrid &operator=(const TKRSelectGrid &) = delete;

    // The string grid: rows counted with the header row.
    int RowCount() const;
    //! At least 2 (the header and the blank row); new rows come empty.
    void SetRowCount(int Value);
    //! Row 0 gives the header texts; cells outside the grid read empty.
    std::string Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const std::string &Value);
    //! The current cell; row 1 and column 0 while there is none.
    int Col() const;
    int Row() const;
    void SetCurrentCell(int ACol, int ARow);
    //! Removes an entry row; the rows below move up.
    void DeleteRow(int ARow);
    //! Moves row FromIndex to ToIndex, the rows between shifting by one; the current cell goes with
    //! a current row.
    void MoveRow(int FromIndex, int ToIndex);
    //! The cell's rectangle in the grid's coordinates; empty for a cell out of view.
    QRect CellRect(int ACol, int ARow) const;
    //! The cell at (X, Y) in the grid's coordinates: row 0 over the header, -1 outside the cells.
    void MouseToCell(int X, int Y, int &ACol, int &ARow) const;

    //! Inserts a row for FieldDef just above the blank row; nothing for none.
    void CheckField(const TKRFieldDef *FieldDef);
    //! Deletes every row whose source is the plain field FieldDef.
    void UnCheckField(const TKRFieldDef *FieldDef);
    //! Renames the table alias OldAlias inside the sources shown (the display only).
    void ChangeAlias(const std::string &NewAlias, const std::string &OldAlias);
    //! Column 0 of the first row whose source is exactly FieldName; empty when none.
    std::string GetFieldAlias(const std::string &FieldName) const;

    //! The names offered in column 1.
    const TStrings &Aggregates() const;
    void SetAggregates(const TStrings &Value);
    //! The sources offered in column 2: alias.field of every field row of every table window. A
    //! source typed into column 2 must be one of them.
    const TStrings &Fields() const;
    void SetFields(const TStrings &Value);

    //! The overlays: the combo box of columns 1 and 2, the edit of column 0.
    QComboBox *ComboBox() const { return FComboBox; }
    QLineEdit *Edit() const { return FEdit; }
    QMenu *PopupMenu() const { return FPopupMenu.get(); }
    //! Whether an overlay is open on a cell.
    bool Editing() const { return FEditing != nullptr; }
    //! Closes an open overlay without storing its text (the grid is about to be reloaded).
    void CancelEdit();
    //! The field row of a table window being dragged over the grid; nullptr otherwise. Not owned.
    TKRListItem *DraggedItem() const { return FDraggedItem; }

    void SetOnSelectField(TKRSelectEvent Value) { FOnSelectField = std::move(Value); }
    void SetOnUnselectField(TKRSelectEvent Value) { FOnUnselectField = std::move(Value); }
    void SetOnDeleteField(TKRSelectEvent Value) { FOnDeleteField = std::move(Value); }
    void SetOnChangeFieldAlias(TKRChangeFieldAliasEvent Value) { FOnChangeFieldAlias = std::move(Value); }

    // The grid's own handlers; the Qt events below call them guarded.
    void HandleStringKeyDown(int &Key, TKRShiftState Shift);
    void HandleStringDblClick();
    //! Opens the overlay of column ACol over the cell (ACol, ARow), with the cell's text.
    void HandleEditText(int ACol, int ARow);
    //! Stores the open overlay's text into its cell and tells the component.
    void HandleSetCellText();
    void HandleCellKeyDown(int &Key, TKRShiftState Shift);
    //! Deletes the current row; raises "Can't delete last row!" on the blank row.
    void HandleDeleteCurrentRow();
    void HandleDragOver(QObject *Source, int X, int Y, TKRDragState DragState, bool &Accept);
    void HandleDragDrop(QObject *Source, int X, int Y);

    // The drag of rows inside the grid, and drops from the diagram.
    void EndDrag(QWidget *Target, QPoint Pos) override;
    void DragOver(QObject *Source, QPoint Pos, TKRDragState DragState, bool &Accept) override;
    void DragDrop(QObject *Source, QPoint Pos) override;

protected:
    void resizeEvent(QResizeEvent *Event) override;
    void mouseMoveEvent(QMouseEvent *Event) override;
    void mouseDoubleClickEvent(QMouseEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    void contextMenuEvent(QContextMenuEvent *Event) override;
    void scrollContentsBy(int DX, int DY) override;
    //! Typing does not jump between rows: the grid takes no text of its own.
    void keyboardSearch(const QString &) override {}

private:
    //! Column widths of 40 % and 10 % of the client width, the rest to the source column.
    void Resize();
    //! Lays the open overlay over its cell again (after scrolling or resizing).
    void PlaceOverlay();
    void HideOverlay();
    void CommitCombo(int ACol, int ARow, const std::string &Text);
    void CommitEdit(int ARow, std::string NewText);
    //! Whether Text names a field row of a window; a text differing in letter case only is taken
    //! in the list's spelling.
    bool FindField(std::string &Text) const;
    //! The texts of row ARow, columns 2, 1 and 0, for the events.
    void RaiseSelect(const TKRSelectEvent &Event, int ARow) const;
    //! The table window whose field row is being dragged from the work area Source, or none.
    TKRListItem *DragFieldOf(QObject *Source) const;
    int EntryRowBelow() const;

    std::unique_ptr<TKRSelectGridCells> FCells;
    TStringList FAggregates;
    TStringList FFields;
    QPointer<QComboBox> FComboBox;
    QPointer<QLineEdit> FEdit;
    std::unique_ptr<QMenu> FPopupMenu;
    QAction *FDeleteAction = nullptr;
    //! The overlay open on a cell and the cell; nullptr while none is. Cleared before anything
    //! else happens when the overlay closes, so that the focus leaving it on the way commits once.
    QWidget *FEditing = nullptr;
    int FEditCol = 0;
    int FEditRow = 1;
    TKRListItem *FDraggedItem = nullptr;
    TKRSelectEvent FOnSelectField;
    TKRSelectEvent FOnUnselectField;
    TKRSelectEvent FOnDeleteField;
    TKRChangeFieldAliasEvent FOnChangeFieldAlias;
};

} // namespace korvan
