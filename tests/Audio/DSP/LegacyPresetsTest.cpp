#include "Veltis/Audio/DSP/CLegacyPresets.h"

#include <gtest/gtest.h>

using namespace Veltis::Audio::DSP;

TEST(LegacyPresets, ListWithoutArrayIsEmpty)
{
    EXPECT_EQ(CLegacyPresets().GetCount(), 0);
    EXPECT_EQ(CLegacyPresets().GetValuesPresetsCount(), 0);
    const CLegacyPreset preset(0, CParamsValues(1), "A", "");
    EXPECT_EQ(CLegacyPresets(0, &preset).GetCount(), 0);
    EXPECT_EQ(CLegacyPresets(-3, &preset).GetCount(), 0);
}

TEST(LegacyPresets, ListCountsPresetsOfPlainValues)
{
    const float a[2] = {1, 2};
    const CParamsValues values(2, a);
    const CLegacyPreset presets[3] = {CLegacyPreset(0, values, "Flat", ""), CLegacyPreset(1, values, "Random", nullptr),
                                      CLegacyPreset(0, values, "Other", "x")};
    const CLegacyPresets list(3, presets);
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetValuesPresetsCount(), 2);
    EXPECT_STREQ(list.GetPreset(1).GetName(), "Random");
    EXPECT_EQ(list.GetPreset(1).GetType(), 1);
    EXPECT_EQ(list.GetPreset(1).GetComment(), nullptr);
    EXPECT_STREQ(list.GetPreset(0).GetComment(), "");
    EXPECT_EQ(list.GetPreset(2).GetValues().GetValue(1), 2.0f);
}

TEST(LegacyPresets, PresetHoldsCopiesOfItsValuesAndTexts)
{
    float a[2] = {1, 2};
    CParamsValues values(2, a);
    char name[] = "Flat";
    const CLegacyPreset preset(0, values, name, nullptr);
    values.SetValue(0, 9.0f);
    name[0] = 'X';
    EXPECT_EQ(preset.GetValues().GetValue(0), 1.0f);
    EXPECT_STREQ(preset.GetName(), "Flat");
    const CLegacyPreset copy(preset);
    EXPECT_NE(copy.GetName(), preset.GetName());
    EXPECT_STREQ(copy.GetName(), "Flat");
    EXPECT_EQ(copy.GetComment(), nullptr);
    EXPECT_EQ(copy.GetValues().GetCount(), 2);
}
