// The "Sorting" page: the fields that can be sorted on on the left, the sorted fields with their
// direction on the right, and the buttons and drags that move fields between them. The panel keeps
// the parser's ORDER BY list equal to its right-hand list after every change the user makes; a
// refresh reads the model and never writes it.
#pragma once

#include "framework/KRStrings.h"
#include "framework/qt/KRDrag.h"

#include <functional>
#include <string>
#include <vector>

#include <QListWidget>
#include <QTreeWidget>
#include <QWidget>

class QLabel;
class QPushButton;
class QToolButton;

namespace korvan {

class TKROrderPanel;
class TKRSelectParser;

//! Asks the application for the texts of the fields that can be sorted on (table alias "." field).
using TKRGetFieldsEvent = std::function<void(QObject *Sender, TStringList &Fields)>;

//! The left-hand list: field texts not sorted on. A drag from it starts when the mouse moves with
//! the button held over an item; it takes drops from the sorted list.
class TKROrderFieldList : public QListWidget, public TKRDragTarget, public TKRDragSource
{
public:
    explicit TKROrderFieldList(TKROrderPanel *Owner);
    ~TKROrderFieldList() override;
    TKROrderFieldList(const TKROrderFieldList &) = delete;
    TKROrderFieldList &operator=(const TKROrderFieldList &) = delete;

    void DragOver(QObject *Source, QPoint Pos, TKRDragState State, bool &Accept) override;
    void DragDrop(QObject *Source, QPoint Pos) override;
    //! The drag takes the mouse: the view stops selecting by dragging and scrolling for it.
    void StartDrag() override;
    void EndDrag(QWidget *, QPoint) override {}

protected:
    void mousePressEvent(QMouseEvent *Event) override;

private:
    TKROrderPanel *FPanel;
};

//! The right-hand list: one row per sorted field, its text and its direction. Drags as the field
//! list does; it takes drops from the field list.
class TKROrderSortedList : public QTreeWidget, public TKRDragTarget, public TKRDragSource
{
public:
    explicit TKROrderSortedList(TKROrderPanel *Owner);
    ~TKROrderSortedList() override;
    TKROrderSortedList(const TKROrderSortedList &) = delete;
    TKROrderSortedList &operator=(const TKROrderSortedList &) = delete;

    void DragOver(QObject *Source, QPoint Pos, TKRDragState State, bool &Accept) override;
    void DragDrop(QObject *Source, QPoint Pos) override;
    //! The drag takes the mouse: the view stops selecting by dragging and scrolling for it.
    void StartDrag() override;
    void EndDrag(QWidget *, QPoint) override {}

protected:
    void mousePressEvent(QMouseEvent *Event) override;

private:
    TKROrderPanel *FPanel;
};

class TKROrderPanel : public QWidget
{
public:
    static constexpr int LabelHeight = 20;
    static constexpr int SpeedButtonWidth = 23;
    static constexpr int SpeedButtonHeight = 22;
    static constexpr int PushButtonHeight = 20;
    static constexpr int OrderButtonWidth = 30;
    static constexpr int MoveButtonWidth = 35;

    //! A panel filling Owner. Raises "Invalid parent for OrderPanel" without an owner.
    explicit TKROrderPanel(QWidget *Owner);
    ~TKROrderPanel() override;
    TKROrderPanel(const TKROrderPanel &) = delete;
    TKROrderPanel &operator=(const TKROrderPanel &) = delete;

    TKRSelectParser *Parser() const { return FParser; }
    void SetParser(TKRSelectParser *Value);
    const TKRGetFieldsEvent &OnGetFields() const { return FOnGetFields; }
    void SetOnGetFields(TKRGetFieldsEvent Value) { FOnGetFields = std::move(Value); }

    //! The fields the application offers now, in the panel's own buffer (empty without a handler).
    TStringList &GetFields();
    //! Shows the offered fields and the model's ORDER BY list; reads the model, never writes it.
    void RefreshFields();
    //! Empties both lists; the order button reads "A..Z" again.
    void Clear();
    //! Makes the parser's ORDER BY list the sorted list, in display order.
    void UpdateParser();

    // The controls' handlers.
    //! Enables the buttons for what the two lists hold and select.
    void HandleSelectItem();
    void HandleAddClick();
    void HandleAddAllClick();
    void HandleRemoveClick();
    void HandleRemoveAllClick();
    void HandleChangeOrder();
    void HandleMoveUp();
    void HandleMoveDown();
    //! The sorted list takes a drag from the field list only; the field list from the sorted one.
    void HandleDragOverOrder(QObject *Source, bool &Accept);
    void HandleDragDropOrder(QObject *Source);
    void HandleDragOverUnOrder(QObject *Source, bool &Accept);
    void HandleDragDropUnOrder(QObject *Source);

    // The controls; each has its name as object name.
    QLabel *laFields;
    TKROrderFieldList *lbFields;
    TKROrderSortedList *lvOrder;
    QToolButton *sbAdd;
    QToolButton *sbAddAll;
    QToolButton *sbRemove;
    QToolButton *sbRemoveAll;
    QPushButton *buOrder;
    QPushButton *buUp;
    QPushButton *buDown;

protected:
    void resizeEvent(QResizeEvent *Event) override;
    //! Follows the owner's size.
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    //! One entry as the lists hold it: its text, and whether the model writes it unchanged (a
    //! position or an expression) rather than as a name.
    struct TEntry
    {
        std::string Text;
        bool Expression = false;
    };

    void Resize();
    QListWidgetItem *SelectedField() const;
    QTreeWidgetItem *SelectedOrder() const;
    void AppendField(const TEntry &Entry);
    void AppendOrder(const TEntry &Entry, bool Descending);
    //! Takes Item out of the field list (the list then has nothing selected).
    TEntry TakeField(QListWidgetItem *Item);
    TEntry TakeOrder(QTreeWidgetItem *Item);
    void MoveOrder(int Delta);
    //! The model's ORDER BY list says what the sorted list shows.
    bool ModelShown() const;
    //! After a change of the lists: the model follows, then the buttons.
    void Changed();

    TKRSelectParser *FParser = nullptr;
    TKRGetFieldsEvent FOnGetFields;
    TStringList FFields;
    //! The offered fields the lists were last built from; a refresh with the same fields and a
    //! model that says what the lists show keeps the lists (and what is selected in them).
    std::vector<std::string> FShownFields;
    bool FBuilt = false;
};

} // namespace korvan
