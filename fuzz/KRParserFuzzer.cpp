// One dialect's parser over arbitrary bytes; KORVAN_FUZZ_DIALECT names the dialect. A text either
// becomes a model, which is then written in both quotings, or raises EKRParserError: anything else
// (another exception, a crash, a hang, a leak) is a finding.
#include "KRFuzzSupport.h"
#include "KRHostileStatements.h"

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>

using namespace korvan;
using namespace korvan::fuzz;

// Before any input: the hostile statements at full size, which the test suite reads only smaller.
// Each is read into a model or refused with EKRParserError, with the sanitizers watching.
extern "C" int LLVMFuzzerInitialize(int * /*Argc*/, char *** /*Argv*/)
{
    const TKRDialect &Dialect = DialectByName(KORVAN_FUZZ_DIALECT);
    for (const std::string &Text : bench::HostileStatements(bench::FullHostileSizes)) {
        auto Parser = NewParser(Dialect);
        try {
            Parser->SetExpression(Text);
            Parser->GetExpression();
        } catch (const EKRParserError &) {
        } catch (const std::exception &Error) {
            Fail("a hostile statement raised something else", Error.what());
        }
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const std::string Text(reinterpret_cast<const char *>(Data), Size);
    static const TKRDialect &Dialect = DialectByName(KORVAN_FUZZ_DIALECT);
    auto Parser = NewParser(Dialect);
    try {
        Parser->SetExpression(Text);
    } catch (const EKRParserError &) {
        return 0;
    }
    Parser->GetExpression();
    Parser->Scanner()->SetQuoteIdentifiers(!Parser->Scanner()->QuoteIdentifiers());
    if (auto *IB = dynamic_cast<TKRIBScanner *>(Parser->Scanner()))
        IB->SetDialect(qibDialect1);
    Parser->GetExpression();
    return 0;
}
