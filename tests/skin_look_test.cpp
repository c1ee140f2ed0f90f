#include "look.h"

#include <gtest/gtest.h>

namespace {

// Every combination of the three states: disabled wins over pressed, pressed
// over hover; the caption follows the pointer even while the button is held.
TEST(Look, ChosenFromTheButtonsState)
{
    const struct {
        bool enabled, pressed, hover;
        ButtonLook look;
        uint32_t caption;
    } rows[] = {
        {true, false, false, LOOK_NORMAL, clrTextNormal},    {true, false, true, LOOK_HOVER, clrTextHover},
        {true, true, false, LOOK_PRESSED, clrTextNormal},    {true, true, true, LOOK_PRESSED, clrTextHover},
        {false, false, false, LOOK_DISABLED, clrTextDisabled}, {false, false, true, LOOK_DISABLED, clrTextDisabled},
        {false, true, false, LOOK_DISABLED, clrTextDisabled},  {false, true, true, LOOK_DISABLED, clrTextDisabled},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::to_string(row.enabled) + std::to_string(row.pressed) + std::to_string(row.hover));
        EXPECT_EQ(ChooseLook(row.enabled, row.pressed, row.hover), row.look);
        EXPECT_EQ(CaptionColour(row.enabled, row.hover), row.caption);
    }
}

}  // namespace
