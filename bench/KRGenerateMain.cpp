// korvan-bench-gen: writes the benchmark statements into a folder, the same on every machine:
// MODE-SIZE.sql with one statement for each mode and size, MODE-batch.sql with the small batch.
#include "KRStatementGenerator.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

using namespace korvan::bench;

namespace {

bool WriteFile(const std::string &Path, const std::string &Text)
{
    std::ofstream Out(Path, std::ios::binary);
    Out << Text;
    return static_cast<bool>(Out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: korvan-bench-gen FOLDER [SEED]\n");
        return 64;
    }
    const std::string Folder = argv[1];
    const std::uint64_t Seed = argc == 3 ? std::strtoull(argv[2], nullptr, 10) : 20261208;
    for (const TBenchMode Mode : BenchModes) {
        const std::string Prefix = Folder + "/" + BenchModeName(Mode) + "-";
        for (const TStatementSize &Size : StatementSizes)
            if (!WriteFile(
                        Prefix + Size.Name + ".sql", JoinStatements({ GenerateStatement(Mode, Size, Seed) })))
                return std::fprintf(
                               stderr, "korvan-bench-gen: cannot write %s\n", (Prefix + Size.Name).c_str()),
                       1;
        if (!WriteFile(Prefix + "batch.sql", JoinStatements(GenerateBatch(Mode, Seed))))
            return std::fprintf(stderr, "korvan-bench-gen: cannot write %sbatch.sql\n", Prefix.c_str()), 1;
    }
    return 0;
}
