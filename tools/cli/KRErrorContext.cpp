#include "KRErrorContext.h"

#include "framework/KREdgeText.h"

#include <algorithm>
#include <vector>

namespace korvan {

namespace {

std::vector<std::string> SplitLines(const std::string &Text)
{
    std::vector<std::string> Lines;
    std::size_t Start = 0;
    for (std::size_t Break = Text.find("\r\n"); Break != std::string::npos;
            Break = Text.find("\r\n", Start)) {
        Lines.push_back(Text.substr(Start, Break - Start));
        Start = Break + 2;
    }
    Lines.push_back(Text.substr(Start));
    return Lines;
}

bool IsBlankLine(const std::string &Line)
{
    return Line.find_first_not_of(" \t") == std::string::npos;
}

// The caret sits under the character that holds byte Pos (1-based): a UTF-8 character takes one
// column however many bytes it has, as does each byte that is not UTF-8. A TAB before it is copied
// so that terminals expand it the same way in both lines.
std::string CaretLine(const std::string &Line, std::size_t Pos)
{
    const std::size_t Column = CodePointPosition(Line, Pos);
    std::string Result;
    for (std::size_t I = 0; Result.size() + 1 < Column; I += Utf8CharLength(Line, I))
        Result += I < Line.size() && Line[I] == '\t' ? '\t' : ' ';
    return Result + "^";
}

} // namespace

std::string FormatErrorContext(const std::string &Text, const EKRParserError &Error)
{
    const std::vector<std::string> Lines = SplitLines(Text);
    std::size_t Index = 0;
    std::size_t Pos = 1;
    if (Error.ErrorCode() == 2) {
        // The scanner reports the end after any trailing line breaks and blanks, on a line that
        // shows nothing; the statement visibly stops at the end of its last written line.
        Index = Lines.size() - 1;
        while (Index > 0 && IsBlankLine(Lines[Index]))
            --Index;
        Pos = Lines[Index].size() + 1;
    } else {
        Index = static_cast<std::size_t>(std::clamp(Error.LineNo(), 1, static_cast<int>(Lines.size())) - 1);
        const int Last = static_cast<int>(Lines[Index].size()) + 1;
        Pos = static_cast<std::size_t>(std::clamp(Error.LinePos(), 1, Last));
    }
    return Lines[Index] + "\n" + CaretLine(Lines[Index], Pos) + "\n";
}

} // namespace korvan
