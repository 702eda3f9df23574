// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/ColorNames.h"

namespace {

constexpr TNamedColor kNamedColors[] = {
    // Standard colours.
    {0x000000, "Black"},
    {0x000080, "Maroon"},
    {0x008000, "Green"},
    {0x008080, "Olive"},
    {0x800000, "Navy"},
    {0x800080, "Purple"},
    {0x808000, "Teal"},
    {0x808080, "Gray"},
    {0xC0C0C0, "Silver"},
    {0x0000FF, "Red"},
    {0x00FF00, "Lime"},
    {0x00FFFF, "Yellow"},
    {0xFF0000, "Blue"},
    {0xFF00FF, "Fuchsia"},
    {0xFFFF00, "Aqua"},
    {0xFFFFFF, "White"},
    // Extended colours.
    {0xC0DCC0, "Money Green"},
    {0xF0CAA6, "Sky Blue"},
    {0xF0FBFF, "Cream"},
    {0xA4A0A0, "Medium Gray"},
    // System colours by index; index 25 names no colour.
    {clSystemColor + 0, "Scroll Bar"},
    {clSystemColor + 1, "Background"},
    {clSystemColor + 2, "Active Caption"},
    {clSystemColor + 3, "Inactive Caption"},
    {clSystemColor + 4, "Menu Background"},
    {clSystemColor + 5, "Window Background"},
    {clSystemColor + 6, "Window Frame"},
    {clSystemColor + 7, "Menu Text"},
    {clSystemColor + 8, "Window Text"},
    {clSystemColor + 9, "Caption Text"},
    {clSystemColor + 10, "Active Border"},
    {clSystemColor + 11, "Inactive Border"},
    {clSystemColor + 12, "Application Workspace"},
    {clSystemColor + 13, "Highlight Background"},
    {clSystemColor + 14, "Highlight Text"},
    {clSystemColor + 15, "Button Face"},
    {clSystemColor + 16, "Button Shadow"},
    {clSystemColor + 17, "Gray Text"},
    {clSystemColor + 18, "Button Text"},
    {clSystemColor + 19, "Inactive Caption Text"},
    {clSystemColor + 20, "Button Highlight"},
    {clSystemColor + 21, "3D Dark Shadow"},
    {clSystemColor + 22, "3D Light"},
    {clSystemColor + 23, "Info Text"},
    {clSystemColor + 24, "Info Background"},
    {clSystemColor + 26, "Hot Light"},
    {clSystemColor + 27, "Gradient Active Caption"},
    {clSystemColor + 28, "Gradient Inactive Caption"},
    {clSystemColor + 29, "Menu Highlight"},
    {clSystemColor + 30, "Menu Bar"},
};

} // namespace

std::span<const TNamedColor> NamedColors()
{
    return kNamedColors;
}

int NamedColorIndex(TColor color)
{
    for (int i = 0; i < int(std::size(kNamedColors)); ++i)
        if (kNamedColors[i].color == color) return i;
    return -1;
}

QString ColorName(TColor color)
{
    const int index = NamedColorIndex(color);
    return index < 0 ? kCustomColorName : QString::fromLatin1(kNamedColors[index].name);
}
