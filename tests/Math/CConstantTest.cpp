#include "Veltis/Math/CConstant.h"
#include "Veltis/Math/CConstantBinaryFunction.h"
#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/Runtime/CObjectsFactory.h"

#include "support/XmlDocuments.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

using namespace Veltis::Math;
using Veltis::Runtime::CObjectsFactory;

namespace {

const float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(CConstant, ValueIgnoresEveryArgument)
{
    const CConstantFunction flat(2.5f);
    const CConstantBinaryFunction surface(-1.0f);
    for (float x : {0.0f, -3.0f, 1e30f, kInf, -kInf, kNaN}) {
        SCOPED_TRACE(x);
        EXPECT_EQ(flat.GetValue(x), 2.5f);
        EXPECT_EQ(surface.GetValue(x, 7.0f), -1.0f);
        EXPECT_EQ(surface.GetValue(7.0f, x), -1.0f);
    }
    EXPECT_EQ(flat.GetValue(), 2.5f);
    EXPECT_EQ(CConstant(4.0f).GetValue(), 4.0f);
}

TEST(CConstant, NonFiniteValuesPassThroughUnchanged)
{
    EXPECT_EQ(CConstant(kInf).GetValue(), kInf);
    EXPECT_TRUE(std::isnan(CConstantFunction(kNaN).GetValue(1.0f)));
    EXPECT_EQ(CConstantBinaryFunction(-kInf).GetValue(0.0f, 0.0f), -kInf);
}

TEST(CConstant, CloneIsIndependentOfItsSource)
{
    CConstant constant(1.0f);
    std::unique_ptr<IConstant> constantClone(constant.Clone());
    constant.SetValue(9.0f);
    EXPECT_EQ(constantClone->GetValue(), 1.0f);
    EXPECT_EQ(constant.GetValue(), 9.0f);

    CConstantFunction flat(1.0f);
    std::unique_ptr<IFunction> flatClone(flat.Clone());
    flat.SetValue(9.0f);
    EXPECT_EQ(flatClone->GetValue(0.0f), 1.0f);

    CConstantBinaryFunction surface(1.0f);
    std::unique_ptr<IBinaryFunction> surfaceClone(surface.Clone());
    surface.SetValue(9.0f);
    EXPECT_EQ(surfaceClone->GetValue(0.0f, 0.0f), 1.0f);
}

// One row per class: its identifiers and an interface it is not registered under.
struct FactoryCase {
    const char* classId;
    const char* interfaceId;
    const char* otherInterfaceId;
};

TEST(CConstant, FactoriesMakeZeroObjectsOnlyForTheirOwnPairs)
{
    const FactoryCase kCases[] = {
        {CConstant::kClassId, IConstant::kInterfaceId, IFunction::kInterfaceId},
        {CConstantFunction::kClassId, IFunction::kInterfaceId, IBinaryFunction::kInterfaceId},
        {CConstantBinaryFunction::kClassId, IBinaryFunction::kInterfaceId, IConstant::kInterfaceId},
    };
    CObjectsFactory* registry = CObjectsFactory::GetInstance();
    for (const FactoryCase& c : kCases) {
        SCOPED_TRACE(c.classId);
        EXPECT_EQ(registry->CreateObject(c.classId, c.otherInterfaceId), nullptr);
        void* byClass = registry->CreateObject(c.classId);
        void* byInterface = registry->CreateObject(c.classId, c.interfaceId);
        ASSERT_NE(byClass, nullptr);
        ASSERT_NE(byInterface, nullptr);
        if (std::string(c.interfaceId) == IConstant::kInterfaceId) {
            std::unique_ptr<CConstant> concrete(static_cast<CConstant*>(byClass));
            std::unique_ptr<IConstant> object(static_cast<IConstant*>(byInterface));
            EXPECT_EQ(concrete->GetValue(), 0.0f);
            EXPECT_EQ(object->GetValue(), 0.0f);
            EXPECT_STREQ(object->GetTypeId(), c.classId);
        } else if (std::string(c.interfaceId) == IFunction::kInterfaceId) {
            std::unique_ptr<CConstantFunction> concrete(static_cast<CConstantFunction*>(byClass));
            std::unique_ptr<IFunction> object(static_cast<IFunction*>(byInterface));
            EXPECT_EQ(concrete->GetValue(), 0.0f);
            EXPECT_EQ(object->GetValue(5.0f), 0.0f);
            EXPECT_STREQ(object->GetTypeId(), c.classId);
        } else {
            std::unique_ptr<CConstantBinaryFunction> concrete(static_cast<CConstantBinaryFunction*>(byClass));
            std::unique_ptr<IBinaryFunction> object(static_cast<IBinaryFunction*>(byInterface));
            EXPECT_EQ(concrete->GetValue(1.0f, 2.0f), 0.0f);
            EXPECT_EQ(object->GetValue(1.0f, 2.0f), 0.0f);
            EXPECT_STREQ(object->GetTypeId(), c.classId);
        }
    }
}

TEST(CConstant, RoundTripsThroughAnXmlDocument)
{
    const CConstant constant(1.5f);
    std::unique_ptr<IConstant> readConstant(VeltisTest::RoundTripThroughXml<IConstant>(constant));
    ASSERT_NE(readConstant, nullptr);
    EXPECT_STREQ(readConstant->GetTypeId(), CConstant::kClassId);
    EXPECT_EQ(readConstant->GetValue(), 1.5f);

    const CConstantFunction flat(0.1f);
    std::unique_ptr<IFunction> readFlat(VeltisTest::RoundTripThroughXml<IFunction>(flat));
    ASSERT_NE(readFlat, nullptr);
    EXPECT_EQ(readFlat->GetValue(3.0f), 0.1f);

    const CConstantBinaryFunction surface(-123456.789f);
    std::unique_ptr<IBinaryFunction> readSurface(VeltisTest::RoundTripThroughXml<IBinaryFunction>(surface));
    ASSERT_NE(readSurface, nullptr);
    EXPECT_EQ(readSurface->GetValue(3.0f, 4.0f), -123456.789f);
}

TEST(CConstant, ReadWithoutValueFailsAndKeepsThePreviousValue)
{
    auto document = VeltisTest::LoadXmlBody("<other>3</other>");
    CConstant constant(7.0f);
    EXPECT_FALSE(constant.DeSerialize(*document));
    EXPECT_EQ(constant.GetValue(), 7.0f);
    CConstantFunction flat(7.0f);
    EXPECT_FALSE(flat.DeSerialize(*document));
    EXPECT_EQ(flat.GetValue(), 7.0f);
    CConstantBinaryFunction surface(7.0f);
    EXPECT_FALSE(surface.DeSerialize(*document));
    EXPECT_EQ(surface.GetValue(0.0f, 0.0f), 7.0f);
}

TEST(CConstant, ValueTextThatIsNoNumberKeepsThePreviousValue)
{
    auto document = VeltisTest::LoadXmlBody("<value>abc</value>");
    CConstant constant(7.0f);
    constant.DeSerialize(*document);
    EXPECT_EQ(constant.GetValue(), 7.0f);
}

} // namespace
