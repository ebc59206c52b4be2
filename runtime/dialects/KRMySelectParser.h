// The MySQL SELECT parser: select options, row filter and LIMIT around the generic statement.
#pragma once

#include "dialects/KRMySQLOptions.h"
#include "parser/KRSelectParser.h"

#include <memory>
#include <string>

namespace korvan {

/*!
 * Reads and writes SELECT [options] [DISTINCT | DISTINCTROW | ALL] ... [LIMIT [offset,] rows].
 * Distinct() is true only for the DISTINCT filter; the other filters live in MySQLOptions.
 * Create it with Construct<TKRMySelectParser>().
 */
class TKRMySelectParser : public TKRSelectParser
{
public:
    explicit TKRMySelectParser(TConstructKey Key);
    ~TKRMySelectParser() override;

    //! Owned; cleared by every new statement.
    TKRMySQLOptions *MySQLOptions() const { return FMySQLOptions.get(); }
    //! Copies Value into the owned options.
    void SetMySQLOptions(const TKRMySQLOptions *Value);

    std::unique_ptr<TKRSQLScanner> CreateScanner() override;
    //! The select options and the filter (DISTINCT among them).
    std::string GetSelectOptionsScript() const override;
    //! LIMIT.
    std::string GetAppendixScript() const override;
    bool GetDistinct() const override;
    //! True sets the DISTINCT filter, false clears any filter.
    void SetDistinct(bool Value) override;
    void Clear() override;

    void DoParseSelectClause() override;
    void DoParseAppendix() override;
    //! Reads the option words at the current token, then the filter; each option at most once.
    virtual void DoParseOptions();
    //! Reads DISTINCT, DISTINCTROW or ALL at the current token; a second filter is an error.
    virtual void DoParseFilter();

protected:
    void SaveModel() override;
    void RestoreModel() override;

private:
    //! The select option the current token names, or -1.
    int OptionAt() const;
    //! The filter the current token names, myfoNone for any other token.
    TKRMySQLFilter FilterAt() const;
    bool IsFieldStart() const;
    bool ReadLimitNumber(int &Value);

    std::unique_ptr<TKRMySQLOptions> FMySQLOptions;
    //! The options of the last statement read, while a parse reads the next one.
    std::unique_ptr<TKRMySQLOptions> FSavedOptions;
};

} // namespace korvan
