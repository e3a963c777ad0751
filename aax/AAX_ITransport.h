#pragma once

#include <stdint.h>

// The host's transport as the module sees it; nothing in the module calls it.
class AAX_ITransport {
public:
    virtual ~AAX_ITransport() = default;
    virtual int32_t Reserved1(void* a) const = 0;
    virtual int32_t Reserved2(void* a, void* b) const = 0;
    virtual int32_t Reserved3(void* a) const = 0;
    virtual int32_t Reserved4(void* a) const = 0;
    virtual int32_t Reserved5(void* a, void* b, void* c) const = 0;
    virtual int32_t Reserved6(void* a) const = 0;
    virtual int32_t Reserved7(void* a, void* b) const = 0;
    virtual int32_t Reserved8(void* a, void* b, void* c, void* d) const = 0;
    virtual int32_t Reserved9(void* a) const = 0;
    virtual int32_t Reserved10(void* a) const = 0;
    virtual int32_t Reserved11(void* a) const = 0;
    virtual int32_t Reserved12(void* a, void* b) const = 0;
    virtual int32_t Reserved13(void* a, void* b) const = 0;
};
