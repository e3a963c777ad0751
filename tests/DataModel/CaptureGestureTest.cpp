#include "Veltis/DataModel/CCaptureText.h"
#include "Veltis/DataModel/Objects/CCaptureCurve.h"
#include "Veltis/DataModel/Objects/CCaptureParam.h"
#include "Veltis/DataModel/Objects/CCaptureString.h"
#include "Veltis/DataModel/Objects/CCaptureSurface.h"
#include "Veltis/DataModel/Objects/CParamTextEnumValueBuilderString.h"

#include "support/CaptureSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace Veltis::DataModel;
using namespace Veltis::DataModel::Objects;
using Veltis::Core::ICapture;
using VeltisTest::CGestureLog;

namespace {

enum { kBegin = 1, kEnd = 2 };

struct SCaptureClass {
    const char* name;
    std::function<std::unique_ptr<ICapture>()> make;
};

template <class T>
SCaptureClass Class(const char* name)
{
    return {name, [] { return std::unique_ptr<ICapture>(new T()); }};
}

const std::vector<SCaptureClass>& CaptureClasses()
{
    static const std::vector<SCaptureClass> s_Classes = {
        Class<CCaptureParam>("CCaptureParam"),   Class<CCaptureCurve>("CCaptureCurve"),
        Class<CCaptureSurface>("CCaptureSurface"), Class<CCaptureString>("CCaptureString"),
        Class<CCaptureText>("CCaptureText"),
        {"CParamTextEnumValueBuilderString", [] { return std::unique_ptr<ICapture>(new CParamTextEnumValueBuilderString(nullptr)); }},
    };
    return s_Classes;
}

TEST(CaptureGestureTest, EveryCaptureClassHasTwoStatesWithoutNesting)
{
    for (const SCaptureClass& c : CaptureClasses()) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<ICapture> object = c.make();
        CGestureLog log;
        log.Watch(*object, kBegin, kEnd);

        object->EndCapture();
        EXPECT_FALSE(object->IsCaptured());
        object->BeginCapture();
        EXPECT_TRUE(object->IsCaptured());
        object->BeginCapture();
        EXPECT_TRUE(object->IsCaptured());
        object->EndCapture();
        EXPECT_FALSE(object->IsCaptured());
        object->EndCapture();
        EXPECT_EQ(log.Take(), (std::vector<int>{kBegin, kEnd}));
    }
}

} // namespace
