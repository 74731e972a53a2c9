// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

/** The virtual-key codes the key handler receives, whatever toolkit delivers the key. */
namespace Key {
constexpr int Enter = 13;
constexpr int Space = 32;
constexpr int PageUp = 33;
constexpr int PageDown = 34;
constexpr int End = 35;
constexpr int Home = 36;
constexpr int Left = 37;
constexpr int Up = 38;
constexpr int Right = 39;
constexpr int Down = 40;
constexpr int Delete = 46;
constexpr int A = 65;
constexpr int F1 = 112;
constexpr int F2 = 113;
constexpr int F3 = 114;
constexpr int F5 = 116;
constexpr int F6 = 117;
constexpr int F9 = 120;
constexpr int Comma = 188;

/** The code of a letter key, upper case whatever was typed. */
constexpr int letter(char upperCase)
{
    return A + (upperCase - 'A');
}
} // namespace Key

/** Bits of the modifier mask. */
namespace Modifier {
constexpr int Shift = 1;
constexpr int Ctrl = 2;
constexpr int Alt = 4;
} // namespace Modifier

} // namespace rumbario
