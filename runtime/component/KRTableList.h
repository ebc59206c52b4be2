// The component's handle on the table windows of its work area: it opens windows for the
// application's datasets and finds them again by table name or alias.
#pragma once

#include <string>

namespace korvan {

class TDataSet;
class TKRStoredProc;
class TKRTable;
class TKRWorkArea;
class TParams;

class TKRTableList
{
public:
    //! Manages the windows of WorkArea, which it does not own.
    explicit TKRTableList(TKRWorkArea *WorkArea);

    TKRWorkArea *WorkArea() const { return FWorkArea; }
    int GetTablesCount() const;
    //! In the work area's z-order: index 0 is in front.
    TKRTable *GetTable(int Index) const;
    //! A window for the table Name with DataSet's fields; nullptr when the application refuses it.
    TKRTable *AddTable(const std::string &Name, const TDataSet *DataSet);
    //! A window for the procedure Name with DataSet's fields and the parameters of Params; nullptr
    //! when the application refuses it.
    TKRStoredProc *AddProc(const std::string &Name, const TDataSet *DataSet, const TParams *Params);
    //! Asks the application and, when it agrees, removes Table with its links and frees it.
    void DeleteTable(TKRTable *Table);
    //! The first window of the table named exactly Name (letter case counts), or nullptr.
    TKRTable *FindByName(const std::string &Name) const;
    //! The first window whose alias is exactly Alias (letter case counts), or nullptr.
    TKRTable *FindByAlias(const std::string &Alias) const;

private:
    TKRWorkArea *const FWorkArea;
};

} // namespace korvan
