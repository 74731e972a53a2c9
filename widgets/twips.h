// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

/**
 * Pixels of a length in twips, the unit the windows were designed in: 15 make one pixel at 96
 * dots per inch, and Qt scales logical pixels for other densities.
 */
constexpr int pixels(int twips)
{
    return (twips + 7) / 15;
}

} // namespace rumbario
