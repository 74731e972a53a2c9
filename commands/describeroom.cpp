// SPDX-License-Identifier: GPL-3.0-or-later
#include "describeroom.h"

#include "core/mapstore.h"

namespace rumbario {

void describeRoom(MapStore &store, QString typed)
{
    typed.replace(u'\r', u' ').replace(u'\n', u' ');
    store.currentRoomCopy.description.setText(typed);
    store.storeCurrentRoom();
    store.modified = true;
}

} // namespace rumbario
