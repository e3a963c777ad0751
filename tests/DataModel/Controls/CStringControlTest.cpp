#include "Veltis/DataModel/Controls/CStringControl.h"
#include "Veltis/DataModel/Controls/CStringViewer.h"
#include "Veltis/DataModel/Objects/CCaptureString.h"

#include "support/CCountingCommand.h"
#include "support/CaptureSupport.h"
#include "support/ListenerCount.h"

#include <gtest/gtest.h>

#include <vector>

using namespace Veltis;
using DataModel::Controls::CStringControl;
using DataModel::Controls::CStringViewer;
using DataModel::Objects::CCaptureString;
using VeltisTest::CCountingCommand;

namespace {

TEST(CStringViewerTest, ConnectAnnouncesOnlyADifferentText)
{
    CCaptureString first, same, other;
    first.SetValue("abc");
    same.SetValue("abc");
    other.SetValue("xyz");
    CStringViewer viewer(first);
    CCountingCommand changed;
    viewer.GetValueChangedEvent().AddListener(changed);
    viewer.Connect(&same);
    EXPECT_EQ(changed.GetCount(), 0);
    viewer.Connect(&other);
    EXPECT_EQ(changed.GetCount(), 1);
    EXPECT_STREQ(viewer.GetValue(), "xyz");
    EXPECT_EQ(&viewer.GetInfo(), &other.GetInfo());
    other.SetValue("new");
    EXPECT_EQ(changed.GetCount(), 2);
    first.SetValue("old string moves nothing");
    EXPECT_EQ(changed.GetCount(), 2);
    EXPECT_EQ(VeltisTest::ListenerCount(first.GetValueChangedEvent()), 0);
}

TEST(CStringViewerTest, NeverReportsAGesture)
{
    CCaptureString string;
    CStringViewer viewer(string);
    VeltisTest::CGestureLog log;
    log.Watch(viewer, 1, 2);
    string.BeginCapture();
    EXPECT_FALSE(viewer.IsCaptured());
    string.EndCapture();
    EXPECT_TRUE(log.Take().empty());
}

TEST(CStringControlTest, WritesUngatedAndBracketsItsOwnGestureOnce)
{
    CCaptureString string;
    CStringControl control(string);
    control.SetValue("typed");
    EXPECT_STREQ(string.GetValue(), "typed");
    VeltisTest::CGestureLog log;
    log.Watch(control, 1, 2);
    log.Watch(string, 3, 4);
    control.BeginCapture();
    control.BeginCapture();
    control.EndCapture();
    control.EndCapture();
    EXPECT_EQ(log.Take(), (std::vector<int>{1, 3, 2, 4}));
}

TEST(CStringControlTest, AnOpenGestureEndsOnTheOldStringWhenReconnectedOrDestroyed)
{
    CCaptureString first, second;
    VeltisTest::CGestureLog log;
    log.Watch(first, 1, 2);
    log.Watch(second, 3, 4);
    {
        CStringControl control(first);
        control.BeginCapture();
        control.Connect(&second);
        EXPECT_FALSE(control.IsCaptured());
        control.SetValue("to second");
        EXPECT_STREQ(second.GetValue(), "to second");
        control.BeginCapture();
    }
    EXPECT_EQ(log.Take(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(VeltisTest::ListenerCount(second.GetValueChangedEvent()), 0);
}

} // namespace
