// Queued calls, the identities they carry, and numbered timers.
#include "framework/qt/KRMessages.h"

#include "framework/qt/KRIdentified.h"
#include "framework/qt/KRTimers.h"

#include <memory>
#include <vector>

#include <QtTest>

using namespace korvan;

namespace {

class TLink : public TKRIdentified
{
public:
    explicit TLink(std::vector<std::string> *Log)
        : FLog(Log)
    {}
    ~TLink() override { FLog->push_back("freed " + std::to_string(Identity())); }

private:
    std::vector<std::string> *FLog;
};

class TOther : public TKRIdentified
{
};

//! A work area that owns links and deletes one from the queue, as a link's own menu asks it to.
class TArea : public QObject
{
public:
    std::vector<std::unique_ptr<TLink>> Links;
    std::vector<std::string> Log;

    void PostDeleteLink(std::uint64_t Link)
    {
        KRPost(this, [this, Link] {
            if (auto *L = TKRIdentified::Find<TLink>(Link))
                std::erase_if(Links, [L](const auto &Owned) { return Owned.get() == L; });
            else
                Log.push_back("no link " + std::to_string(Link));
        });
    }
};

//! Runs the queue until a call posted now has run, so that everything posted before has too.
void DrainQueue()
{
    bool Done = false;
    KRPost(nullptr, [&Done] { Done = true; });
    QTRY_VERIFY(Done);
}

} // namespace

class TKRMessagesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void PostedCallsRunLaterInOrder()
    {
        QObject Receiver;
        std::vector<int> Ran;
        KRPost(&Receiver, [&] {
            Ran.push_back(1);
            KRPost(&Receiver, [&] { Ran.push_back(3); });
        });
        KRPost(&Receiver, [&] { Ran.push_back(2); });
        QVERIFY(Ran.empty());
        QTRY_COMPARE(Ran.size(), 3u);
        QCOMPARE(Ran, (std::vector<int>{ 1, 2, 3 }));
    }

    void CallPostedToAFreedReceiverNeverRuns()
    {
        auto Receiver = std::make_unique<QObject>();
        bool Ran = false;
        KRPost(Receiver.get(), [&Ran] { Ran = true; });
        Receiver.reset();
        DrainQueue();
        QVERIFY(!Ran);
    }

    void IdentitiesFindLivingObjectsOnly()
    {
        std::vector<std::string> Log;
        auto A = std::make_unique<TLink>(&Log);
        auto B = std::make_unique<TLink>(&Log);
        const TOther Other;
        QVERIFY(A->Identity() != 0);
        QVERIFY(A->Identity() != B->Identity());
        QCOMPARE(TKRIdentified::Find(A->Identity()), A.get());
        QCOMPARE(TKRIdentified::Find<TLink>(B->Identity()), B.get());
        QCOMPARE(TKRIdentified::Find<TLink>(Other.Identity()), nullptr);
        QCOMPARE(TKRIdentified::Find<TOther>(Other.Identity()), &Other);
        QCOMPARE(TKRIdentified::Find(0), nullptr);

        // A copy is another object: a number of its own, and the original keeps its number.
        const TOther Copy = Other;
        QVERIFY(Copy.Identity() != Other.Identity());
        QCOMPARE(TKRIdentified::Find<TOther>(Copy.Identity()), &Copy);
        QCOMPARE(TKRIdentified::Find<TOther>(Other.Identity()), &Other);

        const std::uint64_t Gone = A->Identity();
        A.reset();
        QCOMPARE(TKRIdentified::Find(Gone), nullptr);
        // Numbers are never given again.
        const TLink C(&Log);
        QVERIFY(C.Identity() > B->Identity());
    }

    // A link's menu posts "delete link N"; before the queue gets to it, closing the table frees
    // the link. The call finds nothing and does nothing.
    void DeletingALinkThatWasFreedMeanwhileDoesNothing()
    {
        TArea Area;
        Area.Links.push_back(std::make_unique<TLink>(&Area.Log));
        Area.Links.push_back(std::make_unique<TLink>(&Area.Log));
        const std::uint64_t First = Area.Links[0]->Identity();
        const std::uint64_t Second = Area.Links[1]->Identity();
        Area.PostDeleteLink(First);
        Area.PostDeleteLink(Second);
        Area.Links.erase(Area.Links.begin()); // the table closes: its link goes at once
        DrainQueue();
        QCOMPARE(Area.Links.size(), 0u);
        QCOMPARE(Area.Log,
                (std::vector<std::string>{ "freed " + std::to_string(First),
                        "no link " + std::to_string(First), "freed " + std::to_string(Second) }));
    }

    void TimersReportTheirNumberUntilStopped()
    {
        TKRTimers Timers;
        std::map<int, int> Fired;
        Timers.SetOnTimer([&](int Number) { ++Fired[Number]; });
        Timers.Start(1, 5);
        Timers.Start(2, 5);
        QVERIFY(Timers.IsActive(1));
        QVERIFY(!Timers.IsActive(3));
        QTRY_VERIFY(Fired[1] >= 3 && Fired[2] >= 3);
        Timers.Stop(1);
        QVERIFY(!Timers.IsActive(1));
        Timers.Stop(7); // never started
        const int Stopped = Fired[1];
        const int Running = Fired[2];
        QTRY_VERIFY(Fired[2] >= Running + 3);
        QCOMPARE(Fired[1], Stopped);
        QCOMPARE(Fired.size(), 2u);
    }

    // Starting a running number again takes the new delay: an hour becomes a few milliseconds.
    void StartingAgainRestartsWithTheNewDelay()
    {
        TKRTimers Timers;
        int Fired = 0;
        Timers.SetOnTimer([&](int) { ++Fired; });
        Timers.Start(4, 3600 * 1000);
        Timers.Start(4, 5);
        QTRY_VERIFY(Fired >= 2);
    }

    // The handler may stop its own timer, and free the timers' owner.
    void HandlerMayStopItsTimerOrFreeTheOwner()
    {
        TKRTimers Timers;
        int Fired = 0;
        Timers.SetOnTimer([&](int Number) {
            ++Fired;
            Timers.Stop(Number);
        });
        Timers.Start(5, 1);
        QTRY_COMPARE(Fired, 1);
        QVERIFY(!Timers.IsActive(5));

        auto *Owned = new TKRTimers;
        QPointer<TKRTimers> Watch = Owned;
        Owned->SetOnTimer([Owned](int) { delete Owned; });
        Owned->Start(6, 1);
        QTRY_VERIFY(Watch.isNull());
    }
};

QTEST_MAIN(TKRMessagesTest)
#include "KRMessagesTest.moc"
