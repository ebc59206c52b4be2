// What a MySQL SELECT says beyond the generic model: select options, row filter and LIMIT.
#pragma once

#include "framework/KRPersistent.h"
#include "framework/KRSet.h"

#include <cstdint>
#include <string>

namespace korvan {

class TKRSelectParser;

enum TKRMySQLSelectOption : std::uint8_t {
    mysoStraightJoin,
    mysoSQLSmallResult,
    mysoSQLBigResult,
    mysoSQLBufferResult,
    mysoHighPriority
};

using TKRMySQLSelectOptions = TSet<TKRMySQLSelectOption>;

enum TKRMySQLFilter : std::uint8_t { myfoNone, myfoDistinct, myfoDistinctRow, myfoAll };

//! The word of each select option, indexed by TKRMySQLSelectOption; the writer keeps this order.
inline constexpr const char *MySQLSelectOptionWords[] = { "STRAIGHT_JOIN", "SQL_SMALL_RESULT",
    "SQL_BIG_RESULT", "SQL_BUFFER_RESULT", "HIGH_PRIORITY" };
//! The word of each filter, indexed by TKRMySQLFilter; myfoNone has none.
inline constexpr const char *MySQLFilterWords[] = { "", "DISTINCT", "DISTINCTROW", "ALL" };

/*!
 * The MySQL part of one statement. A LimitRows of 0 with a LimitOffset of 0 means no LIMIT
 * clause. The scripts pass their words through the parser's letter case when there is a parser.
 */
class TKRMySQLOptions : public TPersistent
{
public:
    //! Parser owns this object; may be null.
    explicit TKRMySQLOptions(TKRSelectParser *Parser = nullptr);

    int LimitRows() const { return FLimitRows; }
    void SetLimitRows(int Value) { FLimitRows = Value; }
    int LimitOffset() const { return FLimitOffset; }
    void SetLimitOffset(int Value) { FLimitOffset = Value; }
    TKRMySQLSelectOptions SelectOptions() const { return FSelectOptions; }
    void SetSelectOptions(TKRMySQLSelectOptions Value) { FSelectOptions = Value; }
    TKRMySQLFilter Filter() const { return FFilter; }
    void SetFilter(TKRMySQLFilter Value) { FFilter = Value; }
    TKRSelectParser *Parser() const { return FParser; }

    //! No options, no filter, no LIMIT.
    void Clear();
    //! From another TKRMySQLOptions copies the filter, the LIMIT values and the options, not the parser.
    void Assign(const TPersistent *Source) override;
    TPersistent *GetOwner() const override;

    //! The option words in writing order, each followed by a blank; empty without options.
    std::string OptionsScript() const;
    //! The filter word followed by a blank; empty for myfoNone.
    std::string FilterScript() const;
    //! "LIMIT offset, rows", or "LIMIT rows" when there is no offset; empty without rows or offset.
    std::string LimitScript() const;

private:
    std::string Keyword(const char *Word) const;

    int FLimitRows = 0;
    int FLimitOffset = 0;
    TKRMySQLSelectOptions FSelectOptions;
    TKRMySQLFilter FFilter = myfoNone;
    TKRSelectParser *FParser;
};

} // namespace korvan
