// The default operator table. The parser recognises operators by these captions, so the order
// matters: FindNearest returns the first caption that a text begins.
#include "framework/KRUpdateGuard.h"
#include "parser/KROperators.h"

namespace korvan {

namespace {

struct TDefaultOperator
{
    const char *Caption;
    int Count;
    const char *Prefix;
    const char *Relate;
    const char *Postfix;
};

constexpr TDefaultOperator DefaultOperators[] = {
    { "=", 1, "", "", "" },
    { "<>", 1, "", "", "" },
    { "<", 1, "", "", "" },
    { ">", 1, "", "", "" },
    { "<=", 1, "", "", "" },
    { ">=", 1, "", "", "" },
    { "LIKE", 1, "", "", "" },
    { "NOT LIKE", 1, "", "", "" },
    { "IN", 1, "(", "", ")" },
    { "NOT IN", 1, "(", "", ")" },
    { "BETWEEN", 2, "", "AND", "" },
    { "NOT BETWEEN", 2, "", "AND", "" },
    { "IS NULL", 0, "", "", "" },
    { "IS NOT NULL", 0, "", "", "" },
};

} // namespace

void TKROperators::LoadDefaults()
{
    TUpdateGuard<TKROperators> Guard(*this);
    Clear();
    for (const TDefaultOperator &Def : DefaultOperators) {
        TKROperator *Op = Add();
        Op->SetCaption(Def.Caption);
        Op->SetName(Def.Caption);
        Op->SetCount(Def.Count);
        Op->SetPrefix(Def.Prefix);
        Op->SetRelate(Def.Relate);
        Op->SetPostfix(Def.Postfix);
    }
}

} // namespace korvan
