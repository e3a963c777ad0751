#include <gtest/gtest.h>

#include "Veltis/Core/TArgCommand.h"
#include "Veltis/Core/TArgCommandWrapper.h"
#include "Veltis/Core/TArgReturnCommand.h"
#include "Veltis/Core/TCommand.h"
#include "Veltis/Core/TConstArgCommand.h"
#include "Veltis/Core/TConstCommand.h"
#include "Veltis/Core/TReturnCommand.h"

using namespace Veltis::Core;

namespace {

class IShape {
public:
    virtual ~IShape() {}
    virtual void Touch() = 0;
};

class CSquare : public IShape {
public:
    void Touch() override { ++m_SquareTouches; }
    int m_SquareTouches = 0;
};

class CTarget {
public:
    void Bump() { ++m_Bumps; }
    void Add(int value) { m_Sum += value; }
    void Record(const int& value) { m_Last = value; }
    void ReadInto(int* out) const { *out = m_Sum; }
    void Report() const { ++m_Reports; }
    bool Accept() { return m_Accept; }
    bool AcceptAbove(int value) { return value > m_Threshold; }

    int m_Bumps = 0;
    int m_Sum = 0;
    int m_Last = 0;
    mutable int m_Reports = 0;
    bool m_Accept = true;
    int m_Threshold = 10;
};

} // namespace

TEST(CommandsTest, CommandBoundToInterfaceMemberCallsOverrideOfDynamicType)
{
    CSquare square;
    TCommand<IShape> command(&square, &IShape::Touch);
    ICommand& asCommand = command;
    asCommand.Execute();
    asCommand.Execute();
    EXPECT_EQ(square.m_SquareTouches, 2);
}

TEST(CommandsTest, MemberCommandsCallTheirMemberOnTheTarget)
{
    CTarget target;
    TCommand<CTarget>(&target, &CTarget::Bump).Execute();
    TConstCommand<CTarget>(&target, &CTarget::Report).Execute();
    TArgCommand<CTarget, int> add(&target, &CTarget::Add);
    TIArgCommand<int>& asArgCommand = add;
    asArgCommand.Execute(4);
    asArgCommand.Execute(5);
    int read = 0;
    TConstArgCommand<CTarget, int*>(&target, &CTarget::ReadInto).Execute(&read);

    EXPECT_EQ(target.m_Bumps, 1);
    EXPECT_EQ(target.m_Reports, 1);
    EXPECT_EQ(target.m_Sum, 9);
    EXPECT_EQ(read, 9);
}

TEST(CommandsTest, ReturnCommandsPassTheMemberResultThrough)
{
    CTarget target;
    TReturnCommand<CTarget, bool> accept(&target, &CTarget::Accept);
    TArgReturnCommand<CTarget, bool, int> above(&target, &CTarget::AcceptAbove);
    TIReturnCommand<bool>& asReturn = accept;
    TIArgReturnCommand<bool, int>& asArgReturn = above;

    EXPECT_TRUE(asReturn.Execute());
    target.m_Accept = false;
    EXPECT_FALSE(asReturn.Execute());
    EXPECT_TRUE(asArgReturn.Execute(11));
    EXPECT_FALSE(asArgReturn.Execute(10));
}

TEST(CommandsTest, WrapperKeepsTheValueItWasBuiltWith)
{
    CTarget target;
    int value = 3;
    TArgCommandWrapper<TArgCommand<CTarget, int>> wrapper(TArgCommand<CTarget, int>(&target, &CTarget::Add),
                                                          value);
    value = 100;
    ICommand& asCommand = wrapper;
    asCommand.Execute();
    EXPECT_EQ(target.m_Sum, 3);
}

TEST(CommandsTest, WrapperOverReferenceArgumentSeesTheReferentAsItIsWhenRun)
{
    CTarget target;
    int value = 3;
    TArgCommandWrapper<TArgCommand<CTarget, const int&>> wrapper(
        TArgCommand<CTarget, const int&>(&target, &CTarget::Record), value);
    value = 8;
    wrapper.Execute();
    EXPECT_EQ(target.m_Last, 8);
}

TEST(CommandsTest, WrapperOverConstCommandCallsTheConstMember)
{
    CTarget target;
    target.m_Sum = 12;
    int read = 0;
    TArgCommandWrapper<TConstArgCommand<CTarget, int*>> wrapper(
        TConstArgCommand<CTarget, int*>(&target, &CTarget::ReadInto), &read);
    wrapper.Execute();
    EXPECT_EQ(read, 12);
}
