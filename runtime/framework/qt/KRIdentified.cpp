#include "framework/qt/KRIdentified.h"

#include <unordered_map>

namespace korvan {

namespace {

using TRegistry = std::unordered_map<std::uint64_t, TKRIdentified *>;

// Never destroyed, so that an object freed while the program exits still finds it.
TRegistry &Registry()
{
    static auto *const Objects = new TRegistry;
    return *Objects;
}

std::uint64_t NextIdentity()
{
    static std::uint64_t Last = 0;
    return ++Last;
}

} // namespace

TKRIdentified::TKRIdentified()
    : FIdentity(NextIdentity())
{
    Registry().emplace(FIdentity, this);
}

TKRIdentified::TKRIdentified(const TKRIdentified &)
    : TKRIdentified()
{}

TKRIdentified::~TKRIdentified()
{
    Registry().erase(FIdentity);
}

TKRIdentified *TKRIdentified::Find(std::uint64_t Identity)
{
    const auto Found = Registry().find(Identity);
    return Found == Registry().end() ? nullptr : Found->second;
}

} // namespace korvan
