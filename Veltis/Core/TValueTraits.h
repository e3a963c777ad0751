#pragma once

#include <cstring>

// How an observable value of type V is stored, compared, copied and freed.
namespace Veltis {
namespace Core {

// Plain values (bool, enumerations): stored as is, a change is any difference.
template <class V>
struct TPlainValueTraits {
    typedef V Stored;
    typedef V Created;

    static Stored Make(V value) { return value; }
    static Stored Empty() { return V(); }
    static V Get(const Stored& stored) { return stored; }
    static bool Differs(const Stored& stored, V value) { return !(stored == value); }
    static Created Copy(const Stored& stored) { return stored; }
    static void Free(Stored&) {}
    // Whether Get may be called.
    static bool Holds(const Stored&) { return true; }
};

template <class V>
struct TValueTraits : TPlainValueTraits<V> {};

// Numbers change only on an ordered difference, so a NaN is never stored and a stored NaN stays.
template <class F>
struct TFloatValueTraits : TPlainValueTraits<F> {
    static bool Differs(const F& stored, F value) { return value < stored || value > stored; }
};

template <>
struct TValueTraits<float> : TFloatValueTraits<float> {};

template <>
struct TValueTraits<double> : TFloatValueTraits<double> {};

// Texts: an owned array-new copy, or null.
template <>
struct TValueTraits<const char*> {
    typedef char* Stored;
    typedef char* Created;

    static Stored Make(const char* value)
    {
        if (!value)
            return nullptr;
        const size_t size = std::strlen(value) + 1;
        char* copy = new char[size];
        std::memcpy(copy, value, size);
        return copy;
    }
    static Stored Empty() { return nullptr; }
    static const char* Get(const Stored& stored) { return stored; }
    static bool Differs(const Stored& stored, const char* value)
    {
        if (!stored || !value)
            return stored != value;
        return std::strcmp(stored, value) != 0;
    }
    static Created Copy(const Stored& stored) { return Make(stored); }
    static void Free(Stored& stored)
    {
        delete[] stored;
        stored = nullptr;
    }
    // A null text is a value too.
    static bool Holds(const Stored&) { return true; }
};

// Objects passed by const reference (functions): an owned clone, or null before the first set.
// Every set replaces the clone, without comparison.
template <class X>
struct TValueTraits<const X&> {
    typedef const X* Stored;
    typedef X* Created;

    static Stored Make(const X& value) { return value.Clone(); }
    static Stored Empty() { return nullptr; }
    static const X& Get(const Stored& stored) { return *stored; }
    static bool Differs(const Stored&, const X&) { return true; }
    static Created Copy(const Stored& stored) { return stored ? stored->Clone() : nullptr; }
    static void Free(Stored& stored)
    {
        delete stored;
        stored = nullptr;
    }
    static bool Holds(const Stored& stored) { return stored != nullptr; }
};

} // namespace Core
} // namespace Veltis
