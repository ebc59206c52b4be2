// The output-field grid: its cells, the overlay controls that edit them, deleting and moving rows,
// and fields dropped on it from the diagram.
#include "editors/KRSelectGrid.h"

#include "diagram/KRListItem.h"
#include "diagram/KRTable.h"
#include "diagram/KRWorkArea.h"
#include "editors/KRSelectPanel.h"
#include "framework/KRException.h"
#include "framework/KRText.h"
#include "framework/qt/KRGuarded.h"
#include "framework/qt/KRPrompter.h"
#include "parser/KRSelectParser.h"
#include "resources/KRResource.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include <QAbstractTableModel>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace korvan {

//! The texts of the grid's rows below the header; model row R is grid row R + 1.
class TKRSelectGridCells : public QAbstractTableModel
{
public:
    using TRow = std::array<std::string, TKRSelectGrid::ColCount>;

    int rowCount(const QModelIndex &Parent = {}) const override
    {
        return Parent.isValid() ? 0 : static_cast<int>(FRows.size());
    }
    int columnCount(const QModelIndex &Parent = {}) const override
    {
        return Parent.isValid() ? 0 : TKRSelectGrid::ColCount;
    }
    QVariant data(const QModelIndex &Index, int Role) const override
    {
        if (Role != Qt::DisplayRole || !Index.isValid())
            return {};
        return QString::fromStdString(Cell(Index.row(), Index.column()));
    }
    QVariant headerData(int Section, Qt::Orientation Orientation, int Role) const override
    {
        if (Orientation != Qt::Horizontal || Role != Qt::DisplayRole || Section < 0
                || Section >= TKRSelectGrid::ColCount)
            return {};
        return QString::fromStdString(FHeader[static_cast<std::size_t>(Section)]);
    }
    Qt::ItemFlags flags(const QModelIndex &Index) const override
    {
        return Index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
    }

    int Count() const { return static_cast<int>(FRows.size()); }
    const std::string &Cell(int Row, int Col) const
    {
        return FRows[static_cast<std::size_t>(Row)][static_cast<std::size_t>(Col)];
    }
    const std::string &Header(int Col) const { return FHeader[static_cast<std::size_t>(Col)]; }
    void SetHeader(int Col, std::string Value)
    {
        FHeader[static_cast<std::size_t>(Col)] = std::move(Value);
        Q_EMIT headerDataChanged(Qt::Horizontal, Col, Col);
    }
    void SetCell(int Row, int Col, std::string Value)
    {
        std::string &Cell = FRows[static_cast<std::size_t>(Row)][static_cast<std::size_t>(Col)];
        if (Cell == Value)
            return;
        Cell = std::move(Value);
        const QModelIndex At = index(Row, Col);
        Q_EMIT dataChanged(At, At, { Qt::DisplayRole });
    }
    //! Empty rows are added at the end, or rows taken from the end.
    void Resize(int Value)
    {
        const int Old = Count();
        if (Value > Old) {
            beginInsertRows({}, Old, Value - 1);
            FRows.resize(static_cast<std::size_t>(Value));
            endInsertRows();
        } else if (Value < Old) {
            beginRemoveRows({}, Value, Old - 1);
            FRows.resize(static_cast<std::size_t>(Value));
            endRemoveRows();
        }
    }
    void Remove(int Row)
    {
        beginRemoveRows({}, Row, Row);
        FRows.erase(FRows.begin() + Row);
        endRemoveRows();
    }
    void Move(int From, int To)
    {
        if (From == To)
            return;
        // Qt names the row the moved one goes before, counted before the move.
        beginMoveRows({}, From, From, {}, To > From ? To + 1 : To);
        const auto First = FRows.begin();
        if (From < To)
            std::rotate(First + From, First + From + 1, First + To + 1);
        else
            std::rotate(First + To, First + From, First + From + 1);
        endMoveRows();
    }

private:
    std::vector<TRow> FRows;
    TRow FHeader{ SOutputFieldName, SAggregate, SSourceFieldName };
};

namespace {

//! Round(Value * Tenths / 10) with halves to even, in integers so that no binary fraction tips a
//! half either way.
int RoundTenths(int Value, int Tenths)
{
    const int Product = Value * Tenths;
    int Quotient = Product / 10;
    const int Rest = Product % 10;
    if (Rest > 5 || (Rest == 5 && Quotient % 2 != 0))
        ++Quotient;
    return Quotient;
}

//! The first plain column of a call, searched depth first from the call itself: t.x of
//! SUM(t.x), none for COUNT(*).
const TKRFunctionDef *FirstIdentifier(const TKRFunctionDef *Root)
{
    std::vector<const TKRFunctionDef *> Stack{ Root };
    while (!Stack.empty()) {
        const TKRFunctionDef *Node = Stack.back();
        Stack.pop_back();
        if (Node->Kind() == fkIdentifier)
            return Node;
        if (const TKRFunctionDefs *Arguments = Node->Arguments())
            for (int I = Arguments->Count() - 1; I >= 0; --I)
                Stack.push_back(Arguments->Items(I));
    }
    return nullptr;
}

//! Whether a call's arguments hold something other than columns and the "*" of COUNT(*): an
//! expression kept as text (SUM(a * b)), which the grid shows whole rather than as an empty source.
bool HasComputedArgument(const TKRFunctionDef *Root)
{
    std::vector<const TKRFunctionDef *> Stack{ Root };
    while (!Stack.empty()) {
        const TKRFunctionDef *Node = Stack.back();
        Stack.pop_back();
        if (Node != Root && Node->Kind() != fkIdentifier && Node->Kind() != fkUnknown)
            return true;
        if (const TKRFunctionDefs *Arguments = Node->Arguments())
            for (int I = 0; I < Arguments->Count(); ++I)
                Stack.push_back(Arguments->Items(I));
    }
    return false;
}

/*!
 * An overlay control: Enter and Escape go to OnKey instead of the control, and OnExit runs when the
 * focus leaves it for good. Its own list or menu showing, or another window taking the activation,
 * is not leaving: the focus comes back to the control afterwards.
 */
template <class TBase>
class TKROverlay : public TBase
{
public:
    explicit TKROverlay(QWidget *Parent)
        : TBase(Parent)
    {
        TBase::hide();
    }

    std::function<void(int Key, TKRShiftState Shift)> OnKey;
    std::function<void()> OnExit;

protected:
    void keyPressEvent(QKeyEvent *Event) override
    {
        const int Key = KRVirtualKey(*Event);
        if ((Key == VK_RETURN || Key == VK_ESCAPE) && OnKey)
            OnKey(Key, KRShiftState(*Event));
        else
            TBase::keyPressEvent(Event);
    }
    void focusOutEvent(QFocusEvent *Event) override
    {
        TBase::focusOutEvent(Event);
        const Qt::FocusReason Reason = Event->reason();
        if (OnExit && Reason != Qt::PopupFocusReason && Reason != Qt::ActiveWindowFocusReason
                && !QApplication::activePopupWidget())
            OnExit();
    }
};

using TKRComboOverlay = TKROverlay<QComboBox>;
using TKREditOverlay = TKROverlay<QLineEdit>;

} // namespace

TKRSelectGrid::TKRSelectGrid(QWidget *Parent)
    : QTableView(Parent)
    , FCells(std::make_unique<TKRSelectGridCells>())
{
    if (!Parent)
        throw Exception(SInvalidSelectGridParent);
    setModel(FCells.get());
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setShowGrid(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(DefaultRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView *Header = horizontalHeader();
    Header->setMinimumSectionSize(1);
    Header->setSectionResizeMode(QHeaderView::Fixed);
    Header->setSectionsClickable(false);
    Header->setHighlightSections(false);
    Header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Header->setFixedHeight(DefaultRowHeight + 1);
    FCells->Resize(1);
    SetCurrentCell(0, 1);

    auto *Combo = new TKRComboOverlay(Parent);
    Combo->setEditable(true);
    Combo->setInsertPolicy(QComboBox::NoInsert);
    Combo->setMaxVisibleItems(16);
    auto *Edit = new TKREditOverlay(Parent);
    const auto Wire = [this](auto *Overlay) {
        Overlay->OnKey = [this](int Key, TKRShiftState Shift) {
            KRGuarded(this, [&] { HandleCellKeyDown(Key, Shift); });
        };
        Overlay->OnExit = [this, Overlay] {
            if (FEditing == Overlay)
                KRGuarded(this, [this] { HandleSetCellText(); });
        };
    };
    Wire(Combo);
    Wire(Edit);
    FComboBox = Combo;
    FEdit = Edit;

    FPopupMenu = std::make_unique<QMenu>();
    FDeleteAction = FPopupMenu->addAction(QString::fromUtf8(SDeleteCurrentRow));
}

TKRSelectGrid::~TKRSelectGrid()
{
    FEditing = nullptr;
    // The overlays live on the parent; they go with the grid that laid them there, and tell it
    // nothing more on the way.
    if (auto *Combo = static_cast<TKRComboOverlay *>(FComboBox.data())) {
        Combo->OnExit = nullptr;
        delete Combo;
    }
    if (auto *Edit = static_cast<TKREditOverlay *>(FEdit.data())) {
        Edit->OnExit = nullptr;
        delete Edit;
    }
}

int TKRSelectGrid::RowCount() const
{
    return FCells->Count() + 1;
}

void TKRSelectGrid::SetRowCount(int Value)
{
    FCells->Resize(std::max(Value, 2) - 1);
}

std::string TKRSelectGrid::Cells(int ACol, int ARow) const
{
    if (ACol < 0 || ACol >= ColCount || ARow < 0 || ARow >= RowCount())
        return {};
    return ARow == 0 ? FCells->Header(ACol) : FCells->Cell(ARow - 1, ACol);
}

void TKRSelectGrid::SetCells(int ACol, int ARow, const std::string &Value)
{
    if (ACol < 0 || ACol >= ColCount || ARow < 0 || ARow >= RowCount())
        return;
    if (ARow == 0)
        FCells->SetHeader(ACol, Value);
    else
        FCells->SetCell(ARow - 1, ACol, Value);
}

int TKRSelectGrid::Col() const
{
    const QModelIndex Current = currentIndex();
    return Current.isValid() ? Current.column() : 0;
}

int TKRSelectGrid::Row() const
{
    const QModelIndex Current = currentIndex();
    return Current.isValid() ? Current.row() + 1 : 1;
}

void TKRSelectGrid::SetCurrentCell(int ACol, int ARow)
{
    const QModelIndex At = FCells->index(ARow - 1, ACol);
    if (At.isValid())
        selectionModel()->setCurrentIndex(At, QItemSelectionModel::ClearAndSelect);
}

void TKRSelectGrid::DeleteRow(int ARow)
{
    if (ARow >= 1 && ARow < RowCount() - 1)
        FCells->Remove(ARow - 1);
}

void TKRSelectGrid::MoveRow(int FromIndex, int ToIndex)
{
    if (FromIndex < 1 || ToIndex < 1 || FromIndex >= RowCount() || ToIndex >= RowCount())
        return;
    const bool Current = Row() == FromIndex;
    const int Column = Col();
    FCells->Move(FromIndex - 1, ToIndex - 1);
    if (Current)
        SetCurrentCell(Column, ToIndex);
}

QRect TKRSelectGrid::CellRect(int ACol, int ARow) const
{
    if (ACol < 0 || ACol >= ColCount || ARow < 0 || ARow >= RowCount())
        return {};
    if (ARow == 0) {
        const QHeaderView *Header = horizontalHeader();
        return QRect(Header->pos().x() + Header->sectionViewportPosition(ACol), Header->pos().y(),
                Header->sectionSize(ACol), Header->height());
    }
    const QRect Cell = visualRect(FCells->index(ARow - 1, ACol));
    if (!Cell.isValid() || !viewport()->rect().intersects(Cell))
        return {};
    return Cell.translated(viewport()->pos());
}

void TKRSelectGrid::MouseToCell(int X, int Y, int &ACol, int &ARow) const
{
    ACol = -1;
    ARow = -1;
    const QPoint P(X, Y);
    const QHeaderView *Header = horizontalHeader();
    if (Header->isVisible() && Header->geometry().contains(P)) {
        ACol = Header->logicalIndexAt(P.x() - Header->pos().x());
        ARow = 0;
        return;
    }
    const QPoint V = P - viewport()->pos();
    if (!viewport()->rect().contains(V))
        return;
    ACol = columnAt(V.x());
    const int ModelRow = rowAt(V.y());
    ARow = ModelRow < 0 ? -1 : ModelRow + 1;
}

// Rows from the model

void TKRSelectGrid::CheckField(const TKRFieldDef *FieldDef)
{
    if (!FieldDef)
        return;
    // The blank row moves down, keeping whatever was typed into it; the row it leaves is filled.
    const int Filled = RowCount() - 1;
    SetRowCount(RowCount() + 1);
    for (int C = 0; C < ColCount; ++C)
        SetCells(C, Filled + 1, Cells(C, Filled));
    std::string Prefix = FieldDef->GetTableAlias();
    if (!Trim(Prefix).empty())
        Prefix += ".";
    const auto *Page = dynamic_cast<const TKRSelectPanel *>(parentWidget());
    const TKRSelectParser *Parser = Page ? Page->Parser() : nullptr;
    std::string Aggregate;
    std::string Source;
    if (FieldDef->Kind() == fkFunction && Parser && Parser->Aggregates().IndexOf(FieldDef->Name()) >= 0
            && !HasComputedArgument(FieldDef)) {
        Aggregate = FieldDef->Name();
        if (const TKRFunctionDef *Column = FirstIdentifier(FieldDef))
            Source = Prefix + Column->Name();
    } else if (FieldDef->Kind() == fkIdentifier) {
        Source = Prefix + FieldDef->Name();
    } else {
        // Computed columns, calls of other functions and the expressions kept as text show whole.
        Source = FieldDef->GetScript();
    }
    SetCells(1, Filled, Aggregate);
    SetCells(2, Filled, Source);
    SetCells(0, Filled, FieldDef->Alias().empty() ? Source : FieldDef->Alias());
}

void TKRSelectGrid::UnCheckField(const TKRFieldDef *FieldDef)
{
    if (!FieldDef || FieldDef->Kind() != fkIdentifier)
        return;
    const std::string Alias = FieldDef->GetTableAlias();
    const std::string Source = (Alias.empty() ? Alias : Alias + ".") + FieldDef->Name();
    for (int R = 1; R < RowCount() - 1;) {
        if (Cells(2, R) == Source)
            DeleteRow(R);
        else
            ++R;
    }
}

void TKRSelectGrid::ChangeAlias(const std::string &NewAlias, const std::string &OldAlias)
{
    if (NewAlias == OldAlias)
        return;
    const std::string Old = OldAlias + ".";
    const std::string New = NewAlias + ".";
    for (int R = 1; R < RowCount(); ++R) {
        std::string Source = Cells(2, R);
        bool Changed = false;
        for (std::size_t At = Source.find(Old); At != std::string::npos;
                At = Source.find(Old, At + New.size())) {
            Source.replace(At, Old.size(), New);
            Changed = true;
        }
        if (Changed)
            SetCells(2, R, Source);
    }
    viewport()->update();
}

std::string TKRSelectGrid::GetFieldAlias(const std::string &FieldName) const
{
    for (int R = 1; R < RowCount(); ++R)
        if (Cells(2, R) == FieldName)
            return Cells(0, R);
    return {};
}

const TStrings &TKRSelectGrid::Aggregates() const
{
    return FAggregates;
}

void TKRSelectGrid::SetAggregates(const TStrings &Value)
{
    if (&Value == &FAggregates)
        return;
    FAggregates.Clear();
    for (int I = 0; I < Value.Count(); ++I)
        FAggregates.Add(Value.Strings(I));
}

const TStrings &TKRSelectGrid::Fields() const
{
    return FFields;
}

void TKRSelectGrid::SetFields(const TStrings &Value)
{
    if (&Value == &FFields)
        return;
    FFields.Clear();
    for (int I = 0; I < Value.Count(); ++I)
        FFields.Add(Value.Strings(I));
}

bool TKRSelectGrid::FindField(std::string &Text) const
{
    for (int I = 0; I < FFields.Count(); ++I)
        if (FFields.Strings(I) == Text)
            return true;
    const int Index = FFields.IndexOf(Text);
    if (Index < 0)
        return false;
    Text = FFields.Strings(Index);
    return true;
}

// Editing through the overlays

void TKRSelectGrid::HandleStringKeyDown(int &Key, TKRShiftState Shift)
{
    if (Key == VK_RETURN) {
        Key = 0;
        HandleEditText(Col(), Row());
    } else if (Key == VK_DELETE && Shift.Contains(ssCtrl)) {
        Key = 0;
        if (KRPrompter().MessageBox(this, SDeleteRowQuestion, SConfirmation, MB_ICONQUESTION | MB_YESNO)
                != IDNO)
            HandleDeleteCurrentRow();
    }
}

void TKRSelectGrid::HandleStringDblClick()
{
    HandleEditText(Col(), Row());
}

void TKRSelectGrid::HandleEditText(int ACol, int ARow)
{
    if (ACol < 0 || ACol >= ColCount || ARow < 1 || ARow >= RowCount())
        return;
    if (FEditing)
        HandleSetCellText();
    if (ARow >= RowCount())
        return;
    scrollTo(FCells->index(ARow - 1, ACol));
    const QString Text = QString::fromStdString(Cells(ACol, ARow));
    QWidget *Overlay = nullptr;
    if (ACol == 0) {
        FEdit->setText(Text);
        FEdit->selectAll();
        Overlay = FEdit;
    } else {
        const TStrings &Items = ACol == 1 ? FAggregates : FFields;
        QStringList Offered;
        Offered.reserve(Items.Count());
        for (int I = 0; I < Items.Count(); ++I)
            Offered.push_back(QString::fromStdString(Items.Strings(I)));
        FComboBox->clear();
        FComboBox->addItems(Offered);
        FComboBox->setCurrentIndex(FComboBox->findText(Text, Qt::MatchExactly));
        FComboBox->setEditText(Text);
        FComboBox->lineEdit()->selectAll();
        Overlay = FComboBox;
    }
    FEditCol = ACol;
    FEditRow = ARow;
    FEditing = Overlay;
    PlaceOverlay();
    Overlay->show();
    Overlay->raise();
    Overlay->setFocus(Qt::OtherFocusReason);
}

void TKRSelectGrid::PlaceOverlay()
{
    if (!FEditing)
        return;
    const QRect Cell = CellRect(FEditCol, FEditRow);
    if (Cell.isEmpty()) {
        FEditing->move(-FEditing->width() - 10, FEditing->y());
        return;
    }
    // The overlay covers the cell and its grid lines, as wide as the column and a row high.
    const QPoint At = mapTo(parentWidget(), Cell.topLeft());
    FEditing->setGeometry(At.x(), At.y(), Cell.width() + 1, DefaultRowHeight);
}

void TKRSelectGrid::HideOverlay()
{
    QWidget *Overlay = FEditing;
    FEditing = nullptr;
    const bool HadFocus = Overlay && Overlay->hasFocus();
    if (Overlay)
        Overlay->hide();
    if (HadFocus)
        setFocus(Qt::OtherFocusReason);
}

void TKRSelectGrid::CancelEdit()
{
    HideOverlay();
}

void TKRSelectGrid::HandleSetCellText()
{
    QWidget *Overlay = FEditing;
    if (!Overlay)
        return;
    const int ACol = FEditCol;
    const int ARow = FEditRow;
    const std::string Text =
            Overlay == FEdit ? FEdit->text().toStdString() : FComboBox->currentText().toStdString();
    HideOverlay();
    setFocus(Qt::OtherFocusReason);
    if (ARow >= RowCount())
        return;
    SetCurrentCell(ACol, ARow);
    if (Overlay == FEdit)
        CommitEdit(ARow, Text);
    else
        CommitCombo(ACol, ARow, Text);
    const int Last = RowCount() - 1;
    if (ACol == 2 && ARow == Last && !Cells(2, Last).empty())
        SetRowCount(RowCount() + 1);
}

void TKRSelectGrid::CommitCombo(int ACol, int ARow, const std::string &Text)
{
    // Leaving a cell unchanged tells nobody anything: a row that shows an expression the model
    // keeps as text (CASE ... END, a subquery) must not go through a handler that cannot rebuild it.
    if (Text == Cells(ACol, ARow))
        return;
    std::string Value = Text;
    if (ACol == 2 && !Value.empty() && !FindField(Value))
        throw Exception(Format(SFieldNotFound, { Value }));
    // An aggregate goes around a field of a window; an expression shown as the source stays as it is.
    if (const std::string Source = Cells(2, ARow); ACol == 1 && !Source.empty()) {
        std::string Found = Source;
        if (!FindField(Found))
            throw Exception(Format(SFieldNotFound, { Source }));
    }
    if (FOnUnselectField)
        RaiseSelect(FOnUnselectField, ARow);
    if (ARow >= RowCount())
        return;
    SetCells(ACol, ARow, Value);
    if (FOnSelectField)
        RaiseSelect(FOnSelectField, ARow);
}

void TKRSelectGrid::CommitEdit(int ARow, std::string NewText)
{
    const std::string Alias = Cells(0, ARow);
    if (NewText == Alias)
        return;
    if (FOnChangeFieldAlias)
        FOnChangeFieldAlias(Cells(2, ARow), Alias, NewText);
    SetCells(0, ARow, NewText);
}

void TKRSelectGrid::RaiseSelect(const TKRSelectEvent &Event, int ARow) const
{
    // Copies: the handler may rewrite the row while it runs.
    const std::string Field = Cells(2, ARow);
    const std::string Aggregate = Cells(1, ARow);
    const std::string Alias = Cells(0, ARow);
    Event(Field, Aggregate, Alias);
}

void TKRSelectGrid::HandleCellKeyDown(int &Key, TKRShiftState)
{
    if (Key == VK_RETURN) {
        Key = 0;
        HandleSetCellText();
    } else if (Key == VK_ESCAPE) {
        Key = 0;
        HideOverlay();
        setFocus(Qt::OtherFocusReason);
    }
}

// Deleting rows

void TKRSelectGrid::HandleDeleteCurrentRow()
{
    const int ARow = Row();
    if (ARow >= RowCount() - 1)
        throw Exception(SCantDeleteLastRow);
    const std::string Field = Cells(2, ARow);
    const std::string Aggregate = Cells(1, ARow);
    const std::string Alias = Cells(0, ARow);
    DeleteRow(ARow);
    if (FOnDeleteField)
        FOnDeleteField(Field, Aggregate, Alias);
}

// Dragging rows, and fields from the diagram

int TKRSelectGrid::EntryRowBelow() const
{
    // A drop under the rows lands on the last entry; with none yet, the blank row takes it.
    return RowCount() > 2 ? RowCount() - 2 : RowCount() - 1;
}

TKRListItem *TKRSelectGrid::DragFieldOf(QObject *Source) const
{
    const auto *Area = dynamic_cast<const TKRWorkArea *>(Source);
    const auto *Window = Area ? dynamic_cast<const TKRTable *>(Area->SelectedObject()) : nullptr;
    return Window ? Window->CurrentItem() : nullptr;
}

void TKRSelectGrid::HandleDragOver(QObject *Source, int X, int Y, TKRDragState DragState, bool &Accept)
{
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (DragState == dsDragLeave) {
        FDraggedItem = nullptr;
        Accept = false;
        return;
    }
    if (Source == this) {
        Accept = RowCount() > 2 && ARow != 0 && ARow < RowCount() - 1;
        return;
    }
    FDraggedItem = DragFieldOf(Source);
    Accept = FDraggedItem != nullptr && ARow != 0;
}

void TKRSelectGrid::HandleDragDrop(QObject *Source, int X, int Y)
{
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (Source == this) {
        const int From = Row();
        const int To = ARow < 1 ? EntryRowBelow() : ARow;
        if (From >= 1 && From < RowCount() - 1 && To >= 1 && To < RowCount() - 1)
            MoveRow(From, To);
        return;
    }
    const TKRListItem *Item = DragFieldOf(Source);
    FDraggedItem = nullptr;
    if (!Item || ARow == 0)
        return;
    const std::string Name = Item->Name();
    const std::string Field = Item->Table()->GetAlias() + "." + Name;
    ACol = ACol < 0 ? 2 : ACol;
    ARow = ARow < 0 ? EntryRowBelow() : ARow;
    SetCurrentCell(ACol, ARow);
    if (ARow == RowCount() - 1)
        SetRowCount(RowCount() + 1);
    else if (FOnUnselectField)
        RaiseSelect(FOnUnselectField, ARow);
    if (ARow >= RowCount() - 1)
        return;
    SetCells(1, ARow, {});
    SetCells(0, ARow, Name);
    SetCells(2, ARow, Field);
    if (FOnSelectField)
        RaiseSelect(FOnSelectField, ARow);
}

void TKRSelectGrid::EndDrag(QWidget *, QPoint)
{
    FDraggedItem = nullptr;
}

void TKRSelectGrid::DragOver(QObject *Source, QPoint Pos, TKRDragState DragState, bool &Accept)
{
    HandleDragOver(Source, Pos.x(), Pos.y(), DragState, Accept);
}

void TKRSelectGrid::DragDrop(QObject *Source, QPoint Pos)
{
    KRGuarded(this, [&] { HandleDragDrop(Source, Pos.x(), Pos.y()); });
}

// Qt's events

void TKRSelectGrid::Resize()
{
    const int Width = viewport()->width();
    const int Name = RoundTenths(Width, 4);
    const int Aggregate = RoundTenths(Width, 1);
    setColumnWidth(0, Name);
    setColumnWidth(1, Aggregate);
    setColumnWidth(2, std::max(Width - Name - Aggregate - 2, 0));
}

void TKRSelectGrid::resizeEvent(QResizeEvent *Event)
{
    // The viewport's resizes come here too, so the columns follow the scroll bar coming and going.
    QTableView::resizeEvent(Event);
    Resize();
    PlaceOverlay();
}

void TKRSelectGrid::scrollContentsBy(int DX, int DY)
{
    QTableView::scrollContentsBy(DX, DY);
    PlaceOverlay();
}

void TKRSelectGrid::mouseMoveEvent(QMouseEvent *Event)
{
    if (Event->buttons() & Qt::LeftButton) {
        const QPoint P = viewport()->mapTo(this, Event->position().toPoint());
        int ACol = -1;
        int ARow = -1;
        MouseToCell(P.x(), P.y(), ACol, ARow);
        if (ARow >= 1 && ARow < RowCount() - 1) {
            KRDragController().BeginDrag(this, this, false, 1);
            return;
        }
    }
    QTableView::mouseMoveEvent(Event);
}

void TKRSelectGrid::mouseDoubleClickEvent(QMouseEvent *Event)
{
    QTableView::mouseDoubleClickEvent(Event);
    KRGuarded(this, [this] { HandleStringDblClick(); });
}

void TKRSelectGrid::keyPressEvent(QKeyEvent *Event)
{
    int Key = KRVirtualKey(*Event);
    const TKRShiftState Shift = KRShiftState(*Event);
    if (Key == VK_RETURN || (Key == VK_DELETE && Shift.Contains(ssCtrl))) {
        KRGuarded(this, [&] { HandleStringKeyDown(Key, Shift); });
        return;
    }
    QTableView::keyPressEvent(Event);
}

void TKRSelectGrid::contextMenuEvent(QContextMenuEvent *Event)
{
    if (KRPrompter().ExecMenu(*FPopupMenu, Event->globalPos()) == FDeleteAction)
        KRGuarded(this, [this] { HandleDeleteCurrentRow(); });
}

} // namespace korvan
