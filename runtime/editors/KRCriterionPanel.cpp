#include "editors/KRCriterionPanel.h"

#include "component/KRStyles.h"
#include "editors/KRMemoEx.h"
#include "editors/KRTreeViewEx.h"
#include "framework/KRException.h"
#include "framework/KRStrings.h"
#include "framework/KRText.h"
#include "parser/KRCriterions.h"
#include "parser/KROperators.h"
#include "parser/KRSelectParser.h"
#include "resources/KRResource.h"

#include <algorithm>

#include <QScrollBar>

namespace korvan {

namespace {

QWidget *RequireParent(QWidget *Parent)
{
    if (!Parent)
        throw Exception(SInvalidConditionsParent);
    return Parent;
}

QFont EditorFont(bool Bold)
{
    QFont Font(QStringLiteral("Arial"));
    Font.setPixelSize(11);
    Font.setBold(Bold);
    Font.setUnderline(Bold);
    return Font;
}

bool IsNameCharacter(char C, const TKRSelectParser *Parser)
{
    const auto U = static_cast<unsigned char>(C);
    if (std::isalnum(U) || C == '_' || C == '$' || U >= 0x80)
        return true;
    if (C == '"' || C == '`' || C == '[' || C == ']')
        return true;
    return Parser && Parser->Scanner()->IsIdentQuote(C);
}

//! Text with every OldAlias + "." that starts a name replaced by NewAlias + "."; the search goes
//! on after the inserted text, so each occurrence is replaced once.
std::string ReplaceAlias(const std::string &Text, const std::string &OldPrefix, const std::string &NewPrefix,
        const TKRSelectParser *Parser, bool &Changed)
{
    std::string Result;
    std::size_t From = 0;
    for (std::size_t At = Text.find(OldPrefix); At != std::string::npos; At = Text.find(OldPrefix, At + 1)) {
        if (At > 0 && IsNameCharacter(Text[At - 1], Parser))
            continue;
        if (At < From)
            continue;
        Result.append(Text, From, At - From);
        Result += NewPrefix;
        From = At + OldPrefix.size();
        Changed = true;
    }
    Result.append(Text, From, std::string::npos);
    return Result;
}

} // namespace

TKRCriterionPanel::TKRCriterionPanel(QWidget *Parent, bool IsHaving, TKRCriterionPanelOwner *Owner)
    : TKRAllKeys<QAbstractScrollArea>(RequireParent(Parent))
    , FOwner(Owner)
    , FIsHaving(IsHaving)
    , FFont(EditorFont(false))
    , FBoldFont(EditorFont(true))
    , FMetrics(FFont)
    , FBoldMetrics(FBoldFont)
    , FConditionMenu(new QMenu(this))
    , FGroupMenu(new QMenu(this))
    , FAggregateMenu(new QMenu(this))
    , FOperatorMenu(new QMenu(this))
{
    if (!Owner) {
        FDefaultPalette = std::make_unique<TKRPalette>();
        FDefaultStyle = std::make_unique<TKRStyle>();
    }
    FRows = std::make_unique<TKRCriterionRows>(this, nullptr);
    setFocusPolicy(Qt::StrongFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setSingleStep(8);
    verticalScrollBar()->setSingleStep(FRowHeight);
    for (const char *Caption : { SAddCondition, SMakeComposeCondition, SDeleteCondition })
        FConditionMenu->addAction(QString::fromUtf8(Caption));
    FConditionMenu->addSeparator();
    FConditionMenu->addAction(QString::fromUtf8(SExpandCondition));
    CreateInteraction();
}

TKRCriterionPanel::~TKRCriterionPanel()
{
    // The overlays lose the focus as they go: nothing of this editor may answer by then.
    FEditor->OnCommit = {};
    FEditor->OnExit = {};
    FEditor->OnCancel = {};
    FEditor->OnInsertField = {};
    if (FFieldList) {
        FFieldList->OnExit = {};
        FFieldList->OnChoose = {};
        FFieldList->OnCancel = {};
    }
    FFocusControl = nullptr;
    FHoverControl = nullptr;
    FDropControl = nullptr;
    // The picker may live on the component's window rather than on this editor.
    delete FFieldList.data();
    FRows.reset();
}

// ---------------------------------------------------------------------------------------------
// The model and the look

const TStringList *TKRCriterionPanel::Aggregates() const
{
    return FParser ? &FParser->Aggregates() : nullptr;
}

TKROperators *TKRCriterionPanel::Operators() const
{
    return FParser ? FParser->Operators() : nullptr;
}

bool TKRCriterionPanel::IsAggregate(const std::string &Name) const
{
    const TStringList *List = Aggregates();
    if (!List)
        return false;
    for (int I = 0; I < List->Count(); ++I)
        if (SameText(List->Strings(I), Name))
            return true;
    return false;
}

bool TKRCriterionPanel::ShowsAggregates() const
{
    return FIsHaving && Aggregates() && Aggregates()->Count() > 0;
}

TKRCriterions *TKRCriterionPanel::Items() const
{
    if (!FParser)
        return nullptr;
    return FIsHaving ? static_cast<TKRCriterions *>(FParser->HavingItems()) : FParser->WhereItems();
}

TKROptions TKRCriterionPanel::Options() const
{
    return FOwner ? FOwner->Options() : TKROptions{};
}

const TKRStyle &TKRCriterionPanel::Style() const
{
    return FOwner ? FOwner->Style() : *FDefaultStyle;
}

const TKRPalette &TKRCriterionPanel::Palette() const
{
    return FOwner ? FOwner->Palette() : *FDefaultPalette;
}

void TKRCriterionPanel::SetRowHeight(int Value)
{
    FRowHeight = Value;
    verticalScrollBar()->setSingleStep(std::max(1, Value));
    RelayoutAll();
    UpdateScrollRanges();
    viewport()->update();
}

int TKRCriterionPanel::TextWidth(const std::string &Text, bool Bold) const
{
    auto &Cache = FWidths[Bold ? 1 : 0];
    if (const auto It = Cache.find(Text); It != Cache.end())
        return It->second;
    // Values typed by the user are many and varied: the cache is bounded.
    if (Cache.size() >= 4096)
        Cache.clear();
    const int Width = (Bold ? FBoldMetrics : FMetrics).horizontalAdvance(QString::fromStdString(Text));
    Cache.emplace(Text, Width);
    return Width;
}

TKRCriterionRow *TKRCriterionPanel::RootRow() const
{
    return FRows->Count() > 0 ? FRows->Items(0) : nullptr;
}

void TKRCriterionPanel::SetFocusControl(TKRControl *Value)
{
    FFocusControl = Value;
    viewport()->update();
}

void TKRCriterionPanel::ControlsFreed(const TKRCriterionRow *Row)
{
    const auto Freed = [Row](const TKRControl *Control) { return Control && Control->Row() == Row; };
    if (Freed(FHoverControl))
        FHoverControl = nullptr;
    if (Freed(FDropControl))
        FDropControl = nullptr;
    if (Freed(FFocusControl)) {
        const TKRCriterionRow *Root = RootRow();
        FFocusControl = Root && Root != Row && Root->ControlCount() > 1 ? Root->Controls(1) : nullptr;
    }
}

// ---------------------------------------------------------------------------------------------
// Operations of the component

void TKRCriterionPanel::Activate()
{
    FRows->Clear();
    TKRCriterionRow *Root = FRows->Add();
    Root->SetGroupOperator(GetFilterAsString(cfAll));
    FFocusControl = Root->Controls(1);
    FGroupMenu->clear();
    for (const TKRCriterionFilter Filter : { cfAll, cfAny, cfNone, cfNotAll }) {
        QAction *Item = FGroupMenu->addAction(QString::fromStdString(GetFilterAsString(Filter)));
        Item->setData(static_cast<int>(Filter));
    }
    FAggregateMenu->clear();
    if (ShowsAggregates()) {
        FAggregateMenu->addAction(QString());
        for (int I = 0; I < Aggregates()->Count(); ++I)
            FAggregateMenu->addAction(QString::fromStdString(Aggregates()->Strings(I)));
    }
    UpdateScrollRanges();
    viewport()->update();
}

void TKRCriterionPanel::Clear()
{
    TKRCriterionRow *Root = RootRow();
    if (!Root)
        return;
    Root->Rows()->Clear();
    Root->SetGroupOperator(GetFilterAsString(cfAll));
    FFocusControl = Root->Controls(1);
    FHoverControl = nullptr;
    HideOverlays();
    UpdateScrollRanges();
    viewport()->update();
}

void TKRCriterionPanel::RefreshRows()
{
    TKRCriterionRow *Root = RootRow();
    if (!Root)
        return;
    // An edit in progress belongs to a line that is about to go.
    HideOverlays();
    Root->Rows()->Clear();
    if (!FFocusControl)
        FFocusControl = Root->Controls(1);
    if (const TKRCriterions *List = Items()) {
        Root->SetGroupOperator(GetFilterAsString(List->Filter()));
        AddRows(*Root->Rows(), *List);
    }
    UpdateScrollRanges();
    viewport()->update();
}

void TKRCriterionPanel::AddRows(TKRCriterionRows &Rows, const TKRCriterions &List)
{
    for (int I = 0; I < List.Count(); ++I) {
        TKRCriterion *C = List.Items(I);
        TKRCriterionRow *Row = Rows.Add();
        if (C->SubItems()->Count() == 0)
            LoadCondition(*Row, *C);
        else {
            Row->SetGroupOperator(GetFilterAsString(C->SubItems()->Filter()));
            AddRows(*Row->Rows(), *C->SubItems());
        }
        Row->SetCriterion(C);
        Row->SetExpanded(true);
    }
}

void TKRCriterionPanel::LoadCondition(TKRCriterionRow &Row, const TKRCriterion &C)
{
    const TKRFunctionDef *Left = C.LeftSide();
    if (FIsHaving && IsAggregate(Left->Name())) {
        Row.SetAggregateFunc1(Left->Name());
        if (Left->Arguments()->Count() > 0)
            Row.SetField(Left->Arguments()->Items(0)->Name());
    } else
        Row.SetField(Left->GetScript());
    Row.SetOperator(Operators() ? Operators()->FindByCaption(C.Operator()) : nullptr);
    std::vector<std::string> Values;
    const TKRFunctionDefs *Right = C.RightSide();
    for (int I = 0; I < Right->Count(); ++I) {
        const TKRFunctionDef *Item = Right->Items(I);
        if (FIsHaving && IsAggregate(Item->Name())) {
            if (I == 0)
                Row.SetAggregateFunc2(Item->Name());
            for (int A = 0; A < Item->Arguments()->Count(); ++A)
                Values.push_back(Item->Arguments()->Items(A)->GetScript());
        } else
            Values.push_back(Item->GetScript());
    }
    Row.SetArguments(Values);
}

void TKRCriterionPanel::ChangeAlias(const std::string &NewAlias, const std::string &OldAlias)
{
    if (NewAlias == OldAlias || !RootRow())
        return;
    const std::string OldPrefix = OldAlias + ".";
    const std::string NewPrefix = NewAlias + ".";
    const std::function<void(TKRCriterionRows &)> Walk = [&](TKRCriterionRows &Rows) {
        for (int I = 0; I < Rows.Count(); ++I) {
            TKRCriterionRow *Row = Rows.Items(I);
            if (Row->IsGroup()) {
                Walk(*Row->Rows());
                continue;
            }
            bool Changed = false;
            const std::string Field = ReplaceAlias(Row->Field(), OldPrefix, NewPrefix, FParser, Changed);
            if (Changed)
                Row->SetField(Field);
            for (std::size_t K = 0; K < Row->Arguments().size(); ++K) {
                bool ValueChanged = false;
                const std::string Value =
                        ReplaceAlias(Row->Arguments()[K], OldPrefix, NewPrefix, FParser, ValueChanged);
                if (ValueChanged)
                    Row->SetArgument(static_cast<int>(K), Value);
                Changed = Changed || ValueChanged;
            }
            if (Changed)
                Row->Relayout();
        }
    };
    Walk(*RootRow()->Rows());
    UpdateScrollRanges();
    viewport()->update();
}

void TKRCriterionPanel::PrepareToReloadOperators()
{
    ForEachCondition([](TKRCriterionRow &Row) {
        if (Row.Operator()) {
            Row.SetOperatorName(Row.Operator()->Name());
            Row.SetOperator(nullptr);
        }
    });
}

void TKRCriterionPanel::ReloadOperators()
{
    const TKROperators *Ops = Operators();
    ForEachCondition([Ops](TKRCriterionRow &Row) {
        // A line that had no operator, or keeps one already, has nothing to take back.
        if (Row.Operator() || Row.IsWhole())
            return;
        // The operator of the same name, else the first one. The line's values stay: a first
        // operator with fewer operands must not cut them before the right one is found.
        if (Ops && Ops->Count() > 0) {
            TKROperator *Found = Ops->FindByName(Row.OperatorName());
            Row.SetOperator(Found ? Found : Ops->Items(0));
        }
        Row.SetOperatorName("");
        Row.Relayout();
    });
    UpdateScrollRanges();
    viewport()->update();
}

void TKRCriterionPanel::ForEachCondition(const std::function<void(TKRCriterionRow &)> &Call)
{
    const std::function<void(TKRCriterionRows &)> Walk = [&](TKRCriterionRows &Rows) {
        for (int I = 0; I < Rows.Count(); ++I) {
            TKRCriterionRow *Row = Rows.Items(I);
            if (Row->IsGroup())
                Walk(*Row->Rows());
            else
                Call(*Row);
        }
    };
    if (RootRow())
        Walk(*RootRow()->Rows());
}

// ---------------------------------------------------------------------------------------------
// Geometry

void TKRCriterionPanel::ForEachRow(const std::function<bool(TKRCriterionRow *Row, int Top)> &Visit) const
{
    int Top = 0;
    // Returns false once Visit asked to stop.
    const std::function<bool(TKRCriterionRow *)> Walk = [&](TKRCriterionRow *Row) {
        if (!Visit(Row, Top))
            return false;
        Top += FRowHeight;
        if (Row->Expanded())
            for (int I = 0; I < Row->Rows()->Count(); ++I)
                if (!Walk(Row->Rows()->Items(I)))
                    return false;
        return true;
    };
    for (int I = 0; I < FRows->Count(); ++I)
        if (!Walk(FRows->Items(I)))
            return;
}

TKRCriterionRow *TKRCriterionPanel::RowAt(int Y, int *Top) const
{
    TKRCriterionRow *Found = nullptr;
    ForEachRow([&](TKRCriterionRow *Row, int RowTop) {
        if (Y < RowTop || Y >= RowTop + FRowHeight)
            return true;
        Found = Row;
        if (Top)
            *Top = RowTop;
        return false;
    });
    return Found;
}

TKRControl *TKRCriterionPanel::ControlAt(const TKRCriterionRow *Row, int X)
{
    if (!Row)
        return nullptr;
    for (int I = 0; I < Row->ControlCount(); ++I) {
        TKRControl *Part = Row->Controls(I);
        if (Part->Left() <= X && X < Part->Right())
            return Part;
    }
    return nullptr;
}

QSize TKRCriterionPanel::GetFullExtention() const
{
    int Height = 0;
    int Width = 0;
    ForEachRow([&](TKRCriterionRow *Row, int) {
        Height += FRowHeight;
        if (Row->ControlCount() > 0) {
            // The last part shown: hidden parts keep a left edge but add no width.
            int Right = 0;
            for (int I = 0; I < Row->ControlCount(); ++I)
                if (Row->Controls(I)->Width() > 0)
                    Right = Row->Controls(I)->Right();
            Width = std::max(Width, Right);
        }
        return true;
    });
    return { Width, Height };
}

void TKRCriterionPanel::UpdateScrollRanges()
{
    const QSize Extent = GetFullExtention();
    const QSize Client = viewport()->size();
    // A little room right of the widest line, so its last part is not flush with the edge.
    horizontalScrollBar()->setRange(0, std::max(0, Extent.width() + 5 - Client.width()));
    horizontalScrollBar()->setPageStep(Client.width());
    verticalScrollBar()->setRange(0, std::max(0, Extent.height() - Client.height()));
    verticalScrollBar()->setPageStep(Client.height());
}

void TKRCriterionPanel::RelayoutAll()
{
    // Every line, collapsed groups included, parents before their children.
    const std::function<void(TKRCriterionRows &)> Walk = [&Walk](TKRCriterionRows &Rows) {
        for (int I = 0; I < Rows.Count(); ++I) {
            Rows.Items(I)->Relayout();
            Walk(*Rows.Items(I)->Rows());
        }
    };
    Walk(*FRows);
}

int TKRCriterionPanel::HorzPosition() const
{
    return horizontalScrollBar()->value();
}

int TKRCriterionPanel::VertPosition() const
{
    return verticalScrollBar()->value();
}

void TKRCriterionPanel::resizeEvent(QResizeEvent *Event)
{
    QAbstractScrollArea::resizeEvent(Event);
    UpdateScrollRanges();
}

void TKRCriterionPanel::scrollContentsBy(int, int)
{
    viewport()->update();
}

} // namespace korvan
