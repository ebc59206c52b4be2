// The error raised for faults in statement text, and the event that may receive it instead.
#pragma once

#include "framework/KRException.h"

#include <functional>
#include <string>

namespace korvan {

class TPersistent;

//! Codes: 1 invalid token, 2 unexpected end of statement, 3 unterminated string, 4 unterminated
//! comment.
class EKRParserError : public Exception
{
public:
    //! LineNo and LinePos are 1-based, as the scanner counts them.
    EKRParserError(int ErrorCode, const std::string &Token, int LineNo, int LinePos);

    int ErrorCode() const { return FErrorCode; }
    int LineNo() const { return FLineNo; }
    int LinePos() const { return FLinePos; }
    const std::string &Token() const { return FToken; }

    //! The message for a code, as the constructor builds it.
    static std::string MessageFor(int ErrorCode, const std::string &Token, int LineNo, int LinePos);

private:
    int FErrorCode;
    int FLineNo;
    int FLinePos;
    std::string FToken;
};

//! Sender is the parser that met the error.
using TKRParserErrorEvent = std::function<void(
        TPersistent *Sender, const std::string &ErrorMsg, const std::string &Token, int LineNo, int LinePos)>;

} // namespace korvan
