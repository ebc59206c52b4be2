// The row-limiting options of the InterBase dialect: InterBase's ROWS clause after the statement and
// Firebird's FIRST and SKIP words after SELECT.
#pragma once

#include "framework/KRPersistent.h"

#include <string>

namespace korvan {

/*!
 * ROWS RowsFrom [TO RowsTo] [BY RowsBy] [PERCENT] [WITH TIES]. A count of 0 means the word is not
 * written; the clause is written only while one of the three counts is above 0.
 */
class TKRIBOptions : public TPersistent
{
public:
    bool Percent() const { return FPercent; }
    void SetPercent(bool Value) { FPercent = Value; }
    bool Ties() const { return FTies; }
    void SetTies(bool Value) { FTies = Value; }
    int RowsFrom() const { return FRowsFrom; }
    void SetRowsFrom(int Value) { FRowsFrom = Value; }
    int RowsBy() const { return FRowsBy; }
    void SetRowsBy(int Value) { FRowsBy = Value; }
    int RowsTo() const { return FRowsTo; }
    void SetRowsTo(int Value) { FRowsTo = Value; }

    void Clear();
    void Assign(const TPersistent *Source) override;
    //! The clause as it follows the statement, without a line break of its own; empty when unset.
    std::string GetScript() const;
    //! ROWS n [TO m] alone, as Firebird has it.
    std::string GetRowsScript() const;

private:
    bool FPercent = false;
    bool FTies = false;
    int FRowsFrom = 0;
    int FRowsBy = 0;
    int FRowsTo = 0;
};

//! FIRST First [SKIP Skip]; a count of 0 is not written.
class TKRFBOptions : public TPersistent
{
public:
    int First() const { return FFirst; }
    void SetFirst(int Value) { FFirst = Value; }
    int Skip() const { return FSkip; }
    void SetSkip(int Value) { FSkip = Value; }

    void Clear();
    void Assign(const TPersistent *Source) override;
    //! The words as they stand between SELECT and the field list, ending in a blank; empty when unset.
    std::string GetScript() const;

private:
    int FFirst = 0;
    int FSkip = 0;
};

} // namespace korvan
