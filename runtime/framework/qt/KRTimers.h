// Numbered timers of a window, as the old window system kept them: each number runs at its own
// delay and reports every expiry until it is stopped.
#pragma once

#include <functional>
#include <map>

#include <QBasicTimer>
#include <QObject>

namespace korvan {

class TKRTimers : public QObject
{
    Q_OBJECT

public:
    explicit TKRTimers(QObject *Parent = nullptr);
    ~TKRTimers() override;

    //! Runs timer Number every Milliseconds; starting a running number again restarts it with
    //! the new delay.
    void Start(int Number, int Milliseconds);
    //! Stops timer Number; nothing happens when it does not run.
    void Stop(int Number);
    bool IsActive(int Number) const;

    //! Called with the timer's number on each expiry. It may start and stop timers, and free the
    //! object that owns these timers.
    void SetOnTimer(std::function<void(int)> OnTimer) { FOnTimer = std::move(OnTimer); }

protected:
    void timerEvent(QTimerEvent *Event) override;

private:
    std::map<int, QBasicTimer> FTimers;
    std::function<void(int)> FOnTimer;
};

} // namespace korvan
