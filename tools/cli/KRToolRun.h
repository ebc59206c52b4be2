// The run that the command-line tools share: the command line, the input, every statement read in
// turn, the output and the exit status. The tools differ only in what reads a statement, so that
// what they print for the same input can be compared byte for byte.
#pragma once

#include "KRCommandLine.h"
#include "parser/KRSelectParser.h"

#include <string>
#include <vector>

namespace korvan {

inline constexpr int ExitFailure = 1;
inline constexpr int ExitSyntaxError = 2;
//! As sysexits' EX_USAGE.
inline constexpr int ExitUsage = 64;

//! One tool: its own options (see TKRProgramOptions) and the way it reads a statement.
class TKRTool : public TKRProgramOptions
{
public:
    //! Once the command line is read, before the input is: the tool sets itself up for Options.
    //! An Exception ends the run with status 1 and its message.
    virtual void Prepare(const TKRCommandLine & /*Options*/) {}
    //! Reads one statement (CR LF line breaks) into the model, which it replaces. Raises
    //! EKRParserError with the position in Text.
    virtual void Read(const std::string &Text) = 0;
    //! The statement read last as it is written back, with CR LF line breaks.
    virtual std::string Written() = 0;
    //! The parser that holds the model of the statement read last.
    virtual TKRSelectParser &Model() = 0;
    //! After every statement was read without an error, before anything is printed. An Exception
    //! ends the run with status 1 and its message, and nothing is printed.
    virtual void Finish() {}
};

//! Runs Tool over Args, the arguments after the program name, and returns the exit status: 0 done,
//! 1 failure, 2 syntax error, 64 bad usage. Messages go to standard error; nothing escapes.
int RunTool(TKRTool &Tool, const std::vector<std::string> &Args);

} // namespace korvan
