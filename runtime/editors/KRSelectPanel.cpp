#include "editors/KRSelectPanel.h"

#include "editors/KRSelectGrid.h"
#include "framework/KRException.h"
#include "framework/qt/KRGuarded.h"
#include "parser/KRSelectParser.h"
#include "resources/KRResource.h"

#include <QCheckBox>
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
    Layout->setContentsMargins(0, 0, 0, 0);
    Layout->setSpacing(2);
    Layout->addWidget(FCheckBox);
    Layout->addWidget(FGrid, 1);
    // Only a click writes the model; the box set from the model stays quiet.
    connect(FCheckBox, &QCheckBox::clicked, this,
            [this] { KRGuarded(this, [this] { HandleDistinctClick(); }); });
}

TKRSelectPanel::~TKRSelectPanel() = default;

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
