#include "Veltis/DataModel/Objects/CCaptureCurveLink.h"
#include "Veltis/DataModel/Objects/CCaptureStringLink.h"

#include "Veltis/DataModel/Objects/CCaptureCurve.h"
#include "Veltis/DataModel/Objects/CCaptureString.h"
#include "support/CCountingCommand.h"
#include "support/CountedFunctions.h"

#include <gtest/gtest.h>

using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountedFunction;
using VeltisTest::CCountingCommand;
using VeltisTest::CFunctionCounters;

namespace {

TEST(CCaptureCurveLinkTest, TheTargetKeepsItsOwnCopy)
{
    CFunctionCounters::Reset();
    {
        CCaptureCurve source, target;
        source.SetValue(CCountedFunction(2.0f, 0.0f));
        CCaptureCurveLink link(&source, &target);
        EXPECT_EQ(target.GetValue().GetValue(3.0f), 3.0f);
        link.Enable(true);
        EXPECT_EQ(target.GetValue().GetValue(3.0f), 6.0f);
        EXPECT_NE(&target.GetValue(), &source.GetValue());
        source.SetValue(CCountedFunction(0.0f, 1.0f));
        EXPECT_EQ(target.GetValue().GetValue(3.0f), 1.0f);
        EXPECT_EQ(CFunctionCounters::Alive(), 2);
    }
    EXPECT_EQ(CFunctionCounters::Alive(), 0);
}

TEST(CCaptureCurveLinkTest, ModifyOnlyWritesOnlyWhenTheSourceAnnounces)
{
    CCaptureCurve source, target;
    source.SetValue(CCountedFunction(2.0f, 0.0f));
    CCaptureCurveLink link(&source, &target);
    link.SetTriggerOnModify(true);
    CCountingCommand targetChanged;
    target.GetValueChangedEvent().AddListener(targetChanged);
    link.Enable(true);
    CCaptureCurve otherTarget;
    link.SetTarget(&otherTarget);
    link.SetTarget(&target);
    EXPECT_EQ(targetChanged.GetCount(), 0);

    source.SetValue(source.GetValue());
    EXPECT_EQ(targetChanged.GetCount(), 1);
    EXPECT_EQ(target.GetValue().GetValue(1.0f), 2.0f);
    target.GetValueChangedEvent().RemoveListener(&targetChanged);
}

TEST(CCaptureStringLinkTest, CopiesTheTextOnEachUpdateOnly)
{
    CCaptureString source, target;
    source.SetValue("Vocal");
    CCaptureStringLink link(&source, &target);
    link.Enable(true);
    EXPECT_STREQ(target.GetValue(), "Vocal");
    EXPECT_NE(target.GetValue(), source.GetValue());

    link.Enable(false);
    source.SetValue("Drums");
    EXPECT_STREQ(target.GetValue(), "Vocal");
    link.Enable(true);
    EXPECT_STREQ(target.GetValue(), "Drums");

    // A new target is written at once; a gesture on the source is mirrored on it.
    CCaptureString other;
    link.SetTarget(&other);
    EXPECT_STREQ(other.GetValue(), "Drums");
    source.BeginCapture();
    EXPECT_TRUE(other.IsCaptured());
    EXPECT_FALSE(target.IsCaptured());
    source.EndCapture();
    EXPECT_FALSE(other.IsCaptured());
}

} // namespace
