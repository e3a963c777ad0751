// Decodes untrusted text and checks that every byte block survives an encode/decode round trip.
#include "Veltis/CoreUtilities/Base64.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace Veltis::CoreUtilities;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    int decodedSize = -1;
    unsigned char* decoded = Base64Decode(text.c_str(), decodedSize);
    const size_t length = std::strlen(text.c_str());
    if ((decoded != nullptr) != (length % 4 == 0))
        std::abort();
    if (decoded && (decodedSize < 0 || static_cast<size_t>(decodedSize) > length / 4 * 3))
        std::abort();
    delete[] decoded;

    char* encoded = Base64Encode(data, size);
    if (!encoded || std::strlen(encoded) != (size + 2) / 3 * 4)
        std::abort();
    int roundTripSize = -1;
    unsigned char* roundTrip = Base64Decode(encoded, roundTripSize);
    if (!roundTrip || roundTripSize != static_cast<int>(size) || (size && std::memcmp(roundTrip, data, size) != 0))
        std::abort();
    delete[] roundTrip;
    delete[] encoded;
    return 0;
}
