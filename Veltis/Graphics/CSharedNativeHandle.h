#pragma once

#include "Veltis/Core/CEventProvider.h"

#include "Native/Types.h"

#include <cstdint>

namespace Veltis {
namespace Graphics {

// The one reference-counted holder through which bitmaps, images, shared fonts and cursors share a
// native object: each user owns one share, and the native object is released with the last one.
// Made with new; it deletes itself. GUI thread only.
class CSharedNativeHandle {
public:
    // Count 1, no notification; takes over one reference to the handle, which may be null.
    explicit CSharedNativeHandle(Native::id handle);
    CSharedNativeHandle(const CSharedNativeHandle&) = delete;
    CSharedNativeHandle& operator=(const CSharedNativeHandle&) = delete;

    // Count + 1, then the change event.
    void AddShare();
    // Count - 1, then the change event; at 0 the handle is released and the holder deleted.
    void Release();

    int32_t GetShareCount() const { return m_ShareCount; }
    Native::id GetHandle() const { return m_Handle; }
    // Replaces the handle without releasing the old one (a bitmap adapter detaching its context).
    void SetHandle(Native::id handle) { m_Handle = handle; }
    Core::CEventProvider& GetChangeEvent() { return m_ChangeEvent; }

private:
    ~CSharedNativeHandle() {}

    Core::CEventProvider m_ChangeEvent;
    Native::id m_Handle;
    int32_t m_ShareCount;
};

} // namespace Graphics
} // namespace Veltis
