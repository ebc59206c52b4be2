// The base of every object that can copy the state of another one through Assign.
#pragma once

#include <memory>
#include <string>
#include <type_traits>
#include <utility>

namespace korvan {

//! An object with identity: it is never copied, only given another object's state with Assign.
class TPersistent
{
public:
    TPersistent() = default;
    TPersistent(const TPersistent &) = delete;
    TPersistent &operator=(const TPersistent &) = delete;
    virtual ~TPersistent();

    //! Takes Source's state. A descendant handles the sources it knows and leaves the rest to its
    //! ancestor; here, Source is asked to AssignTo this object, which fails unless Source knows how.
    virtual void Assign(const TPersistent *Source);
    //! The class name without its namespace, e.g. "TStringList".
    virtual std::string ClassName() const;
    //! The object this one belongs to, if any.
    virtual TPersistent *GetOwner() const;
    //! Runs once the object is completely built when it is created with Construct: the place for
    //! set-up that must reach a descendant's overrides, which no constructor can.
    virtual void AfterConstruction();

protected:
    //! Copies this object's state into Dest; the fallback of Dest->Assign(this). Raises EConvertError.
    virtual void AssignTo(TPersistent *Dest) const;
    //! Raises EConvertError "Cannot assign a <Source> to a <this>"; a null Source is named "nil".
    [[noreturn]] void AssignError(const TPersistent *Source) const;
};

template <class T, class... TArgs>
std::unique_ptr<T> Construct(TArgs &&...Args);

//! What only Construct can make: a class whose set-up needs AfterConstruction takes it as the first
//! argument of its constructors, so that no one can make it half-built.
class TConstructKey
{
    template <class T, class... TArgs>
    friend std::unique_ptr<T> Construct(TArgs &&...Args);
    TConstructKey() = default;
};

//! A new T, built and then given its AfterConstruction.
template <class T, class... TArgs>
std::unique_ptr<T> Construct(TArgs &&...Args)
{
    std::unique_ptr<T> Result;
    if constexpr (std::is_constructible_v<T, TConstructKey, TArgs...>)
        Result.reset(new T(TConstructKey(), std::forward<TArgs>(Args)...));
    else
        Result = std::make_unique<T>(std::forward<TArgs>(Args)...);
    Result->AfterConstruction();
    return Result;
}

} // namespace korvan
