#include "look.h"

ButtonLook ChooseLook(bool enabled, bool pressed, bool hover)
{
    if (!enabled)
        return LOOK_DISABLED;
    if (pressed)
        return LOOK_PRESSED;
    return hover ? LOOK_HOVER : LOOK_NORMAL;
}

uint32_t CaptionColour(bool enabled, bool hover)
{
    if (!enabled)
        return clrTextDisabled;
    return hover ? clrTextHover : clrTextNormal;
}
