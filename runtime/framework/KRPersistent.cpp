#include "framework/KRPersistent.h"

#include "framework/KRConsts.h"
#include "framework/KRException.h"
#include "framework/KRText.h"

#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace korvan {

namespace {

std::string Demangled(const char *Mangled)
{
    int Status = 0;
    std::unique_ptr<char, void (*)(void *)> Name(
            abi::__cxa_demangle(Mangled, nullptr, nullptr, &Status), std::free);
    return Status == 0 && Name ? std::string(Name.get()) : std::string(Mangled);
}

// "korvan::TStringList" gives "TStringList"; a template's arguments keep their own qualifiers.
std::string WithoutScope(const std::string &Name)
{
    const std::size_t Scope = Name.rfind("::", Name.find('<'));
    return Scope == std::string::npos ? Name : Name.substr(Scope + 2);
}

} // namespace

TPersistent::~TPersistent() = default;

void TPersistent::Assign(const TPersistent *Source)
{
    if (Source == nullptr)
        AssignError(nullptr);
    Source->AssignTo(this);
}

std::string TPersistent::ClassName() const
{
    return WithoutScope(Demangled(typeid(*this).name()));
}

TPersistent *TPersistent::GetOwner() const
{
    return nullptr;
}

void TPersistent::AfterConstruction() {}

void TPersistent::AssignTo(TPersistent *Dest) const
{
    Dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent *Source) const
{
    const std::string SourceName = Source != nullptr ? Source->ClassName() : std::string("nil");
    throw EConvertError(Format(SAssignError, { SourceName, ClassName() }));
}

} // namespace korvan
