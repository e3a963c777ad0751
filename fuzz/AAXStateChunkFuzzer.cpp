// Arbitrary bytes as the data of a 'crvn' state chunk (size field consistent with the buffer), restored
// into and compared with an initialised instance of the product.
#include "StereoTessalineFuzzHost.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    return VeltisFuzz::FuzzChunk(AAXFourCharCode("crvn"), data, size);
}
