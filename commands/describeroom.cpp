// SPDX-License-Identifier: GPL-3.0-or-later
#include "describeroom.h"

#include "core/mapstore.h"

namespace rumbario {

void describeRoom(MapStore &store, QString typed)
{
    typed.replace(u'\r', u' ').replace(u'\n', u' ');
    store.setWorkingDescription(typed);
    store.storeCurrentRoom();
    store.noteAction(QStringLiteral("descripción de la sala %1").arg(store.currentRoom()),
                     ModifiedEffect::Mark);
}

} // namespace rumbario
