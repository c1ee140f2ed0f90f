#include "layout.h"

#include <gtest/gtest.h>

namespace {

// The precision label: 131 pixels wide, 145 up to the precision field.
TEST(Layout, ALabelWidensOnlyWhenItsTextWouldWrap)
{
    const struct {
        int textWidth, width, room, expected;
    } rows[] = {
        {100, 131, 145, 131}, {131, 131, 145, 131},  // fits: unchanged, never narrower
        {132, 131, 145, 132}, {145, 131, 145, 145},  // wider: as wide as the text
        {146, 131, 145, 145}, {900, 131, 145, 145},  // but no further than the field
        {140, 131, 120, 131},                        // no room: keeps its own width
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.textWidth);
        EXPECT_EQ(FittedLabelWidth(row.textWidth, row.width, row.room), row.expected);
    }
}

}  // namespace
