#include "framework/qt/KRTimers.h"

#include <algorithm>

#include <QTimerEvent>

namespace korvan {

TKRTimers::TKRTimers(QObject *Parent)
    : QObject(Parent)
{}

TKRTimers::~TKRTimers() = default;

void TKRTimers::Start(int Number, int Milliseconds)
{
    FTimers[Number].start(std::max(0, Milliseconds), this);
}

void TKRTimers::Stop(int Number)
{
    FTimers.erase(Number);
}

bool TKRTimers::IsActive(int Number) const
{
    const auto Found = FTimers.find(Number);
    return Found != FTimers.end() && Found->second.isActive();
}

void TKRTimers::timerEvent(QTimerEvent *Event)
{
    for (const auto &[Number, Timer] : FTimers) {
        if (Timer.timerId() != Event->timerId())
            continue;
        // A copy: the handler may replace itself or free this object.
        const std::function<void(int)> OnTimer = FOnTimer;
        const int Which = Number;
        if (OnTimer)
            OnTimer(Which);
        return;
    }
    QObject::timerEvent(Event);
}

} // namespace korvan
