#include "framework/KRException.h"

#include "framework/KRConsts.h"
#include "framework/KRText.h"

#include <utility>

namespace korvan {

Exception::Exception(std::string Message)
    : FMessage(std::move(Message))
{}

void Exception::SetMessage(std::string Value)
{
    FMessage = std::move(Value);
}

const char *Exception::what() const noexcept
{
    return FMessage.c_str();
}

void RaiseListIndexError(int Index)
{
    throw EListError(Format(SListIndexError, { Index }));
}

} // namespace korvan
