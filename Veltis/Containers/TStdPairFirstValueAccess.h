#pragma once

#include "Veltis/Core/CCharString.h"

namespace Veltis {
namespace Containers {

// Converter for map entries: the entry's key, or the key's text when the key is a CCharString.
template <class V>
struct TStdPairFirstValueAccess {
    template <class Pair>
    static V Convert(const Pair& entry)
    {
        return KeyOf(entry.first);
    }

private:
    template <class K>
    static V KeyOf(const K& key)
    {
        return key;
    }

    static V KeyOf(const Core::CCharString& key) { return key.GetString(); }
};

} // namespace Containers
} // namespace Veltis
