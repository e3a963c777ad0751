// Reads function trees of all three kinds from untrusted XML data documents. Whatever a read gives
// must evaluate, clone and write again without a crash, a leak or undefined behaviour; a tree that was
// read without failure must read back from its own document and evaluate as before.
#include "Veltis/Math/IBinaryFunction.h"
#include "Veltis/Math/IConstant.h"
#include "Veltis/Math/IFunction.h"
#include "Veltis/Serialization/CTypeSerializer.h"
#include "Veltis/Serialization/CXmlDataObject.h"
#include "Veltis/Serialization/TRuntimeDeSerializer.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

using namespace Veltis::Math;
using namespace Veltis::Serialization;

namespace {

const float kPoints[] = {-1e30f, -2.5f, -0.5f, -0.001f, 0.0f, 0.75f, 3.0f, 1e30f, NAN, -INFINITY};

float Evaluate(const IConstant& object) { return object.GetValue(); }
float Evaluate(const IFunction& object)
{
    float sum = 0.0f;
    for (float x : kPoints)
        sum += object.GetValue(x);
    return sum;
}
float Evaluate(const IBinaryFunction& object)
{
    float sum = 0.0f;
    for (float x : kPoints)
        for (float y : {-1.0f, 0.5f})
            sum += object.GetValue(x, y);
    return sum;
}

bool Same(float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); }

template <class I>
void ReadAndExercise(const CXmlDataObject& document)
{
    TRuntimeDeSerializer<I> reader;
    const bool ok = document.ReadObject("object", reader);
    std::unique_ptr<I> object(reader.GetObject());
    if (!object)
        return;
    const float value = Evaluate(*object);
    std::unique_ptr<I> clone(object->Clone());
    if (!Same(Evaluate(*clone), value))
        std::abort();

    CXmlDataObject written("Root", 0);
    written.WriteObject("object", CTypeSerializer(object.get()));
    if (!ok)
        return;
    TRuntimeDeSerializer<I> again;
    if (!written.ReadObject("object", again) || !again.GetObject())
        std::abort();
    std::unique_ptr<I> reread(again.GetObject());
    if (!Same(Evaluate(*reread), value))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CXmlDataObject document("Root", 0);
    if (!document.LoadFromMemory(reinterpret_cast<const char*>(data), static_cast<int>(size)))
        return 0;
    ReadAndExercise<IConstant>(document);
    ReadAndExercise<IFunction>(document);
    ReadAndExercise<IBinaryFunction>(document);
    return 0;
}
