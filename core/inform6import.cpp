// SPDX-License-Identifier: GPL-3.0-or-later
// The map of an Inform 6 source: rooms are objects with exits, the objects exits lead to, and the
// start location; doors lead on to the room beyond them.
#include "sourcemap.h"

#include <QSet>

namespace rumbario {

namespace {

struct Token
{
    enum Kind { Word, String, Symbol } kind;
    /** Words in lower case, as Inform compares them; strings as the game prints them. */
    QString text;
    int line;
    /** A word as written. */
    QString original = QString();
};

/** Inform's accents: "@'a" is "á", "@~n" is "ñ", "@:u" is "ü"… */
QChar accented(QChar mark, QChar letter)
{
    static const QHash<QString, QChar> accents = [] {
        QHash<QString, QChar> table;
        const QString marks = QStringLiteral("'`^:~c");
        const QString letters[] = {QStringLiteral("aeiouyAEIOUY"), QStringLiteral("aeiouAEIOU"),
                                   QStringLiteral("aeiouAEIOU"),   QStringLiteral("aeiouyAEIOU"),
                                   QStringLiteral("anoANO"),       QStringLiteral("cC")};
        const QString results[] = {QStringLiteral("áéíóúýÁÉÍÓÚÝ"), QStringLiteral("àèìòùÀÈÌÒÙ"),
                                   QStringLiteral("âêîôûÂÊÎÔÛ"),   QStringLiteral("äëïöüÿÄËÏÖÜ"),
                                   QStringLiteral("ãñõÃÑÕ"),       QStringLiteral("çÇ")};
        for (int i = 0; i < marks.size(); ++i) {
            for (int j = 0; j < letters[i].size(); ++j)
                table.insert(QString(marks[i]) + letters[i][j], results[i][j]);
        }
        return table;
    }();
    return accents.value(QString(mark) + letter);
}

/** A string of the source as the game prints it: "~" a quote, "^" a new line, "@" escapes. */
QString stringValue(QStringView raw)
{
    QString value;
    value.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == u'~') {
            value += u'"';
        } else if (c == u'^') {
            value += u' ';
        } else if (c == u'@' && i + 1 < raw.size() && raw[i + 1] == u'@') {
            qsizetype end = i + 2;
            while (end < raw.size() && raw[end].isDigit() && end < i + 7)
                ++end;
            value += QChar(char16_t(raw.mid(i + 2, end - i - 2).toUInt()));
            i = end - 1;
        } else if (c == u'@' && i + 1 < raw.size() && raw[i + 1] == u'{') {
            const qsizetype end = raw.indexOf(u'}', i);
            if (end < 0)
                break;
            value += QChar(char16_t(raw.mid(i + 2, end - i - 2).toUInt(nullptr, 16)));
            i = end;
        } else if (c == u'@' && i + 2 < raw.size() && !accented(raw[i + 1], raw[i + 2]).isNull()) {
            value += accented(raw[i + 1], raw[i + 2]);
            i += 2;
        } else if (c == u'@' && i + 2 < raw.size() && raw[i + 1] == raw[i + 2] &&
                   QStringLiteral("!?<>").contains(raw[i + 1])) {
            value += QStringLiteral("¡¿«»").at(QStringLiteral("!?<>").indexOf(raw[i + 1]));
            i += 2;
        } else {
            value += c;
        }
    }
    return plainText(value);
}

/** The tokens of a source, comments left out; a string that never ends is noted. */
QVector<Token> tokensOf(QStringView text, SourceMap &map)
{
    QVector<Token> tokens;
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n') {
            ++line;
        } else if (c == u'!') {
            while (i + 1 < text.size() && text[i + 1] != u'\n')
                ++i;
        } else if (c == u'"') {
            const qsizetype end = text.indexOf(u'"', i + 1);
            const qsizetype stop = end < 0 ? text.size() : end;
            tokens.append({Token::String, stringValue(text.mid(i + 1, stop - i - 1)), line});
            if (end < 0)
                map.skip(line, QStringLiteral("un texto que no se cierra"));
            line += int(text.mid(i, stop - i).count(u'\n'));
            i = stop;
        } else if (c == u'\'') {
            // A dictionary word or a character: nothing of the map.
            const qsizetype end = text.indexOf(u'\'', i + 1);
            i = end < 0 ? text.size() : end;
        } else if (c.isLetterOrNumber() || c == u'_' || c == u'$' || c == u'#') {
            qsizetype end = i;
            while (end < text.size() && (text[end].isLetterOrNumber() || text[end] == u'_' ||
                                         text[end] == u'$' || text[end] == u'#'))
                ++end;
            const QString word = text.mid(i, end - i).toString();
            tokens.append({Token::Word, word.toLower(), line, word});
            i = end - 1;
        } else if (c == u'-' && i + 1 < text.size() && text[i + 1] == u'>') {
            tokens.append({Token::Symbol, QStringLiteral("->"), line});
            ++i;
        } else if (!c.isSpace()) {
            tokens.append({Token::Symbol, QString(c), line});
        }
    }
    return tokens;
}

const QString exitProperties[exitCount] = {
    QStringLiteral("n_to"),  QStringLiteral("ne_to"), QStringLiteral("e_to"),
    QStringLiteral("se_to"), QStringLiteral("s_to"),  QStringLiteral("sw_to"),
    QStringLiteral("w_to"),  QStringLiteral("nw_to"), QStringLiteral("u_to"),
    QStringLiteral("d_to"),  QStringLiteral("in_to"), QStringLiteral("out_to")};

/** A property's value as read: an object, a routine's returned objects, or a string. */
struct Value
{
    QStringList objects;
    QString string;
    bool routine = false;
    int line = 0;
};

struct Object
{
    QString key;
    QString identifier;
    QString name;
    QString description;
    bool hasParent = false;
    bool roomClass = false;
    std::array<Value, exitCount> exits;
    bool isDoor = false;
    /** Lit, as rooms mostly are and things without a parent seldom. */
    bool lit = false;
    Value doorTo;
    int line = 0;
};

/** Reads the source's objects, its classes and its start, statement by statement. */
class Inform6Reader
{
public:
    Inform6Reader(QStringView text, SourceMap &map)
        : mMap(map)
        , mTokens(tokensOf(text, map))
    {}

    void read()
    {
        while (mNext < mTokens.size())
            statement();
    }

    QVector<Object> objects;
    QString start;

private:
    bool atEnd() const { return mNext >= mTokens.size(); }
    const Token &peek() const { return mTokens[mNext]; }
    bool peekIs(const char *text) const
    {
        return !atEnd() && peek().kind != Token::String && peek().text == QLatin1String(text);
    }

    /** Moves past a statement's end, a ";" outside brackets. */
    void skipStatement()
    {
        int depth = 0;
        for (; !atEnd(); ++mNext) {
            const QString &text = peek().text;
            if (peek().kind != Token::Symbol)
                continue;
            if (text == u'[' || text == u'(')
                ++depth;
            else if ((text == u']' || text == u')') && depth > 0)
                --depth;
            else if (text == u';' && depth == 0) {
                ++mNext;
                return;
            }
        }
    }

    void statement()
    {
        const Token &first = peek();
        if (first.kind == Token::Symbol && first.text == u'[') {
            routine();
        } else if (first.kind == Token::Word && first.text == QLatin1String("class")) {
            ++mNext;
            if (!atEnd())
                mClasses.insert(peek().text);
            skipStatement();
        } else if (first.kind == Token::Word && first.text == QLatin1String("constant")) {
            // PunyInform says where the game starts in a constant.
            if (word(mNext + 1) == QLatin1String("initial_location_value") && start.isEmpty())
                start = word(mNext + 3);
            skipStatement();
        } else if (first.kind == Token::Word && first.text == QLatin1String("include")) {
            ++mNext;
            if (!atEnd() && peek().kind == Token::String && !isLibrary(peek().text))
                mMap.skip(peek().line, QStringLiteral("el archivo incluido «%1»").arg(peek().text));
            skipStatement();
        } else if (first.kind == Token::Word &&
                   (first.text == QLatin1String("object") || mClasses.contains(first.text) ||
                    roomClasses().contains(first.text))) {
            object();
        } else {
            skipStatement();
        }
    }

    static bool isLibrary(const QString &file)
    {
        static const QSet<QString> library = {
            QStringLiteral("parser"),   QStringLiteral("verblib"), QStringLiteral("grammar"),
            QStringLiteral("spanishg"), QStringLiteral("spanish"), QStringLiteral("english"),
            QStringLiteral("infglk"),   QStringLiteral("globals"), QStringLiteral("puny"),
            QStringLiteral("stdlib"),   QStringLiteral("infsp"),   QStringLiteral("infspr")};
        return library.contains(file.toLower().section(u'.', 0, 0)) ||
               file.startsWith(QLatin1String("ext_"), Qt::CaseInsensitive);
    }

    static const QSet<QString> &roomClasses()
    {
        static const QSet<QString> classes = {QStringLiteral("room"), QStringLiteral("lugar"),
                                              QStringLiteral("location"),
                                              QStringLiteral("habitacion")};
        return classes;
    }

    /** A routine: the start is where Initialise puts the player. */
    void routine()
    {
        ++mNext;
        const bool initialise = peekIs("initialise");
        int depth = 1;
        for (; !atEnd() && depth > 0; ++mNext) {
            const Token &token = peek();
            if (token.kind == Token::Symbol && token.text == u'[')
                ++depth;
            else if (token.kind == Token::Symbol && token.text == u']')
                --depth;
            else if (initialise && start.isEmpty() && token.kind == Token::Word)
                noteStart(token);
        }
        skipStatement();
    }

    QString word(qsizetype at) const { return at < mTokens.size() ? mTokens[at].text : QString(); }

    void noteStart(const Token &token)
    {
        const qsizetype at = &token - mTokens.constData();
        if (token.text == QLatin1String("location") && word(at + 1) == u'=')
            start = word(at + 2);
        else if (token.text == QLatin1String("playerto") && word(at + 1) == u'(')
            start = word(at + 2);
    }

    void object()
    {
        Object object;
        object.roomClass = roomClasses().contains(peek().text);
        object.line = peek().line;
        ++mNext;
        while (peekIs("->")) {
            object.hasParent = true;
            ++mNext;
        }
        if (!atEnd() && peek().kind == Token::Word && !isSegment()) {
            object.key = peek().text;
            object.identifier = peek().original;
            ++mNext;
        }
        if (!atEnd() && peek().kind == Token::String) {
            object.name = peek().text;
            ++mNext;
        }
        if (!atEnd() && peek().kind == Token::Word && !isSegment()) {
            object.hasParent = true;
            ++mNext;
        }
        segments(object);
        if (!object.key.isEmpty())
            objects.append(object);
    }

    bool isSegment() const
    {
        return peekIs("with") || peekIs("has") || peekIs("class") || peekIs("private");
    }

    /** The "with", "has", "class" and "private" parts, up to the object's ";". */
    void segments(Object &object)
    {
        bool properties = false;
        bool attributes = false;
        while (!atEnd()) {
            if (peekIs(";")) {
                ++mNext;
                return;
            }
            if (isSegment()) {
                properties = peekIs("with") || peekIs("private");
                attributes = peekIs("has");
                if (peekIs("class"))
                    classList(object);
                else
                    ++mNext;
                continue;
            }
            if (properties && peek().kind == Token::Word) {
                property(object);
                continue;
            }
            if (attributes && peekIs("light"))
                object.lit = true;
            ++mNext;
        }
    }

    void classList(Object &object)
    {
        for (++mNext; !atEnd() && peek().kind == Token::Word && !isSegment(); ++mNext)
            object.roomClass = object.roomClass || roomClasses().contains(peek().text);
    }

    /** One property: its name, then its value up to a "," or the next part. */
    void property(Object &object)
    {
        const QString name = peek().text;
        const int line = peek().line;
        ++mNext;
        Value value = valueUntilEnd();
        value.line = line;
        const auto slot = std::find(std::begin(exitProperties), std::end(exitProperties), name);
        if (slot != std::end(exitProperties))
            object.exits[size_t(slot - std::begin(exitProperties))] = value;
        else if (name == QLatin1String("short_name") && !value.string.isEmpty())
            object.name = value.string;
        else if (name == QLatin1String("description") && !value.string.isEmpty())
            object.description = value.string;
        else if (name == QLatin1String("door_to")) {
            object.isDoor = true;
            object.doorTo = value;
        }
    }

    Value valueUntilEnd()
    {
        Value value;
        int depth = 0;
        for (; !atEnd(); ++mNext) {
            const Token &token = peek();
            if (depth == 0 && (peekIs(",") || peekIs(";") || isSegment()))
                break;
            if (token.kind == Token::Symbol && token.text == u'[') {
                value.routine = true;
                ++depth;
            } else if (token.kind == Token::Symbol && token.text == u']') {
                --depth;
            } else if (token.kind == Token::String && value.string.isEmpty()) {
                value.string = token.text;
            } else if (token.kind == Token::Word && (depth == 0 || returned(token))) {
                if (!value.objects.contains(token.text))
                    value.objects.append(token.text);
            }
        }
        if (peekIs(","))
            ++mNext;
        return value;
    }

    /** Whether a word of a routine is what it returns: "return Hall;". */
    bool returned(const Token &token) const
    {
        const qsizetype at = &token - mTokens.constData();
        return at > 0 && mTokens[at - 1].text == QLatin1String("return");
    }

    SourceMap &mMap;
    const QVector<Token> mTokens;
    qsizetype mNext = 0;
    QSet<QString> mClasses;
};

/** Turns the objects read into rooms: doors lead on, routines count when they give one room. */
class RoomMaker
{
public:
    RoomMaker(const QVector<Object> &objects, SourceMap &map)
        : mObjects(objects)
        , mMap(map)
    {
        for (const Object &object : objects)
            mByKey.insert(object.key, &object);
    }

    void make(const QString &start)
    {
        QSet<QString> rooms;
        for (const Object &object : mObjects) {
            if (isRoomShaped(object) || object.key == start)
                rooms.insert(object.key);
            for (const Value &exit : object.exits) {
                if (!exit.routine && exit.objects.size() == 1 && mByKey.contains(exit.objects[0]) &&
                    !mByKey[exit.objects[0]]->isDoor)
                    rooms.insert(exit.objects[0]);
            }
        }
        for (const Object &object : mObjects) {
            if (rooms.contains(object.key))
                addRoom(object, rooms);
        }
        if (rooms.contains(start))
            mMap.start = start;
    }

private:
    static bool isRoomShaped(const Object &object)
    {
        if (object.hasParent || object.isDoor)
            return false;
        return object.roomClass || object.lit ||
               std::any_of(object.exits.begin(), object.exits.end(),
                           [](const Value &exit) { return !exit.objects.isEmpty(); });
    }

    void addRoom(const Object &object, const QSet<QString> &rooms)
    {
        SourceRoom &room = mMap.room(object.key, object.line);
        room.name = object.name.isEmpty() ? object.identifier : object.name;
        room.text = object.description;
        for (int slot = 0; slot < exitCount; ++slot) {
            const Value &exit = object.exits[slot];
            if (exit.objects.isEmpty())
                continue;
            const QString target = leadsTo(object.key, exit, rooms);
            if (!target.isEmpty()) {
                room.exits[slot] = target;
                room.exitLines[slot] = exit.line;
            } else if (!(exit.objects.size() == 1 && isNothing(exit.objects[0])))
                mMap.skip(exit.line, QStringLiteral("la salida %1 de %2, que no lleva a una sola "
                                                    "sala")
                                         .arg(exitProperties[slot], room.name));
        }
    }

    static bool isNothing(const QString &word)
    {
        return word == QLatin1String("0") || word == QLatin1String("nothing") ||
               word == QLatin1String("false") || word == QLatin1String("rfalse");
    }

    /** The one room an exit's value gives from a room, through a door if it is one. */
    QString leadsTo(const QString &from, const Value &exit, const QSet<QString> &rooms) const
    {
        QStringList targets;
        for (const QString &object : exit.objects) {
            const Object *door = mByKey.value(object);
            if (door && door->isDoor) {
                const QString beyond = oneRoom(from, door->doorTo, rooms);
                if (!beyond.isEmpty())
                    targets << beyond;
            } else if (rooms.contains(object)) {
                targets << object;
            }
        }
        targets.removeDuplicates();
        return targets.size() == 1 ? targets.first() : QString();
    }

    /** The room a value gives from a room: the only one, or the other of two (a door's two sides).
     */
    static QString oneRoom(const QString &from, const Value &value, const QSet<QString> &rooms)
    {
        QStringList found;
        for (const QString &object : value.objects) {
            if (rooms.contains(object) && !found.contains(object))
                found << object;
        }
        if (found.size() == 2 && found.contains(from))
            found.removeOne(from);
        return found.size() == 1 ? found.first() : QString();
    }

    const QVector<Object> &mObjects;
    SourceMap &mMap;
    QHash<QString, const Object *> mByKey;
};

} // namespace

SourceMap readInform6(QStringView text)
{
    SourceMap map;
    Inform6Reader reader(text, map);
    reader.read();
    RoomMaker(reader.objects, map).make(reader.start);
    return map;
}

} // namespace rumbario
