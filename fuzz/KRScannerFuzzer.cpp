// The SQL scanners over arbitrary bytes: every token until tkEnd, with look-ahead, marks and jumps
// back mixed in. The first byte chooses the scanner and the mix; the rest is the text.
#include "KRFuzzSupport.h"
#include "dialects/KRIBScanner.h"
#include "dialects/KRMySQLScanner.h"
#include "parser/KRParserError.h"
#include "parser/KRSQLScanner.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

using namespace korvan;
using namespace korvan::fuzz;

namespace {

std::unique_ptr<TKRSQLScanner> NewScanner(std::uint8_t Choice)
{
    switch (Choice % 5) {
    case 0:
        return Construct<TKRSQLScanner>();
    case 1: {
        auto Scanner = Construct<TKRIBScanner>();
        Scanner->SetDialect(qibDialect1);
        return Scanner;
    }
    case 2:
        return Construct<TKRIBScanner>();
    case 3:
        return Construct<TKRMySQLScanner>();
    default: {
        auto Scanner = Construct<TKRSQLScanner>();
        Scanner->SetQuoteIdentifiers(false);
        return Scanner;
    }
    }
}

//! The next token, or the message of the error that reading it raised.
struct TRead
{
    std::string Token;
    std::string Error;
    bool Raised = false;
    TTokenKind Kind = tkUnknown;

    bool operator==(const TRead &Other) const
    {
        return Token == Other.Token && Error == Other.Error && Raised == Other.Raised && Kind == Other.Kind;
    }
};

TRead ReadNext(TKRSQLScanner &Scanner)
{
    TRead Read;
    try {
        Read.Token = Scanner.GetNextToken();
        Read.Kind = Scanner.TokenKind();
    } catch (const EKRParserError &Error) {
        Read.Raised = true;
        Read.Error = Error.Message();
    }
    return Read;
}

std::string Show(const TRead &Read)
{
    return Read.Raised ? "error: " + Read.Error : "token: \"" + Printable(Read.Token) + "\"";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    if (Size == 0)
        return 0;
    const std::uint8_t Control = Data[0];
    const std::string Text(reinterpret_cast<const char *>(Data + 1), Size - 1);
    std::unique_ptr<TKRSQLScanner> Scanner = NewScanner(Control);
    try {
        Scanner->SetExpression(Text);
    } catch (const EKRParserError &) {
        return 0;
    }

    // Every call consumes at least one byte or ends the text, so more calls than bytes is a hang.
    const std::size_t Limit = 4 * Text.size() + 64;
    std::vector<int> Starts{ Scanner->Position() };
    int Jumps = 0;
    for (std::size_t Step = 0; Scanner->TokenKind() != tkEnd; ++Step) {
        if (Step > Limit)
            Fail("the scanner does not advance", "text: \"" + Printable(Text) + "\"");
        const int Position = Scanner->Position();
        TRead Read;
        switch (((Control >> 3) + Step) % 4) {
        case 1: {
            // Look-ahead leaves the state alone: the next token is the one it showed.
            TRead Ahead;
            try {
                Ahead.Token = Scanner->GetTokenPlus();
            } catch (const EKRParserError &Error) {
                Ahead.Raised = true;
                Ahead.Error = Error.Message();
            }
            if (Scanner->Position() != Position)
                Fail("look-ahead moved the scanner", "text: \"" + Printable(Text) + "\"");
            Read = ReadNext(*Scanner);
            if (Ahead.Token != Read.Token || Ahead.Raised != Read.Raised)
                Fail("look-ahead showed another token than the next read",
                        "text: \"" + Printable(Text) + "\"\nahead " + Show(Ahead) + "\nread " + Show(Read));
            break;
        }
        case 2: {
            // A mark brings back the whole state: the same tokens follow.
            const TKRScanMark Mark = Scanner->Mark();
            const TRead First = ReadNext(*Scanner);
            if (!First.Raised)
                ReadNext(*Scanner);
            Scanner->Restore(Mark);
            Read = ReadNext(*Scanner);
            if (!(Read == First))
                Fail("a restored mark reads differently",
                        "text: \"" + Printable(Text) + "\"\nfirst " + Show(First) + "\nagain " + Show(Read));
            break;
        }
        case 3:
            // Jumping back to where an earlier token began reads that token again.
            if (Jumps < 8 && Starts.size() > 1) {
                ++Jumps;
                const int Back = Starts[Step % Starts.size()];
                Scanner->SetPosition(Back);
                Read = ReadNext(*Scanner);
                break;
            }
            [[fallthrough]];
        default:
            Read = ReadNext(*Scanner);
            break;
        }
        if (Read.Raised)
            return 0;
        Starts.push_back(Scanner->Position());
    }
    return 0;
}
