#include "Veltis/DataModel/Objects/CCaptureCurve.h"
#include "Veltis/DataModel/Objects/CCaptureSurface.h"

#include "Veltis/Math/TFunction.h"
#include "support/CCountingCommand.h"
#include "support/CountedFunctions.h"

#include <gtest/gtest.h>

using namespace Veltis::DataModel::Objects;
using VeltisTest::CCountedBinaryFunction;
using VeltisTest::CCountedFunction;
using VeltisTest::CCountingCommand;
using VeltisTest::CFunctionCounters;

namespace {

TEST(CCaptureCurveTest, NewObjectsHoldTheirOwnDefaultFunctions)
{
    CFunctionCounters::Reset();
    CCaptureCurve curve;
    CCaptureSurface surface;
    for (float x : {-2.0f, 0.0f, 0.5f, 7.0f}) {
        EXPECT_EQ(curve.GetValue().GetValue(x), x);
        EXPECT_EQ(surface.GetValue().GetValue(x, 3.0f), (x + 3.0f) * 0.5f);
    }
    EXPECT_STREQ(curve.GetInfo().GetName(), "");
    EXPECT_STREQ(surface.GetInfo().GetComment(), "");
    // Each holds a copy, not the process-wide instance, which nobody may delete.
    EXPECT_NE(&curve.GetValue(), &Veltis::Math::TFunction<&Veltis::Math::FunctionsLibrary::Identity>::GetInstance());
}

TEST(CCaptureCurveTest, WritesStoreACopyAndAnnounceEveryTime)
{
    CFunctionCounters::Reset();
    {
        CCaptureCurve curve;
        CCountingCommand changed;
        curve.GetValueChangedEvent().AddListener(changed);

        auto* function = new CCountedFunction(2.0f, 1.0f);
        curve.SetValue(*function);
        function->Set(0.0f, 0.0f);
        delete function;
        EXPECT_EQ(curve.GetValue().GetValue(3.0f), 7.0f);
        EXPECT_EQ(changed.GetCount(), 1);

        // Its own value: copied before the old one goes, still announced.
        curve.SetValue(curve.GetValue());
        EXPECT_EQ(curve.GetValue().GetValue(3.0f), 7.0f);
        EXPECT_EQ(changed.GetCount(), 2);
        EXPECT_EQ(CFunctionCounters::Alive(), 1);
        curve.GetValueChangedEvent().RemoveListener(&changed);
    }
    EXPECT_EQ(CFunctionCounters::Alive(), 0);
}

TEST(CCaptureCurveTest, SurfaceWritesStoreACopyAndAnnounceEveryTime)
{
    CFunctionCounters::Reset();
    {
        CCaptureSurface surface;
        CCountingCommand changed;
        surface.GetValueChangedEvent().AddListener(changed);
        {
            const CCountedBinaryFunction function(2.0f, 3.0f);
            surface.SetValue(function);
        }
        surface.SetValue(surface.GetValue());
        EXPECT_EQ(surface.GetValue().GetValue(1.0f, 1.0f), 5.0f);
        EXPECT_EQ(changed.GetCount(), 2);
        EXPECT_EQ(CFunctionCounters::Alive(), 1);
        surface.GetValueChangedEvent().RemoveListener(&changed);
    }
    EXPECT_EQ(CFunctionCounters::Alive(), 0);
}

// A derived object that keeps a function of its own and changes it in place, as formula objects do.
class CKeptFunctionCurve : public CConstCaptureCurve {
public:
    explicit CKeptFunctionCurve(CCountedFunction& function) : CConstCaptureCurve(&function, 0) {}
};

TEST(CCaptureCurveTest, DerivedObjectsMayLendTheirOwnFunction)
{
    CFunctionCounters::Reset();
    {
        CCountedFunction kept(1.0f, 0.0f);
        {
            CKeptFunctionCurve curve(kept);
            kept.Set(3.0f, 0.0f);
            EXPECT_EQ(&curve.GetValue(), &kept);
            EXPECT_EQ(curve.GetValue().GetValue(2.0f), 6.0f);
        }
        EXPECT_EQ(CFunctionCounters::Alive(), 1);
    }
    EXPECT_EQ(CFunctionCounters::Alive(), 0);
}

TEST(CCaptureCurveTest, OwnersFillTheDescriptorInPlace)
{
    CCaptureCurve curve;
    CCountingCommand infoChanged;
    curve.GetInfo().GetChangedEvent().AddListener(infoChanged);
    curve.GetWritableInfo().SetName("Response");
    curve.GetWritableInfo().GetYInfo().SetMax(24.0f);
    EXPECT_STREQ(curve.GetInfo().GetName(), "Response");
    EXPECT_EQ(curve.GetInfo().GetYInfo().GetMax(), 24.0f);
    EXPECT_EQ(infoChanged.GetCount(), 2);
    curve.GetInfo().GetChangedEvent().RemoveListener(&infoChanged);
}

} // namespace
