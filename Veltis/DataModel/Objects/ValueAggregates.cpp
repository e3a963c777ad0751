#include "Veltis/DataModel/Objects/ValueAggregates.h"

#include <cstring>

namespace Veltis {
namespace DataModel {
namespace Objects {

namespace {

// The first element is read twice, as the walk starts from it.
template <class Better>
float Extreme(IConstValuesIterator& values, Better better)
{
    values.First();
    if (values.IsEnd())
        return 0.0f;
    float result = values.GetCurrent().GetValue();
    for (; !values.IsEnd(); values.Next()) {
        const float value = values.GetCurrent().GetValue();
        if (better(value, result))
            result = value;
    }
    return result;
}

template <class Relation>
float AllPairs(IConstValuesIterator& values, Relation relation)
{
    values.First();
    if (values.IsEnd())
        return 1.0f;
    float previous = values.GetCurrent().GetValue();
    values.Next();
    bool holds = true;
    while (!values.IsEnd() && holds) {
        const float value = values.GetCurrent().GetValue();
        holds = relation(previous, value);
        values.Next();
        previous = value;
    }
    return holds ? 1.0f : 0.0f;
}

} // namespace

float MaxOfValues(IConstValuesIterator& values)
{
    return Extreme(values, [](float v, float r) { return v > r; });
}

float MinOfValues(IConstValuesIterator& values)
{
    return Extreme(values, [](float v, float r) { return v < r; });
}

float MeanOfValues(IConstValuesIterator& values)
{
    float sum = 0.0f;
    float count = 0.0f;
    for (values.First(); !values.IsEnd(); values.Next()) {
        sum = sum + values.GetCurrent().GetValue();
        count = count + 1.0f;
    }
    return count != 0.0f ? sum / count : sum;
}

float NegatedMaxOfValues(IConstValuesIterator& values) { return -MaxOfValues(values); }
float NegatedMinOfValues(IConstValuesIterator& values) { return -MinOfValues(values); }
float NegatedMeanOfValues(IConstValuesIterator& values) { return -MeanOfValues(values); }

float IncreasingValues(IConstValuesIterator& values)
{
    return AllPairs(values, [](float p, float v) { return p < v; });
}

float NonDecreasingValues(IConstValuesIterator& values)
{
    return AllPairs(values, [](float p, float v) { return p <= v; });
}

float DecreasingValues(IConstValuesIterator& values)
{
    return AllPairs(values, [](float p, float v) { return p > v; });
}

float NonIncreasingValues(IConstValuesIterator& values)
{
    return AllPairs(values, [](float p, float v) { return p >= v; });
}

float EqualValues(IConstValuesIterator& values)
{
    return AllPairs(values, [](float p, float v) { return p == v; });
}

MuxFunction GetMuxFunction(const char* keyword)
{
    struct SEntry {
        const char* keyword;
        MuxFunction function;
    };
    static const SEntry kEntries[] = {
        {"max", &MaxOfValues},           {"min", &MinOfValues},          {"mean", &MeanOfValues},
        {"-max", &NegatedMaxOfValues},   {"-min", &NegatedMinOfValues},  {"-mean", &NegatedMeanOfValues},
        {"<", &IncreasingValues},        {"<=", &NonDecreasingValues},   {">", &DecreasingValues},
        {">=", &NonIncreasingValues},    {"=", &EqualValues},
    };
    if (keyword)
        for (const SEntry& entry : kEntries)
            if (std::strcmp(entry.keyword, keyword) == 0)
                return entry.function;
    return &MeanOfValues;
}

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
