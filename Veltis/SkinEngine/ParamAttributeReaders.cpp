#include "Veltis/SkinEngine/ParamAttributeReaders.h"

#include "Veltis/Containers/IConstNamedAttributes.h"

#include <cstring>

namespace Veltis {
namespace SkinEngine {

namespace {

struct CParamTypeWord {
    const char* word;
    int value;
};

struct CCurveWord {
    const char* word;
    DataModel::Objects::EParamValueCurve value;
};

template <class Word, int N, class T>
T FindWord(const char* text, const Word (&table)[N], T fallback)
{
    if (text == nullptr)
        return fallback;
    for (const Word& entry : table) {
        if (std::strcmp(text, entry.word) == 0)
            return entry.value;
    }
    return fallback;
}

} // namespace

int ReadParamType(const Containers::IConstNamedAttributes& attributes, const char* name)
{
    static const CParamTypeWord kWords[] = {{"boolean", 0}, {"integer", 1}, {"enumeration", 1}};
    return FindWord(attributes.GetValue(name), kWords, 2);
}

DataModel::Objects::EParamValueCurve ReadResponseCurve(const Containers::IConstNamedAttributes& attributes,
                                                       const char* name)
{
    using namespace DataModel::Objects;
    static const CCurveWord kWords[] = {
        {"log3", eParamValueCurveLog3}, {"log2", eParamValueCurveLog2},
        {"log1", eParamValueCurveLog1}, {"square_root", eParamValueCurveSquareRoot},
        {"log", eParamValueCurveLog},   {"exp", eParamValueCurveExp},
        {"square", eParamValueCurveSquare}, {"exp1", eParamValueCurveExp1},
        {"exp2", eParamValueCurveExp2}, {"exp3", eParamValueCurveExp3},
    };
    return FindWord(attributes.GetValue(name), kWords, eParamValueCurveLinear);
}

} // namespace SkinEngine
} // namespace Veltis
