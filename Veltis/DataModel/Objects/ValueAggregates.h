#pragma once

#include "Veltis/Containers/IConstIterator.h"
#include "Veltis/Core/TIConstValue.h"

namespace Veltis {
namespace DataModel {
namespace Objects {

// The mux functions of a parameter multi link: each combines the values an iterator walks into one.
typedef Containers::IConstIterator<Core::TIConstValue<float>> IConstValuesIterator;
typedef float (*MuxFunction)(IConstValuesIterator& values);

// Largest, smallest and mean value, 0 for none; the negated forms flip the sign (-0 for none).
float MaxOfValues(IConstValuesIterator& values);
float MinOfValues(IConstValuesIterator& values);
float MeanOfValues(IConstValuesIterator& values);
float NegatedMaxOfValues(IConstValuesIterator& values);
float NegatedMinOfValues(IConstValuesIterator& values);
float NegatedMeanOfValues(IConstValuesIterator& values);

// 1 when every value relates so to the one before it, else 0; the walk stops at the first pair that
// fails. One value, or none, gives 1.
float IncreasingValues(IConstValuesIterator& values);
float NonDecreasingValues(IConstValuesIterator& values);
float DecreasingValues(IConstValuesIterator& values);
float NonIncreasingValues(IConstValuesIterator& values);
float EqualValues(IConstValuesIterator& values);

// The function a skin selects with "max", "min", "mean", "-max", "-min", "-mean", "<", "<=", ">",
// ">=" or "="; anything else, null included, selects the mean.
MuxFunction GetMuxFunction(const char* keyword);

} // namespace Objects
} // namespace DataModel
} // namespace Veltis
