// Which look a skinned button shows and in which colour its caption is
// drawn: decided from the button's state alone, apart from any painting.
#ifndef KALVORIX_SKIN_LOOK_H
#define KALVORIX_SKIN_LOOK_H

#include <cstdint>

// Theme colours as COLORREF values (0x00BBGGRR).
constexpr uint32_t clrWhite = 0x00FFFFFF;
constexpr uint32_t clrOrange = 0x000099FF;
constexpr uint32_t clrBackground = 0x00EEEEEE;
constexpr uint32_t clrTextNormal = 0x00444444;
constexpr uint32_t clrTextHover = 0x0027C49A;
constexpr uint32_t clrTextDisabled = 0x00B4B4B4;

enum ButtonLook { LOOK_NORMAL, LOOK_HOVER, LOOK_PRESSED, LOOK_DISABLED };

// Disabled wins over pressed, pressed over hover.
ButtonLook ChooseLook(bool enabled, bool pressed, bool hover);

// Disabled grey, else the hover green under the pointer, else the normal
// grey; being pressed does not change it.
uint32_t CaptionColour(bool enabled, bool hover);

#endif
