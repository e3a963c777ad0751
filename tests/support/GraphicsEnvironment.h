#pragma once

#include "Veltis/Graphics/CFont.h"

#include <gtest/gtest.h>

namespace VeltisTest {

// The default font and its native font live for the process: made before the first Reset, so that no
// test counts them.
class GraphicsEnvironment : public ::testing::Environment {
public:
    void SetUp() override { Veltis::Graphics::CFont::GetDefaultFontDescription(); }
};

inline ::testing::Environment* const kGraphicsEnvironment =
    ::testing::AddGlobalTestEnvironment(new GraphicsEnvironment);

} // namespace VeltisTest
