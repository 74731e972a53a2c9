// SPDX-License-Identifier: GPL-3.0-or-later
// Inform 6 source for the Spanish library INFSP, in Latin-1.
#include "exportmap.h"
#include "gameexport.h"
#include "mapstore.h"
#include "sourcetext.h"

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
void writeQuoted(SourceText &source, const QString &text)
{
    source << QChar(u'"');
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            source << QChar(u'~');
            break;
        case u'~':
        case u'^':
        case u'@':
        case u'\\':
            source << "@@" << int(c.unicode());
            break;
        default:
            // Beyond Latin-1, Inform 6 names the character by its code.
            if (c.unicode() > 0xFF || (c.unicode() >= 0x80 && c.unicode() < 0xA0))
                source << "@{" << QString::number(c.unicode(), 16) << "}";
            else
                source << c;
        }
    }
    source << QChar(u'"');
}

void writeRoomObject(SourceText &source, const ExportMap &map, const EncodedNames &identifiers,
                     const ExportRoom &room)
{
    source << "Object " << room.identifier << " ";
    writeQuoted(source, room.name);
    source << "\n  with description ";
    writeQuoted(source, room.text.isEmpty() ? room.name : room.text);
    for (const ExportExit &exit : map.exitsFrom(room.number)) {
        source << ",\n       " << exitProperties[exit.slot] << " ";
        source.appendEncoded(identifiers[exit.to]);
    }
    source << ",\n  has light;\n\n";
}

} // namespace

QByteArray exportInform6(const MapStore &store, const QString &title)
{
    const ExportMap map = exportMap(store, {}, reservedIdentifiers);
    SourceText source(SourceText::Encoding::Latin1, map.rooms.size() * 200 + map.exits.size() * 40);
    source << "!% +language_name=Spanish\n"
           << QStringLiteral("! Generado por Rumbario. Compílelo con Inform 6 y la librería "
                             "española INFSP.\n\n")
           << "Constant Story ";
    writeQuoted(source, title);
    source << ";\n"
              "Constant Headline \"^Un mapa de Rumbario.^\";\n\n"
              "Include \"Parser\";\nInclude \"VerbLib\";\n\n";
    // The exits name their rooms again: each identifier is encoded once.
    EncodedNames identifiers(SourceText::Encoding::Latin1, map.rooms.size());
    for (const ExportRoom &room : map.rooms)
        identifiers.append(room.identifier);
    for (const ExportRoom &room : map.rooms)
        writeRoomObject(source, map, identifiers, room);
    source << "[ Initialise;\n    location = " << map.rooms.first().identifier << ";\n];\n\n"
           << "Include \"SpanishG\";\n";
    for (const ExportExit &exit : map.missing)
        source << "! Sin exportar: la salida al" << directions[exit.slot].removalName << " de "
               << map.room(exit.from).identifier << " lleva a la sala " << exit.to
               << ", que no existe.\n";
    return source.take();
}

} // namespace rumbario
