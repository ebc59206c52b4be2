#include "component/KRTableList.h"

#include "component/KRStoredProc.h"
#include "diagram/KRTable.h"
#include "diagram/KRWorkArea.h"

namespace korvan {

TKRTableList::TKRTableList(TKRWorkArea *WorkArea)
    : FWorkArea(WorkArea)
{}

int TKRTableList::GetTablesCount() const
{
    return FWorkArea->TableCount();
}

TKRTable *TKRTableList::GetTable(int Index) const
{
    return FWorkArea->TableWindows(Index);
}

TKRTable *TKRTableList::AddTable(const std::string &Name, const TDataSet *DataSet)
{
    return FWorkArea->AddPanel(Name, DataSet);
}

TKRStoredProc *TKRTableList::AddProc(const std::string &Name, const TDataSet *DataSet, const TParams *Params)
{
    return FWorkArea->AddProc(Name, DataSet, Params);
}

void TKRTableList::DeleteTable(TKRTable *Table)
{
    FWorkArea->CloseTable(Table);
}

TKRTable *TKRTableList::FindByName(const std::string &Name) const
{
    for (int I = 0; I < GetTablesCount(); ++I)
        if (TKRTable *Table = GetTable(I); Table && Table->TableName() == Name)
            return Table;
    return nullptr;
}

TKRTable *TKRTableList::FindByAlias(const std::string &Alias) const
{
    for (int I = 0; I < GetTablesCount(); ++I)
        if (TKRTable *Table = GetTable(I); Table && Table->GetAlias() == Alias)
            return Table;
    return nullptr;
}

} // namespace korvan
