#include "Veltis/Graphics/CGraphicResourcesManager.h"

#include "Veltis/Graphics/CDIBBitmap.h"
#include "Veltis/Graphics/CSharedImage.h"
#include "Veltis/Graphics/ImageFileLoader.h"
#include "Veltis/Graphics/ImageFunctions.h"

#include <vector>

namespace Veltis {
namespace Graphics {

namespace {

constexpr size_t kBuckets = 193;

bool IsEmpty(const char* text)
{
    return !text || !*text;
}

// Deletes the values that pass the test, then erases their entries: never while walking.
template <class Map, class Value, class Test>
void PurgeMap(Map& map, Value get, Test test)
{
    std::vector<Core::CCharString> dropped;
    for (auto& entry : map) {
        auto* value = get(entry.second);
        if (test(value)) {
            delete value;
            dropped.push_back(entry.first);
        }
    }
    for (const Core::CCharString& key : dropped)
        map.erase(key);
}

} // namespace

CGraphicResourcesManager::CGraphicResourcesManager() : m_Images(kBuckets), m_Bitmaps(kBuckets) {}

CGraphicResourcesManager::~CGraphicResourcesManager()
{
    Purge(true);
}

bool CGraphicResourcesManager::FindImage(const Core::CCharString& key, ISharedImage*& image, bool* hasAlpha) const
{
    auto found = m_Images.find(key);
    if (found == m_Images.end())
        return false;
    image = found->second.image ? found->second.image->Share() : nullptr;
    if (hasAlpha)
        *hasAlpha = found->second.image && found->second.hasAlpha;
    return true;
}

void CGraphicResourcesManager::KeepImage(const Core::CCharString& key, const ISharedImage* image, bool hasAlpha)
{
    CImageEntry entry{image ? image->Share() : nullptr, hasAlpha};
    if (!m_Images.emplace(key, entry).second)
        delete entry.image;
}

ISharedBitmap* CGraphicResourcesManager::KeepBitmap(const Core::CCharString& key, ISharedBitmap* bitmap)
{
    if (bitmap) {
        ISharedBitmap* kept = bitmap->Share();
        if (!m_Bitmaps.emplace(key, kept).second)
            delete kept;
    }
    return bitmap;
}

ISharedImage* CGraphicResourcesManager::GetImage(const char* path, bool* hasAlpha)
{
    if (hasAlpha)
        *hasAlpha = false;
    if (IsEmpty(path))
        return nullptr;
    Core::CCharString key(path);
    ISharedImage* image = nullptr;
    if (FindImage(key, image, hasAlpha))
        return image;
    bool alpha = false;
    Native::CGImageRef native = LoadImageFile(path, &alpha);
    image = native ? new CSharedImage(native) : nullptr;
    alpha = alpha && image;
    KeepImage(key, image, alpha);
    if (hasAlpha)
        *hasAlpha = alpha;
    return image;
}

ISharedImage* CGraphicResourcesManager::LoadImageWithMask(const char* path, const char* maskPath, bool& maskFailed,
                                                          bool* hasAlpha)
{
    maskFailed = false;
    bool alpha = false;
    ISharedImage* result = GetImage(path, &alpha);
    if (result) {
        ISharedImage* mask = GetImage(maskPath, nullptr);
        if (!mask) {
            maskFailed = true;
        } else {
            ISharedImage* combined = CombineImageWithMask(*result, *mask);
            alpha = true;
            delete mask;
            delete result;
            result = combined;
        }
    }
    if (hasAlpha)
        *hasAlpha = alpha && result;
    return result;
}

ISharedImage* CGraphicResourcesManager::GetImageWithMask(const char* path, const char* maskPath, bool* hasAlpha)
{
    if (IsEmpty(maskPath))
        return GetImage(path, hasAlpha);
    if (hasAlpha)
        *hasAlpha = false;
    if (IsEmpty(path))
        return nullptr;
    Core::CCharString key(path);
    key.Append("<+>");
    key.Append(maskPath);
    ISharedImage* image = nullptr;
    if (FindImage(key, image, hasAlpha))
        return image;
    bool maskFailed = false;
    bool alpha = false;
    image = LoadImageWithMask(path, maskPath, maskFailed, &alpha);
    if (!maskFailed)
        KeepImage(key, image, alpha);
    if (hasAlpha)
        *hasAlpha = alpha;
    return image;
}

ISharedBitmap* CGraphicResourcesManager::GetAlphaMask(const char* path)
{
    if (IsEmpty(path))
        return nullptr;
    Core::CCharString key(path);
    key.Append(":alpha");
    auto found = m_Bitmaps.find(key);
    if (found != m_Bitmaps.end())
        return found->second ? found->second->Share() : nullptr;
    bool alpha = false;
    ISharedImage* image = GetImage(path, &alpha);
    if (!image)
        return nullptr;
    ISharedBitmap* mask = alpha ? CreateAlphaMask(*image) : nullptr;
    delete image;
    return KeepBitmap(key, mask);
}

ISharedBitmap* CGraphicResourcesManager::GetMaskBitmap(const char* path)
{
    if (IsEmpty(path))
        return nullptr;
    Core::CCharString key(path);
    auto found = m_Bitmaps.find(key);
    if (found != m_Bitmaps.end())
        return found->second ? found->second->Share() : nullptr;
    ISharedImage* image = GetImage(path, nullptr);
    if (!image)
        return nullptr;
    CDIBBitmap* mask = new CDIBBitmap(image->GetSize(), 1);
    DrawImageIntoBitmap(*image, *mask, Core::C2DPoint(0, 0));
    delete image;
    return KeepBitmap(key, mask);
}

void CGraphicResourcesManager::Purge(bool all)
{
    auto unused = [all](auto* value) { return all ? value != nullptr : value && value->GetShareCount() == 1; };
    PurgeMap(m_Bitmaps, [](ISharedBitmap* value) { return value; }, unused);
    PurgeMap(m_Images, [](const CImageEntry& entry) { return entry.image; }, unused);
    if (all) {
        m_Bitmaps.clear();
        m_Images.clear();
    }
}

} // namespace Graphics
} // namespace Veltis
