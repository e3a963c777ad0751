#pragma once

#include "platform/aax/AAXResult.h"
#include "platform/aax/IACFUnknown.h"

// Holds one reference to a host interface and releases it. Dereferencing an empty holder throws the
// int 0x80000005, which the exported entry points turn into a result.
class CACFInterfaceRef {
public:
    CACFInterfaceRef() = default;
    CACFInterfaceRef(const CACFInterfaceRef&) = delete;
    CACFInterfaceRef& operator=(const CACFInterfaceRef&) = delete;
    ~CACFInterfaceRef() { Reset(); }

    void Reset()
    {
        IACFUnknown* held = m_Interface;
        m_Interface = nullptr;
        if (held)
            held->Release();
    }
    // Takes over a reference the caller already owns.
    void Attach(IACFUnknown* object)
    {
        Reset();
        m_Interface = object;
    }
    // Adds a reference of its own.
    void Assign(IACFUnknown* object)
    {
        if (object)
            object->AddRef();
        Attach(object);
    }
    IACFUnknown* Get() const { return m_Interface; }
    template <class T> T* As() const { return static_cast<T*>(m_Interface); }
    // call(held interface as T*), or missing when the holder is empty.
    template <class T, class R, class F> R Forward(R missing, F call) const
    {
        T* held = As<T>();
        return held ? call(held) : missing;
    }
    template <class T> T& Deref() const
    {
        if (!m_Interface)
            throw static_cast<int>(AAXResult::kEmptyReference);
        return *static_cast<T*>(m_Interface);
    }
    // Queries object for iid into this holder: it holds whatever the object wrote (null when refused).
    int32_t Query(IACFUnknown* object, const ACFIdentifier& iid)
    {
        Reset();
        void* out = nullptr;
        const int32_t result = object->QueryInterface(iid, &out);
        m_Interface = static_cast<IACFUnknown*>(out);
        return result;
    }

private:
    IACFUnknown* m_Interface = nullptr;
};
