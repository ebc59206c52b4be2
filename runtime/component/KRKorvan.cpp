// The query builder control: construction, its pages and splitter, its properties, and the way a
// statement comes in (SetSQL, Clear) and goes out (GetSQL, the change signal).
#include "component/KRKorvan.h"

#include "component/KRStoredProc.h"
#include "component/KRTableList.h"
#include "diagram/KRLink.h"
#include "diagram/KRListItem.h"
#include "diagram/KRTable.h"
#include "editors/KROrderPanel.h"
#include "editors/KRSelectGrid.h"
#include "editors/KRSelectPanel.h"
#include "framework/KREdgeText.h"
#include "framework/KRStrings.h"
#include "framework/KRText.h"
#include "framework/qt/KRBitmap.h"
#include "framework/qt/KRCanvas.h"
#include "framework/qt/KRPrompter.h"
#include "parser/KROperators.h"
#include "parser/KRSQLScanner.h"
#include "parser/KRSelectParser.h"
#include "parser/KRTableDefs.h"
#include "resources/KRResource.h"

#include <QApplication>
#include <QBitmap>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace korvan {

namespace {

//! The event that runs the change check once the events queued before it have run.
const QEvent::Type CheckSQLEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

//! Puts the diagram's repainting and its search for free places off while a statement is laid out.
struct TDiagramUpdate
{
    explicit TDiagramUpdate(TKRWorkArea &Area)
        : WorkArea(Area)
    {
        WorkArea.BeginUpdate();
        WorkArea.SetFindPlaces(false);
    }
    ~TDiagramUpdate()
    {
        WorkArea.SetFindPlaces(true);
        WorkArea.EndUpdate();
    }
    TDiagramUpdate(const TDiagramUpdate &) = delete;
    TDiagramUpdate &operator=(const TDiagramUpdate &) = delete;
    TKRWorkArea &WorkArea;
};

QString Q(const std::string &Text)
{
    return QString::fromStdString(Text);
}

QStringList ToQStrings(const TStrings &Strings)
{
    QStringList Result;
    for (int I = 0; I < Strings.Count(); ++I)
        Result.append(Q(Strings.Strings(I)));
    return Result;
}

std::unique_ptr<TStringList> FromQStrings(const QStringList &Strings)
{
    auto Result = std::make_unique<TStringList>();
    for (const QString &S : Strings)
        Result->Add(S.toStdString());
    return Result;
}

//! Whether Current differs from the list that DefaultCommaText gives, both compared sorted.
bool DiffersFromDefault(const TStrings &Current, const std::string &DefaultCommaText)
{
    TStringList Default;
    Default.SetCommaText(DefaultCommaText);
    Default.Sort();
    return Default.CommaText() != Current.CommaText();
}

//! A bitmap of the resources, transparent where its bottom-left pixel's colour is.
QPixmap ImageWithBottomLeftMask(const char *Name)
{
    QPixmap Image = KRBitmap(Name);
    if (Image.isNull())
        return Image;
    const QColor Transparent = Image.toImage().pixelColor(0, Image.height() - 1);
    Image.setMask(Image.createMaskFromColor(Transparent));
    return Image;
}

//! The row of Window for the column Name: the one named exactly so, else, for a name without
//! identifier quotes, the one named so in other letter case (unquoted names ignore case in SQL,
//! and a column the database has must not leave the statement for being typed in capitals).
TKRListItem *FindRow(const TKRTable &Window, const std::string &Name)
{
    if (TKRListItem *Exact = Window.GetFieldItem(Name))
        return Exact;
    if (Name.empty() || Name.front() == '"' || Name.front() == '`' || Name.front() == '[')
        return nullptr;
    for (int I = 0; I < Window.Count(); ++I)
        if (SameText(Window.Items(I)->Name(), Name))
            return Window.Items(I);
    return nullptr;
}

} // namespace

TCustomKorvan::TCustomKorvan(QWidget *Parent, std::unique_ptr<TKRSelectParser> Parser, bool Designing)
    : QWidget(Parent)
    , FDesigning(Designing)
    , FParser(std::move(Parser))
    , FPalette(std::make_unique<TKRPalette>(this))
    , FStyle(std::make_unique<TKRStyle>(this))
{
    resize(300, 340);
    FImages = { ImageWithBottomLeftMask("TABLEBMP"), ImageWithBottomLeftMask("FIELDBMP") };

    auto *Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(0, 0, 0, 0);
    FSplitter = new QSplitter(Qt::Vertical, this);
    FSplitter->setObjectName(QStringLiteral("Splitter"));
    FSplitter->setHandleWidth(SplitterHeight);
    FSplitter->setChildrenCollapsible(false);
    Layout->addWidget(FSplitter);
    if (FDesigning) {
        FDiagramSpace = new QWidget(FSplitter);
    } else {
        FWorkArea = new TKRWorkArea(FSplitter, this);
        FDiagramSpace = FWorkArea;
    }
    FSplitter->addWidget(FDiagramSpace);
    FPageCtrl = new QTabWidget(FSplitter);
    FPageCtrl->setObjectName(QStringLiteral("PageCtrl"));
    FSplitter->addWidget(FPageCtrl);
    FSplitter->setStretchFactor(0, 1);
    FSplitter->setStretchFactor(1, 0);
    // Dragging the splitter is how the user sets the height of the pages.
    connect(FSplitter, &QSplitter::splitterMoved, this, [this] { FTabHeight = FPageCtrl->height(); });
    CreatePages();
    if (!FDesigning)
        CreateViews();
}

TCustomKorvan::~TCustomKorvan()
{
    if (qApp)
        qApp->removeEventFilter(this);
    FPageCtrl->tabBar()->removeEventFilter(this);
    FPageCtrl->removeEventFilter(this);
    // The views hold on to the parser's model: they go first.
    FTableList.reset();
    delete FSplitter;
    FSplitter = nullptr;
    FWorkArea = nullptr;
    FPageCtrl = nullptr;
    FWherePanel = nullptr;
    FSelectPanel = nullptr;
    FHavingPanel = nullptr;
    FOrderPanel = nullptr;
    FStyle.reset();
    FPalette.reset();
    FParser.reset();
}

void TCustomKorvan::CreatePages()
{
    for (const char *Caption : { SCriteria, SSelection, SGroupingCriteria, SSorting }) {
        const int Index = FPageCtrl->addTab(new QWidget(FPageCtrl), QString::fromUtf8(Caption));
        SetVisibleTabs(FVisibleTabs | TKRVisibleTab(1 << Index));
    }
    if (FDesigning)
        return;
    FPageCtrl->tabBar()->installEventFilter(this);
    FPageCtrl->installEventFilter(this);
    connect(FPageCtrl, &QTabWidget::currentChanged, this, [this] {
        if (!FChangingTabs)
            HandlePagesChange();
    });
}

void TCustomKorvan::CreateViews()
{
    FWherePanel = new TKRWherePanel(FPageCtrl->widget(0), this);
    FWherePanel->SetParser(FParser.get());
    FWherePanel->SetWorkArea(FWorkArea);
    FWherePanel->Activate();

    FSelectPanel = new TKRSelectPanel(FPageCtrl->widget(1));
    FSelectPanel->SetParser(FParser.get());
    TKRSelectGrid *Grid = FSelectPanel->Grid();
    Grid->SetOnSelectField([this](const std::string &Field, const std::string &Aggregate,
                                   const std::string &Alias) { HandleSelectField(Field, Aggregate, Alias); });
    Grid->SetOnUnselectField(
            [this](const std::string &Field, const std::string &Aggregate, const std::string &Alias) {
                HandleUnselectField(Field, Aggregate, Alias);
            });
    Grid->SetOnDeleteField([this](const std::string &Field, const std::string &, const std::string &Alias) {
        HandleDeleteField(Field, Alias);
    });
    Grid->SetOnChangeFieldAlias(
            [this](const std::string &Field, const std::string &Alias, std::string &NewAlias) {
                HandleChangeFieldAlias(Field, Alias, NewAlias);
            });

    FHavingPanel = new TKRHavingPanel(FPageCtrl->widget(2), this);
    FHavingPanel->SetParser(FParser.get());
    FHavingPanel->SetWorkArea(FWorkArea);
    FHavingPanel->Activate();

    FOrderPanel = new TKROrderPanel(FPageCtrl->widget(3));
    FOrderPanel->SetParser(FParser.get());
    FOrderPanel->SetOnGetFields(
            [this](QObject *Sender, TStrings &Fields) { HandleGetOrderFields(Sender, Fields); });
    // Each editor fills its page.
    const QList<QWidget *> Views{ FWherePanel, FSelectPanel, FHavingPanel, FOrderPanel };
    for (int Index = 0; Index < Views.size(); ++Index) {
        auto *PageLayout = new QVBoxLayout(FPageCtrl->widget(Index));
        PageLayout->setContentsMargins(0, 0, 0, 0);
        PageLayout->addWidget(Views[Index]);
    }

    FWorkArea->setToolTipDuration(-1);
    FWorkArea->SetOnCheckItem([this](TKRTable *Table, TKRListItem *Item) { HandleCheckField(Table, Item); });
    FWorkArea->SetOnAddTable(
            [this](TKRWorkArea *Sender, TKRFloatObject *Table) { HandleAddTable(Sender, Table); });
    FWorkArea->SetOnRemoveTable(
            [this](TKRWorkArea *Sender, TKRFloatObject *Table) { HandleRemoveTable(Sender, Table); });
    FWorkArea->SetOnChangeAlias(
            [this](TKRTable *Table, const std::string &OldAlias) { HandleChangeAlias(Table, OldAlias); });
    FWorkArea->SetOnEnterParameter(
            [this](TKRTable *Table, TKRListItem *Item) { HandleEnterParameter(Table, Item); });
    FTableList = std::make_unique<TKRTableList>(FWorkArea);

    FAnnouncedSQL = GetSQL();
    // Every user action ends in one of the events the filter watches; the check that follows it
    // announces a changed statement.
    qApp->installEventFilter(this);
}

std::unique_ptr<TKRSelectParser> TCustomKorvan::CreateParser() const
{
    return Construct<TKRSelectParser>();
}

std::string TCustomKorvan::GetSQL() const
{
    return FParser->GetExpression();
}

void TCustomKorvan::CancelEdits()
{
    if (FDesigning)
        return;
    FWherePanel->CancelEdit();
    FHavingPanel->CancelEdit();
    FSelectPanel->Grid()->CancelEdit();
}

void TCustomKorvan::SetSQL(const std::string &Text)
{
    const std::uint64_t Reload = ++FReloads;
    CancelEdits();
    // A failed parse puts the last statement back and leaves the state at ssError; the error has
    // been reported (or raised, which leaves here with every view as it was).
    FParser->SetState(ssBegin);
    FParser->SetExpression(LfToCrLf(Text));
    if (FReloads != Reload || FParser->State() == ssError)
        return;
    if (!FDesigning) {
        {
            const TLoading Loading(*this);
            ClearViews();
            // The windows are arranged once they are all there, and the view repainted once.
            const TDiagramUpdate Update(*FWorkArea);
            if (!LayOutTables(Reload))
                return;
            ArrangeLoadedWindows();
            LayOutUnqualifiedFields();
            FParser->TableDefs()->UpdateFieldAliases();
            if (!LayOutLinks(Reload))
                return;
        }
        RefreshAllPages();
        FWorkArea->viewport()->update();
    }
    Announce();
}

void TCustomKorvan::Clear()
{
    ++FReloads;
    CancelEdits();
    FParser->Clear();
    if (!FDesigning) {
        ClearViews();
        RefreshActivePage();
        FWorkArea->viewport()->update();
    }
    Announce();
}

void TCustomKorvan::ClearViews()
{
    FLoadedWindows.clear();
    FWorkArea->ClearContents();
    FWherePanel->Clear();
    FHavingPanel->Clear();
    FSelectPanel->Clear();
    FOrderPanel->Clear();
}

TKRTable *TCustomKorvan::WindowOf(const TKRTableDef *Def) const
{
    for (const auto &[Loaded, Identity] : FLoadedWindows)
        if (Loaded == Def)
            return TKRIdentified::Find<TKRTable>(Identity);
    return nullptr;
}

bool TCustomKorvan::LayOutTables(std::uint64_t Reload)
{
    TKRTableDefs *Defs = FParser->TableDefs();
    for (int I = 0; I < Defs->Count(); ++I) {
        TKRTableDef *Def = Defs->Items(I);
        TDataSet *DataSet = nullptr;
        TParams *Params = nullptr;
        if (FOnGetTableFields) {
            FOnGetTableFields(Def->Name(), DataSet, Params);
            if (FReloads != Reload)
                return false;
        }
        // A table the application does not know gets no window; it stays in the statement.
        if (!DataSet)
            continue;
        TParams Inputs;
        for (int P = 0; Params && P < Params->Count(); ++P) {
            const TParam *Param = Params->Items(P);
            if (Param->ParamType() == ptInput || Param->ParamType() == ptInputOutput)
                Inputs.Add()->Assign(Param);
        }
        TKRTable *Window = Def->TableType() == qttStoredProc
                ? FTableList->AddProc(Def->Name(), DataSet, &Inputs)
                : FTableList->AddTable(Def->Name(), DataSet);
        if (FReloads != Reload)
            return false;
        if (!Window)
            continue;
        if (Window->TableName() != Def->Alias())
            Window->SetAlias(Def->Alias());
        FLoadedWindows.emplace_back(Def, Window->Identity());
        LayOutFields(*Def, *Window);
    }
    return true;
}

void TCustomKorvan::ArrangeLoadedWindows()
{
    // The windows of a statement read in go in rows, in FROM order, wide enough for their captions
    // and far enough apart for the links between them to show. Within a row every second window
    // stands lower, so that a link between two windows of the upper line passes above the one
    // between them instead of under it.
    constexpr int Margin = 20;
    constexpr int Gap = 40;
    constexpr int MaxDrop = 160;
    const int Right = std::max(FWorkArea->viewport()->width(), 600) - Margin;
    std::vector<TKRTable *> Row;
    int Y = Margin;
    const auto PlaceRow = [&] {
        int Upper = 0;
        for (std::size_t I = 0; I < Row.size(); I += 2)
            Upper = std::max(Upper, Row[I]->GetBoundsRect().height());
        const int Drop = Row.size() > 2 ? std::min(Upper + Gap / 2, MaxDrop) : 0;
        int X = Margin;
        int Bottom = Y;
        for (std::size_t I = 0; I < Row.size(); ++I) {
            Row[I]->SetLeft(X);
            Row[I]->SetTop(I % 2 == 1 ? Y + Drop : Y);
            X += Row[I]->Width() + Gap;
            Bottom = std::max(Bottom, Row[I]->Top() + Row[I]->GetBoundsRect().height());
        }
        Y = Bottom + Gap;
        Row.clear();
    };
    int X = Margin;
    for (const auto &[Def, Identity] : FLoadedWindows) {
        TKRTable *Window = TKRIdentified::Find<TKRTable>(Identity);
        if (!Window)
            continue;
        const int Needed = KRRight(Window->CaptionRect(true)) - Window->Left();
        if (Window->Width() < Needed)
            Window->SetWidth(Needed);
        if (!Row.empty() && X + Window->Width() > Right) {
            PlaceRow();
            X = Margin;
        }
        Row.push_back(Window);
        X += Window->Width() + Gap;
    }
    if (!Row.empty())
        PlaceRow();
}

void TCustomKorvan::LayOutFields(TKRTableDef &Def, TKRTable &Window)
{
    TKRFieldDefs *Fields = Def.FieldDefs();
    for (int J = 0; J < Fields->Count();) {
        const TKRFieldDef *Field = Fields->Items(J);
        // A column read without its table belongs to whichever window has it: decided once every
        // window is there.
        if (Field->Kind() != fkIdentifier || Field->Unqualified()) {
            ++J;
            continue;
        }
        TKRListItem *Row = FindRow(Window, Field->Name());
        if (!Row) {
            Fields->Delete(J);
            continue;
        }
        CheckLoadedRow(*Row);
        ++J;
    }
}

void TCustomKorvan::CheckLoadedRow(TKRListItem &Row)
{
    // A parameter's mark only says that the call gives it a value: the application is not asked
    // for one while a statement is read.
    if (Row.ParamType() == ptOutput)
        Row.SetCheck(true);
    else
        Row.UpdateCheck(true);
}

void TCustomKorvan::LayOutUnqualifiedFields()
{
    TKRTableDefs *Defs = FParser->TableDefs();
    std::vector<TKRFieldDef *> Unqualified;
    for (int I = 0; I < Defs->Count(); ++I) {
        TKRFieldDefs *Fields = Defs->Items(I)->FieldDefs();
        for (int J = 0; J < Fields->Count(); ++J)
            if (Fields->Items(J)->Kind() == fkIdentifier && Fields->Items(J)->Unqualified())
                Unqualified.push_back(Fields->Items(J));
    }
    for (TKRFieldDef *Field : Unqualified) {
        // The one window whose table has the column takes it; with none or several it stays as read.
        TKRTableDef *Owner = nullptr;
        TKRListItem *Row = nullptr;
        int Found = 0;
        for (const auto &[Def, Identity] : FLoadedWindows) {
            const TKRTable *Window = TKRIdentified::Find<TKRTable>(Identity);
            TKRListItem *Candidate = Window ? FindRow(*Window, Field->Name()) : nullptr;
            if (Candidate && Candidate->ParamType() == ptOutput) {
                ++Found;
                Owner = const_cast<TKRTableDef *>(Def);
                Row = Candidate;
            }
        }
        if (Found != 1)
            continue;
        if (Field->TableDef() != Owner)
            Field = MoveField(*Field, *Owner);
        Field->SetUnqualified(false);
        CheckLoadedRow(*Row);
    }
}

TKRFieldDef *TCustomKorvan::MoveField(TKRFieldDef &Field, TKRTableDef &Owner)
{
    // The copy is made at the end of the SELECT list; the original's going closes its gap; then
    // the copy takes the original's place again.
    const int Slot = Field.SelectIndex();
    TKRFieldDef *Moved = Owner.FieldDefs()->Add();
    Moved->Assign(&Field);
    Field.TableDef()->FieldDefs()->Delete(Field.Index());
    TKRTableDefs *Defs = FParser->TableDefs();
    for (int I = 0; I < Defs->Count(); ++I) {
        TKRFieldDefs *Fields = Defs->Items(I)->FieldDefs();
        for (int J = 0; J < Fields->Count(); ++J)
            if (Fields->Items(J) != Moved && Fields->Items(J)->SelectIndex() >= Slot)
                Fields->Items(J)->SetSelectIndex(Fields->Items(J)->SelectIndex() + 1);
    }
    Moved->SetSelectIndex(Slot);
    return Moved;
}

bool TCustomKorvan::LayOutLinks(std::uint64_t Reload)
{
    TKRTableDefs *Defs = FParser->TableDefs();
    for (int I = 0; I < Defs->Count(); ++I) {
        TKRTableDef *Def = Defs->Items(I);
        TKRTable *Own = WindowOf(Def);
        for (int J = 0; Own && J < Def->JoinDefs()->Count(); ++J) {
            const TKRJoinDef *Join = Def->JoinDefs()->Items(J);
            TKRTable *Joined = WindowOf(Defs->FindByAlias(Join->JoinTable()));
            if (!Joined || Join->FieldName().empty())
                continue;
            const std::string Operation = Join->Operation();
            const TKRJoinKind Kind = Join->JoinKind();
            TKRLink *Link = FWorkArea->AddLink(Own, Joined, Own->GetFieldItem(Join->FieldName()),
                    Joined->GetFieldItem(Join->JoinFieldName()));
            if (FReloads != Reload)
                return false;
            if (!Link)
                continue;
            Link->Join()->SetKind(Kind);
            Link->SetCondition(-1);
            for (int C = 0; C < static_cast<int>(std::size(KRLinkConditions)); ++C)
                if (Operation == KRLinkConditions[C])
                    Link->SetCondition(C);
        }
    }
    return true;
}

void TCustomKorvan::RefreshAllPages()
{
    if (FDesigning)
        return;
    FRefreshPending = false;
    FWherePanel->RefreshRows();
    FHavingPanel->RefreshRows();
    RefreshSelectGridFields();
    FSelectPanel->RefreshFields();
    FOrderPanel->RefreshFields();
}

void TCustomKorvan::RefreshSelectGridFields()
{
    TStringList Fields;
    for (int I = FWorkArea->TableCount() - 1; I >= 0; --I) {
        const TKRTable *Window = FWorkArea->TableWindows(I);
        for (int R = 0; R < Window->Count(); ++R)
            Fields.Add(Window->GetAlias() + "." + Window->Items(R)->Name());
    }
    FSelectPanel->Grid()->SetFields(Fields);
}

void TCustomKorvan::RefreshActivePage()
{
    if (FDesigning)
        return;
    if (FLoading > 0) {
        FRefreshPending = true;
        return;
    }
    switch (ActivePage()) {
    case 0:
        FWherePanel->RefreshRows();
        break;
    case 1:
        RefreshSelectGridFields();
        FSelectPanel->RefreshFields();
        break;
    case 2:
        FHavingPanel->RefreshRows();
        break;
    case 3:
        FOrderPanel->RefreshFields();
        break;
    default:
        break;
    }
}

void TCustomKorvan::BeginReload()
{
    if (FDesigning || FReloadingOperators)
        return;
    FReloadingOperators = true;
    FWherePanel->PrepareToReloadOperators();
    FHavingPanel->PrepareToReloadOperators();
}

void TCustomKorvan::EndReload()
{
    if (FDesigning || !FReloadingOperators)
        return;
    FReloadingOperators = false;
    FWherePanel->ReloadOperators();
    FHavingPanel->ReloadOperators();
}

// Pages.

bool TCustomKorvan::IsTabVisible(int Index) const
{
    return Index >= 0 && Index < FPageCtrl->count() && FPageCtrl->isTabVisible(Index);
}

int TCustomKorvan::ActivePage() const
{
    if (FPageCtrl->isHidden())
        return -1;
    const int Index = FPageCtrl->currentIndex();
    return IsTabVisible(Index) ? Index : -1;
}

bool TCustomKorvan::AllowPageChange()
{
    bool Allow = true;
    HandleHideFieldList(Allow);
    return Allow;
}

bool TCustomKorvan::SetActivePage(int Index)
{
    if (!IsTabVisible(Index))
        return false;
    if (Index == FPageCtrl->currentIndex())
        return true;
    if (!FDesigning && !AllowPageChange())
        return false;
    FPageCtrl->setCurrentIndex(Index);
    return true;
}

void TCustomKorvan::SetVisibleTabs(TKRVisibleTabs Value)
{
    if (Value == FVisibleTabs)
        return;
    FVisibleTabs = Value;
    const int Active = FPageCtrl->currentIndex();
    {
        // Hiding the active tab would make the tab widget choose a page: the rule below chooses.
        const QSignalBlocker Block(FPageCtrl);
        FChangingTabs = true;
        for (int Index = FPageCtrl->count() - 1; Index >= 0; --Index)
            FPageCtrl->setTabVisible(Index, FVisibleTabs.testFlag(TKRVisibleTab(1 << Index)));
        int Next = -1;
        if (IsTabVisible(Active)) {
            Next = Active;
        } else {
            for (int Index = Active + 1; Index < FPageCtrl->count() && Next < 0; ++Index)
                if (IsTabVisible(Index))
                    Next = Index;
            for (int Index = Active - 1; Index >= 0 && Next < 0; --Index)
                if (IsTabVisible(Index))
                    Next = Index;
        }
        if (Next >= 0)
            FPageCtrl->setCurrentIndex(Next);
        FChangingTabs = false;
    }
    const bool AnyVisible = (FVisibleTabs & AllTabs) != 0;
    FPageCtrl->setVisible(AnyVisible);
    if (FSplitter->count() > 1)
        FSplitter->handle(1)->setVisible(AnyVisible);
    if (FPageCtrl->currentIndex() != Active)
        HandlePagesChange();
}

int TCustomKorvan::TabHeight() const
{
    return FTabHeight;
}

void TCustomKorvan::SetTabHeight(int Value)
{
    if (Value <= DefaultTabHeight || Value == FTabHeight)
        return;
    FTabHeight = Value;
    ApplyTabHeight();
}

void TCustomKorvan::ResetTabHeight()
{
    FTabHeight = DefaultTabHeight;
    ApplyTabHeight();
}

void TCustomKorvan::ApplyTabHeight()
{
    const int Total = FSplitter->height();
    FSplitter->setSizes({ std::max(0, Total - FTabHeight - SplitterHeight), FTabHeight });
}

void TCustomKorvan::resizeEvent(QResizeEvent *Event)
{
    QWidget::resizeEvent(Event);
    // The pages keep their height; the diagram takes what is left.
    ApplyTabHeight();
}

void TCustomKorvan::HandleHideFieldList(bool &AllowChange)
{
    if (FDesigning)
        return;
    FWherePanel->HideFieldList(AllowChange);
    if (AllowChange)
        FHavingPanel->HideFieldList(AllowChange);
}

void TCustomKorvan::HandlePagesChange()
{
    RefreshActivePage();
}

bool TCustomKorvan::eventFilter(QObject *Watched, QEvent *Event)
{
    switch (Event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::Drop:
    case QEvent::FocusOut:
        NoteChange();
        break;
    default:
        break;
    }
    if (Watched == FPageCtrl->tabBar() && Event->type() == QEvent::MouseButtonPress) {
        const auto *Mouse = static_cast<QMouseEvent *>(Event);
        const int Index = FPageCtrl->tabBar()->tabAt(Mouse->position().toPoint());
        if (Mouse->button() == Qt::LeftButton && Index >= 0 && Index != FPageCtrl->currentIndex())
            return !AllowPageChange();
    }
    if (Watched == FPageCtrl->tabBar() && Event->type() == QEvent::Wheel)
        return !AllowPageChange();
    if ((Watched == FPageCtrl->tabBar() || Watched == FPageCtrl) && Event->type() == QEvent::KeyPress) {
        const auto *Key = static_cast<QKeyEvent *>(Event);
        const bool Ctrl = Key->modifiers().testFlag(Qt::ControlModifier);
        const bool Switches =
                (Ctrl
                        && (Key->key() == Qt::Key_Tab || Key->key() == Qt::Key_Backtab
                                || Key->key() == Qt::Key_PageUp || Key->key() == Qt::Key_PageDown))
                || (Watched == FPageCtrl->tabBar()
                        && (Key->key() == Qt::Key_Left || Key->key() == Qt::Key_Right
                                || Key->key() == Qt::Key_Home || Key->key() == Qt::Key_End));
        if (Switches)
            return !AllowPageChange();
    }
    return QWidget::eventFilter(Watched, Event);
}

// The change signal.

void TCustomKorvan::NoteChange()
{
    if (FCheckPosted || FDesigning)
        return;
    FCheckPosted = true;
    // Low priority: it runs after the calls that menus and questions queue on their way out.
    QCoreApplication::postEvent(this, new QEvent(CheckSQLEvent), Qt::LowEventPriority);
}

void TCustomKorvan::customEvent(QEvent *Event)
{
    if (Event->type() != CheckSQLEvent) {
        QWidget::customEvent(Event);
        return;
    }
    FCheckPosted = false;
    CheckSQLChanged();
}

void TCustomKorvan::CheckSQLChanged()
{
    std::string Now = GetSQL();
    if (Now == FAnnouncedSQL)
        return;
    FAnnouncedSQL = std::move(Now);
    Q_EMIT SQLChanged();
}

void TCustomKorvan::Announce()
{
    FAnnouncedSQL = GetSQL();
    Q_EMIT SQLChanged();
}

// Properties.

QString TCustomKorvan::Version() const
{
    return QStringLiteral(KORVAN_VERSION);
}

QStringList TCustomKorvan::Aggregates() const
{
    return ToQStrings(FParser->Aggregates());
}

void TCustomKorvan::SetAggregates(const QStringList &Value)
{
    FParser->SetAggregates(*FromQStrings(Value));
}

void TCustomKorvan::ResetAggregates()
{
    TStringList Default;
    Default.SetCommaText(FParser->GetCommaAggregates());
    FParser->SetAggregates(Default);
}

bool TCustomKorvan::IsAggregatesStored() const
{
    return DiffersFromDefault(FParser->Aggregates(), FParser->GetCommaAggregates());
}

QStringList TCustomKorvan::Functions() const
{
    return ToQStrings(FParser->Scanner()->Functions());
}

void TCustomKorvan::SetFunctions(const QStringList &Value)
{
    FParser->Scanner()->SetFunctions(*FromQStrings(Value));
}

void TCustomKorvan::ResetFunctions()
{
    TStringList Default;
    Default.SetCommaText(FParser->Scanner()->GetCommaFunctions());
    FParser->Scanner()->SetFunctions(Default);
}

bool TCustomKorvan::IsFunctionsStored() const
{
    return DiffersFromDefault(FParser->Scanner()->Functions(), FParser->Scanner()->GetCommaFunctions());
}

QStringList TCustomKorvan::Keywords() const
{
    return ToQStrings(FParser->Scanner()->Keywords());
}

void TCustomKorvan::SetKeywords(const QStringList &Value)
{
    FParser->Scanner()->SetKeywords(*FromQStrings(Value));
}

void TCustomKorvan::ResetKeywords()
{
    TStringList Default;
    Default.SetCommaText(FParser->Scanner()->GetCommaKeywords());
    FParser->Scanner()->SetKeywords(Default);
}

bool TCustomKorvan::IsKeywordsStored() const
{
    return DiffersFromDefault(FParser->Scanner()->Keywords(), FParser->Scanner()->GetCommaKeywords());
}

TKROperators *TCustomKorvan::Operators() const
{
    return FParser->Operators();
}

void TCustomKorvan::SetOperators(const TKROperators *Value)
{
    // The conditions on the pages hold operators of the old table: they let go of them first.
    const bool Bracket = !FReloadingOperators;
    if (Bracket)
        BeginReload();
    FParser->SetOperators(Value);
    if (Bracket)
        EndReload();
}

QString TCustomKorvan::OperatorsText() const
{
    return Q(korvan::OperatorsText(*FParser->Operators()));
}

void TCustomKorvan::SetOperatorsText(const QString &Value)
{
    TKROperators Table;
    try {
        korvan::SetOperatorsText(Table, Value.toStdString());
    } catch (const Exception &Error) {
        KRPrompter().ShowException(this, Error.Message());
        return;
    }
    SetOperators(&Table);
}

void TCustomKorvan::ResetOperators()
{
    SetOperators(CreateParser()->Operators());
}

void TCustomKorvan::SetOptions(TKROptions Value)
{
    if (Value == FOptions)
        return;
    FOptions = Value;
    if (FDesigning)
        return;
    FWorkArea->viewport()->update();
    FWherePanel->viewport()->update();
    FHavingPanel->viewport()->update();
}

TCustomKorvan::TKROptionFlags TCustomKorvan::OptionFlags() const
{
    TKROptionFlags Result;
    for (const TKROption Option : { korvan::kroRowSelect, korvan::kroDragFieldName, korvan::kroHideSelection,
                 korvan::kroShowFieldTypes })
        if (FOptions.Contains(Option))
            Result |= TKROptionFlag(1 << Option);
    return Result;
}

void TCustomKorvan::SetOptionFlags(TKROptionFlags Value)
{
    TKROptions Result;
    for (const TKROption Option : { korvan::kroRowSelect, korvan::kroDragFieldName, korvan::kroHideSelection,
                 korvan::kroShowFieldTypes })
        if (Value.testFlag(TKROptionFlag(1 << Option)))
            Result.Include(Option);
    SetOptions(Result);
}

void TCustomKorvan::SetPalette(const TKRPalette *Value)
{
    FPalette->Assign(Value);
}

void TCustomKorvan::SetStyle(const TKRStyle *Value)
{
    FStyle->Assign(Value);
}

bool TCustomKorvan::QuoteIdentifiers() const
{
    return FParser->Scanner()->QuoteIdentifiers();
}

void TCustomKorvan::SetQuoteIdentifiers(bool Value)
{
    FParser->Scanner()->SetQuoteIdentifiers(Value);
    CheckSQLChanged();
}

TKRScriptFormat *TCustomKorvan::ScriptFormat() const
{
    return FParser->ScriptFormat();
}

void TCustomKorvan::SetScriptFormat(const TKRScriptFormat *Value)
{
    FParser->SetScriptFormat(Value);
    CheckSQLChanged();
}

void TCustomKorvan::SetOnParserError(TKRParserErrorEvent Value)
{
    FParser->SetOnParserError(std::move(Value));
}

void TCustomKorvan::SetOnDragOver(TKRWorkArea::TDragOverEvent Value)
{
    if (FDesigning)
        return;
    if (!Value) {
        FWorkArea->SetOnDragOver({});
        return;
    }
    FWorkArea->SetOnDragOver([this, Value](QObject *Source, QPoint Pos, TKRDragState State, bool &Accept) {
        Value(Source, FSplitter->mapTo(this, Pos), State, Accept);
    });
}

void TCustomKorvan::SetOnDragDrop(TKRWorkArea::TDragDropEvent Value)
{
    if (FDesigning)
        return;
    if (!Value) {
        FWorkArea->SetOnDragDrop({});
        return;
    }
    FWorkArea->SetOnDragDrop(
            [this, Value](QObject *Source, QPoint Pos) { Value(Source, FSplitter->mapTo(this, Pos)); });
}

void TCustomKorvan::SetOnEndDrag(TKRWorkArea::TEndDragEvent Value)
{
    if (FDesigning)
        return;
    if (!Value) {
        FWorkArea->SetOnEndDrag({});
        return;
    }
    FWorkArea->SetOnEndDrag(
            [this, Value](QWidget *Target, QPoint Pos) { Value(Target, FSplitter->mapTo(this, Pos)); });
}

void TCustomKorvan::SetOnStartDrag(std::function<void()> Value)
{
    if (!FDesigning)
        FWorkArea->SetOnStartDrag(std::move(Value));
}

// What the views ask.

bool TCustomKorvan::DoAddRemoveTable(TKRTable *Table, TKRAction Action)
{
    bool Accept = true;
    if (!FOnAddRemoveTable)
        return Accept;
    const std::uint64_t Reload = FReloads;
    FOnAddRemoveTable(this, Table, Action, Accept);
    // An application that replaced the statement meanwhile has made the question moot.
    return Accept && FReloads == Reload;
}

bool TCustomKorvan::DoAddRemoveLink(TKRLink *Link, TKRAction Action)
{
    bool Accept = true;
    if (!FOnAddRemoveLink)
        return Accept;
    const std::uint64_t Reload = FReloads;
    FOnAddRemoveLink(this, Link, Action, Accept);
    return Accept && FReloads == Reload;
}

TKRTableDefs *TCustomKorvan::TableDefs() const
{
    return FParser->TableDefs();
}

void TCustomKorvan::InvalidateCriteriaPanels()
{
    if (FDesigning)
        return;
    FWherePanel->viewport()->update();
    FHavingPanel->viewport()->update();
}

void TCustomKorvan::InvalidateWorkArea()
{
    if (!FDesigning)
        FWorkArea->viewport()->update();
}

TSQLKorvan::TSQLKorvan(QWidget *Parent, bool Designing)
    : TCustomKorvan(Parent, Construct<TKRSelectParser>(), Designing)
{}

} // namespace korvan
