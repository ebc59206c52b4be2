// Identities for the objects that queued calls refer to. A queued call runs after the code that
// posted it has returned, when the object it meant may be gone; it carries the object's number and
// looks the object up when it runs, never a pointer that may dangle.
#pragma once

#include <cstdint>

namespace korvan {

//! A base that gives each object a number of its own for the life of the process (never 0, never
//! given twice) and lets it be found by that number while it lives. A copy is a new object with
//! a new number. Objects are made, found and freed on the user-interface thread.
class TKRIdentified
{
public:
    TKRIdentified();
    TKRIdentified(const TKRIdentified &);
    TKRIdentified &operator=(const TKRIdentified &) { return *this; }
    virtual ~TKRIdentified();

    std::uint64_t Identity() const { return FIdentity; }

    //! The living object numbered Identity, or nullptr once it has been freed.
    static TKRIdentified *Find(std::uint64_t Identity);
    //! The living object numbered Identity when it is a T, else nullptr.
    template <class T>
    static T *Find(std::uint64_t Identity)
    {
        return dynamic_cast<T *>(Find(Identity));
    }

private:
    const std::uint64_t FIdentity;
};

} // namespace korvan
