// korvan-compare: times Korvan's parse and round trip, and the bare tokenizer, over statement
// files, in the same way and the same TSV lines as the peers' runner (bench/peers/run.sh):
//   name, file, statements, bytes, parse seconds, round-trip seconds, status
// The seconds are the best single pass over all statements of a file.
#include "KRBenchSupport.h"
#include "KRStatementGenerator.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using namespace korvan;
using namespace korvan::bench;

namespace {

using TClock = std::chrono::steady_clock;

//! The best time of one pass, repeating passes for about a second (at least one).
template <typename TPass>
double BestPass(TPass Pass)
{
    double Best = 1e300;
    const auto Start = TClock::now();
    do {
        const auto Begin = TClock::now();
        Pass();
        const double Seconds = std::chrono::duration<double>(TClock::now() - Begin).count();
        Best = Seconds < Best ? Seconds : Best;
    } while (std::chrono::duration<double>(TClock::now() - Start).count() < 1.0);
    return Best;
}

std::string BaseName(const std::string &Path)
{
    const std::size_t Slash = Path.rfind('/');
    return Slash == std::string::npos ? Path : Path.substr(Slash + 1);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: korvan-compare STATEMENTS_FILE...\n");
        return 64;
    }
    for (int A = 1; A < argc; ++A) {
        std::ifstream In(argv[A], std::ios::binary);
        if (!In) {
            std::fprintf(stderr, "korvan-compare: cannot read '%s'\n", argv[A]);
            return 1;
        }
        const std::string Text((std::istreambuf_iterator<char>(In)), std::istreambuf_iterator<char>());
        const std::vector<std::string> List = SplitStatements(Text);
        std::size_t Bytes = 0;
        for (const std::string &S : List)
            Bytes += S.size();
        const std::string File = BaseName(argv[A]);

        auto Parser = NewBenchParser(bmGeneric);
        std::string Status = "ok";
        try {
            const double Parse = BestPass([&] {
                for (const std::string &S : List)
                    Parser->SetExpression(S);
            });
            std::size_t Written = 0;
            const double RoundTrip = BestPass([&] {
                for (const std::string &S : List) {
                    Parser->SetExpression(S);
                    Written += Parser->GetExpression().size();
                }
            });
            std::printf("Korvan\t%s\t%zu\t%zu\t%.9f\t%.9f\t%s\n", File.c_str(), List.size(), Bytes, Parse,
                    RoundTrip, Written > 0 ? "ok" : "error: nothing written");
        } catch (const EKRParserError &Error) {
            std::printf("Korvan\t%s\t%zu\t%zu\t\t\terror: %s\n", File.c_str(), List.size(), Bytes,
                    Error.Message().c_str());
        }
        std::size_t Pieces = 0;
        const double Scan = BestPass([&] {
            for (const std::string &S : List)
                Pieces += BareTokenize(S);
        });
        std::printf("bare tokenizer\t%s\t%zu\t%zu\t%.9f\t%.9f\t%s\n", File.c_str(), List.size(), Bytes, Scan,
                Scan, Pieces > 0 ? "ok" : "error: no tokens");
        std::fflush(stdout);
    }
    return 0;
}
