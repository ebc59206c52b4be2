// The Selection page: the DISTINCT check box, the grid under it, and the model they show.
#include "editors/KRSelectPanel.h"

#include "editors/KRSelectGrid.h"
#include "framework/KRException.h"
#include "framework/qt/KRGuarded.h"
#include "parser/KRSelectParser.h"
#include "resources/KRResource.h"

#include <QCheckBox>
#include <QEvent>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace korvan {

TKRSelectPanel::TKRSelectPanel(QWidget *Parent)
    : QWidget(Parent)
{
    if (!Parent)
        throw Exception(SInvalidOrderPanelParent);
    setFocusPolicy(Qt::NoFocus);
    FCheckBox = new QCheckBox(QString::fromUtf8(SSelectUniqueRecords), this);
    FGrid = new TKRSelectGrid(this);
    auto *Layout = new QVBoxLayout(this);
    Layout->setContentsMargins(3, 3, 3, 3);
    Layout->setSpacing(3);
    Layout->addWidget(FCheckBox);
    Layout->addWidget(FGrid, 1);
    // The page fills its tab sheet, unless the sheet lays out its children itself.
    setGeometry(Parent->rect());
    Parent->installEventFilter(this);
    // Only a click writes the model; the box set from the model stays quiet.
    connect(FCheckBox, &QCheckBox::clicked, this,
            [this] { KRGuarded(this, [this] { HandleDistinctClick(); }); });
}

TKRSelectPanel::~TKRSelectPanel() = default;

bool TKRSelectPanel::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Watched == parentWidget() && Event->type() == QEvent::Resize && !parentWidget()->layout())
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(Watched, Event);
}

void TKRSelectPanel::SetParser(TKRSelectParser *Value)
{
    if (Value == FParser)
        return;
    FGrid->SetAggregates(TStringList());
    FParser = Value;
    if (FParser)
        FGrid->SetAggregates(FParser->Aggregates());
}

bool TKRSelectPanel::Distinct() const
{
    return FCheckBox->isChecked();
}

void TKRSelectPanel::SetDistinct(bool Value)
{
    const QSignalBlocker Quiet(FCheckBox);
    FCheckBox->setChecked(Value);
}

void TKRSelectPanel::Clear()
{
    FGrid->CancelEdit();
    FGrid->SetRowCount(2);
    for (int C = 0; C < TKRSelectGrid::ColCount; ++C)
        FGrid->SetCells(C, 1, {});
}

void TKRSelectPanel::RefreshFields()
{
    Clear();
    if (!FParser)
        return;
    FGrid->setUpdatesEnabled(false);
    for (const TKRFieldDef *Field : FParser->TableDefs()->SelectList())
        // A stored procedure's input parameters go into its call, never into the SELECT list.
        if (!Field->IsInputParam())
            FGrid->CheckField(Field);
    FGrid->setUpdatesEnabled(true);
    SetDistinct(FParser->Distinct());
}

void TKRSelectPanel::HandleDistinctClick()
{
    if (FParser)
        FParser->SetDistinct(FCheckBox->isChecked());
}

} // namespace korvan
