// SPDX-License-Identifier: GPL-3.0-or-later
// The location and connection sections of a DAAD source for the DRC compiler, Windows-1252.
#include "codepage.h"
#include "exportmap.h"
#include "gameexport.h"
#include "mapstore.h"

namespace rumbario {

namespace {

QString quoted(const QString &text)
{
    QString out = text;
    out.replace(u'"', u'\'');
    return u'"' + out + u'"';
}

} // namespace

QByteArray exportDaad(const MapStore &store, const QString &title)
{
    const ExportMap map = exportMap(store, {}, {});
    QString source = QStringLiteral(
        "; Generado por Rumbario. Pegue estas secciones /LTX y /CON en lugar de las de un\n"
        "; proyecto hecho con la plantilla española BLANK_ES.DSF del compilador DRC, y añada\n"
        "; a su /VOC estas cuatro palabras para entrar y salir:\n"
        "; ENTRAR  12      verb\n"
        "; DENTRO  12      noun\n"
        "; SALIR   13      verb\n"
        "; FUERA   13      noun\n");
    source += QStringLiteral(
        ";------------------------------------------------------------------------------\n"
        "/LTX    ;Localidades\n");
    source += QStringLiteral("/0 %1\n").arg(quoted(title));
    for (const ExportRoom &room : map.rooms)
        source += QStringLiteral("/%1 %2\n")
                      .arg(QString::number(room.number),
                           quoted(room.text.isEmpty() ? room.name + u'.' : room.text));
    source += QStringLiteral(
        ";------------------------------------------------------------------------------\n"
        "/CON    ;Conexiones\n/0\n");
    for (const ExportRoom &room : map.rooms) {
        source += QStringLiteral("/%1\n").arg(room.number);
        for (const ExportExit &exit : map.exitsFrom(room.number))
            source += QStringLiteral("%1 %2\n").arg(QLatin1String(spanishMovementWords[exit.slot]),
                                                    QString::number(exit.to));
    }
    source += unexportedExitsNote(map, 0);
    // Windows-1252 with CR LF line ends, in one pass.
    QByteArray bytes;
    bytes.reserve(source.size() + source.count(u'\n'));
    for (QChar c : std::as_const(source)) {
        if (c == u'\n')
            bytes += '\r';
        bytes += toWindows1252(c);
    }
    return bytes;
}

} // namespace rumbario
