#include <gtest/gtest.h>

#include "Veltis/Core/CCapture.h"
#include "Veltis/Core/TCommand.h"

using namespace Veltis::Core;

namespace {

// Records the captured state it sees when it runs.
class CStateProbe {
public:
    explicit CStateProbe(CCapture* capture) : m_Capture(capture) {}
    void OnEvent()
    {
        ++m_Runs;
        m_SawCaptured = m_Capture->IsCaptured();
    }
    CCapture* m_Capture;
    int m_Runs = 0;
    bool m_SawCaptured = false;
};

} // namespace

TEST(CCaptureTest, BeginAndEndNotifyOncePerRealChangeAndListenersSeeTheNewState)
{
    CCapture capture;
    CStateProbe begin(&capture), end(&capture);
    TCommand<CStateProbe> beginCommand(&begin, &CStateProbe::OnEvent);
    TCommand<CStateProbe> endCommand(&end, &CStateProbe::OnEvent);
    capture.GetBeginCaptureEvent().AddListener(beginCommand);
    capture.GetEndCaptureEvent().AddListener(endCommand);

    EXPECT_FALSE(capture.IsCaptured());
    capture.EndCapture();
    EXPECT_EQ(end.m_Runs, 0);

    capture.BeginCapture();
    capture.BeginCapture();
    EXPECT_EQ(begin.m_Runs, 1);
    EXPECT_TRUE(begin.m_SawCaptured);

    capture.EndCapture();
    capture.EndCapture();
    EXPECT_EQ(end.m_Runs, 1);
    EXPECT_FALSE(end.m_SawCaptured);
    EXPECT_FALSE(capture.IsCaptured());
}
