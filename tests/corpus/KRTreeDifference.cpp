#include "KRTreeDifference.h"

#include <algorithm>

namespace korvan {

using Json = nlohmann::json;

namespace {

std::string Shortened(const Json &Node)
{
    constexpr std::size_t Limit = 240;
    std::string Text = Node.dump();
    if (Text.size() > Limit)
        Text = Text.substr(0, Limit) + "...";
    return Text;
}

bool Differ(const Json &Left, const Json &Right, const std::string &Path, TKRTreeDifference &Out)
{
    const auto Found = [&](const std::string &Where, const std::string &L, const std::string &R) {
        Out.Path = Where.empty() ? "(whole tree)" : Where;
        Out.Left = L;
        Out.Right = R;
        return true;
    };
    if (Left.type() != Right.type())
        return Found(Path, Shortened(Left), Shortened(Right));
    if (Left.is_object()) {
        for (auto It = Left.begin(); It != Left.end(); ++It) {
            const std::string Where = Path.empty() ? It.key() : Path + "." + It.key();
            if (!Right.contains(It.key()))
                return Found(Where, Shortened(It.value()), "(missing)");
            if (Differ(It.value(), Right[It.key()], Where, Out))
                return true;
        }
        for (auto It = Right.begin(); It != Right.end(); ++It)
            if (!Left.contains(It.key()))
                return Found(
                        Path.empty() ? It.key() : Path + "." + It.key(), "(missing)", Shortened(It.value()));
        return false;
    }
    if (Left.is_array()) {
        const std::size_t Common = std::min(Left.size(), Right.size());
        for (std::size_t I = 0; I < Common; ++I)
            if (Differ(Left[I], Right[I], Path + "[" + std::to_string(I) + "]", Out))
                return true;
        if (Left.size() != Right.size())
            return Found(Path + " (" + std::to_string(Left.size()) + " items against "
                            + std::to_string(Right.size()) + ")",
                    Shortened(Left), Shortened(Right));
        return false;
    }
    return Left != Right && Found(Path, Shortened(Left), Shortened(Right));
}

//! The clause a path runs through: the part after its first "SelectStmt." ("whereClause").
std::string ClauseOf(const std::string &Path)
{
    const std::string Marker = "SelectStmt.";
    const std::size_t At = Path.find(Marker);
    if (At == std::string::npos)
        return "statement";
    const std::size_t Start = At + Marker.size();
    const std::size_t End = Path.find_first_of(".[ ", Start);
    return Path.substr(Start, End == std::string::npos ? std::string::npos : End - Start);
}

} // namespace

TKRTreeDifference FirstDifference(const Json &Left, const Json &Right)
{
    TKRTreeDifference Difference;
    Differ(Left, Right, "", Difference);
    const std::string Root = "stmts[0].stmt.";
    if (Difference.Path.compare(0, Root.size(), Root) == 0)
        Difference.Path.erase(0, Root.size());
    if (!Difference.Path.empty())
        Difference.Clause = ClauseOf(Difference.Path);
    return Difference;
}

} // namespace korvan
