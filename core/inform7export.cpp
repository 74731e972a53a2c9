// SPDX-License-Identifier: GPL-3.0-or-later
// Inform 7 source, UTF-8.
#include "exportmap.h"
#include "gameexport.h"
#include "mapstore.h"

#include <QSet>

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
    static const QSet<QString> structural = {
        QStringLiteral("is"),     QStringLiteral("are"),     QStringLiteral("in"),
        QStringLiteral("on"),     QStringLiteral("of"),      QStringLiteral("and"),
        QStringLiteral("with"),   QStringLiteral("from"),    QStringLiteral("called"),
        QStringLiteral("by"),     QStringLiteral("above"),   QStringLiteral("below"),
        QStringLiteral("inside"), QStringLiteral("outside"), QStringLiteral("north"),
        QStringLiteral("south"),  QStringLiteral("east"),    QStringLiteral("west"),
        QStringLiteral("up"),     QStringLiteral("down"),    QStringLiteral("nowhere")};
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
        if (i > start && structural.contains(name.mid(start, i - start).toLower()))
            return true;
        start = i + 1;
    }
    return false;
}

/** Text for Inform: " becomes ', brackets are spelt out, an apostrophe at a word edge is kept. */
QString quoted(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool letterBefore = i > 0 && text.at(i - 1).isLetter();
        const bool letterAfter = i + 1 < text.size() && text.at(i + 1).isLetter();
        if (c == u'\'' && !(letterBefore && letterAfter))
            out += QStringLiteral("[']");
        else if (c == u'"')
            out += u'\'';
        else if (c == u'[')
            out += QStringLiteral("[bracket]");
        else if (c == u']')
            out += QStringLiteral("[close bracket]");
        else
            out += c;
    }
    return u'"' + out + u'"';
}

QString referenceTo(const ExportRoom &room)
{
    return needsIdentifier(room.name) ? room.identifier : room.name;
}

QString roomSentences(const ExportRoom &room, const QString &reference)
{
    QString sentences = QStringLiteral("There is a room called %1.").arg(reference);
    if (!room.text.isEmpty())
        sentences += u' ' + quoted(room.text);
    if (reference != room.name)
        sentences +=
            QStringLiteral(" The printed name of %1 is %2.").arg(reference, quoted(room.name));
    return sentences + u'\n';
}

} // namespace

QByteArray exportInform7(const MapStore &store, const QString &title)
{
    const ExportMap map = exportMap(store, reservedNames, {});
    const QString heading = quoted(title);
    QString source = heading + QStringLiteral(" by Rumbario\n\n");
    source += QStringLiteral("[Para que el juego hable español, instale la extensión Spanish "
                             "Language by Sebastian Arg y escriba (in Spanish) tras el título: %1 "
                             "(in Spanish) by Rumbario. Generado por Rumbario.]\n\n")
                  .arg(heading);
    // How each room is referred to, worked out once: the exits name their rooms again.
    QVector<QString> references;
    references.reserve(map.rooms.size());
    for (const ExportRoom &room : map.rooms) {
        references.append(referenceTo(room));
        source += roomSentences(room, references.last());
    }
    source += u'\n';
    for (const ExportExit &exit : map.exits) {
        source += QStringLiteral("%1 %2 is %3.\n")
                      .arg(QLatin1String(directionWords[exit.slot]), references[exit.from - 1],
                           references[exit.to - 1]);
    }
    // Inform would otherwise invent the way back of a one-way exit; where the other room has
    // an exit of its own that way, that exit already says where it goes.
    QString closed;
    QSet<QPair<qint16, int>> closedWays;
    for (const ExportExit &exit : map.exits) {
        const int back = directions[exit.slot].opposite;
        const qint16 existing = store.room(exit.to).exits[back];
        if (!exit.oneWay || (existing > 0 && existing <= store.roomCount) ||
            closedWays.contains({exit.to, back}))
            continue;
        closedWays.insert({exit.to, back});
        closed += QStringLiteral("%1 %2 is nowhere.\n")
                      .arg(QLatin1String(directionWords[back]), references[exit.to - 1]);
    }
    if (!closed.isEmpty())
        source += u'\n' + closed;
    if (!map.missing.isEmpty()) {
        source += QStringLiteral("\n[Salidas que llevan a salas que no existen y no se han "
                                 "exportado:");
        for (const ExportExit &exit : map.missing)
            source += QStringLiteral(" al%1 de %2, la sala %3;")
                          .arg(directions[exit.slot].removalName, map.room(exit.from).name,
                               QString::number(exit.to));
        source.chop(1);
        source += QStringLiteral(".]\n");
    }
    return source.toUtf8();
}

} // namespace rumbario
