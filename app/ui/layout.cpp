#include "layout.h"

#include <algorithm>

int FittedLabelWidth(int textWidth, int width, int room)
{
    return textWidth <= width ? width : std::min(textWidth, std::max(room, width));
}
