// SPDX-License-Identifier: GPL-3.0-or-later
// The location and connection sections of an ngPAWS source, UTF-8.
#include "exportmap.h"
#include "gameexport.h"
#include "mapstore.h"

namespace rumbario {

namespace {

/** ngPAWS reads braces as markup and a line that opens with "/" or ";" as a section or comment. */
QString locationText(const QString &text)
{
    QString out = text;
    out.replace(u'"', u'\'');
    out.remove(u'{');
    out.remove(u'}');
    if (out.startsWith(u'/') || out.startsWith(u';'))
        out.prepend(u' ');
    return out;
}

/** Room k is location k - 1: ngPAWS counts from 0. */
QString location(qint16 room)
{
    return QString::number(room - 1);
}

} // namespace

QByteArray exportNgPaws(const MapStore &store, const QString &title)
{
    const ExportMap map = exportMap(store, {}, {});
    QString source =
        QStringLiteral(
            "; Generado por Rumbario a partir del mapa %1. Pegue estas secciones /LTX y /CON en\n"
            "; lugar de las de un proyecto hecho con database.start.spanish de ngPAWS. La sala k\n"
            "; del mapa es la localidad k - 1.\n")
            .arg(locationText(title));
    source += QStringLiteral("/LTX\n");
    for (const ExportRoom &room : map.rooms)
        source += QStringLiteral("/%1 ; %2\n%3\n")
                      .arg(location(room.number), locationText(room.name),
                           locationText(room.text.isEmpty() ? room.name + u'.' : room.text));
    source += QStringLiteral("/CON\n");
    for (const ExportRoom &room : map.rooms) {
        source += QStringLiteral("/%1\n").arg(location(room.number));
        for (const ExportExit &exit : map.exitsFrom(room.number))
            source += QStringLiteral("%1 %2\n").arg(QLatin1String(spanishMovementWords[exit.slot]),
                                                    location(exit.to));
    }
    source += unexportedExitsNote(map, -1);
    return source.toUtf8();
}

} // namespace rumbario
