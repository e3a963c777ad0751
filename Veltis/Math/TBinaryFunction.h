#pragma once

#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/IBinaryFunction.h"

#include <type_traits>

namespace Veltis {
namespace Math {

// Every binary function class, in registration order: kernel, class identifier, shared instance or
// not. The identifiers are persisted as "type" and so never change; they are compared byte for byte.
// This list is the only place they are written; the class traits and the registration expand it.
#define VELTIS_MATH_BINARY_FUNCTION_CLASSES(ROW) \
    ROW(Average, "{9038848C-7E52-4f6e-AE4A-ED90434DA85A}", true) \
    ROW(Max, "{B48E24EF-CB0D-4bc6-B55E-370474A89CE7}", true) \
    ROW(Min, "{95C6E20A-3D3C-4087-AE9E-33900A0BE55C}", true) \
    ROW(Sum, "{A5E6BA89-DBC5-4659-BCAB-6CAD11C0FDB3}", true) \
    ROW(Difference, "{B32E9916-D75D-4a9f-B240-C07B49A87E16}", true) \
    ROW(Product, "{6CD1764A-CCA1-4872-B522-E5D286388A08}", true) \
    ROW(Power, "{F9BD87B6-6B43-4678-BF35-84EB34DC47C2}", true) \
    ROW(Division, "{B5669294-5F80-4c67-B405-5D4B61363532}", true) \
    ROW(Module, "{5300A115-1DD0-4694-B21A-6D6E1232AF8A}", false) \
    ROW(Distance, "{9704DD1D-629D-45ea-AB62-D54657D47EC9}", false) \
    ROW(Equality, "{63B8D979-D152-438a-87B6-B48231AA2B6E}", true) \
    ROW(NotEqual, "{BA4B3571-18B4-41af-90BE-C43889CFB186}", true) \
    ROW(LowerThan, "{A8DC6D2E-36B4-4c13-859A-A79594E40ABA}", true) \
    ROW(LowerThanEqual, "{AEE0F237-8EEC-43fc-B440-EFA3DC05AA2E}", true) \
    ROW(GreaterThan, "{7C4EE5B2-03D0-4d5c-A040-35E565535C0A}", true) \
    ROW(GreaterThanEqual, "{1840E00F-B2A7-46e7-B48B-79ECC2E61AEA}", true) \
    ROW(And, "{CB069C1A-0CF5-46e2-B43F-E0DDDCDC739F}", true) \
    ROW(Or, "{31547569-62DE-4f2d-817B-E272ACD7E188}", true) \
    ROW(X, "{665E9CCB-3130-40d1-A010-CF45501EF826}", true) \
    ROW(Y, "{5B8476AC-CC3B-4cd5-9F3B-3AB71CE7E2D0}", true)

// The row of one kernel. A kernel without a row has no class: the primary template is left undefined.
template <float (*F)(float, float)>
struct TBinaryFunctionClass;

#define VELTIS_MATH_CLASS_ROW(Kernel, ClassId, HasSharedInstance) \
    template <> \
    struct TBinaryFunctionClass<&FunctionsLibrary::Kernel> { \
        static constexpr const char* kClassId = ClassId; \
        static constexpr bool kHasSharedInstance = HasSharedInstance; \
    };
VELTIS_MATH_BINARY_FUNCTION_CLASSES(VELTIS_MATH_CLASS_ROW)
#undef VELTIS_MATH_CLASS_ROW

#define VELTIS_MATH_COUNT_ROW(Kernel, ClassId, HasSharedInstance) +1
inline constexpr int kBinaryFunctionClassCount = 0 VELTIS_MATH_BINARY_FUNCTION_CLASSES(VELTIS_MATH_COUNT_ROW);
#undef VELTIS_MATH_COUNT_ROW

// A stateless, persistent binary function object over one kernel of the library, with x as the
// kernel's first argument. It has no data: it writes and reads nothing.
template <float (*F)(float, float)>
class TBinaryFunction : public IBinaryFunction {
public:
    static constexpr const char* kClassId = TBinaryFunctionClass<F>::kClassId;
    static constexpr bool kHasSharedInstance = TBinaryFunctionClass<F>::kHasSharedInstance;

    bool Serialize(Serialization::IWriteDataStream&) const override { return true; }
    bool DeSerialize(const Serialization::IReadDataStream&) override { return true; }
    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float x, float y) const override { return F(x, y); }
    IBinaryFunction* Clone() const override { return new TBinaryFunction(); }

    // The process-wide instance, built on the first call under the runtime's one-time guard and
    // destroyed at exit. Callers hold it without ownership and never delete it. Exists only for the
    // classes whose row says so; no template argument can conjure one for the others.
    template <class Self = TBinaryFunction,
              std::enable_if_t<std::is_same<Self, TBinaryFunction>::value && Self::kHasSharedInstance, int> = 0>
    static TBinaryFunction& GetInstance()
    {
        static TBinaryFunction s_Instance;
        return s_Instance;
    }
};

} // namespace Math
} // namespace Veltis
