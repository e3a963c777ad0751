#pragma once

#include "Veltis/Graphics/CFontDescription.h"

#include "Native/Types.h"

#include <cstdint>
#include <unordered_map>

namespace Veltis {
namespace Graphics {

class CSharedNativeHandle;

// The process-wide cache of native fonts, keyed by the sharing key of their descriptions; each entry
// counts the shared fonts that acquired it. GUI thread only.
class CFontManager {
public:
    CFontManager();
    CFontManager(const CFontManager&) = delete;
    CFontManager& operator=(const CFontManager&) = delete;
    // Releases the entries still held.
    virtual ~CFontManager();
    // The native font of the description's key, made on the key's first acquisition; may be null.
    virtual Native::CTFontRef AcquireFont(const IFontDescription& description);
    // Gives one share of the key's entry back; nothing for a key never acquired.
    virtual void ReleaseFont(const IFontDescription& description);

    static CFontManager& GetInstance();
    // The entry's share count, 0 when there is none.
    int GetShareCount(const IFontDescription& description) const;

private:
    struct KeyHash {
        size_t operator()(const CFontDescription* key) const;
    };
    struct KeyEqual {
        bool operator()(const CFontDescription* a, const CFontDescription* b) const;
    };
    using Table = std::unordered_map<const CFontDescription*, CSharedNativeHandle*, KeyHash, KeyEqual>;

    Table::iterator Find(const IFontDescription& description);

    Table m_Table;
};

} // namespace Graphics
} // namespace Veltis
