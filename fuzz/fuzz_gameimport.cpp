// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the readers of game sources: any bytes, read as a source of the language the
// first byte chooses, must give at most 32767 rooms whose exits all lead to rooms of the map, and
// as many exits as it says.
#include "core/gameimport.h"
#include "core/mapstore.h"
#include "require.h"

#include <cstdint>

using namespace rumbario;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char *const names[] = {"juego.inf", "juego.ni",  "juego.dsf",
                                        "juego.txp", "juego.zil", "juego"};
    const QString name = QString::fromLatin1(names[data[0] % 6]);
    const ImportedGame game = importGame(QByteArrayView(data + 1, qsizetype(size - 1)), name);
    require(game.rooms.size() <= maxRoomCount);
    int exits = 0;
    for (const Room &room : game.rooms) {
        for (const qint16 exit : room.exits) {
            require(exit >= 0 && exit <= game.rooms.size());
            exits += exit != 0;
        }
    }
    require(exits == game.exits);
    return 0;
}
