#pragma once

#include <stdint.h>

// The host's services as the module sees them; the module calls none of the entries.
class AAX_IHostServices {
public:
    virtual ~AAX_IHostServices() = default;
    virtual int32_t Reserved1(void* a, uint32_t b, void* c) = 0;
    virtual int32_t Reserved2(uint32_t a, void* b) = 0;
};
