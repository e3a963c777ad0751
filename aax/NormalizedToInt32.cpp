#include "aax/NormalizedToInt32.h"

#include <math.h>

int32_t NormalizedToInt32(double value, double minimum, double maximum)
{
    const double low = minimum < maximum ? minimum : maximum;
    const double high = minimum < maximum ? maximum : minimum;
    if (!(value >= low))
        value = low;
    else if (value > high)
        value = high;
    const double position = floor(((value - minimum) / (maximum - minimum)) * 4294967295.0 - 2147483648.0 + 0.5);
    if (!(position >= -2147483648.0))
        return INT32_MIN;
    if (position > 2147483647.0)
        return INT32_MAX;
    return static_cast<int32_t>(position);
}
