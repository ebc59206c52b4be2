#include "framework/qt/KRMessages.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace korvan {

void KRPost(QObject *Receiver, std::function<void()> Call)
{
    if (!Receiver)
        Receiver = QCoreApplication::instance();
    // The queued call is an event of Receiver's: freeing Receiver removes it from the queue.
    QMetaObject::invokeMethod(Receiver, std::move(Call), Qt::QueuedConnection);
}

} // namespace korvan
