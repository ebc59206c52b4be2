// Where two JSON trees first differ, told briefly enough for a failure message.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace korvan {

//! Where two trees first part: the path to the node and both versions of it, shortened.
struct TKRTreeDifference
{
    std::string Path; //!< "" when the trees are equal
    std::string Left;
    std::string Right;
    std::string Clause; //!< the clause of the statement that the path runs through ("whereClause")
};

TKRTreeDifference FirstDifference(const nlohmann::json &Left, const nlohmann::json &Right);

} // namespace korvan
