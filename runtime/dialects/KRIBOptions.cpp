#include "dialects/KRIBOptions.h"

#include "framework/KRText.h"

namespace korvan {

void TKRIBOptions::Clear()
{
    FPercent = false;
    FTies = false;
    FRowsFrom = 0;
    FRowsBy = 0;
    FRowsTo = 0;
}

void TKRIBOptions::Assign(const TPersistent *Source)
{
    if (const auto *Other = dynamic_cast<const TKRIBOptions *>(Source)) {
        FPercent = Other->FPercent;
        FTies = Other->FTies;
        FRowsFrom = Other->FRowsFrom;
        FRowsBy = Other->FRowsBy;
        FRowsTo = Other->FRowsTo;
        return;
    }
    TPersistent::Assign(Source);
}

// The words are the server's own and are written as they stand, whatever letter case the script
// format gives keywords.
std::string TKRIBOptions::GetScript() const
{
    if (FRowsFrom <= 0 && FRowsTo <= 0 && FRowsBy <= 0)
        return "";
    std::string Result = Format("ROWS %d", { FRowsFrom });
    if (FRowsTo > 0)
        Result += Format(" TO %d", { FRowsTo });
    if (FRowsBy > 0)
        Result += Format(" BY %d", { FRowsBy });
    if (FPercent)
        Result += " PERCENT";
    if (FTies)
        Result += " WITH TIES";
    return Result;
}

// Firebird's form: ROWS n [TO m], nothing else.
std::string TKRIBOptions::GetRowsScript() const
{
    if (FRowsFrom <= 0 && FRowsTo <= 0)
        return "";
    std::string Result = Format("ROWS %d", { FRowsFrom });
    if (FRowsTo > 0)
        Result += Format(" TO %d", { FRowsTo });
    return Result;
}

void TKRFBOptions::Clear()
{
    FFirst = 0;
    FSkip = 0;
}

void TKRFBOptions::Assign(const TPersistent *Source)
{
    if (const auto *Other = dynamic_cast<const TKRFBOptions *>(Source)) {
        FFirst = Other->FFirst;
        FSkip = Other->FSkip;
        return;
    }
    TPersistent::Assign(Source);
}

std::string TKRFBOptions::GetScript() const
{
    std::string Result;
    if (FFirst > 0)
        Result = Format("FIRST %d", { FFirst });
    if (FSkip > 0)
        Result += (Result.empty() ? "" : " ") + Format("SKIP %d", { FSkip });
    return Result.empty() ? Result : Result + " ";
}

} // namespace korvan
