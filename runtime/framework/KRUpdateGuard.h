// Brackets a batch of changes to a list or collection with BeginUpdate/EndUpdate.
#pragma once

#include <exception>

namespace korvan {

//! Calls Target.BeginUpdate() now and Target.EndUpdate() when the scope ends, also when the batch
//! throws. An EndUpdate that throws while the batch's own error is on its way out is dropped, so the
//! batch's error is the one the caller sees; on the normal path its error propagates as usual.
template <class T>
class TUpdateGuard
{
public:
    explicit TUpdateGuard(T &Target)
        : FTarget(Target)
        , FPendingErrors(std::uncaught_exceptions())
    {
        FTarget.BeginUpdate();
    }
    TUpdateGuard(const TUpdateGuard &) = delete;
    TUpdateGuard &operator=(const TUpdateGuard &) = delete;

    ~TUpdateGuard() noexcept(false)
    {
        if (std::uncaught_exceptions() == FPendingErrors) {
            FTarget.EndUpdate();
            return;
        }
        try {
            FTarget.EndUpdate();
        } catch (...) {}
    }

private:
    T &FTarget;
    int FPendingErrors;
};

} // namespace korvan
