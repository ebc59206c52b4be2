// The whole query builder control on the offscreen platform: SetSQL laying a generated statement out
// in the diagram and every editor, and GetSQL after one edit in the diagram.
#include "KRStatementGenerator.h"
#include "component/KRKorvan.h"
#include "diagram/KRListItem.h"
#include "diagram/KRTable.h"
#include "framework/KRDataSet.h"
#include "parser/KRFieldDefs.h"
#include "parser/KRJoinDefs.h"
#include "parser/KRSelectParser.h"
#include "parser/KRTableDefs.h"

#include <benchmark/benchmark.h>
#include <map>
#include <memory>
#include <string>

using namespace korvan;

namespace {

//! A control that knows, for every table of Text, the columns the statement names for it.
struct TControl
{
    explicit TControl(std::string Statement)
        : Text(std::move(Statement))
    {
        const auto Parser = Construct<TKRSelectParser>();
        Parser->SetExpression(Text);
        const TKRTableDefs *Defs = Parser->TableDefs();
        for (int I = 0; I < Defs->Count(); ++I) {
            const TKRTableDef *Def = Defs->Items(I);
            std::unique_ptr<TDataSet> &Set = Sets[Def->Name()];
            if (!Set)
                Set = std::make_unique<TDataSet>();
            const auto Add = [&Set](const std::string &Name) {
                if (!Name.empty() && !Set->FindField(Name))
                    Set->AddField(Name, ftInteger);
            };
            for (int F = 0; F < Def->FieldDefs()->Count(); ++F)
                if (Def->FieldDefs()->Items(F)->Kind() == fkIdentifier)
                    Add(Def->FieldDefs()->Items(F)->Name());
            for (int J = 0; J < Def->JoinDefs()->Count(); ++J) {
                Add(Def->JoinDefs()->Items(J)->FieldName());
                if (const TKRTableDef *Joined = Defs->FindByAlias(Def->JoinDefs()->Items(J)->JoinTable())) {
                    std::unique_ptr<TDataSet> &Other = Sets[Joined->Name()];
                    if (!Other)
                        Other = std::make_unique<TDataSet>();
                    if (!Other->FindField(Def->JoinDefs()->Items(J)->JoinFieldName()))
                        Other->AddField(Def->JoinDefs()->Items(J)->JoinFieldName(), ftInteger);
                }
            }
        }
        Korvan.SetOnGetTableFields([this](const std::string &Name, TDataSet *&DataSet, TParams *&) {
            const auto Found = Sets.find(Name);
            DataSet = Found == Sets.end() ? nullptr : Found->second.get();
        });
        Korvan.resize(1200, 800);
        Korvan.show();
    }

    std::string Text;
    std::map<std::string, std::unique_ptr<TDataSet>> Sets;
    TSQLKorvan Korvan;
};

void SetSQL(benchmark::State &State, const bench::TStatementSize &Size)
{
    TControl C(bench::GenerateStatement(bench::bmGeneric, Size, 1));
    C.Korvan.SetSQL(C.Text);
    if (C.Korvan.WorkArea()->TableCount() != Size.Tables) {
        State.SkipWithError("the statement did not get a window per table");
        return;
    }
    for (auto _ : State)
        C.Korvan.SetSQL(C.Text);
    State.counters["windows"] = C.Korvan.WorkArea()->TableCount();
    State.counters["links"] = C.Korvan.WorkArea()->LinkCount();
}

void SetSQLMedium(benchmark::State &State)
{
    SetSQL(State, bench::MediumSize);
}

void SetSQLLarge(benchmark::State &State)
{
    SetSQL(State, bench::LargeSize);
}

//! A row of the diagram is checked and unchecked in turn; GetSQL writes the edited statement.
void GetSQLAfterEdit(benchmark::State &State)
{
    TControl C(bench::GenerateStatement(bench::bmGeneric, bench::MediumSize, 1));
    C.Korvan.SetSQL(C.Text);
    TKRListItem *Row = C.Korvan.WorkArea()->TableWindows(0)->Items(0);
    std::size_t Length = 0;
    for (auto _ : State) {
        State.PauseTiming();
        Row->SetCheck(!Row->Checked());
        State.ResumeTiming();
        const std::string Text = C.Korvan.GetSQL();
        Length = Text.size();
        benchmark::DoNotOptimize(Length);
    }
    State.counters["bytes"] = static_cast<double>(Length);
}

void SetSQLHuge(benchmark::State &State)
{
    SetSQL(State, bench::HugeSize);
}

BENCHMARK(SetSQLMedium)->Unit(benchmark::kMillisecond);
BENCHMARK(SetSQLLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(SetSQLHuge)->Unit(benchmark::kMillisecond);
BENCHMARK(GetSQLAfterEdit)->Unit(benchmark::kMicrosecond);

} // namespace
