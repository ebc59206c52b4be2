// korvan-bench-memory: the heap a parsed model holds, and the most the parser held while reading,
// for every mode and size, against the statement's size. The parser's own word lists are made
// before counting starts: they are the same for any statement.
#include "KRAllocationCounter.h"
#include "KRBenchSupport.h"
#include "KRStatementGenerator.h"

#include <cstdio>
#include <string>

using namespace korvan;
using namespace korvan::bench;

int main()
{
    std::printf("%-10s %-7s %12s %12s %12s %14s\n", "mode", "size", "statement", "model", "peak",
            "peak/statement");
    for (const TBenchMode Mode : BenchModes)
        for (const TStatementSize &Size : StatementSizes) {
            const std::string Sql = GenerateStatement(Mode, Size, 20261208);
            auto Parser = NewBenchParser(Mode);
            const std::size_t Before = HeapBytes();
            ResetPeakHeapBytes();
            Parser->SetExpression(Sql);
            const std::size_t Model = HeapBytes() - Before;
            const std::size_t Peak = PeakHeapBytes() - Before;
            std::printf("%-10s %-7s %12zu %12zu %12zu %14.1f\n", BenchModeName(Mode), Size.Name, Sql.size(),
                    Model, Peak, static_cast<double>(Peak) / static_cast<double>(Sql.size()));
        }
    return 0;
}
