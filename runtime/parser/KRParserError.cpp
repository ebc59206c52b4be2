#include "parser/KRParserError.h"

#include "framework/KRText.h"
#include "resources/KRResource.h"

namespace korvan {

EKRParserError::EKRParserError(int ErrorCode, const std::string &Token, int LineNo, int LinePos)
    : Exception(MessageFor(ErrorCode, Token, LineNo, LinePos))
    , FErrorCode(ErrorCode)
    , FLineNo(LineNo)
    , FLinePos(LinePos)
    , FToken(Token)
{}

std::string EKRParserError::MessageFor(int ErrorCode, const std::string &Token, int LineNo, int LinePos)
{
    switch (ErrorCode) {
    case 1:
        return Format(SInvalidToken, { Token, LinePos, LineNo });
    case 2:
        return SUnexpectedEnd;
    case 3:
        return SUnterminatedString;
    case 4:
        return SUnterminatedComment;
    default:
        return Format(SUnknownError, { ErrorCode });
    }
}

} // namespace korvan
