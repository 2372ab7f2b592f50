#pragma once
#include <cstdint>

namespace sequora::ui {

// 24-bit blue-green-red value (0x00BBGGRR), or with the high bit set a system colour index
// (0x8000000F = button face), as the stored window designs use them.
using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kRed = 192;             // 0x0000C0
inline constexpr Colour kDarkRed = 128;         // 0x000080
inline constexpr Colour kDarkGreen = 16384;     // 0x004000
inline constexpr Colour kDarkBlue = 8388608;    // 0x800000
inline constexpr Colour kGrey = 8421504;        // 0x808080
inline constexpr Colour kLightGrey = 0xE0E0E0;
inline constexpr Colour kButtonFace = 0x8000000F;
inline constexpr Colour kWindowBackground = 0x80000005;
inline constexpr Colour kWindowText = 0x80000008;
inline constexpr Colour kButtonText = 0x80000012;

inline constexpr bool IsSystemColour(Colour c) { return (c & 0x80000000u) != 0; }
inline constexpr int SystemColourIndex(Colour c) { return static_cast<int>(c & 0xFF); }

}  // namespace sequora::ui
