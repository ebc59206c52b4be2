// The options the command-line tools share, the hooks through which a tool adds its own, and the
// usage text that describes them.
#pragma once

#include "dialects/KRDialects.h"
#include "framework/KRException.h"
#include "parser/KRScriptFormat.h"

#include <string>
#include <vector>

namespace korvan {

//! What the shared options ask for; the defaults are what a tool does without options.
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

/*!
 * What a tool adds to the shared options: its name, what it does, and options of its own. Its own
 * options follow the shared rules: a value comes as the next argument or after "=", a flag takes
 * none. The tool keeps what they ask for itself.
 */
class TKRProgramOptions
{
public:
    virtual ~TKRProgramOptions() = default;

    //! As people call it: "korvan-sql".
    virtual std::string Name() const = 0;
    //! What the tool does, under the usage line: whole lines, each ending with a line break.
    virtual std::string Description() const = 0;
    //! The usage lines of the tool's own options, listed before --help; whole lines.
    virtual std::string OptionsUsage() const { return {}; }
    //! Whether Option is one of the tool's own that takes a value.
    virtual bool TakesValue(const std::string & /*Option*/) const { return false; }
    //! Takes the value of an option for which TakesValue holds; raises EKRUsageError for a bad one.
    virtual void ApplyValue(const std::string & /*Option*/, const std::string & /*Value*/) {}
    //! False when Option is no flag of the tool's own.
    virtual bool ApplyFlag(const std::string & /*Option*/) { return false; }
    //! Once the whole line is read: raises EKRUsageError for options that do not go together.
    virtual void Check(const TKRCommandLine & /*Options*/) const {}
};

//! Args are the arguments after the program name; Program takes its own options. Raises
//! EKRUsageError.
TKRCommandLine ParseCommandLine(const std::vector<std::string> &Args, TKRProgramOptions &Program);

//! The usage text of Program, ending with a line break.
std::string UsageText(const TKRProgramOptions &Program);

} // namespace korvan
