#include "diagram/KRWorkArea.h"

#include "component/KRStoredProc.h"
#include "component/KRStyles.h"
#include "diagram/KREdit.h"
#include "diagram/KRLink.h"
#include "diagram/KRLinkProp.h"
#include "diagram/KRTable.h"
#include "framework/KRText.h"
#include "framework/qt/KRCanvas.h"
#include "framework/qt/KRCursor.h"
#include "parser/KRTableDefs.h"

#include <algorithm>

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

namespace korvan {

TKRWorkArea::TKRWorkArea(QWidget *Parent, TKRWorkAreaOwner *Owner)
    : TKRAllKeys<QAbstractScrollArea>(Parent)
    , FOwner(Owner)
    , FMoveHits{ htTLeft, htTTop, htTRight, htTBottom, htTLeftTop, htTLeftBottom, htTRightTop, htTRightBottom,
        htTCaption }
    , FFont(QStringLiteral("DejaVu Sans"))
{
    FFont.setPixelSize(11);
    if (!Owner) {
        FDefaultPalette = std::make_unique<TKRPalette>();
        FDefaultStyle = std::make_unique<TKRStyle>();
    }
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setSingleStep(8);
    verticalScrollBar()->setSingleStep(8);
    UpdateScrollRanges();
    CreateTools();
    SetLinkEditor(new TfmLinkProp(this));
}

TKRWorkArea::~TKRWorkArea()
{
    // A drag that involves this widget must not outlive it.
    if (FFieldDrag || KRDragController().Target() == this)
        KRDragController().Cancel();
    FTimers.SetOnTimer({});
    FAliasEdit->SetOnExit({});
    FFindEdit->SetOnExit({});
    FHotObject = nullptr;
    FSelectedObject = nullptr;
    FLinks.clear();
    FJoins.clear();
    FTableWindows.clear();
}

// ---------------------------------------------------------------------------------------------
// Look

const TKRPalette &TKRWorkArea::Palette() const
{
    return FOwner ? FOwner->Palette() : *FDefaultPalette;
}

const TKRStyle &TKRWorkArea::Style() const
{
    return FOwner ? FOwner->Style() : *FDefaultStyle;
}

TKROptions TKRWorkArea::Options() const
{
    return FOwner ? FOwner->Options() : TKROptions{ kroRowSelect };
}

int TKRWorkArea::FontHeight() const
{
    const int Pixels = FFont.pixelSize() > 0 ? FFont.pixelSize() : QFontInfo(FFont).pixelSize();
    return -Pixels;
}

void TKRWorkArea::SetFont(const QFont &Font)
{
    FFont = Font;
    const int Height = FontHeight();
    for (const auto &Table : FTableWindows) {
        Table->SetCaptionHeight(std::abs(Height) + 4);
        Table->SetItemHeight(Height);
    }
    viewport()->update();
}

void TKRWorkArea::SetColor(TColor Value)
{
    FColor = Value;
    viewport()->update();
}

// ---------------------------------------------------------------------------------------------
// Scrolling and repainting

int TKRWorkArea::HorzPosition() const
{
    return horizontalScrollBar()->value();
}

int TKRWorkArea::VertPosition() const
{
    return verticalScrollBar()->value();
}

void TKRWorkArea::SetScrollPos(QPoint Pos)
{
    horizontalScrollBar()->setValue(Pos.x());
    verticalScrollBar()->setValue(Pos.y());
}

void TKRWorkArea::UpdateScrollRanges()
{
    const QSize Client = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, ContentSize - Client.width()));
    horizontalScrollBar()->setPageStep(Client.width());
    verticalScrollBar()->setRange(0, std::max(0, ContentSize - Client.height()));
    verticalScrollBar()->setPageStep(Client.height());
}

void TKRWorkArea::resizeEvent(QResizeEvent *Event)
{
    QAbstractScrollArea::resizeEvent(Event);
    UpdateScrollRanges();
}

void TKRWorkArea::scrollContentsBy(int DX, int DY)
{
    // The editors stay over their windows.
    FAliasEdit->move(FAliasEdit->pos() + QPoint(DX, DY));
    FFindEdit->move(FFindEdit->pos() + QPoint(DX, DY));
    PlaceListScrollBar();
    viewport()->update();
}

void TKRWorkArea::InvalidateRect(const QRect &Rect)
{
    if (FUpdating == 0)
        viewport()->update(Rect);
}

void TKRWorkArea::InvalidateRegion(const QRegion &Region)
{
    if (FUpdating == 0)
        viewport()->update(Region);
}

void TKRWorkArea::BeginUpdate()
{
    ++FUpdating;
}

void TKRWorkArea::EndUpdate()
{
    if (FUpdating > 0 && --FUpdating == 0)
        viewport()->update();
}

void TKRWorkArea::paintEvent(QPaintEvent *Event)
{
    QPainter Painter(viewport());
    Painter.setClipRegion(Event->region());
    {
        TKRCanvas Canvas(Painter, palette());
        Canvas.SetBkMode(bkTransparent);
        Canvas.FillRect(viewport()->rect(), FColor);
        Canvas.SetPen(clBlack, 1, psClear);
        Canvas.SetBrush(clBlack);
        for (const auto &Link : FLinks)
            Link->Paint(Canvas);
        // Back to front: a window covers the links beneath it and the windows behind it. Every
        // window paints each pixel of its rectangle, so this is the picture of windows that keep
        // their rectangles out of what is drawn after them, at a fraction of the clipping cost.
        for (auto It = FTableWindows.rbegin(); It != FTableWindows.rend(); ++It)
            (*It)->Paint(Canvas);
    }
    // A rubber band is inverted over everything, windows included.
    Painter.setClipRegion(Event->region());
    TKRCanvas Band(Painter, palette());
    for (const auto &Link : FLinks)
        Link->PaintRubberBand(Band);
}

// ---------------------------------------------------------------------------------------------
// Windows

std::string TKRWorkArea::UniqueAlias(const std::string &Name, int &Counter) const
{
    const auto Taken = [this](const std::string &Alias) {
        return std::any_of(
                FTableWindows.begin(), FTableWindows.end(), [&](const auto &T) { return T->AliasIs(Alias); });
    };
    std::string Alias = Name;
    Counter = 0;
    while (Taken(Alias))
        Alias = Name + std::to_string(++Counter);
    return Alias;
}

TKRTable *TKRWorkArea::AddPanel(const std::string &Name, const TDataSet *DataSet)
{
    int Counter = 0;
    const std::string Alias = UniqueAlias(Name, Counter);
    Select(nullptr);
    auto Table = std::make_unique<TKRTable>(this, DataSet, Name);
    if (Counter > 0)
        Table->SetAlias(Alias);
    return PlaceWindow(std::move(Table));
}

TKRStoredProc *TKRWorkArea::AddProc(const std::string &Name, const TDataSet *DataSet, const TParams *Params)
{
    int Counter = 0;
    const std::string Alias = UniqueAlias(Name, Counter);
    Select(nullptr);
    auto Proc = std::make_unique<TKRStoredProc>(this, Params, Name, DataSet);
    if (Counter > 0)
        Proc->SetAlias(Alias);
    return static_cast<TKRStoredProc *>(PlaceWindow(std::move(Proc)));
}

TKRTable *TKRWorkArea::PlaceWindow(std::unique_ptr<TKRTable> Table)
{
    if (FOwner && !FOwner->DoAddRemoveTable(Table.get(), kraAdd))
        return nullptr;
    const QRect Caption = Table->CaptionRect(true);
    const int Needed = KRRight(Caption) - Table->Left();
    if (Table->Width() < Needed)
        Table->SetWidth(Needed);

    QRect R = Table->GetBoundsRect().translated(50, 20);
    for (std::size_t I = 0; FFindPlaces && I < FTableWindows.size();) {
        const QRect Other = FTableWindows[I]->GetBoundsRect();
        if (R.intersects(Other)) {
            R.moveLeft(KRRight(Other) + 10);
            I = 0;
        } else {
            ++I;
        }
    }
    Table->SetLeft(R.x());
    Table->SetTop(R.y());

    TKRTable *Added = Table.get();
    FTableWindows.insert(FTableWindows.begin(), std::move(Table));
    if (FOnAddTable)
        FOnAddTable(this, Added);
    Select(Added);
    return Added;
}

void TKRWorkArea::DoEnterParameter(TKRTable *Table, TKRListItem *Item)
{
    if (FOnEnterParameter)
        FOnEnterParameter(Table, Item);
}

void TKRWorkArea::HandleRemoveTable(TKRTable *Table)
{
    if (FOnRemoveTable)
        FOnRemoveTable(this, Table);
}

void TKRWorkArea::HandleCheckItem(TKRTable *Table, TKRListItem *Item)
{
    if (Table && FOnCheckItem)
        FOnCheckItem(Table, Item);
}

TKRTable *TKRWorkArea::GetTable(const std::string &Alias) const
{
    if (Trim(Alias).empty())
        return FTableWindows.size() == 1 ? FTableWindows.front().get() : nullptr;
    for (const auto &Table : FTableWindows)
        if (Table->AliasIs(Alias))
            return Table.get();
    return nullptr;
}

void TKRWorkArea::TableToFront(TKRFloatObject *Object)
{
    const auto It = std::find_if(FTableWindows.begin(), FTableWindows.end(),
            [Object](const auto &T) { return T.get() == Object; });
    if (It != FTableWindows.end() && It != FTableWindows.begin())
        std::rotate(FTableWindows.begin(), It, It + 1);
}

// ---------------------------------------------------------------------------------------------
// Links and joins

TKRJoin *TKRWorkArea::FindJoin(const TKRTable *Table1, const TKRTable *Table2, bool &Swapped) const
{
    for (const auto &Join : FJoins) {
        if (Join->Tables(0) == Table1 && Join->Tables(1) == Table2) {
            Swapped = false;
            return Join.get();
        }
        if (Join->Tables(0) == Table2 && Join->Tables(1) == Table1) {
            Swapped = true;
            return Join.get();
        }
    }
    return nullptr;
}

bool TKRWorkArea::FindLink(const TKRTable *Table1, const TKRTable *Table2, const TKRListItem *Item1,
        const TKRListItem *Item2) const
{
    bool Swapped = false;
    const TKRJoin *Join = FindJoin(Table1, Table2, Swapped);
    if (!Join)
        return false;
    if (Swapped)
        std::swap(Item1, Item2);
    return std::any_of(FLinks.begin(), FLinks.end(), [&](const auto &Link) {
        return Link->Join() == Join && Link->FirstItem() == Item1 && Link->SecondItem() == Item2;
    });
}

TKRLink *TKRWorkArea::AddLink(TKRTable *Table1, TKRTable *Table2, TKRListItem *Item1, TKRListItem *Item2)
{
    const auto IsWindow = [this](const TKRTable *T) {
        return T && std::any_of(FTableWindows.begin(), FTableWindows.end(), [T](const auto &W) {
            return W.get() == T;
        });
    };
    // A row that is not there (a join naming a field the window lacks) gets no link.
    if (!IsWindow(Table1) || !IsWindow(Table2) || !Item1 || !Item2 || Item1->Table() != Table1
            || Item2->Table() != Table2)
        return nullptr;
    bool Swapped = false;
    TKRJoin *Join = FindJoin(Table1, Table2, Swapped);
    std::unique_ptr<TKRJoin> NewJoin;
    if (!Join) {
        NewJoin = std::make_unique<TKRJoin>(this, Table1, Table2);
        Join = NewJoin.get();
    }
    auto Link = Swapped ? std::make_unique<TKRLink>(this, Join, Item2, Item1)
                        : std::make_unique<TKRLink>(this, Join, Item1, Item2);
    if (FOwner) {
        const std::uint64_t Id1 = Table1->Identity();
        const std::uint64_t Id2 = Table2->Identity();
        if (!FOwner->DoAddRemoveLink(Link.get(), kraAdd))
            return nullptr;
        // The application may have changed the diagram meanwhile.
        bool Again = false;
        if (!TKRIdentified::Find<TKRTable>(Id1) || !TKRIdentified::Find<TKRTable>(Id2)
                || (!NewJoin && FindJoin(Table1, Table2, Again) != Join))
            return nullptr;
    }
    if (NewJoin)
        FJoins.push_back(std::move(NewJoin));
    TKRLink *Added = Link.get();
    FLinks.push_back(std::move(Link));

    // The model joins the pair in the join's order, so that the joined table comes after the one
    // it is joined to whichever window the field was dragged from; a definition the model already
    // has, either way round, is kept.
    if (!FindJoinDef(*Added)) {
        const TKRTable *First = Added->Join()->Tables(0);
        const TKRTable *Second = Added->Join()->Tables(1);
        TKRTableDefs *Defs = FOwner ? FOwner->TableDefs() : nullptr;
        if (TKRTableDef *Def = Defs ? Defs->FindByAlias(First->GetAlias()) : nullptr) {
            TKRJoinDef *JoinDef = Def->JoinDefs()->Add();
            JoinDef->SetFieldName(Added->FirstItem()->Name());
            JoinDef->SetJoinTable(Second->GetAlias());
            JoinDef->SetJoinFieldName(Added->SecondItem()->Name());
        }
    }
    if (FUpdating == 0)
        InvalidateRegion(Added->GetClipRgn(0));
    if (FOnAddLink)
        FOnAddLink(this, Added);
    return Added;
}

int TKRWorkArea::IndexOfLink(const TKRLink *Link) const
{
    for (std::size_t I = 0; I < FLinks.size(); ++I)
        if (FLinks[I].get() == Link)
            return static_cast<int>(I);
    return -1;
}

TKRJoinDef *TKRWorkArea::FindJoinDef(const TKRLink &Link) const
{
    TKRTableDefs *Defs = FOwner ? FOwner->TableDefs() : nullptr;
    const TKRTable *First = Link.Join()->Tables(0);
    const TKRTable *Second = Link.Join()->Tables(1);
    if (!Defs || !First || !Second)
        return nullptr;
    if (TKRTableDef *Def = Defs->FindByAlias(First->GetAlias()))
        if (TKRJoinDef *Found = Def->JoinDefs()->Find(
                    Link.FirstItem()->Name(), Second->GetAlias(), Link.SecondItem()->Name()))
            return Found;
    if (TKRTableDef *Def = Defs->FindByAlias(Second->GetAlias()))
        return Def->JoinDefs()->Find(Link.SecondItem()->Name(), First->GetAlias(), Link.FirstItem()->Name());
    return nullptr;
}

void TKRWorkArea::RemoveJoinDef(const TKRLink &Link)
{
    delete FindJoinDef(Link);
}

void TKRWorkArea::RemoveLink(TKRLink *Link, int Index, bool Invalidate)
{
    if (Index < 0 || Index >= LinkCount() || Links(Index) != Link)
        return;
    if (FHotObject == Link)
        FHotObject = nullptr;
    if (FSelectedObject == Link) {
        Link->SetSelect(false);
        FSelectedObject = nullptr;
    }
    if (Invalidate)
        InvalidateRegion(Link->GetClipRgn(0));
    RemoveJoinDef(*Link);
    std::unique_ptr<TKRLink> Owned = std::move(FLinks[static_cast<std::size_t>(Index)]);
    FLinks.erase(FLinks.begin() + Index);
    if (FOnRemoveLink)
        FOnRemoveLink(this, Owned.get());
    const TKRJoin *Join = Owned->Join();
    Owned.reset();
    if (std::none_of(FLinks.begin(), FLinks.end(), [Join](const auto &L) { return L->Join() == Join; }))
        std::erase_if(FJoins, [Join](const auto &J) { return J.get() == Join; });
}

void TKRWorkArea::DeleteLink(TKRLink *Link)
{
    const std::uint64_t Id = Link->Identity();
    if (FOwner && !FOwner->DoAddRemoveLink(Link, kraRemove))
        return;
    if (TKRIdentified::Find<TKRLink>(Id) == Link)
        RemoveLink(Link, IndexOfLink(Link), true);
}

void TKRWorkArea::UnlinkTable(TKRTable *Table)
{
    for (int I = LinkCount() - 1; I >= 0; --I) {
        // Each removal is reported to the application, which may remove links of its own.
        if (I >= LinkCount())
            continue;
        const TKRJoin *Join = Links(I)->Join();
        if (Join->Tables(0) == Table || Join->Tables(1) == Table)
            RemoveLink(Links(I), I, true);
    }
}

void TKRWorkArea::CloseTable(TKRTable *Table, bool Ask)
{
    const auto IndexOf = [this](const TKRTable *T) {
        const auto It = std::find_if(
                FTableWindows.begin(), FTableWindows.end(), [T](const auto &W) { return W.get() == T; });
        return It == FTableWindows.end() ? -1 : static_cast<int>(It - FTableWindows.begin());
    };
    if (IndexOf(Table) < 0)
        return;
    const std::uint64_t Id = Table->Identity();
    if (Ask && FOwner && !FOwner->DoAddRemoveTable(Table, kraRemove))
        return;
    UnlinkTable(Table);
    // The application heard of every link removed and may have changed the diagram meanwhile.
    if (TKRIdentified::Find<TKRTable>(Id) != Table || IndexOf(Table) < 0)
        return;
    InvalidateRect(Table->ToClient(Table->GetBoundsRect()));
    ForgetTable(Table);
    if (FHotObject == Table)
        FHotObject = nullptr;
    if (FSelectedObject == Table) {
        Table->SetSelect(false);
        FSelectedObject = nullptr;
    }
    const auto Position = FTableWindows.begin() + IndexOf(Table);
    std::unique_ptr<TKRTable> Owned = std::move(*Position);
    FTableWindows.erase(Position);
}

void TKRWorkArea::ForgetTable(const TKRTable *Table)
{
    if (!Table || (FDropItem && FDropItem->Table() == Table))
        FDropItem = nullptr;
    if (!Table || (FDropHighlight && FDropHighlight->Table() == Table))
        FDropHighlight = nullptr;
    if (!Table || FDropTable == Table)
        FDropTable = nullptr;
    if (!Table || FSelectedObject == Table) {
        FAliasEdit->hide();
        FFindEdit->hide();
        FFindEdit->SetOnKeyUp({});
        FListScrollBar->hide();
    }
}

void TKRWorkArea::ClearContents()
{
    ForgetTable(nullptr);
    FHotObject = nullptr;
    FSelectedObject = nullptr;
    FLinks.clear();
    FJoins.clear();
    FTableWindows.clear();
    viewport()->update();
}

void TKRWorkArea::SelectLink(TKRListItem *Item1, TKRListItem *Item2, bool State)
{
    if (FOnSelectionLink)
        FOnSelectionLink(this, Item1->Table(), Item2->Table(), Item1, Item2, State);
}

void TKRWorkArea::MoveControl(TKRTable *Table)
{
    for (const auto &Link : FLinks) {
        const bool First = Link->Join()->Tables(0) == Table;
        const bool Second = Link->Join()->Tables(1) == Table;
        if (!First && !Second)
            continue;
        // A link with bend points repaints only its moving end; a straight one moves as a whole.
        const int Part = Link->CountPoints() == 4 ? 0 : Second ? 2 : 1;
        InvalidateRegion(Link->GetClipRgn(Part));
        Link->SetBoundaryRect();
        InvalidateRegion(Link->GetClipRgn(Part));
    }
    if (Table == FSelectedObject)
        PlaceListScrollBar();
}

void TKRWorkArea::ResizeControl(TKRTable *Table)
{
    for (const auto &Link : FLinks)
        if (Link->Join()->Tables(0) == Table || Link->Join()->Tables(1) == Table) {
            InvalidateRegion(Link->GetClipRgn(0));
            Link->SetBoundaryRect();
            InvalidateRegion(Link->GetClipRgn(0));
        }
    if (Table == FSelectedObject)
        PlaceListScrollBar();
}

// ---------------------------------------------------------------------------------------------
// Selection

void TKRWorkArea::Select(TKRFloatObject *Object)
{
    if (FSelectedObject && FSelectedObject != Object)
        FSelectedObject->SetSelect(false);
    FSelectedObject = Object;
    if (Object && !Object->Selected())
        Object->SetSelect(true);
}

void TKRWorkArea::ShowPanel(const TKRTable *Table)
{
    if (!Table)
        return;
    const QRect R = Table->ToClient(Table->GetBoundsRect());
    const QSize Client = viewport()->size();
    const auto Shift = [](int Low, int High, int Size) {
        if (Low < 0)
            return Low;
        if (High > Size)
            return std::min(High - Size, Low);
        return 0;
    };
    SetScrollPos(ScrollPos()
            + QPoint(Shift(R.left(), KRRight(R), Client.width()),
                    Shift(R.top(), KRBottom(R), Client.height())));
}

void TKRWorkArea::ClearSelection()
{
    for (const auto &Table : FTableWindows)
        if (Table->Selected())
            Table->SetSelect(false);
    for (const auto &Link : FLinks)
        if (Link->Selected())
            Link->SetSelect(false);
}

void TKRWorkArea::SetupCursor(TTableHitTest HitTest)
{
    TKRCursor Cursor = crDefault;
    switch (HitTest) {
    case htTLeft:
    case htTRight:
        Cursor = crSizeWE;
        break;
    case htTTop:
    case htTBottom:
        Cursor = crSizeNS;
        break;
    case htTLeftTop:
    case htTRightBottom:
        Cursor = crSizeNWSE;
        break;
    case htTLeftBottom:
    case htTRightTop:
        Cursor = crSizeNESW;
        break;
    case htTEndLine:
        Cursor = crUpArrow;
        break;
    case htTPoint:
        Cursor = crSizeAll;
        break;
    default:
        break;
    }
    if (Cursor == crDefault)
        viewport()->unsetCursor();
    else
        viewport()->setCursor(KRCursor(Cursor));
}

void TKRWorkArea::AddMenuItem(QMenu &Menu, const std::string &Caption, std::function<void()> Handler)
{
    if (Caption == "-") {
        Menu.addSeparator();
        return;
    }
    QAction *Action = Menu.addAction(QString::fromStdString(Caption));
    FMenuHandlers.emplace_back(Action, std::move(Handler));
}

} // namespace korvan
