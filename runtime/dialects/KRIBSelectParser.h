// The SELECT parser of the InterBase and Firebird dialect: upper-case names, InterBase's ROWS clause
// and Firebird's FIRST and SKIP.
#pragma once

#include "dialects/KRIBOptions.h"
#include "dialects/KRIBScanner.h"
#include "parser/KRSelectParser.h"

#include <cstdint>
#include <memory>
#include <string>

namespace korvan {

//! The server the statement is written for: it decides which row-limiting words are read and
//! written (ROWS for InterBase, FIRST and SKIP for Firebird).
enum TKRIBSQLServer : std::uint8_t { qssInterBase, qssFireBird };

/*!
 * Reads and writes statements with a TKRIBScanner, whose Dialect sets the quoting. The option
 * records are the parts of the model that the generic model has no place for; every parse clears
 * them first. Create it with Construct<TKRIBSelectParser>().
 */
class TKRIBSelectParser : public TKRSelectParser
{
public:
    explicit TKRIBSelectParser(TConstructKey Key);
    ~TKRIBSelectParser() override;
    void AfterConstruction() override;

    TKRIBOptions *IBOptions() const { return FIBOptions.get(); }
    //! Copies Value into the owned record.
    void SetIBOptions(const TKRIBOptions *Value);
    TKRFBOptions *FBOptions() const { return FFBOptions.get(); }
    //! Copies Value into the owned record.
    void SetFBOptions(const TKRFBOptions *Value);
    TKRIBSQLServer SQLServer() const { return FSQLServer; }
    void SetSQLServer(TKRIBSQLServer Value) { FSQLServer = Value; }

    std::unique_ptr<TKRSQLScanner> CreateScanner() override;
    //! Firebird's FIRST and SKIP in front of DISTINCT.
    std::string GetSelectOptionsScript() const override;
    //! ROWS at the end: the whole clause for InterBase, ROWS n [TO m] for Firebird.
    std::string GetAppendixScript() const override;
    void Clear() override;
    //! The generic operators, then STARTING WITH, NOT STARTING WITH, CONTAINING, NOT CONTAINING.
    void DefineOperators() override;
    void DoParseSelectClause() override;
    void DoParseAppendix() override;

protected:
    void SaveModel() override;
    void RestoreModel() override;
    //! An unquoted name in upper case, as the server takes it; a quoted name as written.
    std::string GetTokenName() const override;

private:
    bool IsWord(const char *Word) const;
    //! Reads the number after the current word into Value; it must be at least Least.
    bool ReadCount(int &Value, int Least);

    std::unique_ptr<TKRIBOptions> FIBOptions;
    std::unique_ptr<TKRFBOptions> FFBOptions;
    //! The row limits of the last statement read, while a parse reads the next one.
    TKRIBOptions FSavedIBOptions;
    TKRFBOptions FSavedFBOptions;
    TKRIBSQLServer FSQLServer = qssInterBase;
};

} // namespace korvan
