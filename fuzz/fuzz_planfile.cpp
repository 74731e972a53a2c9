// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the plan-file reader: any bytes at all must leave a consistent table whose
// failures are counted as reported, and survive a write and a second read unchanged.
#include "core/mapstore.h"
#include "core/planfile.h"
#include "require.h"

#include <QBuffer>

#include <cstdint>

using namespace rumbario;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    MapStore store;
    const ReadResult result = readPlanBytes(store, bytes);
    require(!store.rooms().isEmpty() && store.rooms().size() <= maxRoomCount);
    require(store.coordinates().size() == store.rooms().size());
    require((result.badRecords > 0) == (result.firstBadRecord > 0));
    require(result.firstBadRecord <= store.tableSize());
    require(!result.incomplete() || result.failure != ReadFailure::None);

    store.setRoomCount(store.tableSize());
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    require(writePlanRecords(store, written));
    MapStore again;
    const ReadResult second = readPlanBytes(again, written.data());
    require(!second.incomplete());
    require(again.rooms().size() == store.rooms().size());
    for (qsizetype i = 0; i < store.rooms().size(); ++i)
        require(again.rooms()[i].exits == store.rooms()[i].exits);
    return 0;
}
