#include "editors/KROrderPanel.h"

#include "framework/KRException.h"
#include "framework/KRText.h"
#include "framework/qt/KRBitmap.h"
#include "framework/qt/KRGuarded.h"
#include "parser/KRGroupOrder.h"
#include "parser/KRSelectParser.h"
#include "resources/KRResource.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

namespace korvan {

namespace {

// Where the speed buttons sit between the two lists.
constexpr int AddTop = 30;
constexpr int AddAllTop = 55;
constexpr int RemoveTop = 80;
constexpr int RemoveAllTop = 105;
constexpr int ListTop = TKROrderPanel::LabelHeight + 2;
//! Item data: the entry is a position or an expression, written as it is.
constexpr int ExpressionRole = Qt::UserRole;

QString Q(const std::string &Text)
{
    return QString::fromStdString(Text);
}

std::string S(const QString &Text)
{
    return Text.toStdString();
}

QWidget *RequireOwner(QWidget *Owner)
{
    if (!Owner)
        throw Exception(SInvalidOrderPanelParent);
    return Owner;
}

QFont PanelFont()
{
    QFont Font(QStringLiteral("DejaVu Sans"));
    Font.setPixelSize(11);
    return Font;
}

//! The selection stays as visible when the list loses the focus to a button.
void KeepSelectionVisible(QAbstractItemView &View)
{
    QPalette Palette = View.palette();
    for (const auto Role : { QPalette::Highlight, QPalette::HighlightedText })
        Palette.setColor(QPalette::Inactive, Role, Palette.color(QPalette::Active, Role));
    View.setPalette(Palette);
}

QToolButton *NewSpeedButton(QWidget *Parent, const char *Name, const char *Bitmap, int Top)
{
    auto *Button = new QToolButton(Parent);
    Button->setObjectName(QString::fromLatin1(Name));
    Button->setAutoRaise(true);
    Button->setIcon(QIcon(KRBitmap(Bitmap)));
    Button->setIconSize(QSize(16, 16));
    Button->setFocusPolicy(Qt::NoFocus);
    Button->setGeometry(0, Top, TKROrderPanel::SpeedButtonWidth, TKROrderPanel::SpeedButtonHeight);
    return Button;
}

QPushButton *NewPushButton(QWidget *Parent, const char *Name, const char *Caption, int Width)
{
    auto *Button = new QPushButton(Q(Caption), Parent);
    Button->setObjectName(QString::fromLatin1(Name));
    Button->setEnabled(false);
    Button->setAutoDefault(false);
    Button->setGeometry(0, 0, Width, TKROrderPanel::PushButtonHeight);
    return Button;
}

//! The left button pressed over an item begins a drag that starts once the mouse has moved.
void BeginItemDrag(QAbstractItemView &View, TKRDragSource &Source, const QMouseEvent &Event)
{
    if (Event.button() == Qt::LeftButton && View.indexAt(Event.position().toPoint()).isValid())
        KRDragController().BeginDrag(&View, &Source, false);
}

//! A drag that involves View ends with it.
void CancelDragOf(QWidget *View)
{
    if (KRDragController().Target() == View)
        KRDragController().Cancel();
}

} // namespace

// --- TKROrderFieldList -------------------------------------------------------------------------

TKROrderFieldList::TKROrderFieldList(TKROrderPanel *Owner)
    : QListWidget(Owner)
    , FPanel(Owner)
{
    setObjectName(QStringLiteral("lbFields"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    KeepSelectionVisible(*this);
}

TKROrderFieldList::~TKROrderFieldList()
{
    CancelDragOf(this);
}

void TKROrderFieldList::DragOver(QObject *Source, QPoint, TKRDragState, bool &Accept)
{
    FPanel->HandleDragOverUnOrder(Source, Accept);
}

void TKROrderFieldList::DragDrop(QObject *Source, QPoint)
{
    KRGuarded(this, [&] { FPanel->HandleDragDropUnOrder(Source); });
}

void TKROrderFieldList::StartDrag()
{
    setState(NoState);
    stopAutoScroll();
}

void TKROrderFieldList::mousePressEvent(QMouseEvent *Event)
{
    QListWidget::mousePressEvent(Event);
    BeginItemDrag(*this, *this, *Event);
}

// --- TKROrderSortedList ------------------------------------------------------------------------

TKROrderSortedList::TKROrderSortedList(TKROrderPanel *Owner)
    : QTreeWidget(Owner)
    , FPanel(Owner)
{
    setObjectName(QStringLiteral("lvOrder"));
    setColumnCount(2);
    setHeaderLabels({ Q(SSortedFields), Q(SSortOrder) });
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    KeepSelectionVisible(*this);
}

TKROrderSortedList::~TKROrderSortedList()
{
    CancelDragOf(this);
}

void TKROrderSortedList::DragOver(QObject *Source, QPoint, TKRDragState, bool &Accept)
{
    FPanel->HandleDragOverOrder(Source, Accept);
}

void TKROrderSortedList::DragDrop(QObject *Source, QPoint)
{
    KRGuarded(this, [&] { FPanel->HandleDragDropOrder(Source); });
}

void TKROrderSortedList::StartDrag()
{
    setState(NoState);
    stopAutoScroll();
}

void TKROrderSortedList::mousePressEvent(QMouseEvent *Event)
{
    QTreeWidget::mousePressEvent(Event);
    BeginItemDrag(*this, *this, *Event);
}

// --- TKROrderPanel -----------------------------------------------------------------------------

TKROrderPanel::TKROrderPanel(QWidget *Owner)
    : QWidget(RequireOwner(Owner))
{
    setFont(PanelFont());
    laFields = new QLabel(Q(SOutputFields), this);
    laFields->setObjectName(QStringLiteral("laFields"));
    laFields->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    laFields->setGeometry(0, 0, 100, LabelHeight);
    lbFields = new TKROrderFieldList(this);
    lbFields->move(0, ListTop);
    lvOrder = new TKROrderSortedList(this);
    lvOrder->move(0, ListTop);
    sbAdd = NewSpeedButton(this, "sbAdd", "ADD", AddTop);
    sbAddAll = NewSpeedButton(this, "sbAddAll", "ADD_ALL", AddAllTop);
    sbRemove = NewSpeedButton(this, "sbRemove", "REMOVE", RemoveTop);
    sbRemoveAll = NewSpeedButton(this, "sbRemoveAll", "REMOVE_ALL", RemoveAllTop);
    buOrder = NewPushButton(this, "buOrder", SOrderAZ, OrderButtonWidth);
    buUp = NewPushButton(this, "buUp", SMoveUp, MoveButtonWidth);
    buDown = NewPushButton(this, "buDown", SMoveDown, MoveButtonWidth);

    const auto Wire = [this](auto *Sender, auto Signal, void (TKROrderPanel::*Handler)()) {
        connect(Sender, Signal, this, [this, Handler] { KRGuarded(this, [&] { (this->*Handler)(); }); });
    };
    Wire(lbFields, &QListWidget::itemSelectionChanged, &TKROrderPanel::HandleSelectItem);
    Wire(lbFields, &QListWidget::itemDoubleClicked, &TKROrderPanel::HandleAddClick);
    Wire(lvOrder, &QTreeWidget::itemSelectionChanged, &TKROrderPanel::HandleSelectItem);
    Wire(lvOrder, &QTreeWidget::itemDoubleClicked, &TKROrderPanel::HandleRemoveClick);
    Wire(sbAdd, &QToolButton::clicked, &TKROrderPanel::HandleAddClick);
    Wire(sbAddAll, &QToolButton::clicked, &TKROrderPanel::HandleAddAllClick);
    Wire(sbRemove, &QToolButton::clicked, &TKROrderPanel::HandleRemoveClick);
    Wire(sbRemoveAll, &QToolButton::clicked, &TKROrderPanel::HandleRemoveAllClick);
    Wire(buOrder, &QPushButton::clicked, &TKROrderPanel::HandleChangeOrder);
    Wire(buUp, &QPushButton::clicked, &TKROrderPanel::HandleMoveUp);
    Wire(buDown, &QPushButton::clicked, &TKROrderPanel::HandleMoveDown);

    // The panel fills its owner and follows its size.
    Owner->installEventFilter(this);
    setGeometry(Owner->rect());
    HandleSelectItem();
}

// A drag over one of the lists ends before the lists go, so that no list asks a panel that is
// being destroyed whether it takes the drop.
TKROrderPanel::~TKROrderPanel()
{
    CancelDragOf(lbFields);
    CancelDragOf(lvOrder);
}

bool TKROrderPanel::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Watched == parentWidget() && Event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(Watched, Event);
}

void TKROrderPanel::SetParser(TKRSelectParser *Value)
{
    if (FParser != Value)
        FParser = Value;
}

TStringList &TKROrderPanel::GetFields()
{
    FFields.Clear();
    if (FOnGetFields)
        FOnGetFields(this, FFields);
    return FFields;
}

void TKROrderPanel::RefreshFields()
{
    const TStringList &Fields = GetFields();
    const std::vector<std::string> Offered(Fields.begin(), Fields.end());
    // The same fields and a model that says what the lists show: the lists stay as the user left
    // them. Any other change of the model (a statement loaded over the same tables) is shown.
    if (FBuilt && Offered == FShownFields && ModelShown()) {
        HandleSelectItem();
        return;
    }
    if (FParser) {
        const QSignalBlocker BlockFields(lbFields);
        const QSignalBlocker BlockOrder(lvOrder);
        lbFields->clear();
        lvOrder->clear();
        // Each sorted entry takes the first offered field of its name (letter case ignored) off
        // the field list. Entries the fields do not offer (positions, expressions, columns of a
        // table without a window) are listed too: the next edit writes the list back, and must not
        // lose them.
        const TKROrderByItems &Items = *FParser->OrderByItems();
        const auto Key = [](std::string Text) {
            std::transform(Text.begin(), Text.end(), Text.begin(),
                    [](unsigned char C) { return static_cast<char>(std::toupper(C)); });
            return Text;
        };
        std::unordered_map<std::string, int> Sorted;
        for (int I = 0; I < Items.Count(); ++I)
            if (!Items.IsExpression(I))
                ++Sorted[Key(Items.Strings(I))];
        for (const std::string &Field : Offered) {
            const auto Found = Sorted.find(Key(Field));
            if (Found != Sorted.end() && Found->second > 0)
                --Found->second;
            else
                AppendField({ Field, false });
        }
        for (int I = 0; I < Items.Count(); ++I)
            AppendOrder({ Items.Strings(I), Items.IsExpression(I) }, Items.Orders(I) == okDesc);
        FShownFields = Offered;
        FBuilt = true;
    }
    HandleSelectItem();
}

void TKROrderPanel::Clear()
{
    {
        const QSignalBlocker BlockFields(lbFields);
        const QSignalBlocker BlockOrder(lvOrder);
        lvOrder->clear();
        lbFields->clear();
    }
    buOrder->setText(Q(SOrderAZ));
    FShownFields.clear();
    FBuilt = false;
    HandleSelectItem();
}

void TKROrderPanel::UpdateParser()
{
    if (!FParser)
        return;
    TKROrderByItems &Items = *FParser->OrderByItems();
    Items.Clear();
    for (int I = 0; I < lvOrder->topLevelItemCount(); ++I) {
        const QTreeWidgetItem *Item = lvOrder->topLevelItem(I);
        const TKROrderKind Kind = Item->text(1) == Q(SDescending) ? okDesc : okAsc;
        if (Item->data(0, ExpressionRole).toBool())
            Items.AddExpression(S(Item->text(0)), Kind);
        else
            Items.AddOrdered(S(Item->text(0)), Kind);
    }
}

void TKROrderPanel::HandleSelectItem()
{
    QTreeWidgetItem *Order = SelectedOrder();
    sbAdd->setEnabled(SelectedField() != nullptr);
    sbAddAll->setEnabled(lbFields->count() > 0);
    sbRemove->setEnabled(Order != nullptr);
    sbRemoveAll->setEnabled(lvOrder->topLevelItemCount() > 0);
    buOrder->setEnabled(Order != nullptr);
    buUp->setEnabled(Order != nullptr);
    buDown->setEnabled(Order != nullptr);
    if (!Order)
        return;
    buOrder->setText(Q(Order->text(1) == Q(SAscending) ? SOrderZA : SOrderAZ));
    const int Index = lvOrder->indexOfTopLevelItem(Order);
    buUp->setEnabled(Index > 0);
    buDown->setEnabled(Index < lvOrder->topLevelItemCount() - 1);
}

void TKROrderPanel::HandleAddClick()
{
    if (QListWidgetItem *Field = SelectedField()) {
        AppendOrder(TakeField(Field), false);
        Changed();
    }
}

void TKROrderPanel::HandleAddAllClick()
{
    if (lbFields->count() == 0)
        return;
    while (lbFields->count() > 0)
        AppendOrder(TakeField(lbFields->item(0)), false);
    Changed();
}

void TKROrderPanel::HandleRemoveClick()
{
    if (QTreeWidgetItem *Order = SelectedOrder()) {
        AppendField(TakeOrder(Order));
        Changed();
    }
}

void TKROrderPanel::HandleRemoveAllClick()
{
    if (lvOrder->topLevelItemCount() == 0)
        return;
    while (lvOrder->topLevelItemCount() > 0)
        AppendField(TakeOrder(lvOrder->topLevelItem(0)));
    Changed();
}

void TKROrderPanel::HandleChangeOrder()
{
    if (QTreeWidgetItem *Order = SelectedOrder()) {
        Order->setText(1, Q(Order->text(1) == Q(SAscending) ? SDescending : SAscending));
        Changed();
    }
}

void TKROrderPanel::HandleMoveUp()
{
    MoveOrder(-1);
}

void TKROrderPanel::HandleMoveDown()
{
    MoveOrder(1);
}

void TKROrderPanel::HandleDragOverOrder(QObject *Source, bool &Accept)
{
    Accept = Source == lbFields;
}

void TKROrderPanel::HandleDragDropOrder(QObject *Source)
{
    if (Source == lbFields)
        HandleAddClick();
}

void TKROrderPanel::HandleDragOverUnOrder(QObject *Source, bool &Accept)
{
    Accept = Source == lvOrder;
}

void TKROrderPanel::HandleDragDropUnOrder(QObject *Source)
{
    if (Source == lvOrder)
        HandleRemoveClick();
}

void TKROrderPanel::resizeEvent(QResizeEvent *Event)
{
    QWidget::resizeEvent(Event);
    Resize();
}

// The two lists share the width beside the column of speed buttons; the move buttons sit above
// the sorted list, the order button at the right edge.
void TKROrderPanel::Resize()
{
    const int W = std::max(0, (width() - SpeedButtonWidth) / 2);
    const int ListHeight = std::max(0, height() - ListTop);
    laFields->setGeometry(0, 0, W, LabelHeight);
    lbFields->setGeometry(0, ListTop, std::max(0, W - 2), ListHeight);
    const int OrderLeft = W + SpeedButtonWidth + 2;
    lvOrder->setGeometry(OrderLeft, ListTop, std::max(0, W - 2), ListHeight);
    for (QToolButton *Button : { sbAdd, sbAddAll, sbRemove, sbRemoveAll })
        Button->move(W, Button->y());
    buUp->move(OrderLeft, 0);
    buDown->move(buUp->x() + buUp->width() + 2, 0);
    buOrder->move(width() - buOrder->width() - 2, 0);
    update();
}

QListWidgetItem *TKROrderPanel::SelectedField() const
{
    const QList<QListWidgetItem *> Items = lbFields->selectedItems();
    return Items.isEmpty() ? nullptr : Items.first();
}

QTreeWidgetItem *TKROrderPanel::SelectedOrder() const
{
    const QList<QTreeWidgetItem *> Items = lvOrder->selectedItems();
    return Items.isEmpty() ? nullptr : Items.first();
}

void TKROrderPanel::AppendField(const TEntry &Entry)
{
    auto *Item = new QListWidgetItem(Q(Entry.Text));
    Item->setData(ExpressionRole, Entry.Expression);
    lbFields->addItem(Item);
}

void TKROrderPanel::AppendOrder(const TEntry &Entry, bool Descending)
{
    auto *Item = new QTreeWidgetItem({ Q(Entry.Text), Q(Descending ? SDescending : SAscending) });
    Item->setData(0, ExpressionRole, Entry.Expression);
    lvOrder->addTopLevelItem(Item);
}

TKROrderPanel::TEntry TKROrderPanel::TakeField(QListWidgetItem *Item)
{
    const QSignalBlocker Block(lbFields);
    TEntry Entry{ S(Item->text()), Item->data(ExpressionRole).toBool() };
    delete lbFields->takeItem(lbFields->row(Item));
    lbFields->clearSelection();
    return Entry;
}

TKROrderPanel::TEntry TKROrderPanel::TakeOrder(QTreeWidgetItem *Item)
{
    const QSignalBlocker Block(lvOrder);
    TEntry Entry{ S(Item->text(0)), Item->data(0, ExpressionRole).toBool() };
    delete lvOrder->takeTopLevelItem(lvOrder->indexOfTopLevelItem(Item));
    lvOrder->clearSelection();
    return Entry;
}

void TKROrderPanel::MoveOrder(int Delta)
{
    QTreeWidgetItem *Order = SelectedOrder();
    if (!Order)
        return;
    const int Index = lvOrder->indexOfTopLevelItem(Order);
    const int Target = Index + Delta;
    if (Target < 0 || Target >= lvOrder->topLevelItemCount())
        return;
    {
        const QSignalBlocker Block(lvOrder);
        lvOrder->takeTopLevelItem(Index);
        lvOrder->insertTopLevelItem(Target, Order);
        lvOrder->setCurrentItem(Order);
        Order->setSelected(true);
    }
    lvOrder->scrollToItem(Order);
    Changed();
}

bool TKROrderPanel::ModelShown() const
{
    if (!FParser)
        return true;
    const TKROrderByItems &Items = *FParser->OrderByItems();
    if (Items.Count() != lvOrder->topLevelItemCount())
        return false;
    for (int I = 0; I < Items.Count(); ++I) {
        const QTreeWidgetItem *Item = lvOrder->topLevelItem(I);
        if (S(Item->text(0)) != Items.Strings(I)
                || (Item->text(1) == Q(SDescending)) != (Items.Orders(I) == okDesc)
                || Item->data(0, ExpressionRole).toBool() != Items.IsExpression(I))
            return false;
    }
    return true;
}

void TKROrderPanel::Changed()
{
    UpdateParser();
    HandleSelectItem();
}

} // namespace korvan
