#include "KRCorpusFile.h"

#include <fstream>
#include <sstream>

namespace korvan {

namespace {

const std::string SourceMarker = "-- source:";

bool IsBlank(const std::string &Line)
{
    return Line.find_first_not_of(" \t") == std::string::npos;
}

bool IsComment(const std::string &Line)
{
    return Line.compare(0, 2, "--") == 0;
}

//! Where the closing ";" of a line stands, or npos when the line does not close a statement.
std::size_t ClosingSemicolon(const std::string &Line)
{
    const std::size_t Last = Line.find_last_not_of(" \t");
    return Last != std::string::npos && Line[Last] == ';' ? Last : std::string::npos;
}

std::string Trimmed(const std::string &Text)
{
    const std::size_t First = Text.find_first_not_of(" \t");
    if (First == std::string::npos)
        return "";
    return Text.substr(First, Text.find_last_not_of(" \t") - First + 1);
}

} // namespace

TKRCorpusFile SplitCorpus(const std::string &Text, const std::string &Path)
{
    TKRCorpusFile File;
    File.Path = Path;
    File.Found = true;
    std::istringstream In(Text);
    std::string Source;
    std::string Line;
    TKRCorpusStatement Current;
    bool Open = false;
    for (int Number = 1; std::getline(In, Line); ++Number) {
        if (!Line.empty() && Line.back() == '\r')
            Line.pop_back();
        if (!Open) {
            if (Line.compare(0, SourceMarker.size(), SourceMarker) == 0) {
                Source = Trimmed(Line.substr(SourceMarker.size()));
                continue;
            }
            if (IsBlank(Line) || IsComment(Line))
                continue;
            Current = TKRCorpusStatement{ Number, Source, "" };
            Open = true;
        } else
            Current.Text += '\n';
        const std::size_t End = ClosingSemicolon(Line);
        if (End == std::string::npos) {
            Current.Text += Line;
            continue;
        }
        Current.Text += Line.substr(0, End);
        if (Source.empty())
            File.Faults.push_back(Path + ":" + std::to_string(Current.Line)
                    + ": a statement with no source line before it");
        File.Statements.push_back(std::move(Current));
        Open = false;
    }
    if (Open)
        File.Faults.push_back(Path + ":" + std::to_string(Current.Line) + ": a statement that no \";\" ends");
    return File;
}

TKRCorpusFile ReadCorpusFile(const std::string &Path)
{
    std::ifstream In(Path, std::ios::binary);
    if (!In) {
        TKRCorpusFile File;
        File.Path = Path;
        return File;
    }
    std::ostringstream Text;
    Text << In.rdbuf();
    return SplitCorpus(Text.str(), Path);
}

} // namespace korvan
