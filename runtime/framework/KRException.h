// The root of the system's errors and the framework's own error classes.
#pragma once

#include <exception>
#include <string>

namespace korvan {

//! Root of every error the system raises; Message() is the text the user is shown.
class Exception : public std::exception
{
public:
    explicit Exception(std::string Message);

    const std::string &Message() const { return FMessage; }
    void SetMessage(std::string Value);
    const char *what() const noexcept override;

private:
    std::string FMessage;
};

//! A value could not be converted into another type, or an object could not be assigned to another.
class EConvertError : public Exception
{
public:
    using Exception::Exception;
};

//! An index outside the items of a list or collection.
class EListError : public Exception
{
public:
    using Exception::Exception;
};

//! Raises EListError for Index.
[[noreturn]] void RaiseListIndexError(int Index);

//! Raises EListError unless 0 <= Index < Count.
inline void CheckListIndex(int Index, int Count)
{
    if (Index < 0 || Index >= Count) [[unlikely]]
        RaiseListIndexError(Index);
}

} // namespace korvan
