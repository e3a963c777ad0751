#include "Veltis/DataModel/Objects/CCurveInfo.h"

#include "Veltis/Math/CConstantFunction.h"
#include "support/CCountingCommand.h"
#include "support/ValueToTextSupport.h"

#include <gtest/gtest.h>

using namespace Veltis::DataModel::Objects;
using Veltis::Math::CConstantFunction;
using VeltisTest::CCountingCommand;
using VeltisTest::TextOf;

namespace {

// A frequency response's description: Hz on x, dB on y with default -3, no default function.
class CCurveInfoTest : public testing::Test {
protected:
    CCurveInfoTest()
        : m_Curve("Response", "Gain over frequency", CParamInfo(2, "Frequency", "Hz", "", nullptr, 20.0f, 22000.0f, 1000.0f),
                  CParamInfo(2, "Gain", "dB", "", nullptr, -40.0f, 40.0f, -3.0f))
    {
        m_Curve.GetChangedEvent().AddListener(m_Listener);
    }
    ~CCurveInfoTest() override { m_Curve.GetChangedEvent().RemoveListener(&m_Listener); }

    CCurveInfo m_Curve;
    CCountingCommand m_Listener;
};

TEST_F(CCurveInfoTest, GeneratedDefaultFollowsTheYAxisDefault)
{
    EXPECT_EQ(m_Curve.GetDefaultFunction().GetValue(100.0f), -3.0f);
    EXPECT_EQ(&m_Curve.GetDefaultFunction(), &m_Curve.GetDefaultFunction());
    m_Curve.GetYInfo().SetDefault(5.0f);
    EXPECT_EQ(m_Listener.GetCount(), 1);
    EXPECT_EQ(m_Curve.GetDefaultFunction().GetValue(100.0f), 5.0f);
    EXPECT_EQ(m_Listener.GetCount(), 1);
}

TEST_F(CCurveInfoTest, EveryAxisEditNotifiesTheRecordOnce)
{
    m_Curve.GetXInfo().SetUnit("kHz");
    EXPECT_EQ(m_Listener.GetCount(), 1);
    m_Curve.SetXInfo(CParamInfo(2, "Time", "s", "", nullptr, 0.0f, 1.0f, 0.0f));
    EXPECT_EQ(m_Listener.GetCount(), 2);
    EXPECT_STREQ(m_Curve.GetXInfo().GetName(), "Time");
    m_Curve.SetYInfo(CParamInfo(2, "Level", "dB", "", nullptr, -60.0f, 0.0f, -12.0f));
    EXPECT_EQ(m_Listener.GetCount(), 3);
    EXPECT_EQ(m_Curve.GetDefaultFunction().GetValue(0.0f), -12.0f);
    m_Curve.SetName(nullptr);
    m_Curve.SetComment("c");
    EXPECT_EQ(m_Listener.GetCount(), 5);
    EXPECT_EQ(m_Curve.GetName(), nullptr);
    EXPECT_STREQ(m_Curve.GetComment(), "c");
}

TEST_F(CCurveInfoTest, CopyFromNotifiesOnceAndOwnsADefaultFunction)
{
    CCurveInfo target;
    CCountingCommand targetListener;
    target.GetChangedEvent().AddListener(targetListener);
    target.CopyFrom(m_Curve);
    EXPECT_EQ(targetListener.GetCount(), 1);
    EXPECT_STREQ(target.GetName(), "Response");
    EXPECT_STREQ(target.GetComment(), "Gain over frequency");
    EXPECT_STREQ(target.GetXInfo().GetUnit(), "Hz");
    EXPECT_EQ(target.GetYInfo().GetMin(), -40.0f);
    EXPECT_EQ(TextOf(*target.GetYInfo().GetValueToText(), 1.0f), "1.00");
    EXPECT_NE(target.GetYInfo().GetValueToText(), m_Curve.GetYInfo().GetValueToText());

    // The copied default is the target's own: it no longer follows the y axis.
    target.GetYInfo().SetDefault(7.0f);
    EXPECT_EQ(targetListener.GetCount(), 2);
    EXPECT_EQ(target.GetDefaultFunction().GetValue(0.0f), -3.0f);
    EXPECT_EQ(m_Listener.GetCount(), 0);
    target.GetChangedEvent().RemoveListener(&targetListener);
}

TEST_F(CCurveInfoTest, CopyFromItselfKeepsTheRecordWhole)
{
    const Veltis::Math::IFunction* generated = &m_Curve.GetDefaultFunction();
    m_Curve = m_Curve;
    EXPECT_EQ(m_Listener.GetCount(), 1);
    EXPECT_NE(&m_Curve.GetDefaultFunction(), generated);
    EXPECT_EQ(m_Curve.GetDefaultFunction().GetValue(0.0f), -3.0f);
    EXPECT_STREQ(m_Curve.GetName(), "Response");
    EXPECT_STREQ(m_Curve.GetXInfo().GetName(), "Frequency");
    m_Curve.GetXInfo().SetMin(10.0f);
    EXPECT_EQ(m_Listener.GetCount(), 2);
}

TEST_F(CCurveInfoTest, CopiesCloneADefaultFunctionButNotAGeneratedOne)
{
    const CConstantFunction flat(2.0f);
    CCurveInfo withFunction("f", nullptr, m_Curve.GetXInfo(), m_Curve.GetYInfo(), &flat);
    EXPECT_NE(&withFunction.GetDefaultFunction(), &flat);
    EXPECT_EQ(withFunction.GetDefaultFunction().GetValue(0.0f), 2.0f);
    EXPECT_EQ(withFunction.GetComment(), nullptr);

    // The copy constructor does not copy a generated default: the copy still follows its y axis.
    CCurveInfo copy(m_Curve);
    copy.GetYInfo().SetDefault(1.0f);
    EXPECT_EQ(copy.GetDefaultFunction().GetValue(0.0f), 1.0f);
    const CCurveInfo functionCopy(withFunction);
    EXPECT_EQ(functionCopy.GetDefaultFunction().GetValue(0.0f), 2.0f);

    // Built from the interface, the record always holds a function of its own.
    CCurveInfo fromInterface(static_cast<const IConstCurveInfo&>(m_Curve));
    fromInterface.GetYInfo().SetDefault(1.0f);
    EXPECT_EQ(fromInterface.GetDefaultFunction().GetValue(0.0f), -3.0f);
    EXPECT_STREQ(fromInterface.GetXInfo().GetName(), "Frequency");
    EXPECT_EQ(m_Listener.GetCount(), 0);
}

TEST(CCurveInfoDefaultTest, DefaultRecordHasEmptyTextsAndDefaultAxes)
{
    const CCurveInfo curve;
    EXPECT_STREQ(curve.GetName(), "");
    EXPECT_STREQ(curve.GetXInfo().GetName(), "");
    EXPECT_EQ(curve.GetYInfo().GetType(), 2);
    EXPECT_EQ(curve.GetDefaultFunction().GetValue(3.0f), 0.0f);
}

} // namespace
