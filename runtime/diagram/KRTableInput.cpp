// What a table window does with the mouse and the keys the work area hands it: the select-all box,
// the caption buttons, the rows' checks, the field drag's start, the hints, navigation through the
// list, the find-field box, the popup menu, rename, close and unlink.
#include "component/KRStyles.h"
#include "diagram/KREdit.h"
#include "diagram/KRTable.h"
#include "diagram/KRWorkArea.h"
#include "framework/KRText.h"
#include "framework/qt/KRBitmap.h"
#include "framework/qt/KRCanvas.h"
#include "resources/KRResource.h"

#include <algorithm>

#include <QScrollBar>
#include <QSignalBlocker>

namespace korvan {

namespace {

//! The width of a caption button's glyph.
int GlyphWidth()
{
    return KRBitmap("BTN1").width();
}

//! Msg with its position relative to Table's top-left corner in content coordinates, as the
//! window's own mouse events report it.
TKRMouseMsg WindowRelative(const TKRMouseMsg &Msg, const TKRTable &Table)
{
    TKRMouseMsg Relative = Msg;
    const QPoint Scroll = Table.WorkArea()->ScrollPos();
    Relative.X = Msg.X + Scroll.x() - Table.Left();
    Relative.Y = Msg.Y + Scroll.y() - Table.Top();
    return Relative;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Helpers

int TKRTable::ButtonAt(int X) const
{
    const QRect Buttons = ToClient(GetButtonRect());
    const int W = GlyphWidth();
    if (X < Buttons.left() + W + 1)
        return 0;
    if (X > KRRight(Buttons) - W - 2)
        return 2;
    return 1;
}

int TKRTable::ButtonState(int Index) const
{
    if (FPressedButton >= 0)
        return Index == FPressedButton && FHotButton == Index ? 0 : 1;
    return FSelected && Index == FHotButton ? 2 : 1;
}

void TKRTable::InvalidateButtons() const
{
    Invalidate(GetButtonRect());
}

TKRListItem *TKRTable::RowAt(int Y) const
{
    const int Last = std::min(Count(), FFirstVisibleItem + FVisibleCount + 1);
    for (int I = FFirstVisibleItem; I < Last; ++I)
        if (KRBottom(GetItemRect(Items(I))) > Y)
            return Items(I);
    return nullptr;
}

void TKRTable::Toggle(TKRListItem *Item)
{
    if (!Item)
        return;
    Item->SetCheck(!Item->Checked());
    Item->UpdateCheck(Item->Checked());
}

void TKRTable::GoToRow(int Index)
{
    if (Index < FFirstVisibleItem)
        SetFirstVisibleItem(Index);
    else if (Index >= FFirstVisibleItem + FVisibleCount)
        SetFirstVisibleItem(Index - FVisibleCount + 1);
    SetCurrentItem(Items(Index));
    ResizeDone();
}

void TKRTable::SetFieldState(int State)
{
    UpdateFieldState(State);
    for (const auto &Item : FItems)
        if (Item->ParamType() == ptOutput)
            Item->SetCheck(State == 2);
}

bool TKRTable::UpdateScrollBar()
{
    if (!FSelected || !Expanded() || Count() <= FVisibleCount)
        return false;
    QScrollBar *Bar = FWorkArea->ListScrollBar();
    const QRect Client = ToClient(GetClientRect());
    const QSignalBlocker Quiet(Bar);
    Bar->setGeometry(KRRight(Client) - FScrollBarWidth, Client.top(), FScrollBarWidth, Client.height());
    Bar->setRange(0, Count() - FVisibleCount);
    Bar->setPageStep(std::max(FVisibleCount - 1, 1));
    Bar->setValue(FFirstVisibleItem);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Mouse

void TKRTable::MouseDown(TKRMouseMsg &Msg, TTableHitTest HitTest)
{
    switch (HitTest) {
    case htTCheck:
        SetFieldState(FFieldState == 2 ? 0 : 2);
        break;
    case htTbutton:
        FPressedButton = ButtonAt(Msg.X);
        FHotButton = FPressedButton;
        InvalidateButtons();
        break;
    case htTClient:
        SetCurrentItem(RowAt(Msg.Y));
        break;
    default:
        break;
    }
    TKRMouseMsg Relative = WindowRelative(Msg, *this);
    TKRFloatObject::MouseDown(Relative, HitTest);
    Msg.Result = Relative.Result;
}

void TKRTable::MouseMove(TKRMouseMsg &Msg, TTableHitTest HitTest)
{
    FHint.clear();
    const bool LeftDown = (Msg.Keys & MK_LBUTTON) != 0;
    switch (HitTest) {
    case htTbutton:
        if (FSelected) {
            const bool Over = ToClient(GetButtonRect()).contains(Msg.X, Msg.Y);
            const int Hot = Over ? ButtonAt(Msg.X) : -1;
            static constexpr const char *Hints[] = { SCollapseExpandTable, SUnlinkTable, SCloseTable };
            if (Hot >= 0)
                FHint = Hints[Hot];
            if (Hot != FHotButton) {
                FHotButton = Hot;
                InvalidateButtons();
            }
        }
        break;
    case htTClient: {
        const TKRListItem *Row = FCurrentItem;
        if (Row && Row->ParamType() == ptOutput && LeftDown
                && Msg.X > GetItemRect(Row).left() + FItemHeight) {
            FWorkArea->BeginFieldDrag();
        } else if (const TKRListItem *Under = RowAt(Msg.Y)) {
            FHint = Under->Name() + " (" + Under->GetDataName() + ")";
        }
        break;
    }
    case htTCheck:
        if (!LeftDown)
            FHint = FFieldState == 2 ? SUnselectAllFields : SSelectAllFields;
        break;
    case htTCaption:
        if (!LeftDown)
            FHint = SEditAliasHint;
        break;
    default:
        break;
    }
    TKRMouseMsg Relative = WindowRelative(Msg, *this);
    TKRFloatObject::MouseMove(Relative, HitTest);
    Msg.Result = Relative.Result;
}

void TKRTable::MouseUp(TKRMouseMsg &Msg, TTableHitTest HitTest)
{
    if (HitTest == htTbutton) {
        const int Pressed = std::exchange(FPressedButton, -1);
        InvalidateButtons();
        const bool Over = ToClient(GetButtonRect()).contains(Msg.X, Msg.Y);
        if (Over && Pressed >= 0 && ButtonAt(Msg.X) == Pressed) {
            if (Pressed == 2) {
                // The window may be gone when this returns.
                Close();
                return;
            }
            if (Pressed == 1)
                Unlink();
            else
                SetExpand(!Expanded());
        }
    } else if (HitTest == htTClient) {
        TKRListItem *Row = RowAt(Msg.Y);
        const QRect Rect = Row ? GetItemRect(Row) : QRect();
        if (Row && Row == FCurrentItem && Row->ParamType() == ptOutput && Msg.X >= Rect.left()
                && Msg.X < Rect.left() + FItemHeight)
            Toggle(Row);
    }
    TKRMouseMsg Relative = WindowRelative(Msg, *this);
    TKRFloatObject::MouseUp(Relative, HitTest);
    Msg.Result = Relative.Result;
}

void TKRTable::DblClick(TKRMouseMsg &, TTableHitTest HitTest)
{
    if (HitTest == htTCaption)
        HandleRenameTable();
    else if (HitTest == htTClient)
        Toggle(FCurrentItem);
}

void TKRTable::LeaveHit(TKRMouseMsg &, TTableHitTest HitTest)
{
    if (HitTest == htTbutton && FHotButton >= 0) {
        FHotButton = -1;
        InvalidateButtons();
    }
}

// ---------------------------------------------------------------------------------------------
// Keys

void TKRTable::KeyDown(int &Key, TKRShiftState Shift)
{
    TKRFloatObject::KeyDown(Key, Shift);
    switch (Key) {
    case VK_RETURN:
    case VK_SPACE:
        Toggle(FCurrentItem);
        return;
    case VK_RIGHT:
    case VK_DOWN:
    case VK_LEFT:
    case VK_UP:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END: {
        if (Count() == 0)
            return;
        int Index = FFirstVisibleItem;
        if (FCurrentItem) {
            const int Current = FCurrentItem->GetIndex();
            switch (Key) {
            case VK_RIGHT:
            case VK_DOWN:
                Index = Current + 1;
                break;
            case VK_LEFT:
            case VK_UP:
                Index = Current - 1;
                break;
            case VK_PRIOR:
                Index = Current + 1 - FVisibleCount;
                break;
            case VK_NEXT:
                Index = Current + FVisibleCount - 1;
                break;
            case VK_HOME:
                Index = 0;
                break;
            default:
                Index = Count() - 1;
            }
        }
        Index = std::clamp(Index, 0, Count() - 1);
        if (Items(Index) != FCurrentItem)
            GoToRow(Index);
        return;
    }
    default:
        break;
    }
    if (Key < '0' || Key > 'Z')
        return;
    if (FWorkArea->SelectedObject() != this)
        FWorkArea->Select(this);
    TKREdit *Find = FWorkArea->FindEdit();
    Find->setFont(FWorkArea->Font());
    QPalette Colors = Find->palette();
    Colors.setColor(QPalette::Base, KRColorToQColor(FWorkArea->Color(), Colors));
    Find->setPalette(Colors);
    Find->move(ToClient(QRect(FLeft, KRBottom(GetBoundsRect()) + 1, 1, 1)).topLeft());
    Find->SetOnKeyUp([this](TKREdit *Sender, int &Up, TKRShiftState UpShift) {
        HandleFindField(Sender, Up, UpShift);
    });
    Find->setText(QString(QChar(Key)));
    Find->setCursorPosition(1);
    Find->show();
    Find->raise();
    Find->setFocus(Qt::OtherFocusReason);
    HandleFindField(Find, Key, Shift);
}

void TKRTable::HandleFindField(TKREdit *Sender, int &Key, TKRShiftState)
{
    if (!Sender)
        return;
    switch (Key) {
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_DOWN:
    case VK_UP:
    case VK_PRIOR:
    case VK_NEXT:
        Sender->hide();
        FWorkArea->setFocus(Qt::OtherFocusReason);
        return;
    default:
        break;
    }
    const std::string Text = AnsiUpperCase(Sender->text().toStdString());
    if (Text.empty())
        return;
    for (int I = 0; I < Count(); ++I)
        if (AnsiUpperCase(Items(I)->Name()).starts_with(Text)) {
            if (Items(I) != FCurrentItem)
                GoToRow(I);
            return;
        }
}

// ---------------------------------------------------------------------------------------------
// Commands

void TKRTable::PopupMenu(QMenu &Menu, int, int, TTableHitTest HitTest)
{
    if (HitTest != htTCaption)
        return;
    // The command runs after the menu has closed; the window is looked up again then.
    const auto Live = [Id = Identity()] { return TKRIdentified::Find<TKRTable>(Id); };
    FWorkArea->AddMenuItem(Menu, SDeleteTable, [Live] {
        if (TKRTable *Table = Live())
            Table->HandleRemoveTable();
    });
    FWorkArea->AddMenuItem(Menu, "-", {});
    FWorkArea->AddMenuItem(Menu, SRenameTable, [Live] {
        if (TKRTable *Table = Live())
            Table->HandleRenameTable();
    });
}

void TKRTable::HandleRenameTable()
{
    TKRFloatObject *Selected = FWorkArea->SelectedObject();
    if (!Selected)
        return;
    if (Selected != this)
        FWorkArea->Select(this);
    TKREdit *Editor = FWorkArea->AliasEdit();
    QRect Rect = ToClient(GetCaptionRect());
    Rect.translate(0, 1);
    Editor->setGeometry(Rect);
    QPalette Colors = Editor->palette();
    Colors.setColor(QPalette::Base, KRColorToQColor(FWorkArea->Palette().ActiveCaption(), Colors));
    Editor->setPalette(Colors);
    QFont Bold = FWorkArea->Font();
    Bold.setBold(true);
    Editor->setFont(Bold);
    Editor->setText(QString::fromStdString(GetAlias()));
    Editor->selectAll();
    Editor->show();
    Editor->raise();
    Editor->setFocus(Qt::OtherFocusReason);
}

void TKRTable::Close()
{
    TKRWorkArea *WorkArea = FWorkArea;
    // The application hears of the closing several times and may change the diagram meanwhile,
    // even free this window: each step goes on only while the window lives.
    const std::uint64_t Id = Identity();
    const auto Alive = [Id] { return TKRIdentified::Find<TKRTable>(Id) != nullptr; };
    if (WorkArea->Owner() && !WorkArea->Owner()->DoAddRemoveTable(this, kraRemove))
        return;
    if (!Alive())
        return;
    FClosing = true;
    for (std::size_t I = 0; I < FItems.size(); ++I) {
        TKRListItem *Item = FItems[I].get();
        if (!Item->Checked())
            continue;
        Item->UpdateCheck(false);
        WorkArea->HandleCheckItem(this, Item);
        if (!Alive())
            return;
    }
    WorkArea->HandleRemoveTable(this);
    if (!Alive())
        return;
    Invalidate(GetBoundsRect());
    WorkArea->CloseTable(this, false);
}

void TKRTable::Unlink()
{
    FWorkArea->UnlinkTable(this);
}

} // namespace korvan
