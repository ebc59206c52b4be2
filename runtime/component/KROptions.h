// The component's options that its views read, and the actions it is asked to allow.
#pragma once

#include "framework/KRSet.h"

#include <cstdint>

namespace korvan {

enum TKROption : std::uint8_t { kroRowSelect, kroDragFieldName, kroHideSelection, kroShowFieldTypes };
using TKROptions = TSet<TKROption>;

//! What the application is asked to allow for a table window or a link.
enum TKRAction : std::uint8_t { kraAdd, kraRemove };

} // namespace korvan
