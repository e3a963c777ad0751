#pragma once

#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/Math/TNFunctionsAggregate.h"

#include <cstddef>

namespace Veltis {
namespace Math {

// One row of the operation classes: the folding kernel and its persisted class identifier.
struct CFunctionsOperationClass {
    float (*m_Operation)(float, float);
    const char* m_ClassId;
};

// Every operation class, in registration order. The identifiers are persisted as "type" and so never
// change; they are compared byte for byte.
inline constexpr CFunctionsOperationClass kFunctionsOperationClasses[] = {
    {&FunctionsLibrary::Sum, "{B8280134-87FF-44ae-809E-1B645160B214}"},
    {&FunctionsLibrary::Difference, "{F95377FF-6828-4a2d-8CB9-2A63C47EA65D}"},
    {&FunctionsLibrary::Product, "{3D5E106B-C306-476c-8817-24E755168A5C}"},
    {&FunctionsLibrary::Division, "{41B8F3B2-540C-4c85-B874-FFA435C71129}"},
};

inline constexpr std::size_t kFunctionsOperationClassCount =
    sizeof(kFunctionsOperationClasses) / sizeof(kFunctionsOperationClasses[0]);

// The row of a kernel, or -1 when it has none.
constexpr int FindFunctionsOperationClass(float (*operation)(float, float))
{
    for (std::size_t i = 0; i < kFunctionsOperationClassCount; ++i) {
        if (kFunctionsOperationClasses[i].m_Operation == operation)
            return static_cast<int>(i);
    }
    return -1;
}

// Folds the values of its curves at one x with a binary kernel, left to right: F0(x) op F1(x) op ...
// No slots give 0; a null slot 0 starts the fold from 0 and later null slots are skipped.
template <float (*Op)(float, float)>
class TFunctionsOperation : public TNFunctionsAggregate<IFunction> {
    static constexpr int kRow = FindFunctionsOperationClass(Op);
    static_assert(kRow >= 0, "every operation class has a row in kFunctionsOperationClasses");

public:
    static constexpr const char* kClassId = kFunctionsOperationClasses[kRow].m_ClassId;

    explicit TFunctionsOperation(int count = 0, int ownership = 0) : TNFunctionsAggregate<IFunction>(count, ownership)
    {
    }
    TFunctionsOperation(const TFunctionsOperation& other) = default;

    const char* GetTypeId() const override { return kClassId; }
    float GetValue(float x) const override
    {
        const int count = m_Functions.GetCount();
        if (count == 0)
            return 0.0f;
        float value = m_Functions[0] ? m_Functions[0]->GetValue(x) : 0.0f;
        for (int i = 1; i < count; ++i) {
            if (const IFunction* function = m_Functions[i])
                value = Op(value, function->GetValue(x));
        }
        return value;
    }
    TFunctionsOperation* Clone() const override { return new TFunctionsOperation(*this); }
};

} // namespace Math
} // namespace Veltis
