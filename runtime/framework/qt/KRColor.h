// Colours as the views store them: 0x00BBGGRR, or with the high bit set a system colour whose low
// byte names the system element (clBtnFace, clInfoBk, ...). The widget's QPalette gives the
// system colours their values (KRColorToQColor).
#pragma once

#include <cstdint>

class QColor;
class QPalette;

namespace korvan {

using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;

//! System colours: the high bit and the number of the system element.
inline constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
inline constexpr TColor clActiveCaption = clSystemColor | 2;
inline constexpr TColor clInactiveCaption = clSystemColor | 3;
inline constexpr TColor clWindow = clSystemColor | 5;
inline constexpr TColor clWindowText = clSystemColor | 8;
inline constexpr TColor clHighlight = clSystemColor | 13;
inline constexpr TColor clHighlightText = clSystemColor | 14;
inline constexpr TColor clBtnFace = clSystemColor | 15;
inline constexpr TColor clBtnShadow = clSystemColor | 16;
inline constexpr TColor clGrayText = clSystemColor | 17;
inline constexpr TColor clBtnText = clSystemColor | 18;
inline constexpr TColor clBtnHighlight = clSystemColor | 20;
inline constexpr TColor cl3DDkShadow = clSystemColor | 21;
inline constexpr TColor cl3DLight = clSystemColor | 22;
inline constexpr TColor clInfoText = clSystemColor | 23;
inline constexpr TColor clInfoBk = clSystemColor | 24;

inline constexpr bool IsSystemColor(TColor Color)
{
    return (static_cast<std::uint32_t>(Color) & 0x80000000u) != 0;
}

//! An RGB colour in the stored form.
inline constexpr TColor RGBColor(int Red, int Green, int Blue)
{
    return static_cast<TColor>((Blue & 0xFF) << 16 | (Green & 0xFF) << 8 | (Red & 0xFF));
}

//! The colour to draw with: an RGB colour as it is, a system colour from Palette's role for it
//! (an unknown system element gives the palette's window colour).
QColor KRColorToQColor(TColor Color, const QPalette &Palette);

} // namespace korvan
