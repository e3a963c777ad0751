#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "Veltis/Core/TValue.h"
#include "Veltis/Core/TValueFactory.h"
#include "support/CCountingCommand.h"

using namespace Veltis::Core;
using VeltisTest::CCountingCommand;

namespace {

// A cloneable stand-in for a function interface that counts live instances.
class IFakeFunction {
public:
    virtual ~IFakeFunction() {}
    virtual IFakeFunction* Clone() const = 0;
    virtual float GetValue(float x) const = 0;
};

class CScale : public IFakeFunction {
public:
    static int s_Alive;
    explicit CScale(float factor) : m_Factor(factor) { ++s_Alive; }
    CScale(const CScale& other) : IFakeFunction(), m_Factor(other.m_Factor) { ++s_Alive; }
    ~CScale() override { --s_Alive; }
    IFakeFunction* Clone() const override { return new CScale(*this); }
    float GetValue(float x) const override { return x * m_Factor; }
    float m_Factor;
};
int CScale::s_Alive = 0;

enum EState { EState_Off, EState_On, EState_Pushed };

} // namespace

TEST(TValueTest, PlainValuesNotifyOnlyRealChanges)
{
    TValue<bool> flag(true);
    CCountingCommand flagListener;
    flag.GetValueChangedEvent().AddListener(flagListener);
    flag.SetValue(true);
    EXPECT_EQ(flagListener.GetCount(), 0);
    flag.SetValue(false);
    EXPECT_EQ(flagListener.GetCount(), 1);
    EXPECT_FALSE(flag.GetValue());

    TValue<EState> state(EState_Off);
    CCountingCommand stateListener;
    state.GetValueChangedEvent().AddListener(stateListener);
    state.SetValue(EState_Off);
    state.SetValue(EState_Pushed);
    state.SetValue(EState_Pushed);
    EXPECT_EQ(stateListener.GetCount(), 1);
    EXPECT_EQ(state.GetValue(), EState_Pushed);
}

TEST(TValueTest, NumbersUseOrderedComparisonSoNaNIsNeverStored)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case {
        const char* name;
        float initial;
        float next;
        bool notifies;
    };
    const Case kCases[] = {
        {"same value", 0.5f, 0.5f, false},
        {"larger", 0.5f, 0.75f, true},
        {"smaller", 0.5f, -1.0f, true},
        {"NaN over a number", 0.5f, nan, false},
        {"number over a stored NaN", nan, 0.5f, false},
        {"negative zero over zero", 0.0f, -0.0f, false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        TValue<float> value(c.initial);
        CCountingCommand listener;
        value.GetValueChangedEvent().AddListener(listener);
        value.SetValue(c.next);
        EXPECT_EQ(listener.GetCount(), c.notifies ? 1 : 0);
        const float expected = c.notifies ? c.next : c.initial;
        if (std::isnan(expected))
            EXPECT_TRUE(std::isnan(value.GetValue()));
        else
            EXPECT_EQ(value.GetValue(), expected);
    }

    TValue<double> wide(0.25);
    wide.SetValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(wide.GetValue(), 0.25);
}

TEST(TValueTest, TextsAreComparedByContentAndKeptAsOwnCopies)
{
    TValue<const char*> text;
    CCountingCommand listener;
    text.GetValueChangedEvent().AddListener(listener);
    EXPECT_EQ(text.GetValue(), nullptr);

    text.SetValue(nullptr);
    EXPECT_EQ(listener.GetCount(), 0);

    char buffer[] = "gain";
    text.SetValue(buffer);
    EXPECT_EQ(listener.GetCount(), 1);
    EXPECT_NE(text.GetValue(), buffer);
    buffer[0] = 'r';
    EXPECT_STREQ(text.GetValue(), "gain");

    char sameText[] = "gain";
    text.SetValue(sameText);
    EXPECT_EQ(listener.GetCount(), 1);

    text.SetValue("");
    EXPECT_EQ(listener.GetCount(), 2);
    EXPECT_STREQ(text.GetValue(), "");

    text.SetValue(nullptr);
    EXPECT_EQ(listener.GetCount(), 3);
    EXPECT_EQ(text.GetValue(), nullptr);
}

TEST(TValueTest, SettingTheStoredTextItselfIsSafe)
{
    TValue<const char*> text("level");
    CCountingCommand listener;
    text.GetValueChangedEvent().AddListener(listener);
    text.SetValue(text.GetValue());
    EXPECT_EQ(listener.GetCount(), 0);
    EXPECT_STREQ(text.GetValue(), "level");
}

TEST(TValueTest, FunctionValuesAlwaysCloneReplaceAndNotify)
{
    CScale::s_Alive = 0;
    {
        CScale doubler(2.0f);
        TValue<const IFakeFunction&> value;
        CCountingCommand listener;
        value.GetValueChangedEvent().AddListener(listener);

        EXPECT_FALSE(value.HasValue());
        value.SetValue(doubler);
        EXPECT_TRUE(value.HasValue());
        EXPECT_EQ(CScale::s_Alive, 2);
        EXPECT_NE(&value.GetValue(), &doubler);
        doubler.m_Factor = 5.0f;
        EXPECT_EQ(value.GetValue().GetValue(3.0f), 6.0f);

        // The very function it holds: still cloned, the old clone freed, and notified.
        const IFakeFunction* before = &value.GetValue();
        value.SetValue(value.GetValue());
        EXPECT_EQ(listener.GetCount(), 2);
        EXPECT_NE(&value.GetValue(), before);
        EXPECT_EQ(CScale::s_Alive, 2);
        EXPECT_EQ(value.GetValue().GetValue(1.0f), 2.0f);
    }
    EXPECT_EQ(CScale::s_Alive, 0);
}

TEST(TValueFactoryTest, TextFactoryHandsOutIndependentCopies)
{
    TValueFactory<const char*> factory;
    EXPECT_EQ(factory.CreateValue(), nullptr);
    // A null text is a value.
    EXPECT_TRUE(factory.GetHeldValue().HasValue());

    CCountingCommand listener;
    factory.GetValueChangedEvent().AddListener(listener);
    factory.SetValue("freq");
    factory.SetValue("freq");
    EXPECT_EQ(listener.GetCount(), 1);

    char* first = factory.CreateValue();
    char* second = factory.CreateValue();
    ASSERT_NE(first, nullptr);
    EXPECT_NE(first, second);
    EXPECT_STREQ(first, "freq");
    first[0] = 'x';
    EXPECT_STREQ(second, "freq");
    delete[] first;
    delete[] second;
    EXPECT_EQ(listener.GetCount(), 1);
}

TEST(TValueFactoryTest, FunctionFactoryHandsOutClonesTheCallerOwns)
{
    CScale::s_Alive = 0;
    {
        TValueFactory<const IFakeFunction&> factory;
        EXPECT_EQ(factory.CreateValue(), nullptr);
        factory.SetValue(CScale(3.0f));
        IFakeFunction* copy = factory.CreateValue();
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->GetValue(2.0f), 6.0f);
        EXPECT_EQ(CScale::s_Alive, 2);
        delete copy;
    }
    EXPECT_EQ(CScale::s_Alive, 0);
}
