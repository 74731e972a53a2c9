// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target for the plan-file reader: any bytes at all must leave a consistent table, read the
// same when every record has to be read field by field, and survive a write and a second read.
#include "files/planfile.h"
#include "model/mapstore.h"
#include "support/fieldbyfield.h"

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
    const QByteArrayView bytes(data, qsizetype(size));
    MapStore store;
    const ReadResult result = readPlanBytes(store, bytes);
    require(!store.Lista.isEmpty() && store.Lista.size() <= maxRoomCount);
    require(store.coordinates.size() == store.Lista.size());

    MapStore fieldByField;
    const ReadResult slowResult = readPlanBytes(fieldByField, withBlankAtLineStarts(bytes));
    require(slowResult.failure == result.failure && slowResult.reason == result.reason);
    require(fieldByField.Lista == store.Lista && fieldByField.coordinates == store.coordinates);

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
