#include <gtest/gtest.h>

#include "Veltis/Core/TCommand.h"
#include "Veltis/Core/TConnectablePointer.h"

using namespace Veltis::Core;

namespace {

struct CAction {
    int m_Id;
};

// Records the pointer each event sees.
class CObserver {
public:
    explicit CObserver(TConnectablePointer<CAction>* holder) : m_Holder(holder) {}
    void OnBefore() { m_SeenBefore = m_Holder->Get(); ++m_Events; }
    void OnAfter() { m_SeenAfter = m_Holder->Get(); ++m_Events; }

    TConnectablePointer<CAction>* m_Holder;
    CAction* m_SeenBefore = nullptr;
    CAction* m_SeenAfter = nullptr;
    int m_Events = 0;
};

} // namespace

TEST(TConnectablePointerTest, ListenersSeeTheOldPointerBeforeAndTheNewAfter)
{
    CAction first{1}, second{2};
    TConnectablePointer<CAction> holder(&first);
    CObserver observer(&holder);
    TCommand<CObserver> before(&observer, &CObserver::OnBefore);
    TCommand<CObserver> after(&observer, &CObserver::OnAfter);
    holder.GetBeforeChangeEvent().AddListener(before);
    holder.GetAfterChangeEvent().AddListener(after);

    TIConnect<CAction>& connect = holder;
    connect.Connect(&second);
    EXPECT_EQ(observer.m_SeenBefore, &first);
    EXPECT_EQ(observer.m_SeenAfter, &second);

    // No test for an unchanged pointer, and null is allowed.
    connect.Connect(&second);
    EXPECT_EQ(observer.m_Events, 4);
    connect.Connect(nullptr);
    EXPECT_EQ(holder.Get(), nullptr);
    EXPECT_EQ(observer.m_SeenBefore, &second);
}
