// A program linked against korvan_core alone: its shared-library needs are the core's own.
#include "parser/KRSQLScanner.h"

#include <cstdio>

int main()
{
    auto Scanner = korvan::Construct<korvan::TKRSQLScanner>();
    Scanner->SetExpression("SELECT a FROM t");
    int Count = 0;
    while (Scanner->TokenKind() != korvan::tkEnd) {
        ++Count;
        Scanner->GetNextToken();
    }
    std::printf("%d\n", Count);
    return Count == 4 ? 0 : 1;
}
