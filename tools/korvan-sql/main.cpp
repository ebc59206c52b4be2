// korvan-sql: reads every SELECT statement of a script and prints each as the core writes it back,
// or their models as JSON. Exit status: 0 done, 1 failure, 2 syntax error, 64 bad usage (as
// sysexits' EX_USAGE).
#include "KRToolRun.h"
#include "dialects/KRDialects.h"

#include <memory>
#include <string>
#include <vector>

using namespace korvan;

namespace {

//! A fresh parser per statement, so that nothing one statement sets can leak into the next.
class TKorvanSql : public TKRTool
{
public:
    std::string Name() const override { return "korvan-sql"; }

    std::string Description() const override
    {
        return R"(Reads every SELECT statement from FILE (standard input when FILE is missing or "-"),
in order, and prints each as the query model writes it back. Statements end at ";";
empty ones are skipped. A lone statement is printed as it is; with several, each is
followed by ";" and an empty line, and --json prints an array of their models.
Nothing is printed when any statement has an error.
)";
    }

    void Prepare(const TKRCommandLine &Options) override { FOptions = Options; }

    void Read(const std::string &Text) override
    {
        FParser = CreateDialectParser(FOptions.Dialect, FOptions.DialectOptions);
        FParser->ScriptFormat()->SetKeywordsFormat(FOptions.KeywordsFormat);
        FParser->ScriptFormat()->SetFunctionsFormat(FOptions.FunctionsFormat);
        FParser->SetExpression(Text);
    }

    std::string Written() override { return FParser->GetExpression(); }
    TKRSelectParser &Model() override { return *FParser; }

private:
    TKRCommandLine FOptions;
    std::unique_ptr<TKRSelectParser> FParser;
};

} // namespace

int main(int argc, char *argv[])
{
    TKorvanSql Tool;
    return RunTool(Tool, std::vector<std::string>(argv + 1, argv + argc));
}
