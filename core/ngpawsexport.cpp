// SPDX-License-Identifier: GPL-3.0-or-later
// The location and connection sections of an ngPAWS source, UTF-8.
#include "exportmap.h"
#include "gameexport.h"
#include "mapstore.h"
#include "sourcetext.h"

namespace rumbario {

namespace {

/** ngPAWS reads braces as markup and a line that opens with "/" or ";" as a section or comment. */
void writeLocationText(SourceText &source, const QString &text)
{
    if (text.startsWith(u'/') || text.startsWith(u';'))
        source << QChar(u' ');
    for (QChar c : text) {
        if (c == u'"')
            source << QChar(u'\'');
        else if (c != u'{' && c != u'}')
            source << c;
    }
}

/** Room k is location k - 1: ngPAWS counts from 0. */
int location(qint16 room)
{
    return room - 1;
}

} // namespace

QByteArray exportNgPaws(const MapStore &store, const QString &title)
{
    const ExportMap map = exportMap(store, {}, {});
    SourceText source(SourceText::Encoding::Utf8, map.rooms.size() * 180 + map.exits.size() * 12);
    source << "; Generado por Rumbario a partir del mapa ";
    writeLocationText(source, title);
    source
        << ". Pegue estas secciones /LTX y /CON en\n"
           "; lugar de las de un proyecto hecho con database.start.spanish de ngPAWS. La sala k\n"
           "; del mapa es la localidad k - 1.\n"
           "/LTX\n";
    for (const ExportRoom &room : map.rooms) {
        source << "/" << location(room.number) << " ; ";
        writeLocationText(source, room.name);
        source << "\n";
        writeLocationText(source, room.text.isEmpty() ? room.name + u'.' : room.text);
        source << "\n";
    }
    source << "/CON\n";
    for (const ExportRoom &room : map.rooms) {
        source << "/" << location(room.number) << "\n";
        for (const ExportExit &exit : map.exitsFrom(room.number))
            source << spanishMovementWords[exit.slot] << " " << location(exit.to) << "\n";
    }
    source << unexportedExitsNote(map, -1);
    return source.take();
}

} // namespace rumbario
