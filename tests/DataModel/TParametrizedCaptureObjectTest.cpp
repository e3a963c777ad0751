#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Veltis/DataModel/Objects/CCaptureCurve.h"
#include "Veltis/DataModel/Objects/CCaptureSurface.h"
#include "Veltis/DataModel/Objects/CConstantToCaptureParamAdapter.h"
#include "Veltis/DataModel/Objects/TParametrizedCaptureObject.h"
#include "Veltis/DataModel/TIConstCaptureObjectWrapper.h"
#include "Veltis/Math/CConstant.h"
#include "Veltis/Math/CConstantBinaryFunction.h"
#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/Math/TBinaryFunction.h"
#include "Veltis/Math/TFunction.h"
#include "Veltis/SkinEngine/Formula/CFormulaBuilder.h"
#include "support/CaptureSupport.h"
#include "support/ListenerCount.h"

namespace {

using namespace Veltis::DataModel;
using namespace Veltis::DataModel::Objects;
using Veltis::Math::IBinaryFunction;
using Veltis::Math::IConstant;
using Veltis::Math::IFunction;
using VeltisTest::CCountingCommand;
using VeltisTest::CGestureLog;

typedef TParametrizedCaptureObject<IConstant, CConstantToCaptureParamAdapter, TIConstCaptureObjectWrapper<float, IConstParamInfo>>
    CFormulaParam;
typedef TParametrizedCaptureObject<IFunction, CConstCaptureCurve, TIConstCaptureObjectWrapper<const IFunction&, IConstCurveInfo>>
    CFormulaCurve;
typedef TParametrizedCaptureObject<IBinaryFunction, CConstCaptureSurface,
                                   TIConstCaptureObjectWrapper<const IBinaryFunction&, IConstSurfaceInfo>>
    CFormulaSurface;

std::unique_ptr<CFormulaParam> MakeParam(const char* text)
{
    auto* formula = Veltis::SkinEngine::CFormulaBuilder().CreateParametrizedConstant(text);
    EXPECT_NE(formula, nullptr) << text;
    return std::make_unique<CFormulaParam>(formula);
}

CCaptureParam& Ranged(CCaptureParam& param, float value)
{
    VeltisTest::SetRange(param, -100.0f, 100.0f);
    param.SetValue(value);
    return param;
}

TEST(FormulaParam, WithoutParametersReadsItsValueAndNeverNotifies)
{
    auto object = MakeParam("1+2");
    CCountingCommand changes;
    object->GetValueChangedEvent().AddListener(changes);
    CCaptureParam unused;
    object->ConnectVariable("a", Ranged(unused, 5.0f));
    unused.SetValue(6.0f);
    EXPECT_EQ(object->GetValue(), 3.0f);
    EXPECT_EQ(changes.GetCount(), 0);
    object->Disconnect();
}

TEST(FormulaParam, ABoundParameterReachesEveryPlaceAndEachChangeNotifiesOnce)
{
    struct Case {
        const char* text;
        float at3;
        float at4;
    };
    const Case kCases[] = {{"a*2", 6.0f, 8.0f}, {"a*a", 9.0f, 16.0f}, {"a-b", 3.0f, 4.0f}};
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        CCaptureParam a;
        Ranged(a, 3.0f);
        auto object = MakeParam(c.text);
        CCountingCommand changes;
        object->GetValueChangedEvent().AddListener(changes);
        object->ConnectVariable("a", a);
        EXPECT_EQ(changes.GetCount(), 1);
        EXPECT_EQ(object->GetValue(), c.at3);
        a.SetValue(4.0f);
        EXPECT_EQ(changes.GetCount(), 2);
        EXPECT_EQ(object->GetValue(), c.at4);
        object->GetValueChangedEvent().RemoveListener(&changes);
    }
}

TEST(FormulaParam, UnboundConstantsReadZeroAndTheValueIsNotClamped)
{
    auto object = MakeParam("b+50");
    object->GetWritableInfo().SetMax(1.0f);
    EXPECT_EQ(object->GetValue(), 50.0f);
    EXPECT_EQ(object->GetInfo().GetMax(), 1.0f);
}

TEST(FormulaParam, RebindingANameLeavesTheOldObjectAlone)
{
    CCaptureParam first, second;
    Ranged(first, 1.0f);
    Ranged(second, 2.0f);
    auto object = MakeParam("a*10");
    CCountingCommand changes;
    object->GetValueChangedEvent().AddListener(changes);
    object->ConnectVariable("a", first);
    object->ConnectVariable("a", second);
    EXPECT_EQ(object->GetBindingCount(), 1);
    EXPECT_EQ(VeltisTest::ListenerCount(first.GetValueChangedEvent()), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(first.GetBeginCaptureEvent()), 0);
    EXPECT_EQ(VeltisTest::ListenerCount(first.GetEndCaptureEvent()), 0);
    EXPECT_EQ(object->GetValue(), 20.0f);
    first.SetValue(5.0f);
    EXPECT_EQ(changes.GetCount(), 2);
    second.SetValue(3.0f);
    EXPECT_EQ(changes.GetCount(), 3);
    EXPECT_EQ(object->GetValue(), 30.0f);
    object->GetValueChangedEvent().RemoveListener(&changes);
}

// The merged gesture: one begin for the first, one end for the last, never negative, and closed when
// the bindings go.
struct FormulaGestureFixture : ::testing::Test {
    FormulaGestureFixture() : object(MakeParam("a+b"))
    {
        object->ConnectVariable("a", a);
        object->ConnectVariable("b", b);
        log.Watch(*object, 1, 2);
    }
    CCaptureParam a, b;
    std::unique_ptr<CFormulaParam> object;
    CGestureLog log;
};

TEST_F(FormulaGestureFixture, OverlappingGesturesGiveOneBeginAndOneEnd)
{
    a.BeginCapture();
    b.BeginCapture();
    EXPECT_FALSE(object->IsCaptured());
    a.EndCapture();
    EXPECT_EQ(log.Take(), std::vector<int>({1}));
    b.EndCapture();
    EXPECT_EQ(log.Take(), std::vector<int>({2}));
    EXPECT_FALSE(object->IsCaptured());
}

TEST_F(FormulaGestureFixture, DisconnectDuringAGestureEndsItOnce)
{
    a.BeginCapture();
    b.BeginCapture();
    object->Disconnect();
    EXPECT_EQ(log.Take(), std::vector<int>({1, 2}));
    a.EndCapture();
    b.EndCapture();
    EXPECT_TRUE(log.Take().empty());
    EXPECT_EQ(VeltisTest::ListenerCount(a.GetEndCaptureEvent()), 0);
}

TEST_F(FormulaGestureFixture, AnEndWithoutABeginWhileBoundIsIgnored)
{
    CCaptureParam c;
    c.BeginCapture();
    object->ConnectVariable("c", c);
    c.EndCapture();
    EXPECT_TRUE(log.Take().empty());
    a.BeginCapture();
    a.EndCapture();
    EXPECT_EQ(log.Take(), std::vector<int>({1, 2}));
    object->Disconnect();
}

TEST_F(FormulaGestureFixture, RebindingACapturedObjectClosesItsPartOfTheGesture)
{
    CCaptureParam other;
    a.BeginCapture();
    object->ConnectVariable("a", other);
    EXPECT_EQ(log.Take(), std::vector<int>({1, 2}));
    a.EndCapture();
    EXPECT_TRUE(log.Take().empty());
    object->Disconnect();
}

TEST(FormulaCurve, UnboundFunctionParametersActAsTheIdentityAndBoundOnesFollowTheCurve)
{
    auto* formula = Veltis::SkinEngine::CFormulaBuilder().CreateParametrizedFunction("c(x)*k", "x");
    ASSERT_NE(formula, nullptr);
    // Bound objects outlive the formula object.
    CCaptureParam k;
    CCaptureCurve curve;
    CFormulaCurve object(formula);
    Ranged(k, 2.0f);
    CCountingCommand changes;
    object.GetValueChangedEvent().AddListener(changes);
    object.ConnectVariable("k", k);
    const IFunction* function = &object.GetValue();
    EXPECT_EQ(object.GetValue().GetValue(3.0f), 6.0f);

    curve.SetValue(Veltis::Math::CConstantFunction(5.0f));
    object.ConnectVariable("c", curve);
    EXPECT_EQ(object.GetValue().GetValue(3.0f), 10.0f);
    curve.SetValue(Veltis::Math::CConstantFunction(1.0f));
    EXPECT_EQ(object.GetValue().GetValue(3.0f), 2.0f);
    EXPECT_EQ(changes.GetCount(), 3);
    EXPECT_EQ(&object.GetValue(), function);
    object.GetValueChangedEvent().RemoveListener(&changes);
}

TEST(FormulaSurface, UnboundBinaryParametersAverageAndBoundOnesFollowTheSurface)
{
    auto* formula = Veltis::SkinEngine::CFormulaBuilder().CreateParametrizedBinaryFunction("s(x,y)+c(y)", "x", "y");
    ASSERT_NE(formula, nullptr);
    CCaptureSurface surface;
    CFormulaSurface object(formula);
    EXPECT_EQ(object.GetValue().GetValue(2.0f, 4.0f), 7.0f);
    surface.SetValue(Veltis::Math::CConstantBinaryFunction(10.0f));
    object.ConnectVariable("s", surface);
    EXPECT_EQ(object.GetValue().GetValue(2.0f, 4.0f), 14.0f);
    EXPECT_EQ(VeltisTest::ListenerCount(surface.GetValueChangedEvent()), 1);
}

TEST(FormulaObjects, DestructionUnhooksFromEveryBoundObject)
{
    CCaptureParam a;
    CCaptureCurve curve;
    {
        auto object = MakeParam("a+c(2)");
        object->ConnectVariable("a", a);
        object->ConnectVariable("c", curve);
        EXPECT_EQ(object->GetValue(), 2.0f);
    }
    for (auto* event : {&a.GetValueChangedEvent(), &a.GetBeginCaptureEvent(), &curve.GetValueChangedEvent(), &curve.GetEndCaptureEvent()})
        EXPECT_EQ(VeltisTest::ListenerCount(*event), 0);
}

TEST(ConstantToCaptureParamAdapter, ANullConstantReadsZero)
{
    struct CAdapter : CConstantToCaptureParamAdapter {
        using CConstantToCaptureParamAdapter::CConstantToCaptureParamAdapter;
    };
    CAdapter empty(nullptr, 0);
    EXPECT_EQ(empty.GetValue(), 0.0f);
    CAdapter owned(new Veltis::Math::CConstant(4.0f), 1);
    EXPECT_EQ(owned.GetValue(), 4.0f);
    EXPECT_EQ(owned.GetInfo().GetType(), 2);
    EXPECT_FALSE(owned.IsCaptured());
}

} // namespace
