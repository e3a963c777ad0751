#include <gtest/gtest.h>

#include "aax/AAX_VCollection.h"
#include "aax/AAX_VHostServices.h"
#include "platform/aax/AAXIdentifiers.h"
#include "platform/aax/AAXResult.h"
#include "platform/aax/host/CHostEnvironment.h"

using Veltis::Platform::AAXHost::CHostEnvironment;
using Veltis::Platform::AAXHost::SHostFaults;

namespace {

SHostFaults FaultyClass(const ACFIdentifier& classId, bool refuse)
{
    SHostFaults faults;
    faults.m_FaultyClass = classId;
    (refuse ? faults.m_RefuseClass : faults.m_NullObjectForClass) = true;
    return faults;
}

void ExpectBalanced(CHostEnvironment& host)
{
    for (const std::string& line : host.GetLedger().GetImbalances())
        ADD_FAILURE() << line;
}

} // namespace

TEST(AAXDescriptionWrappersTest, WrappersWithoutHostObjectsAnswerTheirFixedResults)
{
    struct Case {
        const char* what;
        SHostFaults faults;
    };
    SHostFaults nullHost, noFactory;
    nullHost.m_NullHostUnknown = true;
    noFactory.m_NoComponentFactory = true;
    const Case kCases[] = {
        {"null host unknown", nullHost},
        {"no component factory", noFactory},
        {"collection refused", FaultyClass(AAXIdentifiers::kCollectionClass, true)},
        {"collection null", FaultyClass(AAXIdentifiers::kCollectionClass, false)},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        CHostEnvironment host(c.faults);
        {
            AAX_VCollection collection(host.GetHostUnknown());
            EXPECT_EQ(collection.GetHostObject(), nullptr);
            AAX_IEffectDescriptor* effect = collection.NewDescriptor();
            ASSERT_NE(effect, nullptr);
            EXPECT_EQ(collection.AddEffect("id", effect), AAXResult::kHostObjectMissing);
            EXPECT_EQ(collection.SetManufacturerName("m"), AAXResult::kHostObjectMissing);
            EXPECT_EQ(collection.AddPackageName("p"), AAXResult::kHostObjectMissing);
            EXPECT_EQ(collection.SetPackageVersion(1), AAXResult::kHostObjectMissing);
            EXPECT_EQ(collection.SetProperties(nullptr), AAXResult::kHostObjectMissing);
            EXPECT_NE(collection.NewPropertyMap(), nullptr);
        }
        EXPECT_TRUE(host.GetDescription().m_Calls.empty());
        ExpectBalanced(host);
    }
}

TEST(AAXDescriptionWrappersTest, ObjectsThatAreNotMadeAnswerMinus20004AndTheirSecondVersionMinus20009)
{
    CHostEnvironment host(FaultyClass(AAXIdentifiers::kComponentDescriptorClass, false));
    {
        AAX_VCollection collection(host.GetHostUnknown());
        AAX_IEffectDescriptor* effect = collection.NewDescriptor();
        AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
        EXPECT_EQ(component->AddAudioIn(2), AAXResult::kHostObjectMissing);
        EXPECT_EQ(component->AddMIDINode(5, 0, "x", 0xFFFF), AAXResult::kHostObjectMissing);
        EXPECT_EQ(component->Reserved7(1, 2), AAXResult::kNotServed);
        EXPECT_EQ(component->AddProcessProcedure(nullptr, nullptr, nullptr, nullptr, nullptr),
                  AAXResult::kHostObjectMissing);
        // The descriptor itself was made: the component is passed on as null.
        EXPECT_EQ(effect->AddComponent(component), AAXResult::kHostObjectMissing);
        EXPECT_EQ(effect->AddName("works"), AAXResult::kSuccess);
    }
    ExpectBalanced(host);
}

TEST(AAXDescriptionWrappersTest, HostWithoutSecondVersionsServesTheFirstOnly)
{
    SHostFaults faults;
    faults.m_NoSecondVersions = true;
    CHostEnvironment host(faults);
    {
        AAX_VCollection collection(host.GetHostUnknown());
        AAX_IEffectDescriptor* effect = collection.NewDescriptor();
        AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
        AAX_IPropertyMap* map = component->NewPropertyMap();
        EXPECT_EQ(component->AddAudioIn(2), AAXResult::kSuccess);
        EXPECT_EQ(component->Reserved7(1, 2), AAXResult::kNotServed);
        EXPECT_EQ(effect->Reserved5(1, 2, nullptr, 3), AAXResult::kNotServed);
        EXPECT_EQ(map->AddProperty(11, 5), AAXResult::kSuccess);
        EXPECT_EQ(map->Reserved2(1, nullptr, 2), AAXResult::kNotServed);
        EXPECT_FALSE(map->Reserved3(1, nullptr, nullptr));
    }
    ExpectBalanced(host);
}

TEST(AAXDescriptionWrappersTest, NullFactoryAnsweredWithSuccessThrowsAndLeavesNoReference)
{
    SHostFaults faults;
    faults.m_NullComponentFactory = true;
    CHostEnvironment host(faults);
    try {
        AAX_VCollection collection(host.GetHostUnknown());
        ADD_FAILURE() << "no exception";
    } catch (int code) {
        EXPECT_EQ(code, AAXResult::kEmptyReference);
    }
    ExpectBalanced(host);
}

TEST(AAXDescriptionWrappersTest, ForwardsArgumentsAndReplacesWrappersByTheirHostObjects)
{
    CHostEnvironment host;
    {
        AAX_VCollection collection(host.GetHostUnknown());
        AAX_IEffectDescriptor* effect = collection.NewDescriptor();
        EXPECT_EQ(collection.AddEffect("id", nullptr), AAXResult::kHostObjectMissing);
        EXPECT_EQ(effect->AddName("Name"), AAXResult::kSuccess);
        AAX_IPropertyMap* effectProperties = effect->NewPropertyMap();
        effectProperties->AddProperty(20, 7);
        EXPECT_EQ(effect->SetProperties(effectProperties), AAXResult::kSuccess);
        EXPECT_EQ(collection.AddEffect("first", effect), AAXResult::kSuccess);
        EXPECT_EQ(effect->SetProperties(nullptr), AAXResult::kSuccess);
        EXPECT_EQ(collection.AddEffect("second", effect), AAXResult::kSuccess);
    }
    const auto& effects = host.GetDescription().m_Effects;
    ASSERT_EQ(effects.size(), 2u);
    EXPECT_EQ(effects[0].m_EffectId, "first");
    EXPECT_EQ(effects[0].m_Properties, (Veltis::Platform::AAXHost::PropertyList{{20, 7}}));
    EXPECT_TRUE(effects[1].m_Properties.empty());
    EXPECT_EQ(effects[1].m_Names, (std::vector<std::string>{"Name"}));
    ExpectBalanced(host);
}

TEST(AAXDescriptionWrappersTest, DuplicatePropertyMapCopiesIdentifiers10To307)
{
    CHostEnvironment host;
    {
        AAX_VCollection collection(host.GetHostUnknown());
        AAX_IComponentDescriptor* component = collection.NewDescriptor()->NewComponentDescriptor();
        AAX_IPropertyMap* source = component->NewPropertyMap();
        for (uint32_t property : {5u, 10u, 307u, 308u})
            source->AddProperty(property, property * 2);
        AAX_IPropertyMap* copy = component->DuplicatePropertyMap(source);
        ASSERT_NE(copy, source);
        for (uint32_t property : {5u, 10u, 307u, 308u}) {
            uint32_t value = 0;
            SCOPED_TRACE(property);
            EXPECT_EQ(copy->GetProperty(property, &value), property >= 10 && property <= 307);
        }
        uint32_t value = 0;
        EXPECT_TRUE(copy->GetProperty(307, &value));
        EXPECT_EQ(value, 614u);
    }
    ExpectBalanced(host);
}

TEST(AAXDescriptionWrappersTest, CollectionReleasesEveryHostReferenceExactlyOnce)
{
    CHostEnvironment host;
    {
        AAX_VCollection collection(host.GetHostUnknown());
        for (int e = 0; e < 2; ++e) {
            AAX_IEffectDescriptor* effect = collection.NewDescriptor();
            AAX_IComponentDescriptor* component = effect->NewComponentDescriptor();
            component->NewPropertyMap()->AddProperty(11, 1);
            component->NewPropertyMap()->AddProperty(12, 2);
            EXPECT_EQ(effect->AddComponent(component), AAXResult::kSuccess);
            EXPECT_EQ(collection.AddEffect(e == 0 ? "a" : "b", effect), AAXResult::kSuccess);
        }
        EXPECT_GT(host.GetLedger().CountAddRefs("EffectDescriptor"), 2);
    }
    // Host unknown and factory, collection, two descriptors, two components, four maps.
    EXPECT_EQ(host.GetLedger().GetObjectCount(), 11);
    ExpectBalanced(host);
}

TEST(AAXDescriptionWrappersTest, GlobalHostServicesLiveFromStartUpToShutDown)
{
    CHostEnvironment host;
    AAX_VHostServices::SetGlobalHostServices(nullptr);
    AAX_VHostServices::SetGlobalHostServices(host.GetHostUnknown());
    AAX_IHostServices* first = AAX_VHostServices::GetGlobalHostServices();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Reserved2(1, nullptr), AAXResult::kSuccess);
    AAX_VHostServices::SetGlobalHostServices(host.GetHostUnknown());
    EXPECT_EQ(AAX_VHostServices::GetGlobalHostServices(), first);
    EXPECT_FALSE(host.GetLedger().IsBalanced());
    AAX_VHostServices::SetGlobalHostServices(nullptr);
    EXPECT_EQ(AAX_VHostServices::GetGlobalHostServices(), nullptr);
    AAX_VHostServices::SetGlobalHostServices(nullptr);
    ExpectBalanced(host);
}
