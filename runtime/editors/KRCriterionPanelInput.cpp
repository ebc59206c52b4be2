// The criteria editors' interaction: the mouse over the drawn parts, the keys, the popup menus and
// their actions, and the in-place editor of fields and values.
#include "component/KRStyles.h"
#include "editors/KRCriterionPanel.h"
#include "editors/KRMemoEx.h"
#include "editors/KRTreeViewEx.h"
#include "framework/KRException.h"
#include "framework/KRText.h"
#include "framework/qt/KRCanvas.h"
#include "framework/qt/KRGuarded.h"
#include "framework/qt/KRPrompter.h"
#include "parser/KROperators.h"
#include "resources/KRResource.h"

#include <algorithm>

#include <QMouseEvent>
#include <QScrollBar>

namespace korvan {

namespace {

constexpr int FirstValue = 5;

bool IsButton(const TKRControl *Part)
{
    return Part && Part->ControlIndex() == 0;
}

} // namespace

void TKRCriterionPanel::CreateInteraction()
{
    FEditor = new TKRMemoEx(viewport());
    FEditor->setFont(FFont);
    FEditor->OnCommit = [this] { KRGuarded(this, [this] { SetFieldText(); }); };
    FEditor->OnExit = FEditor->OnCommit;
    FEditor->OnCancel = [this] { CancelEdit(); };
    QObject::connect(FEditor, &QPlainTextEdit::textChanged, this, [this] { AutoSizeEditor(); });
    FEditor->OnInsertField = [this] { InsertField(); };
    FEditorMenu = new QMenu(this);
    FEditorMenu->addAction(QString::fromUtf8(SInsertField));
    FEditor->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(FEditor, &QWidget::customContextMenuRequested, this, [this](QPoint Pos) {
        if (KRPrompter().ExecMenu(*FEditorMenu, FEditor->mapToGlobal(Pos)))
            InsertField();
    });
    FFieldList = new TKRTreeViewEx(this);
    FFieldList->OnExit = [this] { SetFieldFromList(); };
    FFieldList->OnChoose = FFieldList->OnExit;
    FFieldList->OnCancel = [this] {
        FFieldList->hide();
        FEditor->setFocus(Qt::OtherFocusReason);
    };
}

void TKRCriterionPanel::HideOverlays()
{
    if (FFieldList->isVisible())
        FFieldList->hide();
    if (FEditor->isVisible())
        CancelEdit();
}

TKRCriterionRow *TKRCriterionPanel::ActiveRow() const
{
    if (!FHoverControl)
        throw Exception(SNoActiveButton);
    return FHoverControl->Row();
}

void TKRCriterionPanel::StructureChanged()
{
    RelayoutAll();
    UpdateScrollRanges();
    viewport()->update();
}

// ---------------------------------------------------------------------------------------------
// The mouse

void TKRCriterionPanel::mouseMoveEvent(QMouseEvent *Event)
{
    if (FEditor->isVisible())
        return;
    const QPoint P = Event->position().toPoint() + QPoint(HorzPosition(), VertPosition());
    int Top = 0;
    TKRCriterionRow *Row = RowAt(P.y(), &Top);
    TKRControl *Part = ControlAt(Row, P.x());
    const bool KeyFlag = Event->buttons() != Qt::NoButton
            || (Event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) != Qt::NoModifier;
    if (Part == FHoverControl) {
        if (KeyFlag && IsButton(Part) && FButtonLook != krsRaise) {
            FButtonLook = krsRaise;
            InvalidateRow(Part->Row());
        }
        return;
    }
    if (IsButton(FHoverControl) && FButtonLook >= 0) {
        FButtonLook = -1;
        InvalidateRow(FHoverControl->Row());
    }
    if (KeyFlag)
        return;
    FHoverControl = Part;
    FHoverRowTop = Top;
    if (!Part) {
        viewport()->unsetCursor();
        return;
    }
    viewport()->setCursor(Qt::PointingHandCursor);
    if (IsButton(Part) && Style().ButtonStyle() == krsFlat) {
        FButtonLook = krs3DLook;
        InvalidateRow(Row);
    }
}

void TKRCriterionPanel::mousePressEvent(QMouseEvent *Event)
{
    if (Event->button() != Qt::LeftButton)
        return;
    if (FFieldList->isVisible())
        SetFieldFromList();
    if (FEditor->isVisible())
        FEditor->OnCommit();
    setFocus(Qt::MouseFocusReason);
    // The mouse may not have moved since a menu closed or the window came up: the press itself
    // tells which part is under it.
    const QPoint P = Event->position().toPoint() + QPoint(HorzPosition(), VertPosition());
    int Top = 0;
    if (TKRControl *Part = ControlAt(RowAt(P.y(), &Top), P.x()); Part != FHoverControl) {
        FHoverControl = Part;
        FHoverRowTop = Top;
    }
    if (!FHoverControl)
        return;
    if (IsButton(FHoverControl)) {
        FButtonLook = krsRaise;
        InvalidateRow(FHoverControl->Row());
    } else if (FHoverControl != FFocusControl)
        SetFocusControl(FHoverControl);
}

void TKRCriterionPanel::mouseDoubleClickEvent(QMouseEvent *Event)
{
    Event->accept();
}

void TKRCriterionPanel::mouseReleaseEvent(QMouseEvent *Event)
{
    if (Event->button() != Qt::LeftButton || FEditor->isVisible() || !FHoverControl)
        return;
    const QPoint P = Event->position().toPoint() + QPoint(HorzPosition(), VertPosition());
    int Top = 0;
    TKRControl *Part = ControlAt(RowAt(P.y(), &Top), P.x());
    if (IsButton(FHoverControl)) {
        FButtonLook = -1;
        InvalidateRow(FHoverControl->Row());
    }
    // Pressed on one part and released on another: nothing opens.
    if (Part != FHoverControl) {
        FHoverControl = Part;
        FHoverRowTop = Top;
        return;
    }
    const int Y = FHoverRowTop - VertPosition();
    KRGuarded(this, [this, Part, Y] {
        if (IsButton(Part))
            ButtonClick(Part, Y);
        else
            TextClick(Part, Y);
    });
}

// ---------------------------------------------------------------------------------------------
// Clicks and menus

void TKRCriterionPanel::PopupAt(QMenu *Menu, const TKRControl *Part, int Y)
{
    const QPoint Global = viewport()->mapToGlobal(QPoint(Part->Left() - HorzPosition(), Y + FRowHeight));
    QAction *Chosen = KRPrompter().ExecMenu(*Menu, Global);
    viewport()->unsetCursor();
    if (!Chosen)
        return;
    const int Index = static_cast<int>(Menu->actions().indexOf(Chosen));
    if (Menu == FConditionMenu) {
        switch (Index) {
        case 0:
            AddCondition();
            break;
        case 1:
            MakeCompositCondition();
            break;
        case 2:
            DeleteCondition();
            break;
        case 4:
            ExpandCollapse();
            break;
        default:
            break;
        }
    } else if (Menu == FGroupMenu)
        SelectGroupFuncs(static_cast<TKRCriterionFilter>(Chosen->data().toInt()));
    else if (Menu == FAggregateMenu)
        SelectAgrFuncs(Chosen->text().toStdString());
    else if (Menu == FOperatorMenu)
        SelectOperator(Index);
}

void TKRCriterionPanel::ButtonClick(TKRControl *Part, int Y)
{
    const TKRCriterionRow *Row = Part->Row();
    const QList<QAction *> Items = FConditionMenu->actions();
    Items[0]->setEnabled(true);
    Items[1]->setEnabled(!Row->IsGroup());
    Items[2]->setEnabled(!Row->IsRoot());
    Items[4]->setEnabled(Row->IsGroup() && !Row->IsRoot());
    Items[4]->setText(QString::fromUtf8(Row->Expanded() ? SCollapseCondition : SExpandCondition));
    FHoverControl = Part;
    PopupAt(FConditionMenu, Part, Y);
}

void TKRCriterionPanel::TextClick(TKRControl *Part, int Y)
{
    TKRCriterionRow *Row = Part->Row();
    FHoverControl = Part;
    if (Row->IsGroup()) {
        if (Row->Expanded())
            PopupAt(FGroupMenu, Part, Y);
        else {
            Row->SetExpanded(true);
            StructureChanged();
        }
        return;
    }
    switch (Part->ControlIndex()) {
    case 1:
    case 4:
        PopupAt(FAggregateMenu, Part, Y);
        break;
    case 3:
        HandlePopupOpersMenu();
        PopupAt(FOperatorMenu, Part, Y);
        break;
    default:
        OpenEditor(Part, Y);
        break;
    }
}

void TKRCriterionPanel::HandlePopupOpersMenu()
{
    const TKROperators *Ops = Operators();
    if (!Ops)
        return;
    FOperatorMenu->clear();
    for (int I = 0; I < Ops->Count(); ++I)
        FOperatorMenu->addAction(QString::fromStdString(Ops->Items(I)->Caption()));
}

// ---------------------------------------------------------------------------------------------
// The menus' actions

void TKRCriterionPanel::AddCondition()
{
    TKRCriterionRow *Row = ActiveRow();
    TKRCriterionRow *Added = nullptr;
    TKRCriterions *List = nullptr;
    if (Row->IsGroup()) {
        Added = Row->Rows()->Add();
        List = Row->IsRoot() ? Items() : Row->Criterion() ? Row->Criterion()->SubItems() : nullptr;
    } else {
        Added = Row->Collection()->Add();
        List = Row->Criterion() ? dynamic_cast<TKRCriterions *>(Row->Criterion()->Collection()) : nullptr;
    }
    if (List)
        Added->SetCriterion(List->Add());
    StructureChanged();
}

void TKRCriterionPanel::MakeCompositCondition()
{
    TKRCriterionRow *Row = ActiveRow();
    if (Row->IsGroup())
        throw Exception(SConditionAlreadyComposed);
    TKRCriterionRow *Child = Row->Rows()->Add();
    TKRCriterion *Own = Row->Criterion();
    TKRCriterions *List = Own ? Own->SubItems() : Items();
    if (List) {
        TKRCriterion *Copy = List->Add();
        if (Own) {
            Copy->SetLeftSide(Own->LeftSide());
            Copy->SetRightSide(Own->RightSide());
            Copy->SetOperator(Own->Operator());
        }
        Child->SetCriterion(Copy);
    }
    Child->Assign(*Row);
    Row->SetGroupOperator(GetFilterAsString(cfAll));
    StructureChanged();
}

void TKRCriterionPanel::DeleteCondition()
{
    TKRCriterionRow *Row = ActiveRow();
    if (Row->IsRoot())
        throw Exception(SCantDeleteFirstRow);
    if (KRPrompter().MessageBox(this, SDeleteConditionsQuestion, SConfirmation, MB_ICONQUESTION | MB_YESNO)
            != IDYES)
        return;
    if (TKRCriterion *Criterion = Row->Criterion())
        Criterion->Collection()->Delete(Criterion->Index());
    // The line's parts and those of the lines inside it let go of the focus as they are freed.
    Row->Collection()->Delete(Row->Index());
    FHoverControl = nullptr;
    StructureChanged();
}

void TKRCriterionPanel::ExpandCollapse()
{
    TKRCriterionRow *Row = ActiveRow();
    if (!Row->IsGroup())
        throw Exception(SCantExpandSimpleCondition);
    if (Row->IsRoot())
        throw Exception(SCantCollapseFirstCondition);
    Row->SetExpanded(!Row->Expanded());
    // The focus never stays on a line that is no longer shown.
    if (!Row->Expanded() && FFocusControl && FFocusControl->Row() != Row
            && FFocusControl->Row()->TopBound() < 0)
        FFocusControl = Row->Controls(1);
    StructureChanged();
}

void TKRCriterionPanel::SelectGroupFuncs(TKRCriterionFilter Filter)
{
    if (!FHoverControl || FHoverControl->ControlIndex() != 1 || !FHoverControl->Row()->IsGroup())
        throw Exception(SNoActiveButton);
    TKRCriterionRow *Row = FHoverControl->Row();
    Row->SetGroupOperator(GetFilterAsString(Filter));
    TKRCriterions *List = Row->IsRoot() ? Items() : Row->Criterion() ? Row->Criterion()->SubItems() : nullptr;
    if (List)
        List->SetFilter(Filter);
    StructureChanged();
}

void TKRCriterionPanel::SelectAgrFuncs(const std::string &Name)
{
    TKRCriterionRow *Row = ActiveRow();
    if (FHoverControl->ControlIndex() == 1)
        Row->SetAggregateFunc1(Name);
    else
        Row->SetAggregateFunc2(Name);
    StructureChanged();
}

void TKRCriterionPanel::SelectOperator(int Index)
{
    if (!FHoverControl || FHoverControl->ControlIndex() != 3)
        throw Exception(SNoActiveButton);
    const TKROperators *Ops = Operators();
    if (!Ops || Index < 0 || Index >= Ops->Count())
        return;
    FHoverControl->Row()->SetOperator(Ops->Items(Index));
    StructureChanged();
}

// ---------------------------------------------------------------------------------------------
// The in-place editor

void TKRCriterionPanel::OpenEditor(TKRControl *Part, int Y)
{
    const TKRCriterionRow *Row = Part->Row();
    const int Index = Part->ControlIndex();
    if (Index != 2 && Index < FirstValue)
        return;
    std::string Text = CriterionPlaceholder;
    if (Index == 2)
        Text = Row->Field();
    else if (static_cast<std::size_t>(Index - FirstValue) < Row->Arguments().size())
        Text = Row->Arguments()[static_cast<std::size_t>(Index - FirstValue)];
    FHoverControl = Part;
    FEditor->blockSignals(true);
    FEditor->SetText(Text);
    FEditor->blockSignals(false);
    FEditor->setGeometry(Part->Left() - HorzPosition(), Y + 2, Part->Width(), FRowHeight);
    AutoSizeEditor();
    FEditor->show();
    FEditor->setFocus(Qt::OtherFocusReason);
    FEditor->selectAll();
    viewport()->update();
}

void TKRCriterionPanel::AutoSizeEditor()
{
    const QFontMetrics Metrics(FEditor->font());
    const QString Text = FEditor->toPlainText();
    const QStringList Lines = Text.split(QLatin1Char('\n'));
    int W = 0;
    int H = 4;
    for (const QString &Line : Lines) {
        W = std::max(W, Metrics.horizontalAdvance(Line.isEmpty() ? QStringLiteral(" ") : Line));
        H += Metrics.lineSpacing();
    }
    FEditor->resize(FEditor->width(), H);
    const int NewWidth = W + 10;
    if (NewWidth == FEditor->width())
        return;
    const int OldWidth = FEditor->width();
    FEditor->resize(NewWidth, H);
    if (!FHoverControl)
        return;
    // The parts after the one edited make room for the text as it grows.
    FHoverControl->SetWidth(NewWidth);
    FHoverControl->Row()->OffsetControls(FHoverControl->ControlIndex() + 1, NewWidth - OldWidth);
    InvalidateRow(FHoverControl->Row());
}

void TKRCriterionPanel::SetFieldText()
{
    // The focus went to the field picker: editing goes on.
    if (!FEditor->isVisible() || FFieldList->isVisible())
        return;
    FEditor->hide();
    if (FHoverControl) {
        std::string Text = Trim(FEditor->Text());
        if (Text.empty())
            Text = CriterionPlaceholder;
        FEditor->blockSignals(true);
        FEditor->SetText(Text);
        FEditor->blockSignals(false);
        TKRCriterionRow *Row = FHoverControl->Row();
        const int Index = FHoverControl->ControlIndex();
        if (Index == 2)
            Row->SetField(Text);
        else if (Index >= FirstValue)
            Row->SetArgument(Index - FirstValue, Text);
        Row->Relayout();
    }
    StructureChanged();
    setFocus(Qt::OtherFocusReason);
}

void TKRCriterionPanel::CancelEdit()
{
    if (!FEditor->isVisible())
        return;
    FEditor->hide();
    if (FHoverControl)
        FHoverControl->Row()->Relayout();
    viewport()->update();
    setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------------------------
// The keys

void TKRCriterionPanel::keyPressEvent(QKeyEvent *Event)
{
    if (!FFocusControl) {
        TKRAllKeys<QAbstractScrollArea>::keyPressEvent(Event);
        return;
    }
    const int Key = KRVirtualKey(*Event);
    const TKRShiftState Shift = KRShiftState(*Event);
    KRGuarded(this, [this, Key, Shift] { HandleKey(Key, Shift); });
    Event->accept();
}

void TKRCriterionPanel::HandleKey(int Key, TKRShiftState Shift)
{
    TKRControl *F = FFocusControl;
    // Hidden parts are skipped in the direction of travel; the walk ends at the first part shown.
    for (int Step = 0; F && Step < 10000; ++Step) {
        TKRCriterionRow *L = F->Row();
        const int Index = F->ControlIndex();
        const bool Ctrl = Shift.Contains(ssCtrl);
        TKRControl *T = nullptr;
        switch (Key) {
        case VK_LEFT:
        case VK_RIGHT:
            if (L->IsGroup() && Ctrl) {
                FHoverControl = F;
                ExpandCollapse();
                return;
            }
            if (Key == VK_LEFT) {
                if (Index < 2) {
                    const TKRCriterionRow *P = L->PreviousRow();
                    T = P ? P->Controls(P->ControlCount() - 1) : nullptr;
                } else
                    T = L->Controls(Index - 1);
            } else if (Index + 1 < L->ControlCount())
                T = L->Controls(Index + 1);
            else if (const TKRCriterionRow *N = L->NextRow())
                T = N->Controls(1);
            break;
        case VK_UP:
        case VK_DOWN: {
            const TKRCriterionRow *R = Key == VK_UP ? L->PreviousRow() : L->NextRow();
            if (!R)
                break;
            T = R->Controls(std::min(Index, R->ControlCount() - 1));
            if (R->IsGroup() && T->ControlIndex() != 1)
                T = R->Controls(1);
            if (T->Width() == 0)
                Key = VK_RIGHT;
            break;
        }
        case VK_RETURN:
            FHoverControl = F;
            TextClick(F, L->TopBound() - VertPosition());
            return;
        case VK_INSERT:
            FHoverControl = F;
            if (Ctrl && !L->IsGroup())
                MakeCompositCondition();
            else
                AddCondition();
            return;
        case VK_DELETE:
            if (Ctrl) {
                FHoverControl = F;
                DeleteCondition();
            }
            return;
        default:
            return;
        }
        if (!T)
            return;
        MoveFocus(T);
        if (T->Width() > 0 && (!T->Row()->IsGroup() || T->ControlIndex() == 1))
            return;
        F = T;
    }
}

void TKRCriterionPanel::MoveFocus(TKRControl *To)
{
    FFocusControl = To;
    FHoverControl = To;
    viewport()->update();
    if (To->Width() == 0)
        return;
    // The part is scrolled into view.
    const int Top = To->Row()->TopBound();
    const QRect Rect(To->Left() - HorzPosition(), Top - VertPosition(), To->Width(), FRowHeight);
    const QSize Client = viewport()->size();
    if (KRBottom(Rect) > Client.height())
        verticalScrollBar()->setValue(VertPosition() + KRBottom(Rect) - Client.height());
    else if (Rect.top() < 0)
        verticalScrollBar()->setValue(VertPosition() + Rect.top());
    if (KRRight(Rect) > Client.width())
        horizontalScrollBar()->setValue(HorzPosition() + KRRight(Rect) - Client.width());
    else if (Rect.left() < 0)
        horizontalScrollBar()->setValue(HorzPosition() + Rect.left());
}

} // namespace korvan
