#pragma once

#include "Veltis/Audio/DSP/CParamsValues.h"
#include "Veltis/Audio/DSP/ILegacyPreset.h"

namespace Veltis {
namespace Audio {
namespace DSP {

// A preset holding copies of its values and texts; a null text stays null.
class CLegacyPreset : public ILegacyPreset {
public:
    CLegacyPreset(int type, const Containers::IConstValueVector<float>& values, const char* name,
                  const char* comment);
    CLegacyPreset(const CLegacyPreset& other);
    CLegacyPreset& operator=(const CLegacyPreset&) = delete;
    ~CLegacyPreset() override;

    int GetType() const override { return m_Type; }
    const char* GetName() const override { return m_Name; }
    const char* GetComment() const override { return m_Comment; }
    const Containers::IConstValueVector<float>& GetValues() const override { return m_Values; }

private:
    int m_Type;
    char* m_Name;
    char* m_Comment;
    CParamsValues m_Values;
};

} // namespace DSP
} // namespace Audio
} // namespace Veltis
