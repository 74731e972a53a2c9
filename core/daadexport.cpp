// SPDX-License-Identifier: GPL-3.0-or-later
// The location and connection sections of a DAAD source for the DRC compiler, Windows-1252.
#include "exportmap.h"
#include "gameexport.h"
#include "mapstore.h"
#include "sourcetext.h"

namespace rumbario {

namespace {

// DAAD strings cannot hold a double quote: it becomes a single one.
void writeDaadString(SourceText &source, const QString &text)
{
    source << QChar(u'"');
    for (QChar c : text)
        source << (c == u'"' ? QChar(u'\'') : c);
    source << QChar(u'"');
}

} // namespace

QByteArray exportDaad(const MapStore &store, const QString &title)
{
    const ExportMap map = exportMap(store, {}, {});
    // Windows-1252 with CR LF line ends, as DRC reads it.
    SourceText source(SourceText::Encoding::Windows1252WithCrLf,
                      map.rooms.size() * 120 + map.exits.size() * 10);
    source << QStringLiteral(
        "; Generado por Rumbario. Pegue estas secciones /LTX y /CON en lugar de las de un\n"
        "; proyecto hecho con la plantilla española BLANK_ES.DSF del compilador DRC, y añada\n"
        "; a su /VOC estas cuatro palabras para entrar y salir:\n"
        "; ENTRAR  12      verb\n"
        "; DENTRO  12      noun\n"
        "; SALIR   13      verb\n"
        "; FUERA   13      noun\n");
    source << ";------------------------------------------------------------------------------\n"
              "/LTX    ;Localidades\n"
              "/0 ";
    writeDaadString(source, title);
    source << "\n";
    for (const ExportRoom &room : map.rooms) {
        source << "/" << room.number << " ";
        writeDaadString(source, room.text.isEmpty() ? room.name + u'.' : room.text);
        source << "\n";
    }
    source << ";------------------------------------------------------------------------------\n"
              "/CON    ;Conexiones\n/0\n";
    for (const ExportRoom &room : map.rooms) {
        source << "/" << room.number << "\n";
        for (const ExportExit &exit : map.exitsFrom(room.number))
            source << spanishMovementWords[exit.slot] << " " << exit.to << "\n";
    }
    source << unexportedExitsNote(map, 0);
    return source.take();
}

} // namespace rumbario
