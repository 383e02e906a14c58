#pragma once
// Colours as the window designs write them: &HBBGGRR (blue in the high byte), or a system colour
// (&H800000nn, an index into the desktop palette).

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace vbc {

inline constexpr uint32_t kWindowText = 0x80000008;   // the system window-text colour
inline constexpr uint32_t kWindow = 0x80000005;       // the system window background
inline constexpr uint32_t kButtonFace = 0x8000000F;
inline constexpr uint32_t kButtonText = 0x80000012;
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kLightYellow = 0xC0FFFF;    // marked cells, boxes holding a number
inline constexpr uint32_t kDarkRed = 0x0000A0;        // active order header, hits
inline constexpr uint32_t kRed = 0x0000C0;
inline constexpr uint32_t kMaroon = 0x000080;
inline constexpr uint32_t kGreen = 0x008000;
inline constexpr uint32_t kDarkTeal = 0x404000;
inline constexpr uint32_t kExcludedGrey = 0x707070;

// The text of a disabled control.
inline const QColor kDisabledText{128, 128, 128};

// The QColor of a colour value; system colours come from the application palette.
QColor toQColor(uint32_t vbColor);

}  // namespace vbc
