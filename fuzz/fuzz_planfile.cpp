// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the plan-file reader: any bytes at all must leave a consistent table, and
// whatever was read must survive a write and a second read.
#include "files/planfile.h"
#include "model/mapstore.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

using namespace rumbario;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    MapStore store;
    readPlanBytes(store, QByteArrayView(data, qsizetype(size)));
    require(!store.Lista.isEmpty() && store.Lista.size() <= maxRoomCount);
    require(store.coordinates.size() == store.Lista.size());

    store.roomCount = store.tableSize();
    QBuffer written;
    written.open(QIODevice::WriteOnly);
    require(writePlanRecords(store, written));
    MapStore again;
    require(readPlanBytes(again, written.data()).failure != ReadFailure::Other);
    require(again.Lista.size() == store.Lista.size());
    for (qsizetype i = 0; i < store.Lista.size(); ++i)
        require(again.Lista[i].exits == store.Lista[i].exits);
    return 0;
}
