// Google Benchmark programs for the core: scanning alone, parsing alone, writing alone and the
// whole round trip, for every mode at every size and for the batch of small statements, beside
// the bare tokenizer; and the hostile statements at full size. Run by bench/run.sh; never part of ctest.
#include "KRBenchSupport.h"
#include "KRHostileStatements.h"
#include "KRStatementGenerator.h"

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

using namespace korvan;
using namespace korvan::bench;

namespace {

constexpr std::uint64_t Seed = 20261208;

//! The statements of one benchmark: one for a size, BatchCount for the batch.
const std::vector<std::string> &Statements(TBenchMode Mode, const TStatementSize *Size)
{
    static std::map<std::pair<int, const char *>, std::vector<std::string>> Cache;
    auto &Entry = Cache[{ Mode, Size != nullptr ? Size->Name : "batch" }];
    if (Entry.empty())
        Entry = Size != nullptr ? std::vector<std::string>{ GenerateStatement(Mode, *Size, Seed) }
                                : GenerateBatch(Mode, Seed);
    return Entry;
}

std::int64_t TotalBytes(const std::vector<std::string> &List)
{
    std::int64_t Bytes = 0;
    for (const std::string &S : List)
        Bytes += static_cast<std::int64_t>(S.size());
    return Bytes;
}

void Account(benchmark::State &State, const std::vector<std::string> &List)
{
    State.SetBytesProcessed(State.iterations() * TotalBytes(List));
    State.SetItemsProcessed(State.iterations() * static_cast<std::int64_t>(List.size()));
}

void Scan(benchmark::State &State, TBenchMode Mode, const TStatementSize *Size)
{
    const auto &List = Statements(Mode, Size);
    auto Parser = NewBenchParser(Mode);
    TKRSQLScanner &Scanner = *Parser->Scanner();
    for (auto _ : State)
        for (const std::string &S : List) {
            std::size_t Tokens = 0;
            for (Scanner.SetExpression(S); Scanner.TokenKind() != tkEnd; Scanner.GetNextToken())
                ++Tokens;
            benchmark::DoNotOptimize(Tokens);
        }
    Account(State, List);
}

void Parse(benchmark::State &State, TBenchMode Mode, const TStatementSize *Size)
{
    const auto &List = Statements(Mode, Size);
    auto Parser = NewBenchParser(Mode);
    for (auto _ : State)
        for (const std::string &S : List)
            Parser->SetExpression(S);
    Account(State, List);
}

void Write(benchmark::State &State, TBenchMode Mode, const TStatementSize *Size)
{
    const auto &List = Statements(Mode, Size);
    std::vector<std::unique_ptr<TKRSelectParser>> Models;
    for (const std::string &S : List) {
        Models.push_back(NewBenchParser(Mode));
        Models.back()->SetExpression(S);
    }
    for (auto _ : State)
        for (const auto &Model : Models)
            benchmark::DoNotOptimize(Model->GetExpression());
    Account(State, List);
}

void RoundTrip(benchmark::State &State, TBenchMode Mode, const TStatementSize *Size)
{
    const auto &List = Statements(Mode, Size);
    auto Parser = NewBenchParser(Mode);
    for (auto _ : State)
        for (const std::string &S : List) {
            Parser->SetExpression(S);
            benchmark::DoNotOptimize(Parser->GetExpression());
        }
    Account(State, List);
}

void BareTokenizer(benchmark::State &State, TBenchMode Mode, const TStatementSize *Size)
{
    const auto &List = Statements(Mode, Size);
    for (auto _ : State)
        for (const std::string &S : List)
            benchmark::DoNotOptimize(BareTokenize(S));
    Account(State, List);
}

//! Reading one hostile statement at full size (KRHostileStatements.h), whether it reads or is refused.
void Hostile(benchmark::State &State, TBenchMode Mode, std::size_t Index)
{
    static const std::vector<std::string> List = HostileStatements(FullHostileSizes);
    const std::string &Text = List[Index];
    auto Parser = NewBenchParser(Mode);
    for (auto _ : State) {
        try {
            Parser->SetExpression(Text);
            benchmark::DoNotOptimize(Parser->GetExpression());
        } catch (const EKRParserError &) {}
    }
    State.SetBytesProcessed(State.iterations() * static_cast<std::int64_t>(Text.size()));
}

using TBody = void (*)(benchmark::State &, TBenchMode, const TStatementSize *);

void RegisterAll()
{
    const std::pair<const char *, TBody> Bodies[] = { { "Scan", Scan }, { "Parse", Parse },
        { "Write", Write }, { "RoundTrip", RoundTrip }, { "BareTokenizer", BareTokenizer } };
    for (const auto &[Name, Body] : Bodies)
        for (const TBenchMode Mode : BenchModes) {
            for (const TStatementSize &Size : StatementSizes)
                benchmark::RegisterBenchmark(
                        (std::string(Name) + "/" + BenchModeName(Mode) + "/" + Size.Name).c_str(), Body, Mode,
                        &Size)
                        ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(
                    (std::string(Name) + "/" + BenchModeName(Mode) + "/batch").c_str(), Body, Mode, nullptr)
                    ->Unit(benchmark::kMillisecond);
        }
    const std::size_t HostileCount = HostileStatements(TestHostileSizes).size();
    for (const TBenchMode Mode : BenchModes)
        for (std::size_t I = 0; I < HostileCount; ++I)
            benchmark::RegisterBenchmark(
                    ("Hostile/" + std::string(BenchModeName(Mode)) + "/" + std::to_string(I)).c_str(),
                    Hostile, Mode, I)
                    ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char **argv)
{
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
