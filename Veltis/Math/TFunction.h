#pragma once

#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/IFunction.h"

#include <type_traits>

namespace Veltis {
namespace Math {

// Every unary function class, in registration order: kernel, class identifier, shared instance or
// not. The identifiers are persisted as "type" and so never change; they are compared byte for byte.
// This list is the only place they are written; the class traits and the registration expand it.
#define VELTIS_MATH_FUNCTION_CLASSES(ROW) \
    ROW(Identity, "{83A9F6B1-2360-44f2-9EA2-C0A75A47A554}", true) \
    ROW(Negate, "{69196412-EAD8-45aa-B0F6-BD128B2E5E8E}", true) \
    ROW(Square, "{F31A0DDB-1670-420a-AA0B-4AED41271DBC}", true) \
    ROW(SquareRoot, "{9BA5267D-D300-4315-8C25-BDF46423F139}", true) \
    ROW(Exp, "{40211AEA-B310-4254-BE94-B7E5B99CE707}", true) \
    ROW(Log, "{7367BBAB-A156-48b9-A512-4F1912C56839}", true) \
    ROW(NormExp, "{FB1F81BF-F8E7-40ba-8EBE-403988A2E994}", true) \
    ROW(NormLog, "{94E073D9-BACD-49be-B08C-A70980F5E84E}", true) \
    ROW(NormExp1, "{8D0E0F88-5C79-4f48-AD24-1C6BE1A8904B}", true) \
    ROW(NormLog1, "{10DF14BD-357A-4458-905B-369AD2FD8B21}", true) \
    ROW(NormExp2, "{47C095AC-4502-4b60-97D3-B3D3F3A7A87A}", true) \
    ROW(NormLog2, "{716AB1B3-FEA8-4dec-B3EA-99B1CCDF852D}", true) \
    ROW(NormExp3, "{F9CA1474-22AE-400b-AFC8-D9A077738A81}", true) \
    ROW(NormLog3, "{7F4CF089-3DF2-40e4-83F3-736603B40160}", true) \
    ROW(TodB, "{9C5BC273-DBD2-4900-B2C7-BAA8A4284487}", true) \
    ROW(FromdB, "{18C4A2D7-BD79-486a-B12E-B21F32FBBF0F}", false) \
    ROW(Not, "{F6D3F1CB-9FC7-414e-A0EF-A5D60928AC52}", true) \
    ROW(Cos, "{8D84EA0E-1D78-4169-96A2-A6C37A8ACD46}", true) \
    ROW(Sin, "{50F1B4E0-13CD-42b1-AD49-4D63F0CF2432}", true) \
    ROW(Tan, "{4E0F4888-B561-4e5a-9563-315B667D1E18}", true) \
    ROW(Cosh, "{83C7C189-D7BB-4b92-899F-892D82545E44}", true) \
    ROW(Sinh, "{07429AE8-D018-4df8-B2F3-C9534773818F}", true) \
    ROW(Tanh, "{37350F24-0D6A-43ac-BAF2-EC78838DA237}", true) \
    ROW(Floor, "{D40F8690-718C-4618-8C0F-0557C0DE4093}", true) \
    ROW(Ceil, "{BC7532AE-67AC-4498-9173-B49FBADBBCD8}", true) \
    ROW(Round, "{D5FB4F0A-614D-422e-877F-87FB9894ADCB}", true) \
    ROW(Abs, "{7D162F87-5903-4052-9DE6-1A40211A5812}", true)

// The row of one kernel. A kernel without a row has no class: the primary template is left undefined.
template <float (*F)(float)>
struct TFunctionClass;

#define VELTIS_MATH_CLASS_ROW(Kernel, ClassId, HasSharedInstance) \
    template <> \
    struct TFunctionClass<&FunctionsLibrary::Kernel> { \
        static constexpr const char* kClassId = ClassId; \
        static constexpr bool kHasSharedInstance = HasSharedInstance; \
    };
VELTIS_MATH_FUNCTION_CLASSES(VELTIS_MATH_CLASS_ROW)
#undef VELTIS_MATH_CLASS_ROW

#define VELTIS_MATH_COUNT_ROW(Kernel, ClassId, HasSharedInstance) +1
inline constexpr int kFunctionClassCount = 0 VELTIS_MATH_FUNCTION_CLASSES(VELTIS_MATH_COUNT_ROW);
#undef VELTIS_MATH_COUNT_ROW

// A stateless, persistent function object over one kernel of the library. It has no data: it writes
// and reads nothing, and any number of instances (or the one shared instance) behave alike.
template <float (*F)(float)>
class TFunction : public virtual IFunction {
public:
    static constexpr const char* kClassId = TFunctionClass<F>::kClassId;
    static constexpr bool kHasSharedInstance = TFunctionClass<F>::kHasSharedInstance;

    bool Serialize(Serialization::IWriteDataStream&) const override { return true; }
    bool DeSerialize(const Serialization::IReadDataStream&) override { return true; }
    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float x) const override { return F(x); }
    IFunction* Clone() const override { return new TFunction(); }

    // The process-wide instance, built on the first call under the runtime's one-time guard and
    // destroyed at exit. Callers hold it without ownership and never delete it. Exists only for the
    // classes whose row says so; no template argument can conjure one for the others.
    template <class Self = TFunction,
              std::enable_if_t<std::is_same<Self, TFunction>::value && Self::kHasSharedInstance, int> = 0>
    static IFunction& GetInstance()
    {
        static TFunction s_Instance;
        return s_Instance;
    }
};

} // namespace Math
} // namespace Veltis
