#include <gtest/gtest.h>

#include <vector>

#include "Veltis/Core/TArgCommand.h"
#include "Veltis/Core/TArgEventProvider.h"
#include "Veltis/Core/TConstArgCommand.h"

using namespace Veltis::Core;

namespace {

struct CPoint {
    int x;
    int y;
};

class CRecorder {
public:
    CRecorder(int id, std::vector<int>* log) : m_Id(id), m_Log(log) {}
    void OnValue(int value) { m_Log->push_back(m_Id * 100 + value); }
    void OnPoint(const CPoint& point) { m_Seen = &point; }

    int m_Id;
    std::vector<int>* m_Log;
    const CPoint* m_Seen = nullptr;
};

// Re-notifies its provider with another value from inside its own run.
class CRenotifier {
public:
    explicit CRenotifier(TArgEventProvider<int>* provider, std::vector<int>* log) : m_Provider(provider), m_Log(log) {}
    void OnValue(int value)
    {
        m_Log->push_back(900 + value);
        if (value == 1)
            m_Provider->Notify(2);
    }
    TArgEventProvider<int>* m_Provider;
    std::vector<int>* m_Log;
};

} // namespace

TEST(TArgEventProviderTest, ArgumentReachesListenersInOrderAndRunningListenerIsSkipped)
{
    TArgEventProvider<int> provider;
    std::vector<int> log;
    CRecorder first(1, &log), last(3, &log);
    CRenotifier middle(&provider, &log);
    TArgCommand<CRecorder, int> firstCommand(&first, &CRecorder::OnValue);
    TArgCommand<CRenotifier, int> middleCommand(&middle, &CRenotifier::OnValue);
    TArgCommand<CRecorder, int> lastCommand(&last, &CRecorder::OnValue);
    provider.AddListener(firstCommand);
    provider.AddListener(middleCommand);
    provider.AddListener(&lastCommand);

    provider.Notify(1);
    EXPECT_EQ(log, (std::vector<int>{101, 901, 102, 302, 301}));
}

TEST(TArgEventProviderTest, ReferenceArgumentIsPassedUnchanged)
{
    TArgEventProvider<const CPoint&> provider;
    std::vector<int> log;
    CRecorder recorder(1, &log);
    TArgCommand<CRecorder, const CPoint&> command(&recorder, &CRecorder::OnPoint);
    provider.AddListener(command);
    const CPoint point = {3, 4};
    provider.Notify(point);
    EXPECT_EQ(recorder.m_Seen, &point);
}

TEST(TArgEventProviderTest, RemovalAndDeletionFollowThePlainProvider)
{
    TArgEventProvider<int> provider;
    std::vector<int> log;
    CRecorder recorder(1, &log);
    TIArgCommand<int>* command = new TArgCommand<CRecorder, int>(&recorder, &CRecorder::OnValue);
    provider.AddListener(command);
    provider.AddListener(command);
    provider.Notify(5);
    EXPECT_EQ(log, (std::vector<int>{105, 105}));

    provider.RemoveListener(command, true);
    EXPECT_EQ(command, nullptr);
    provider.Notify(6);
    EXPECT_EQ(log.size(), 2u);
}

TEST(TArgEventProviderTest, ConstArgCommandChainsArgumentProviders)
{
    TArgEventProvider<int> first, second;
    std::vector<int> log;
    CRecorder recorder(2, &log);
    TArgCommand<CRecorder, int> record(&recorder, &CRecorder::OnValue);
    second.AddListener(record);
    TConstArgCommand<TIArgNotify<int>, int> forward(&second, &TIArgNotify<int>::Notify);
    first.AddListener(forward);

    first.Notify(7);
    EXPECT_EQ(log, (std::vector<int>{207}));
}
