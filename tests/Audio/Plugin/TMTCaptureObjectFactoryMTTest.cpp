#include "Veltis/Audio/Plugin/TConstMTCaptureObjectFactories.h"
#include "Veltis/DataModel/Objects/CCurveInfo.h"
#include "Veltis/DataModel/Objects/CStringInfo.h"
#include "Veltis/Math/CConstantFunction.h"
#include "Veltis/System/CCriticalSection.h"

#include "support/BoundedWait.h"
#include "support/CProxyPassReader.h"
#include "support/OutputSources.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

using namespace Veltis;
using DataModel::Objects::CCurveInfo;
using DataModel::Objects::CStringInfo;
using DataModel::Objects::IConstCurveInfo;
using DataModel::Objects::IConstStringInfo;

namespace {

constexpr int kOutputs = 4;
constexpr int kPasses = 3000;

typedef Audio::Plugin::TConstMTCaptureObjectFactories<const char*, IConstStringInfo> CStringFactories;
typedef Audio::Plugin::TConstMTCaptureObjectFactories<const Math::IFunction&, IConstCurveInfo> CCurveFactories;

// The outputs of a processor whose every value is the number of the last pass (0 at the start).
struct COutputs {
    COutputs()
    {
        for (int i = 0; i < kOutputs; ++i) {
            stringInfoPointers.push_back(&stringInfos[i]);
            curveInfoPointers.push_back(&curveInfos[i]);
        }
    }
    CStringInfo stringInfos[kOutputs];
    CCurveInfo curveInfos[kOutputs];
    std::vector<const IConstStringInfo*> stringInfoPointers;
    std::vector<const IConstCurveInfo*> curveInfoPointers;
    Math::CConstantFunction zero{0.0f};
};

int PassOf(const char* text)
{
    return text ? std::atoi(text) : -1;
}

int PassOf(const CStringFactories& strings, int index)
{
    std::unique_ptr<char[]> copy(strings.GetAt(index).CreateValue());
    return PassOf(copy.get());
}

int PassOf(const CCurveFactories& curves, int index)
{
    std::unique_ptr<Math::IFunction> copy(curves.GetAt(index).CreateValue());
    return copy ? static_cast<int>(copy->GetValue(0.0f)) : -1;
}

// The plug-in core's publication: every value of a pass is stored under the shared lock before any
// reader is told.
void Publish(System::CCriticalSection& lock, CCurveFactories& curves, CStringFactories& strings, int pass)
{
    const std::string text = std::to_string(pass);
    const Math::CConstantFunction curve(static_cast<float>(pass));
    lock.Lock();
    for (int i = 0; i < kOutputs; ++i)
        curves.GetFactory(i).GetHeldValue().SetValue(curve);
    for (int i = 0; i < kOutputs; ++i)
        strings.GetFactory(i).GetHeldValue().SetValue(text.c_str());
    for (int i = 0; i < kOutputs; ++i)
        curves.GetFactory(i).NotifyValueChanged();
    for (int i = 0; i < kOutputs; ++i)
        strings.GetFactory(i).NotifyValueChanged();
    lock.Unlock();
}

} // namespace

TEST(TMTCaptureObjectFactoryMT, ReadersOnlyEverSeeCompletePasses)
{
    COutputs outputs;
    System::CCriticalSection lock;
    VeltisTest::TLentVector<IConstStringInfo> stringInfos(outputs.stringInfoPointers);
    VeltisTest::TLentValues<const char*> stringValues(std::vector<const char*>(kOutputs, "0"));
    VeltisTest::TLentVector<IConstCurveInfo> curveInfos(outputs.curveInfoPointers);
    VeltisTest::TLentValues<const Math::IFunction&> curveValues(
        std::vector<const Math::IFunction*>(kOutputs, &outputs.zero));
    CCurveFactories curves(curveInfos, curveValues, &lock);
    CStringFactories strings(stringInfos, stringValues, &lock);

    std::atomic<int> started(0);
    std::atomic<bool> done(false);
    int copyFaults = 0, copyRounds = 0;

    // Copies taken directly: once the first curve shows pass k, every later copy shows k or later.
    std::thread copier([&] {
        ++started;
        int seen = 0;
        while (!done.load() || copyRounds == 0) {
            const int first = PassOf(curves, 0);
            if (first < seen)
                ++copyFaults;
            seen = first;
            for (int i = 0; i < kOutputs; ++i)
                if (PassOf(strings, i) < first || PassOf(curves, i) < first)
                    ++copyFaults;
            ++copyRounds;
        }
    });

    VeltisTest::CProxyPassReader proxies;
    std::thread ticker([&] { proxies.Run(curves.GetAt(kOutputs - 1), strings.GetAt(0), started, done, 0); });

    ASSERT_TRUE(VeltisTest::WaitUntil([&] { return started.load() == 2; }, "both readers to start"));
    for (int pass = 1; pass <= kPasses; ++pass)
        Publish(lock, curves, strings, pass);
    done = true;
    copier.join();
    ticker.join();

    EXPECT_EQ(copyFaults, 0);
    EXPECT_EQ(proxies.m_Faults, 0);
    EXPECT_GT(copyRounds, 0);
    EXPECT_GT(proxies.m_Ticks, 0);
    EXPECT_EQ(proxies.m_Last, kPasses);
    EXPECT_EQ(PassOf(strings, kOutputs - 1), kPasses);
}

TEST(TMTCaptureObjectFactoryMT, SetValueFromTheAudioThreadReachesAReaderOnAnother)
{
    CStringInfo info;
    System::CCriticalSection lock;
    VeltisTest::TLentVector<IConstStringInfo> infos({&info});
    VeltisTest::TLentValues<const char*> values({nullptr});
    CStringFactories strings(infos, values, &lock);
    std::atomic<bool> done(false);
    int faults = 0;
    std::thread reader([&] {
        int seen = -1;
        while (!done.load()) {
            const int pass = PassOf(strings, 0);
            if (pass < seen)
                ++faults;
            seen = pass;
        }
    });
    for (int pass = 0; pass < kPasses; ++pass)
        strings.GetFactory(0).SetValue(std::to_string(pass).c_str());
    done = true;
    reader.join();
    EXPECT_EQ(faults, 0);
    EXPECT_EQ(PassOf(strings, 0), kPasses - 1);
}
