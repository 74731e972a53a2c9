// SPDX-License-Identifier: GPL-3.0-or-later
// Inform 6 source for the Spanish library INFSP, in Latin-1.
#include "exportmap.h"
#include "gameexport.h"
#include "mapstore.h"

namespace rumbario {

namespace {

const char *const exitProperties[exitCount] = {"n_to", "ne_to", "e_to", "se_to", "s_to",  "sw_to",
                                               "w_to", "nw_to", "u_to", "d_to",  "in_to", "out_to"};

/** Inform 6 keywords and library names an object may not take. */
const QSet<QString> reservedIdentifiers = {
    QStringLiteral("object"),     QStringLiteral("class"),       QStringLiteral("with"),
    QStringLiteral("has"),        QStringLiteral("private"),     QStringLiteral("location"),
    QStringLiteral("player"),     QStringLiteral("self"),        QStringLiteral("nothing"),
    QStringLiteral("compass"),    QStringLiteral("thedark"),     QStringLiteral("selfobj"),
    QStringLiteral("initialise"), QStringLiteral("story"),       QStringLiteral("headline"),
    QStringLiteral("name"),       QStringLiteral("description"), QStringLiteral("light"),
    QStringLiteral("true"),       QStringLiteral("false"),       QStringLiteral("if"),
    QStringLiteral("else"),       QStringLiteral("for"),         QStringLiteral("while"),
    QStringLiteral("do"),         QStringLiteral("until"),       QStringLiteral("switch"),
    QStringLiteral("return"),     QStringLiteral("rtrue"),       QStringLiteral("rfalse"),
    QStringLiteral("print"),      QStringLiteral("give"),        QStringLiteral("move"),
    QStringLiteral("remove"),     QStringLiteral("to"),          QStringLiteral("in"),
    QStringLiteral("notin"),      QStringLiteral("child"),       QStringLiteral("parent"),
    QStringLiteral("sibling"),    QStringLiteral("children"),    QStringLiteral("random"),
    QStringLiteral("string"),     QStringLiteral("routine"),     QStringLiteral("metaclass"),
};

/** A string for Inform 6: " becomes ~, the characters it gives a meaning to go as @@ codes. */
QString quoted(const QString &text)
{
    QString out;
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            out += u'~';
            break;
        case u'~':
        case u'^':
        case u'@':
        case u'\\':
            out += QStringLiteral("@@%1").arg(c.unicode());
            break;
        default:
            // Beyond Latin-1, Inform 6 names the character by its code.
            if (c.unicode() > 0xFF || (c.unicode() >= 0x80 && c.unicode() < 0xA0))
                out += QStringLiteral("@{%1}").arg(c.unicode(), 0, 16);
            else
                out += c;
        }
    }
    return u'"' + out + u'"';
}

QString roomObject(const ExportMap &map, const ExportRoom &room)
{
    QString object = QStringLiteral("Object %1 %2\n").arg(room.identifier, quoted(room.name));
    object += QStringLiteral("  with description %1")
                  .arg(quoted(room.text.isEmpty() ? room.name : room.text));
    for (const ExportExit &exit : map.exitsFrom(room.number))
        object += QStringLiteral(",\n       %1 %2")
                      .arg(QLatin1String(exitProperties[exit.slot]), map.room(exit.to).identifier);
    return object + QStringLiteral(",\n  has light;\n\n");
}

} // namespace

QByteArray exportInform6(const MapStore &store, const QString &title)
{
    const ExportMap map = exportMap(store, {}, reservedIdentifiers);
    QString source = QStringLiteral("!% +language_name=Spanish\n");
    source += QStringLiteral("! Generado por Rumbario. Compílelo con Inform 6 y la librería "
                             "española INFSP.\n\n");
    source += QStringLiteral("Constant Story %1;\n").arg(quoted(title));
    source += QStringLiteral("Constant Headline \"^Un mapa de Rumbario.^\";\n\n");
    source += QStringLiteral("Include \"Parser\";\nInclude \"VerbLib\";\n\n");
    for (const ExportRoom &room : map.rooms)
        source += roomObject(map, room);
    source += QStringLiteral("[ Initialise;\n    location = %1;\n];\n\n")
                  .arg(map.rooms.first().identifier);
    source += QStringLiteral("Include \"SpanishG\";\n");
    for (const ExportExit &exit : map.missing)
        source += QStringLiteral("! Sin exportar: la salida al%1 de %2 lleva a la sala %3, que no "
                                 "existe.\n")
                      .arg(directions[exit.slot].removalName, map.room(exit.from).identifier,
                           QString::number(exit.to));
    return source.toLatin1();
}

} // namespace rumbario
