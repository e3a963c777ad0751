// Builds formulas from arbitrary bytes: any text must give a result or a failure, never a crash,
// a leak or undefined behaviour.
#include "Veltis/SkinEngine/Formula/CFormulaParse.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size)
{
    std::string const text(reinterpret_cast<char const*>(data), size);
    Veltis::SkinEngine::CFormulaParse parse(text.c_str());
    return 0;
}
