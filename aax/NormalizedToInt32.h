#pragma once

#include <stdint.h>

// value limited to the range between minimum and maximum (either may be the larger), mapped onto the
// full signed 32-bit range; compares values at 32-bit resolution. NaN gives the lower end.
int32_t NormalizedToInt32(double value, double minimum, double maximum);
