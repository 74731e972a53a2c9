// SPDX-License-Identifier: GPL-3.0-or-later
// Inform 6 source for the Spanish library INFSP, in Latin-1.
#include "exportmap.h"
#include "gameexport.h"
#include "mapstore.h"
#include "sourcetext.h"

#include <array>
#include <string_view>

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

/** Which Latin-1 characters the Z-machine's default table holds, looked up for every letter. */
constexpr std::array<bool, 256> defaultLatin1 = [] {
    std::array<bool, 256> table{};
    for (char16_t letter : std::u16string_view(
             u"äöüÄÖÜß»«ëïÿËÏáéíóúýÁÉÍÓÚÝàèìòùÀÈÌÒÙâêîôûÂÊÎÔÛåÅøØãñõÃÑÕæÆçÇþðÞÐ£¡¿"))
        table[letter] = true;
    return table;
}();

/**
 * The characters beyond ASCII a Z-machine game can print: those of Inform's own table, which
 * INFSP's messages use, and as many more as the game declares, up to the table's 97 places.
 */
class ExtraCharacters
{
public:
    /** Declares the characters of a text that the table lacks, while there is room. */
    void note(const QString &text)
    {
        for (QChar c : text) {
            if (c.unicode() >= 0x80 && c != nonBreakingSpace && !known(c) &&
                mDeclared.size() < roomInTable)
                mDeclared.append(c);
        }
    }
    bool known(QChar c) const { return inDefaultTable(c) || mDeclared.contains(c); }
    void writeDeclaration(SourceText &source) const
    {
        if (mDeclared.isEmpty())
            return;
        source << "Zcharacter table +";
        for (QChar c : mDeclared)
            source << " '@{" << QString::number(c.unicode(), 16) << "}'";
        source << ";\n";
    }

    static constexpr char16_t nonBreakingSpace = 0xA0;

private:
    static bool inDefaultTable(QChar c)
    {
        return c.unicode() <= 0xFF ? defaultLatin1[c.unicode()] : c == u'œ' || c == u'Œ';
    }
    static constexpr int roomInTable = 97 - 69;
    QString mDeclared;
};

/**
 * A string for Inform 6: " becomes ~, the characters it gives a meaning to go as @@ codes, a
 * character the game's table lacks as "?".
 */
void writeQuoted(SourceText &source, const ExtraCharacters &extras, const QString &text)
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
        case ExtraCharacters::nonBreakingSpace:
            source << QChar(u' ');
            break;
        default:
            if (c.unicode() < 0x80)
                source << c;
            else if (!extras.known(c))
                source << QChar(u'?');
            else if (c.unicode() <= 0xFF)
                source << c;
            else
                source << "@{" << QString::number(c.unicode(), 16) << "}";
        }
    }
    source << QChar(u'"');
}

void writeRoomObject(SourceText &source, const ExportMap &map, const EncodedNames &identifiers,
                     const ExtraCharacters &extras, const ExportRoom &room)
{
    source << "Object " << room.identifier << " ";
    writeQuoted(source, extras, room.name);
    source << "\n  with description ";
    writeQuoted(source, extras, room.text.isEmpty() ? room.name : room.text);
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
    ExtraCharacters extras;
    extras.note(title);
    for (const ExportRoom &room : map.rooms) {
        extras.note(room.name);
        extras.note(room.text);
    }
    source << "!% +language_name=Spanish\n"
           << QStringLiteral("! Generado por Rumbario. Compílelo con Inform 6 y la librería "
                             "española INFSP.\n\n");
    extras.writeDeclaration(source);
    source << "Constant Story ";
    writeQuoted(source, extras, title);
    source << ";\n"
              "Constant Headline \"^Un mapa de Rumbario.^\";\n\n"
              "Include \"Parser\";\nInclude \"VerbLib\";\n\n";
    // The exits name their rooms again: each identifier is encoded once.
    EncodedNames identifiers(SourceText::Encoding::Latin1, map.rooms.size());
    for (const ExportRoom &room : map.rooms)
        identifiers.append(room.identifier);
    for (const ExportRoom &room : map.rooms)
        writeRoomObject(source, map, identifiers, extras, room);
    source << "[ Initialise;\n    location = " << map.rooms.first().identifier << ";\n];\n\n"
           << "Include \"SpanishG\";\n";
    for (const ExportExit &exit : map.missing)
        source << "! Sin exportar: la salida al" << directions[exit.slot].removalName << " de "
               << map.room(exit.from).identifier << " lleva a la sala " << exit.to
               << ", que no existe.\n";
    return source.take();
}

} // namespace rumbario
