#include "framework/qt/KRColor.h"

#include <QColor>
#include <QPalette>

namespace korvan {

namespace {

QPalette::ColorRole RoleOf(int Element)
{
    switch (Element) {
    case 2: // active caption
    case 13: // highlight
        return QPalette::Highlight;
    case 14: // highlight text
        return QPalette::HighlightedText;
    case 3: // inactive caption
    case 15: // button face
        return QPalette::Button;
    case 16: // button shadow
        return QPalette::Dark;
    case 8: // window text
        return QPalette::WindowText;
    case 18: // button text
        return QPalette::ButtonText;
    case 20: // button highlight
        return QPalette::Light;
    case 21: // 3D dark shadow
        return QPalette::Shadow;
    case 22: // 3D light
        return QPalette::Midlight;
    case 23: // info text
        return QPalette::ToolTipText;
    case 24: // info background
        return QPalette::ToolTipBase;
    default:
        return QPalette::Base;
    }
}

} // namespace

QColor KRColorToQColor(TColor Color, const QPalette &Palette)
{
    if (!IsSystemColor(Color)) {
        const auto Value = static_cast<std::uint32_t>(Color);
        return QColor(static_cast<int>(Value & 0xFF), static_cast<int>((Value >> 8) & 0xFF),
                static_cast<int>((Value >> 16) & 0xFF));
    }
    const int Element = static_cast<int>(static_cast<std::uint32_t>(Color) & 0xFF);
    if (Element == 17) // grey text
        return Palette.color(QPalette::Disabled, QPalette::Text);
    return Palette.color(QPalette::Active, RoleOf(Element));
}

} // namespace korvan
