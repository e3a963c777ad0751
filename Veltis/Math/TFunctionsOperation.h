#pragma once

#include "Veltis/Math/FunctionsLibrary.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/Math/TNFunctionsAggregate.h"

namespace Veltis {
namespace Math {

// Every operation class, in registration order: folding kernel and class identifier. The identifiers
// are persisted as "type" and so never change; they are compared byte for byte. This list is the only
// place they are written; the class traits and the registration expand it.
#define VELTIS_MATH_FUNCTIONS_OPERATION_CLASSES(ROW) \
    ROW(Sum, "{B8280134-87FF-44ae-809E-1B645160B214}") \
    ROW(Difference, "{F95377FF-6828-4a2d-8CB9-2A63C47EA65D}") \
    ROW(Product, "{3D5E106B-C306-476c-8817-24E755168A5C}") \
    ROW(Division, "{41B8F3B2-540C-4c85-B874-FFA435C71129}")

// The row of one kernel. A kernel without a row has no class: the primary template is left undefined.
template <float (*Op)(float, float)>
struct TFunctionsOperationClass;

#define VELTIS_MATH_CLASS_ROW(Kernel, ClassId) \
    template <> \
    struct TFunctionsOperationClass<&FunctionsLibrary::Kernel> { \
        static constexpr const char* kClassId = ClassId; \
    };
VELTIS_MATH_FUNCTIONS_OPERATION_CLASSES(VELTIS_MATH_CLASS_ROW)
#undef VELTIS_MATH_CLASS_ROW

// Folds the values of its curves at one x with a binary kernel, left to right: F0(x) op F1(x) op ...
// No slots give 0; a null slot 0 starts the fold from 0 and later null slots are skipped.
template <float (*Op)(float, float)>
class TFunctionsOperation : public TNFunctionsAggregate<IFunction> {
public:
    static constexpr const char* kClassId = TFunctionsOperationClass<Op>::kClassId;

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
