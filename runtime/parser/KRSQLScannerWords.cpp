// The generic dialect's word lists. The parser reads operator words (LIKE, IN, IS, NULL, BETWEEN)
// as keywords, so they are keywords here too; every operator of the default table reads back.
#include "parser/KRSQLScanner.h"

namespace korvan {

std::string TKRSQLScanner::GetCommaKeywords() const
{
    return "SELECT,DISTINCT,INTO,FROM,WHERE,GROUP,BY,HAVING,ORDER,ASC,DESC,AS,LEFT,RIGHT,FULL,INNER,"
           "OUTER,JOIN,ON,AND,OR,NOT,LIKE,IN,IS,NULL,BETWEEN";
}

std::string TKRSQLScanner::GetCommaFunctions() const
{
    return "SUM,MIN,MAX,AVG,COUNT";
}

std::string TKRSQLScanner::GetCommaOperations() const
{
    return "+,-,*,/";
}

} // namespace korvan
