// The messages the views send one another, and queued calls.
//
// A message that the old code sent (handled before the send returned) is a plain call of the
// receiver's handler: the work area's MoveControl (...) where a table window sent CM_MOVECONTROL.
// A message that it posted (handled later, from the queue) is a call queued with KRPost; the call
// names the objects it acts on by their identities (TKRIdentified), so that it does nothing to an
// object freed in between:
//
//     KRPost(WorkArea, [WorkArea, Link = Link->Identity()] {
//         if (auto *L = TKRIdentified::Find<TKRLink>(Link))
//             WorkArea->DeleteLink(L);
//     });
#pragma once

#include <functional>

class QObject;

namespace korvan {

inline constexpr unsigned CM_BASE = 0xB000;
inline constexpr unsigned CM_MOVECONTROL = CM_BASE + 0x67;
inline constexpr unsigned CM_RESIZECONTROL = CM_BASE + 0x68;
inline constexpr unsigned CM_CLOSETABLE = CM_BASE + 0x69;
inline constexpr unsigned CM_UNLINKTABLE = CM_BASE + 0x6A;
inline constexpr unsigned CM_DELETELINK = CM_BASE + 0x6B;

//! Queues Call to run on Receiver's thread once the events already queued there have been
//! handled, in the order of posting. When Receiver is freed first, Call never runs. Receiver
//! nullptr queues on the application object.
void KRPost(QObject *Receiver, std::function<void()> Call);

} // namespace korvan
