#include "KRStatementSplitter.h"

namespace korvan {

namespace {

//! Line and column of offsets met in increasing order, counted once over the whole script.
class TLineCounter
{
public:
    explicit TLineCounter(const std::string &Text)
        : FText(Text)
    {}

    void MoveTo(std::size_t Offset, TKRStatementText &Statement)
    {
        for (; FOffset < Offset; ++FOffset) {
            if (FText[FOffset] == '\r' && FOffset + 1 < FText.size() && FText[FOffset + 1] == '\n') {
                ++FLine;
                FLineStart = FOffset + 2;
            }
        }
        Statement.Line = FLine;
        Statement.Column = static_cast<int>(Offset - FLineStart) + 1;
    }

private:
    const std::string &FText;
    std::size_t FOffset = 0;
    std::size_t FLineStart = 0;
    int FLine = 1;
};

} // namespace

std::vector<TKRStatementText> SplitStatements(TKRSQLScanner &Scanner, const std::string &Script)
{
    std::vector<TKRStatementText> Result;
    TLineCounter Lines(Script);
    std::size_t Start = 0;
    bool Empty = true;
    const auto Cut = [&](std::size_t End) {
        TKRStatementText &Statement = Result.emplace_back();
        Statement.Text = Script.substr(Start, End - Start);
        Statement.Empty = Empty;
        Lines.MoveTo(Start, Statement);
        Start = End;
        Empty = true;
    };
    try {
        // The scanner reads ";" outside quotes as the end and, asked again, goes on with the next
        // statement; only the real end of the text comes back empty.
        for (Scanner.SetExpression(Script); !(Scanner.TokenKind() == tkEnd && Scanner.Token().empty());
                Scanner.GetNextToken()) {
            if (Scanner.TokenKind() != tkEnd) {
                Empty = false;
                continue;
            }
            Cut(static_cast<std::size_t>(Scanner.Position() - 1));
            // Each statement is parsed with the nesting back at 0; parentheses left open in one must
            // not count towards the nesting limit of the next.
            TKRScanMark Mark = Scanner.Mark();
            Mark.Level = 0;
            Scanner.Restore(Mark);
        }
        Cut(Script.size());
    } catch (const EKRParserError &Error) {
        Empty = false;
        Cut(Script.size());
        Result.back().ScanError = Error;
    }
    return Result;
}

EKRParserError ToScriptPosition(const EKRParserError &Error, const TKRStatementText &Statement)
{
    // Only the statement's first line starts part-way into a line of the script.
    const int LinePos = Error.LineNo() == 1 ? Error.LinePos() + Statement.Column - 1 : Error.LinePos();
    return { Error.ErrorCode(), Error.Token(), Error.LineNo() + Statement.Line - 1, LinePos };
}

} // namespace korvan
