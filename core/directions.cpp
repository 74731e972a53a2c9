// SPDX-License-Identifier: GPL-3.0-or-later
#include "directions.h"

namespace rumbario {

using L = QLatin1String;

const std::array<Direction, exitCount> directions = {{
    {North, 1, South, 0, 1, 0, L("Norte "), L("Norte "), L(" norte"), L("N")},
    {NorthEast, 9, SouthWest, 1, 1, 0, L("Nordeste "), L("Nordeste "), L(" nordeste"), L("NE")},
    {East, 3, West, 1, 0, 0, L("Este "), L("Este "), L(" este"), L("E")},
    {SouthEast, 10, NorthWest, 1, -1, 0, L("Sureste "), L("sureste "), L(" sureste"), L("SE")},
    {South, 2, North, 0, -1, 0, L("sur "), L("sur "), L(" sur "), L("S")},
    {SouthWest, 11, NorthEast, -1, -1, 0, L("suroeste "), L("Suroeste "), L(" suroeste"), L("SO")},
    {West, 4, East, -1, 0, 0, L("Oeste "), L("Oeste "), L(" oeste"), L("W")},
    {NorthWest, 12, SouthEast, -1, 1, 0, L("Noroeste "), L("noroeste "), L(" noroeste"), L("NO")},
    {Up, 5, Down, 0, 0, 1, L("Arriba "), L("Arriba "), L(" arriba"), L("U")},
    {Down, 6, Up, 0, 0, -1, L("Abajo "), L("Abajo "), L(" abajo"), L("D")},
    {In, 7, Out, 0, 0, 0, L("Dentro "), L("Dentro "), L(" adentro"), L("Adentro")},
    {Out, 8, In, 0, 0, 0, L("Fuera "), L("Fuera "), L(" afuera"), L("Afuera")},
}};

int slotOfNumber(qint16 number)
{
    for (const Direction &direction : directions) {
        if (direction.number == number)
            return direction.slot;
    }
    return -1;
}

QString exitName(int slot)
{
    return QString(directions[slot].removalName).trimmed().toLower();
}

} // namespace rumbario
