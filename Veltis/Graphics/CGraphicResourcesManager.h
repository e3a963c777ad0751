#pragma once

#include "Veltis/Core/CCharString.h"
#include "Veltis/CoreUtilities/CCharStringEquals.h"
#include "Veltis/CoreUtilities/CCharStringHash.h"

#include <unordered_map>

namespace Veltis {
namespace Graphics {

class ISharedBitmap;
class ISharedImage;

// The process's cache of pictures loaded from files: each file is decoded once, and its alpha and hit
// masks are derived once. The cache owns one share of every picture and mask it keeps; every result is
// a further share that the caller deletes. A failed load is remembered (as a null entry) until a full
// purge. GUI thread only; the GUI resources manager owns the one instance.
class CGraphicResourcesManager {
public:
    CGraphicResourcesManager();
    CGraphicResourcesManager(const CGraphicResourcesManager&) = delete;
    CGraphicResourcesManager& operator=(const CGraphicResourcesManager&) = delete;
    // Gives back every share the cache holds.
    virtual ~CGraphicResourcesManager();

    // The picture of the file, or null; the flag (may be null) tells whether it has transparency.
    ISharedImage* GetImage(const char* path, bool* hasAlpha);
    // The picture with the mask picture's grey level as alpha, not cached under a combined key; the
    // plain picture, with maskFailed set, when the mask cannot be loaded.
    ISharedImage* LoadImageWithMask(const char* path, const char* maskPath, bool& maskFailed, bool* hasAlpha);
    // The combined picture, cached under path + "<+>" + mask path; GetImage without a mask path.
    ISharedImage* GetImageWithMask(const char* path, const char* maskPath, bool* hasAlpha);
    // The picture's alpha channel as an 8-bit grey bitmap, cached under path + ":alpha"; null for an
    // opaque picture.
    ISharedBitmap* GetAlphaMask(const char* path);
    // The picture drawn into an 8-bit grey bitmap (a hit-test mask), cached under the path.
    ISharedBitmap* GetMaskBitmap(const char* path);
    // Drops every entry (all), or only those that nobody else shares (failures stay).
    void Purge(bool all);

private:
    struct CImageEntry {
        ISharedImage* image;
        bool hasAlpha;
    };
    template <class V>
    using TMap = std::unordered_map<Core::CCharString, V, CoreUtilities::CCharStringHash, CoreUtilities::CCharStringEquals>;

    // A share of a found entry's picture (null for a remembered failure) and its flag; false when absent.
    bool FindImage(const Core::CCharString& key, ISharedImage*& image, bool* hasAlpha) const;
    // Keeps a share of the picture (or a remembered failure) under the key.
    void KeepImage(const Core::CCharString& key, const ISharedImage* image, bool hasAlpha);
    // Keeps a share of a non-null bitmap under the key and hands the bitmap back.
    ISharedBitmap* KeepBitmap(const Core::CCharString& key, ISharedBitmap* bitmap);

    TMap<CImageEntry> m_Images;
    TMap<ISharedBitmap*> m_Bitmaps;
};

} // namespace Graphics
} // namespace Veltis
