// SPDX-License-Identifier: GPL-3.0-or-later
#include "gameimport.h"

#include "exportmap.h"
#include "mapstore.h"
#include "sourceincludes.h"
#include "sourcemap.h"
#include "transcript.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace rumbario {

SourceRoom &SourceMap::room(const QString &key, int line)
{
    const auto found = mIndex.constFind(key);
    if (found != mIndex.constEnd())
        return rooms[*found];
    mIndex.insert(key, rooms.size());
    rooms.append(SourceRoom{key, key, QString(), line, {}});
    return rooms.last();
}

SourceRoom *SourceMap::find(const QString &key)
{
    const auto found = mIndex.constFind(key);
    return found == mIndex.constEnd() ? nullptr : &rooms[*found];
}

void SourceMap::skip(int line, const QString &what)
{
    notRead << (line > 0 ? QStringLiteral("línea %1: %2").arg(line).arg(what) : what);
}

QString plainText(QStringView text)
{
    if (!text.contains(u'\n'))
        return text.trimmed().toString();
    QString plain;
    plain.reserve(text.size());
    for (const QStringView line : text.split(u'\n')) {
        if (plain.isEmpty())
            plain += line.trimmed();
        else if (!line.trimmed().isEmpty())
            plain += u' ' + line.trimmed().toString();
    }
    return plain;
}

int lineAt(QStringView text, qsizetype position, qsizetype &countedTo, int &line)
{
    for (; countedTo < position && countedTo < text.size(); ++countedTo) {
        if (text[countedTo] == u'\n')
            ++line;
    }
    return line;
}

namespace {

/**
 * A room's description: its text when the text already starts with the room's name (as the
 * exported games write it, the name perhaps with a number that tells rooms named alike apart),
 * else the name, a full stop and the text. A room named only "Sala N" after its number, as the
 * exported games name rooms never described, is left undescribed.
 */
QString descriptionOf(const SourceRoom &room, qint16 number)
{
    const QString name = plainText(room.name);
    const QString text = plainText(room.text);
    const QString unnamed = QStringLiteral("Sala %1").arg(number);
    if (name == unnamed && (text.isEmpty() || text == name || text == name + u'.'))
        return QString();
    if (text.isEmpty())
        return name;
    // Without the number that tells rooms named alike apart: "Cueva 2".
    qsizetype digits = name.size();
    while (digits > 0 && name[digits - 1].isDigit())
        --digits;
    const bool numbered = digits < name.size() && digits > 1 && name[digits - 1] == u' ';
    const QStringView bareName = numbered ? QStringView(name).left(digits - 1) : QStringView(name);
    const QString textName = roomName(text, number);
    if (textName.compare(name, Qt::CaseInsensitive) == 0 ||
        textName.compare(bareName, Qt::CaseInsensitive) == 0)
        return text;
    // A name that ends its own sentence, "Estás en una cueva oscura.", takes no second stop.
    const bool ended = !name.isEmpty() && QStringLiteral(".!?…").contains(name.back());
    return name + (ended ? QStringLiteral(" ") : QStringLiteral(". ")) + text;
}

/** The rooms in map order: the start room first, then the others as the source has them. */
QVector<const SourceRoom *> mapOrder(SourceMap &source)
{
    QVector<const SourceRoom *> order;
    const SourceRoom *start = source.start.isEmpty() ? nullptr : source.find(source.start);
    if (start)
        order.append(start);
    for (const SourceRoom &room : source.rooms) {
        if (&room != start)
            order.append(&room);
    }
    if (order.size() > maxRoomCount) {
        source.skip(0, QStringLiteral("%1 salas más, que no caben en un mapa")
                           .arg(order.size() - maxRoomCount));
        order.resize(maxRoomCount);
    }
    return order;
}

ImportedGame toMap(SourceMap source, GameLanguage language)
{
    ImportedGame game;
    game.language = language;
    const QVector<const SourceRoom *> order = mapOrder(source);
    QHash<QString, qint16> numbers;
    for (qsizetype i = 0; i < order.size(); ++i)
        numbers.insert(order[i]->key, qint16(i + 1));
    game.rooms.reserve(order.size());
    for (const SourceRoom *room : order) {
        Room mapped = Room::blank();
        mapped.description.setText(descriptionOf(*room, qint16(game.rooms.size() + 1)));
        for (int slot = 0; slot < exitCount; ++slot) {
            const QString &target = room->exits[slot];
            if (target.isEmpty())
                continue;
            const qint16 number = numbers.value(target);
            if (number == 0) {
                source.skip(room->exitLines[slot] > 0 ? room->exitLines[slot] : room->line,
                            QStringLiteral("la salida %1 de %2 lleva a %3, que no es "
                                           "una sala")
                                .arg(exitName(slot), room->name, target));
                continue;
            }
            mapped.exits[slot] = number;
            ++game.exits;
        }
        game.rooms.append(mapped);
    }
    game.notRead = std::move(source.notRead);
    // In the order of the source's lines, what has no line last.
    const QString lineMark = QStringLiteral("línea ");
    const auto lineOf = [&lineMark](const QString &note) {
        return note.startsWith(lineMark) ? note.mid(lineMark.size()).section(u':', 0, 0).toInt()
                                         : std::numeric_limits<int>::max();
    };
    std::stable_sort(game.notRead.begin(), game.notRead.end(),
                     [&](const QString &a, const QString &b) { return lineOf(a) < lineOf(b); });
    return game;
}

} // namespace

GameLanguage gameLanguage(const QString &fileName, QStringView text)
{
    const QString extension = fileName.section(u'.', -1).toLower();
    if (extension == QLatin1String("inf") || extension == QLatin1String("h"))
        return GameLanguage::Inform6;
    if (extension == QLatin1String("ni") || extension == QLatin1String("i7x"))
        return GameLanguage::Inform7;
    if (extension == QLatin1String("dsf") || extension == QLatin1String("sce") ||
        extension == QLatin1String("qse"))
        return GameLanguage::Daad;
    if (extension == QLatin1String("txp"))
        return GameLanguage::NgPaws;
    if (extension == QLatin1String("zil") || extension == QLatin1String("mud"))
        return GameLanguage::Zil;
    // By content: the first sign of one of them.
    static const QRegularExpression signs(
        QStringLiteral("(?<zil><ROOM\\s)|(?<daad>^/(LTX|CON|VOC))|(?<i7>\\bis (a "
                       "room|north|south|east|west)\\b)"),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch sign = signs.match(text.left(1024 * 1024));
    if (sign.hasCaptured(u"zil"))
        return GameLanguage::Zil;
    if (sign.hasCaptured(u"daad"))
        return text.contains(QLatin1String("ngPAWS"), Qt::CaseInsensitive) ? GameLanguage::NgPaws
                                                                           : GameLanguage::Daad;
    if (sign.hasCaptured(u"i7"))
        return GameLanguage::Inform7;
    return GameLanguage::Inform6;
}

QString languageName(GameLanguage language)
{
    switch (language) {
    case GameLanguage::Inform6:
        return QStringLiteral("Inform 6");
    case GameLanguage::Inform7:
        return QStringLiteral("Inform 7");
    case GameLanguage::Daad:
        return QStringLiteral("DAAD");
    case GameLanguage::NgPaws:
        return QStringLiteral("ngPAWS");
    case GameLanguage::Zil:
        return QStringLiteral("ZIL");
    }
    return QString();
}

namespace {

SourceMap readSource(QStringView text, GameLanguage language)
{
    switch (language) {
    case GameLanguage::Inform6:
        return readInform6(text);
    case GameLanguage::Inform7:
        return readInform7(text);
    case GameLanguage::Daad:
    case GameLanguage::NgPaws:
        return readDaad(text, language == GameLanguage::NgPaws);
    case GameLanguage::Zil:
        return readZil(text);
    }
    return {};
}

/** Each note's line as the file it is in counts it. */
void placeNotes(QStringList &notes, const IncludedSource &source)
{
    static const QRegularExpression numbered(QStringLiteral("^línea (\\d+)"));
    for (QString &note : notes) {
        const QRegularExpressionMatch line = numbered.match(note);
        if (line.hasMatch())
            note.replace(0, line.capturedLength(), source.placeOf(line.captured(1).toInt()));
    }
}

} // namespace

ImportedGame importGame(QByteArrayView bytes, const QString &fileName, IncludedFiles included)
{
    const QString text = transcriptText(bytes);
    const GameLanguage language = gameLanguage(fileName, text);
    if (included == IncludedFiles::Ignored)
        return toMap(readSource(text, language), language);
    const IncludedSource source = includeFiles(text, language, fileName);
    ImportedGame game = toMap(readSource(source.text, language), language);
    placeNotes(game.notRead, source);
    game.included = source.files;
    return game;
}

} // namespace rumbario
