// The window of a stored procedure: a table window whose rows are the procedure's result columns
// followed by its input parameters. The user gives the parameters values through the application,
// and the window writes them as the argument list of the procedure's call.
#pragma once

#include "diagram/KRTable.h"

#include <memory>
#include <string>

namespace korvan {

class TDataSet;
class TParams;

class TKRStoredProc : public TKRTable
{
public:
    //! A window for the procedure Name with a row for each field of DataSet, then one for each
    //! parameter of Params (none without a list); a parameter that has a value comes checked.
    TKRStoredProc(TKRWorkArea *WorkArea, const TParams *Params, std::string Name, const TDataSet *DataSet);
    ~TKRStoredProc() override;

    //! The window's own copy of the parameters it was made with.
    const TParams &Params() const { return *FParams; }

    TColor GetClientColor() const override;

    //! The input parameters as SQL text, separated by ", ": NULL, the value as a literal, or
    //! ":NAME" for a parameter without a value. Input-output parameters take no part.
    std::string GetParameters() const;

private:
    std::unique_ptr<TParams> FParams;
};

} // namespace korvan
