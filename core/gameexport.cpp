// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameexport.h"

namespace rumbario {

const std::vector<GameFormatInfo> &gameFormats()
{
    static const std::vector<GameFormatInfo> formats = {
        {GameFormat::Inform7, QStringLiteral("Inform 7 (*.ni)"), QStringLiteral("ni")},
        {GameFormat::Inform6, QStringLiteral("Inform 6 con INFSP (*.inf)"), QStringLiteral("inf")},
        {GameFormat::Daad, QStringLiteral("DAAD (*.dsf)"), QStringLiteral("dsf")},
        {GameFormat::NgPaws, QStringLiteral("ngPAWS (*.txp)"), QStringLiteral("txp")},
    };
    return formats;
}

QByteArray exportGameSource(const MapStore &store, GameFormat format, const QString &title)
{
    switch (format) {
    case GameFormat::Inform7:
        return exportInform7(store, title);
    case GameFormat::Inform6:
        return exportInform6(store, title);
    case GameFormat::Daad:
        return exportDaad(store, title);
    case GameFormat::NgPaws:
        break;
    }
    return exportNgPaws(store, title);
}

} // namespace rumbario
