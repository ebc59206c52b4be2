// One dialect's parser over arbitrary bytes; KORVAN_FUZZ_DIALECT names the dialect. A text either
// becomes a model, which is then written in both quotings, or raises EKRParserError: anything else
// (another exception, a crash, a hang, a leak) is a finding.
#include "KRFuzzSupport.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace korvan;
using namespace korvan::fuzz;

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
