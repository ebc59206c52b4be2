// Messages of the framework's own errors. Each is a Format pattern; callers fill it in where they
// raise the error, so every place that raises one kind of error words it the same way.
#pragma once

#include <string_view>

namespace korvan {

inline constexpr std::string_view SListIndexError = "List index out of bounds (%d)";
inline constexpr std::string_view SSortedListError = "Operation not allowed on sorted list";
inline constexpr std::string_view SAssignError = "Cannot assign a %s to a %s";
inline constexpr std::string_view SInvalidInteger = "'%s' is not a valid integer value";
inline constexpr std::string_view SInvalidFormat = "Format '%s' invalid or incompatible with argument";
inline constexpr std::string_view SArgumentMissing = "No argument for format '%s'";
inline constexpr std::string_view SParameterNotFound = "Parameter '%s' not found";
inline constexpr std::string_view SInvalidVarCast = "Could not convert variant of type (%s) into type (%s)";
inline constexpr std::string_view SInvalidDateTime = "'%s' is not a valid date and time";

} // namespace korvan
