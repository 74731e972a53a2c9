// SPDX-License-Identifier: GPL-3.0-or-later
// Inform 7 source, UTF-8.
#include "exportmap.h"
#include "gameexport.h"
#include "mapstore.h"
#include "sourcetext.h"

#include <QSet>

#include <algorithm>

namespace rumbario {

namespace {

const char *const directionWords[exitCount] = {
    "North of", "Northeast of", "East of", "Southeast of", "South of",    "Southwest of",
    "West of",  "Northwest of", "Up from", "Down from",    "Inside from", "Outside from",
};

/** Names Inform already gives a meaning to. */
const QSet<QString> reservedNames = {
    QStringLiteral("north"),     QStringLiteral("south"),     QStringLiteral("east"),
    QStringLiteral("west"),      QStringLiteral("northeast"), QStringLiteral("northwest"),
    QStringLiteral("southeast"), QStringLiteral("southwest"), QStringLiteral("up"),
    QStringLiteral("down"),      QStringLiteral("inside"),    QStringLiteral("outside"),
    QStringLiteral("nowhere"),   QStringLiteral("room"),      QStringLiteral("thing"),
    QStringLiteral("player"),    QStringLiteral("yourself"),  QStringLiteral("nothing"),
    QStringLiteral("direction"), QStringLiteral("door"),      QStringLiteral("region"),
};

/**
 * Words that would end a room's name inside a sentence ("North of X is in Y"): a room whose
 * name holds one is named by its identifier and given its name to print.
 */
bool needsIdentifier(const QString &name)
{
    static const QLatin1String structural[] = {
        QLatin1String("is"),     QLatin1String("are"),     QLatin1String("in"),
        QLatin1String("on"),     QLatin1String("of"),      QLatin1String("and"),
        QLatin1String("with"),   QLatin1String("from"),    QLatin1String("called"),
        QLatin1String("by"),     QLatin1String("above"),   QLatin1String("below"),
        QLatin1String("inside"), QLatin1String("outside"), QLatin1String("north"),
        QLatin1String("south"),  QLatin1String("east"),    QLatin1String("west"),
        QLatin1String("up"),     QLatin1String("down"),    QLatin1String("nowhere")};
    const auto structuralWord = [](QStringView word) {
        return std::any_of(std::begin(structural), std::end(structural), [word](QLatin1String s) {
            return word.size() == s.size() && word.compare(s, Qt::CaseInsensitive) == 0;
        });
    };
    static const QString unsafeCharacters = QStringLiteral("\"[]():'’");
    // Words are runs of ASCII letters, digits and underscores: an
    // accented letter ends one ("¡Ñandú!" holds "and").
    qsizetype start = 0;
    for (qsizetype i = 0; i <= name.size(); ++i) {
        const QChar c = i < name.size() ? name.at(i) : QChar(u' ');
        if (unsafeCharacters.contains(c))
            return true;
        if ((c.unicode() < 0x80 && c.isLetterOrNumber()) || c == u'_')
            continue;
        if (i > start && structuralWord(QStringView(name).mid(start, i - start)))
            return true;
        start = i + 1;
    }
    return false;
}

/** Text for Inform: " becomes ', brackets are spelt out, an apostrophe at a word edge is kept. */
void writeQuoted(SourceText &source, const QString &text)
{
    source << QChar(u'"');
    const QStringView all(text);
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QChar c = all[i];
        if (c != u'\'' && c != u'"' && c != u'[' && c != u']')
            continue;
        // What lies between special characters goes as it is, in one piece.
        source << all.sliced(plainFrom, i - plainFrom);
        plainFrom = i + 1;
        if (c == u'\'') {
            const bool letterBefore = i > 0 && all[i - 1].isLetter();
            const bool letterAfter = i + 1 < all.size() && all[i + 1].isLetter();
            if (letterBefore && letterAfter)
                source << c;
            else
                source << "[']";
        } else if (c == u'"') {
            source << QChar(u'\'');
        } else if (c == u'[') {
            source << "[bracket]";
        } else {
            source << "[close bracket]";
        }
    }
    source << all.sliced(plainFrom) << QChar(u'"');
}

QString referenceTo(const ExportRoom &room)
{
    return needsIdentifier(room.name) ? room.identifier : room.name;
}

void writeRoomSentences(SourceText &source, const ExportRoom &room, const QString &reference)
{
    source << "There is a room called " << reference << ".";
    if (!room.text.isEmpty()) {
        source << " ";
        writeQuoted(source, room.text);
    }
    if (reference != room.name) {
        source << " The printed name of " << reference << " is ";
        writeQuoted(source, room.name);
        source << ".";
    }
    source << "\n";
}

/**
 * Inform would otherwise invent the way back of a one-way exit; where the other room has an exit
 * of its own that way, that exit already says where it goes.
 */
QVector<ExportExit> waysToClose(const MapStore &store, const ExportMap &map)
{
    QVector<ExportExit> closed;
    QSet<QPair<qint16, int>> closedWays;
    for (const ExportExit &exit : map.exits) {
        const int back = directions[exit.slot].opposite;
        const qint16 existing = store.room(exit.to).exits[back];
        if (!exit.oneWay || (existing > 0 && existing <= store.roomCount()) ||
            closedWays.contains({exit.to, back}))
            continue;
        closedWays.insert({exit.to, back});
        closed.append({exit.to, back, 0, true});
    }
    return closed;
}

void writeMissingNote(SourceText &source, const ExportMap &map)
{
    if (map.missing.isEmpty())
        return;
    source << "\n[Salidas que llevan a salas que no existen y no se han exportado:";
    const char *separator = " al";
    for (const ExportExit &exit : map.missing) {
        source << separator << directions[exit.slot].removalName << " de "
               << map.room(exit.from).name << ", la sala " << exit.to;
        separator = "; al";
    }
    source << ".]\n";
}

} // namespace

QByteArray exportInform7(const MapStore &store, const QString &title)
{
    const ExportMap map = exportMap(store, reservedNames, {});
    SourceText source(SourceText::Encoding::Utf8, map.rooms.size() * 180 + map.exits.size() * 60);
    writeQuoted(source, title);
    source << " by Rumbario\n\n"
           << QStringLiteral("[Para que el juego hable español, instale la extensión Spanish "
                             "Language by Sebastian Arg y escriba (in Spanish) tras el título: ");
    writeQuoted(source, title);
    source << " (in Spanish) by Rumbario. Generado por Rumbario.]\n\n";
    // How each room is referred to, worked out once: the exits name their rooms again.
    EncodedNames references(SourceText::Encoding::Utf8, map.rooms.size());
    for (const ExportRoom &room : map.rooms) {
        const QString reference = referenceTo(room);
        references.append(reference);
        writeRoomSentences(source, room, reference);
    }
    source << "\n";
    for (const ExportExit &exit : map.exits) {
        source << directionWords[exit.slot] << " ";
        source.appendEncoded(references[exit.from]) << " is ";
        source.appendEncoded(references[exit.to]) << ".\n";
    }
    const QVector<ExportExit> closed = waysToClose(store, map);
    if (!closed.isEmpty())
        source << "\n";
    for (const ExportExit &way : closed) {
        source << directionWords[way.slot] << " ";
        source.appendEncoded(references[way.from]) << " is nowhere.\n";
    }
    writeMissingNote(source, map);
    return source.take();
}

} // namespace rumbario
