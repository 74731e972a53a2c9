// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace rumbario {

class MapStore;

/**
 * The next room, in circular order after the current one, whose description contains text; the
 * current room itself only when it is the only room.
 */
std::optional<qint16> findDescription(const MapStore &store, const QString &text);

/** Makes a room current when its number is one of the map's; returns whether it was. */
bool goToRoom(MapStore &store, qint16 number);

} // namespace rumbario
