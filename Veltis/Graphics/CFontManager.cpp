#include "Veltis/Graphics/CFontManager.h"

#include "Veltis/Graphics/CFont.h"
#include "Veltis/Graphics/CSharedNativeHandle.h"

#include "Native/CoreText.h"

using namespace Native;

namespace Veltis {
namespace Graphics {

size_t CFontManager::KeyHash::operator()(const CFontDescription* key) const
{
    uint64_t h = 0;
    for (const char* c = key->GetFaceName(); *c; ++c)
        h = h * 5 + static_cast<uint64_t>(static_cast<int64_t>(static_cast<signed char>(*c)));
    return static_cast<size_t>(h);
}

bool CFontManager::KeyEqual::operator()(const CFontDescription* a, const CFontDescription* b) const
{
    return CFontDescription::HasSameSharingKey(*a, *b);
}

CFontManager::CFontManager() : m_Table(193) {}

CFontManager::~CFontManager()
{
    for (auto& entry : m_Table) {
        CSharedNativeHandle* holder = entry.second;
        // Releasing the last share deletes the holder.
        for (int shares = holder->GetShareCount(); shares > 0; --shares)
            holder->Release();
        delete entry.first;
    }
}

CFontManager& CFontManager::GetInstance()
{
    static CFontManager manager;
    return manager;
}

CFontManager::Table::iterator CFontManager::Find(const IFontDescription& description)
{
    CFontDescription key(description);
    return m_Table.find(&key);
}

CTFontRef CFontManager::AcquireFont(const IFontDescription& description)
{
    auto found = Find(description);
    if (found != m_Table.end()) {
        found->second->AddShare();
        return static_cast<CTFontRef>(found->second->GetHandle());
    }
    CFontDescription* key = new CFontDescription(description);
    CTFontRef nativeFont = nullptr;
    {
        CFont font(*key);
        nativeFont = font.DetachNativeFont();
    }
    m_Table.emplace(key, new CSharedNativeHandle(const_cast<NSFont*>(nativeFont)));
    return nativeFont;
}

void CFontManager::ReleaseFont(const IFontDescription& description)
{
    auto found = Find(description);
    if (found == m_Table.end())
        return;
    CSharedNativeHandle* holder = found->second;
    if (holder->GetShareCount() == 1) {
        delete found->first;
        m_Table.erase(found);
    }
    holder->Release();
}

int CFontManager::GetShareCount(const IFontDescription& description) const
{
    auto found = const_cast<CFontManager*>(this)->Find(description);
    return found == m_Table.end() ? 0 : found->second->GetShareCount();
}

} // namespace Graphics
} // namespace Veltis
