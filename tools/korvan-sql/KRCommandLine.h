// The options of korvan-sql and the usage text that describes them.
#pragma once

#include "dialects/KRDialects.h"
#include "framework/KRException.h"
#include "parser/KRScriptFormat.h"

#include <string>
#include <vector>

namespace korvan {

//! What the command line asks for; the defaults are what a bare `korvan-sql` does.
struct TKRCommandLine
{
    //! The name of an entry of the dialect list.
    std::string Dialect = "generic";
    //! --no-quote and --sql-dialect; checked against the dialect once the whole line is read.
    TKRDialectOptions DialectOptions;
    TKRFormatMode KeywordsFormat = qfmAsIs;
    TKRFormatMode FunctionsFormat = qfmAsIs;
    //! Keep the generator's CR LF line breaks instead of printing LF.
    bool CrLf = false;
    bool Json = false;
    bool Help = false;
    //! "-" reads standard input.
    std::string FileName = "-";

    bool ReadsStandardInput() const { return FileName == "-"; }
};

//! The command line cannot be followed; the message says what was wrong, in one line.
class EKRUsageError : public Exception
{
public:
    using Exception::Exception;
};

//! Args are the arguments after the program name. Raises EKRUsageError.
TKRCommandLine ParseCommandLine(const std::vector<std::string> &Args);

//! The usage text, ending with a line break.
const std::string &UsageText();

} // namespace korvan
