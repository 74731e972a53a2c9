// SPDX-License-Identifier: GPL-3.0-or-later
// The map of an Inform 7 source, from its sentences: rooms, their descriptions and printed names,
// the map connections between them (the way back implied unless said otherwise) and doors.
#include "sourcemap.h"

#include <QRegularExpression>

#include <map>

namespace rumbario {

namespace {

struct Sentence
{
    /** The words, each quoted text standing as "\x01". */
    QString words;
    QStringList quotes;
    int line;
};

/**
 * A quoted text as the game prints it: "'" a quote unless between letters, brackets spelt out,
 * and other substitutions ("[if unvisited]", "[line break]", "[the noun]") left out, a blank
 * keeping apart the words on either side of one but not a word from the stop after it.
 */
QString quotedText(QStringView raw)
{
    static const std::pair<QLatin1String, QChar> spelt[] = {
        {QLatin1String("[']"), u'\''},
        {QLatin1String("[bracket]"), u'['},
        {QLatin1String("[close bracket]"), u']'}};
    QString text;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        const auto escape = std::find_if(std::begin(spelt), std::end(spelt), [&](const auto &e) {
            return raw.mid(i).startsWith(e.first);
        });
        const qsizetype close = c == u'[' ? raw.indexOf(u']', i) : -1;
        if (escape != std::end(spelt)) {
            text += escape->second;
            i += escape->first.size() - 1;
        } else if (close > i) {
            const bool blankBefore = text.isEmpty() || text.back().isSpace();
            const bool blankAfter = close + 1 == raw.size() || raw[close + 1].isSpace();
            const bool stopAfter =
                close + 1 < raw.size() && QStringLiteral(".,;:!?)").contains(raw[close + 1]);
            if (!blankBefore && !blankAfter && !stopAfter)
                text += u' ';
            // One blank, not two, where the substitution stood between blanks.
            i = blankBefore && blankAfter && close + 1 < raw.size() ? close + 1 : close;
        } else if (c == u'\'') {
            const bool between =
                i > 0 && i + 1 < raw.size() && raw[i - 1].isLetter() && raw[i + 1].isLetter();
            text += between ? u'\'' : u'"';
        } else {
            text += c;
        }
    }
    return plainText(text);
}

/** The sentences: ended by a full stop, a quote that ends in one or a line, or a blank line. */
QVector<Sentence> sentencesOf(QStringView text, SourceMap &map)
{
    QVector<Sentence> sentences;
    Sentence current{QString(), {}, 1};
    int line = 1;
    const auto end = [&] {
        if (!current.words.trimmed().isEmpty() || !current.quotes.isEmpty())
            sentences.append(current);
        current = {QString(), {}, line};
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n') {
            ++line;
            if (current.words.trimmed().isEmpty() && current.quotes.isEmpty())
                current.line = line;
            const qsizetype next = text.indexOf(u'\n', i + 1);
            if (next >= 0 && text.mid(i + 1, next - i - 1).trimmed().isEmpty())
                end();
            current.words += u' ';
        } else if (c == u'[') {
            // A comment, which may hold others.
            int depth = 0;
            for (; i < text.size(); ++i) {
                depth += text[i] == u'[' ? 1 : text[i] == u']' ? -1 : 0;
                line += text[i] == u'\n';
                if (depth == 0)
                    break;
            }
        } else if (c == u'"') {
            qsizetype close = text.indexOf(u'"', i + 1);
            if (close < 0) {
                map.skip(line, QStringLiteral("un texto que no se cierra"));
                close = text.size();
            }
            const QStringView quoted = text.mid(i + 1, close - i - 1);
            current.quotes << quotedText(quoted);
            current.words += QChar(1);
            line += int(quoted.count(u'\n'));
            i = close;
            const QChar last = quoted.isEmpty() ? QChar() : quoted.back();
            qsizetype after = i + 1;
            while (after < text.size() && text[after] != u'\n' && text[after].isSpace())
                ++after;
            const bool restOfLineBlank = after >= text.size() || text[after] == u'\n';
            if (QStringLiteral(".!?").contains(last) || restOfLineBlank)
                end();
        } else if (c == u'.' && (i + 1 >= text.size() || text[i + 1].isSpace())) {
            end();
        } else {
            // The mark of a quoted text never comes from the source itself.
            current.words += c == QChar(1) ? QChar(u' ') : c;
        }
    }
    end();
    return sentences;
}

/** The directions as sentences name them, with their slotOfWord. */
int directionSlot(const QString &word)
{
    static const QHash<QString, int> slotOfWord = {
        {QStringLiteral("north"), North}, {QStringLiteral("northeast"), NorthEast},
        {QStringLiteral("east"), East},   {QStringLiteral("southeast"), SouthEast},
        {QStringLiteral("south"), South}, {QStringLiteral("southwest"), SouthWest},
        {QStringLiteral("west"), West},   {QStringLiteral("northwest"), NorthWest},
        {QStringLiteral("up"), Up},       {QStringLiteral("above"), Up},
        {QStringLiteral("down"), Down},   {QStringLiteral("below"), Down},
        {QStringLiteral("inside"), In},   {QStringLiteral("outside"), Out}};
    return slotOfWord.value(word.toLower(), -1);
}

/** What parts the items of a list: a comma, "and", or both. */
const QRegularExpression &listParting()
{
    static const QRegularExpression parting(QStringLiteral(" ?, (?:and )?| and "));
    return parting;
}

/** A name without the grammatical gender that games in other languages mark after it: "(f)". */
QStringView withoutGender(QStringView name)
{
    static const QRegularExpression gender(QStringLiteral("\\s*\\((?:[mfn]p?|p)\\)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch marked = gender.match(name);
    return marked.hasMatch() ? name.left(marked.capturedStart()) : name;
}

/**
 * The name "a room called" gives, as written but for its gender and a leading "the" in lower
 * case, the article ("a room called the Path" is "Path"); a capital "The" or "A" may begin a name
 * written as a sentence ("The canyon here becomes too tight to go").
 */
QString calledName(const QString &name)
{
    QStringView written = withoutGender(QStringView(name).trimmed());
    if (written.startsWith(QLatin1String("the ")))
        written = written.mid(4).trimmed();
    return written.toString();
}

/** A name without "a room called", its article and its gender: the key is it in lower case. */
QString bareName(const QString &name)
{
    QStringView bare = withoutGender(QStringView(name).trimmed());
    const auto drop = [&bare](const char *lead) {
        const QLatin1String word(lead);
        if (!bare.startsWith(word, Qt::CaseInsensitive))
            return false;
        bare = bare.mid(word.size()).trimmed();
        return true;
    };
    for (const char *called : {"a room called ", "a dark room called "}) {
        if (drop(called))
            break;
    }
    for (const char *article : {"the ", "an ", "a "}) {
        if (drop(article))
            break;
    }
    return bare.toString();
}

constexpr qsizetype maxSentenceLength = 2000;

/** The sentence forms about the map, tried in this order. */
enum Form {
    RoomCalled,
    IsRoom,
    AreRooms,
    PrintedName,
    Description,
    IsDoor,
    BothWays,
    DirectionOfIs,
    IsMapped,
    IsDirectionOf,
    IsAbove,
    PlayerIn,
    FormCount
};

/** "North of X is Y": a way from X to Y, said or only implied by the way back. */
struct Connection
{
    QString from;
    int slot;
    QString to;
    /** Whether the way back is implied, unless said otherwise. */
    bool wayBack = true;
};

/**
 * Reads the sentences in order and resolves them once all are read: a door may be declared after
 * the sentence that places it, and a room after the sentence that leads to it.
 */
class Inform7Reader
{
public:
    explicit Inform7Reader(SourceMap &map)
        : mMap(map)
    {}

    void read(const Sentence &sentence)
    {
        ++mSentences;
        // No sentence about the map is this long; the patterns are not tried on text that is.
        if (sentence.words.size() > maxSentenceLength)
            return;
        QString words = sentence.words.simplified();
        Sentence rest = sentence;
        // A quoted text first describes what the sentence before was about; another may follow.
        if (words.startsWith(QChar(1))) {
            if (!mSubject.isEmpty() && !rest.quotes.isEmpty())
                mTexts.insert(key(mSubject), rest.quotes.takeFirst());
            words = words.mid(1).trimmed();
        }
        // "It" is what the sentence before was about, whole: "It is north of the Gallery" after
        // "a room called West of Chasm" places that room, and says nothing of west of a chasm.
        const bool aboutIt =
            words.startsWith(QLatin1String("It "), Qt::CaseInsensitive) && !mSubject.isEmpty();
        if (aboutIt)
            words = mSubject + words.mid(2);
        // Kinds ("A forest room is a kind of room") are no rooms of the map; a kind of door
        // ("A hatchway is a kind of door") is a door wherever it is named.
        static const QRegularExpression doorKind(
            QStringLiteral("^(?:an? )?(.+?) is a kind of door\\b"),
            QRegularExpression::CaseInsensitiveOption);
        if (const auto kind = doorKind.match(words); kind.hasMatch())
            mDoorKinds.append(QRegularExpression(
                QStringLiteral("\\b%1\\b").arg(QRegularExpression::escape(kind.captured(1))),
                QRegularExpression::CaseInsensitiveOption));
        if (words.contains(QLatin1String(" is a kind of "), Qt::CaseInsensitive))
            return;
        for (const QRegularExpression &kind : std::as_const(mDoorKinds))
            words.replace(kind, QStringLiteral("door"));
        const QString lower = words.toLower();
        for (int form = 0; form < FormCount; ++form) {
            if (!mayBe(Form(form), lower) ||
                (aboutIt && (form == BothWays || form == DirectionOfIs)))
                continue;
            const QRegularExpressionMatch found = pattern(Form(form)).match(lower);
            if (!found.hasMatch())
                continue;
            const auto part = [&](int n) {
                return words.mid(found.capturedStart(n), found.capturedLength(n)).simplified();
            };
            apply(Form(form), part, rest);
            return;
        }
        // Any other "X is…" is about X: a quoted text after it is X's, not a room's.
        static const QRegularExpression about(QStringLiteral("^(.+?) (?:is|are) "));
        const QRegularExpressionMatch subject = about.match(words);
        if (subject.hasMatch())
            mSubject = subject.captured(1);
    }

    /** The rooms in the order they were first named, and their connections. */
    void finish()
    {
        joinDoorNames();
        // What is placed somewhere is a room, unless it is a door.
        for (const auto &[what, sides] : mDoorSides) {
            if (!mDoors.contains(what))
                mRooms.insert(what);
        }
        joinPartNames();
        for (const QString &name : std::as_const(mNamed)) {
            if (mDoors.contains(key(name)) || !mRooms.contains(key(name)) ||
                mPartNames.contains(key(name)))
                continue;
            SourceRoom &room = mMap.room(key(name), mLines.value(key(name)));
            room.name = mDisplay.value(key(name));
            room.text = mTexts.value(key(name));
        }
        for (const auto &[door, sides] : mDoorSides)
            throughDoor(door, sides);
        for (const Connection &connection : std::as_const(mPlaced))
            connect(connection);
        for (const auto &[exit, target] : mImplied) {
            if (!mSaid.count(exit))
                mSaid[exit] = target;
        }
        for (const auto &[exit, target] : mSaid) {
            SourceRoom *room = mMap.find(exit.first);
            if (room && !target.isEmpty() && mMap.find(target))
                room->exits[exit.second] = target;
        }
    }

private:
    static const QRegularExpression &pattern(Form form)
    {
        // The words before "room" or "door" are its adjectives ("a dark room"), never a place:
        // "a thing in the hall room" is no room.
        static const QString adjectives =
            QStringLiteral("(?:(?!(?:in|on|of|at|the|a|an|from|to)\\b)[\\w-]+ )*?");
        static const QRegularExpression patterns[FormCount] = {
            QRegularExpression(QStringLiteral("^(?:there is )?an? ") + adjectives +
                               QStringLiteral("room called (.+?)(?: is (?:in|part of) .+)?$")),
            QRegularExpression(QStringLiteral("^(.+?) is an? ") + adjectives +
                               QStringLiteral("room(?: in .+)?$")),
            QRegularExpression(QStringLiteral("^(.+?) are ") + adjectives +
                               QStringLiteral("rooms(?: in .+)?$")),
            QRegularExpression(QStringLiteral("^the printed name (?:of (.+?) )?is \\x01$")),
            QRegularExpression(QStringLiteral("^the description (?:of (.+?) )?is \\x01$")),
            QRegularExpression(QStringLiteral("^(.+?) is an? ") + adjectives +
                               QStringLiteral("door\\b.*$")),
            QRegularExpression(
                QStringLiteral("^(\\w+) (?:of|from) (.+?) is (\\w+) (?:of|from) (.+)$")),
            QRegularExpression(QStringLiteral("^(\\w+) (?:of|from) (.+?) is (.+)$")),
            QRegularExpression(QStringLiteral("^(.+?) is mapped (\\w+) (?:of|from) (.+)$")),
            QRegularExpression(QStringLiteral(
                "^(.+?) is ((?:\\w+ (?:of|from) .+?)(?: and \\w+ (?:of|from) .+?)*)$")),
            QRegularExpression(QStringLiteral("^(.+?) is (above|below|inside|outside) (.+)$")),
            QRegularExpression(QStringLiteral("^the player is in (.+)$")),
        };
        return patterns[form];
    }

    /** Whether a sentence may be of a form, told without a pattern: most sentences are not. */
    static bool mayBe(Form form, const QString &lower)
    {
        switch (form) {
        case RoomCalled:
            return lower.contains(QLatin1String("room called "));
        case IsRoom:
        case AreRooms:
            return lower.contains(QLatin1String(" room"));
        case PrintedName:
            return lower.startsWith(QLatin1String("the printed name "));
        case Description:
            return lower.startsWith(QLatin1String("the description "));
        case IsDoor:
            return lower.contains(QLatin1String("door"));
        case PlayerIn:
            return lower.startsWith(QLatin1String("the player is in "));
        default:
            return lower.contains(QLatin1String(" is "));
        }
    }

    template<typename Part>
    void apply(Form form, const Part &part, const Sentence &sentence)
    {
        const int line = sentence.line;
        switch (form) {
        case RoomCalled:
        case IsRoom:
            // "A room called X" names it as written; "The X is a room", without its article.
            name(part(1), line, form == RoomCalled, true);
            if (form == RoomCalled)
                mCalled.insert(key(part(1)));
            if (sentence.quotes.size() == 1)
                mTexts.insert(key(part(1)), sentence.quotes.first());
            break;
        case AreRooms:
            // "The Kitchen, the Hall and the Attic are rooms."
            for (const QString &room : part(1).split(listParting()))
                name(room, line, false, true);
            break;
        case PrintedName:
        case Description: {
            // Without "of X", of what the sentence before was about.
            mSubject = part(1).isEmpty() ? mSubject : part(1);
            if (!mSubject.isEmpty())
                (form == PrintedName ? mDisplay : mTexts)
                    .insert(key(mSubject), sentence.quotes.value(0));
            break;
        }
        case IsDoor:
            mDoors.insert(key(part(1)));
            mSubject = part(1);
            break;
        case BothWays:
            // "West from A is north from B": both ways said, neither implied.
            said(part(2), directionSlot(part(1)), part(4), line, false);
            said(part(4), directionSlot(part(3)), part(2), line, false);
            break;
        case DirectionOfIs:
            said(part(2), directionSlot(part(1)), part(3), line);
            mSubject = part(3);
            break;
        case IsMapped:
            // "X is mapped north of Y": that way only, as the map relation says.
            said(part(3), directionSlot(part(2)), part(1), line, false);
            break;
        case IsDirectionOf:
            placed(part(1), part(2), line);
            break;
        case IsAbove:
            placed(part(1), part(2) + QStringLiteral(" of ") + part(3), line);
            break;
        case PlayerIn:
            mMap.start = key(part(1));
            break;
        case FormCount:
            break;
        }
    }

    static QString key(const QString &name) { return bareName(name).toLower(); }

    /** A name the map mentions, in the order first mentioned; a room when said to be one. */
    void name(const QString &text, int line, bool asWritten = false, bool room = false)
    {
        const QString named = key(text);
        if (named == QLatin1String("nowhere") || named.isEmpty())
            return;
        if (!mLines.contains(named)) {
            mNamed.append(text);
            mLines.insert(named, line);
            mFirstSentences.insert(named, mSentences);
        }
        if (asWritten || !mDisplay.contains(named))
            mDisplay.insert(named, asWritten ? calledName(text) : bareName(text));
        if (room)
            mRooms.insert(named);
        mSubject = text;
    }

    /** "North of X is Y": X leads north to Y, and Y south to X unless said otherwise. */
    void said(const QString &from, int slot, const QString &to, int line, bool wayBack = true)
    {
        if (slot < 0)
            return;
        name(from, line, false, true);
        mPlaced.append({key(from), slot, key(to), wayBack});
        if (key(to) != QLatin1String("nowhere"))
            name(to, line, false, true);
    }

    /** "X is east of Y, north of Z and west of W": X lies east of Y (and so on). */
    void placed(const QString &what, const QString &places, int line)
    {
        static const QRegularExpression place(QStringLiteral("(\\w+) (?:(?:of|from) )?(.+?)(?:") +
                                              listParting().pattern() + QStringLiteral("|$)"));
        QVector<QPair<int, QString>> sides;
        for (auto found = place.globalMatch(places); found.hasNext();) {
            const QRegularExpressionMatch match = found.next();
            const int slot = directionSlot(match.captured(1));
            if (slot < 0)
                return;
            sides.append({slot, match.captured(2)});
        }
        name(what, line);
        for (const auto &[slot, room] : sides) {
            name(room, line, false, true);
            mDoorSides[key(what)].append({slot, key(room)});
        }
        mSubject = what;
    }

    /**
     * A door may be named by the last words of its name ("the window" for "a kitchen window"):
     * what is placed under such a name, and is no room of its own, is placed for the door.
     */
    void joinDoorNames()
    {
        std::map<QString, QVector<QPair<int, QString>>> joined;
        for (auto &[what, sides] : mDoorSides) {
            QString door = what;
            if (!mDoors.contains(what) && !mRooms.contains(what)) {
                QStringList named;
                for (const QString &candidate : std::as_const(mDoors)) {
                    if (candidate.endsWith(u' ' + what))
                        named << candidate;
                }
                if (named.size() == 1)
                    door = named.first();
            }
            joined[door] += sides;
        }
        mDoorSides = std::move(joined);
    }

    /**
     * A room may be named by some of the words of its name, as Inform allows once the room
     * exists ("the sala" for "Sala abandonada", named by an earlier sentence): such a name, unless
     * of "a room called" it, is that room wherever the map names it. A name that fits several
     * rooms is left a room of its own.
     */
    void joinPartNames()
    {
        // The rooms by each word of their names: a source may have thousands of rooms.
        QHash<QString, QVector<QString>> byWord;
        for (const QString &room : std::as_const(mRooms)) {
            for (const QString &word : room.split(u' ', Qt::SkipEmptyParts))
                byWord[word].append(room);
        }
        for (const QString &part : std::as_const(mRooms)) {
            if (mCalled.contains(part) || mDoors.contains(part))
                continue;
            const QStringList words = part.split(u' ', Qt::SkipEmptyParts);
            // The rooms with the part's rarest word, then those with every other.
            const QString *rarest = nullptr;
            for (const QString &word : words) {
                if (!rarest || byWord.value(word).size() < byWord.value(*rarest).size())
                    rarest = &word;
            }
            QStringList whole;
            for (const QString &room : byWord.value(rarest ? *rarest : QString())) {
                if (room == part || mFirstSentences.value(room) >= mFirstSentences.value(part))
                    continue;
                const QStringList roomWords = room.split(u' ', Qt::SkipEmptyParts);
                if (std::all_of(words.begin(), words.end(),
                                [&](const QString &word) { return roomWords.contains(word); }))
                    whole << room;
            }
            if (whole.size() == 1)
                mPartNames.insert(part, whole.first());
        }
        if (mPartNames.isEmpty())
            return;
        const auto whole = [this](QString &name) {
            name = mPartNames.value(name, name);
        };
        std::map<QString, QVector<QPair<int, QString>>> joined;
        for (auto &[what, sides] : mDoorSides) {
            for (auto &side : sides)
                whole(side.second);
            joined[mPartNames.value(what, what)] += sides;
        }
        mDoorSides = std::move(joined);
        for (Connection &connection : mPlaced) {
            whole(connection.from);
            whole(connection.to);
        }
        whole(mMap.start);
    }

    /**
     * What lies in a direction from a room: a room, or a door, through which one goes to the room
     * on its other side. A door placed on one side only leads nowhere.
     */
    void throughDoor(const QString &what, const QVector<QPair<int, QString>> &sides)
    {
        if (!mDoors.contains(what)) {
            for (const auto &[slot, room] : sides)
                mPlaced.append({room, slot, what});
            return;
        }
        if (sides.size() == 2) {
            mSaid[{sides[0].second, sides[0].first}] = sides[1].second;
            mSaid[{sides[1].second, sides[1].first}] = sides[0].second;
        } else {
            mMap.skip(mLines.value(what), QStringLiteral("la puerta %1, que no está entre dos "
                                                         "salas")
                                              .arg(mDisplay.value(what)));
        }
    }

    void connect(const Connection &connection)
    {
        if (connection.to == QLatin1String("nowhere")) {
            mSaid[{connection.from, connection.slot}] = QString();
            return;
        }
        if (mDoors.contains(connection.to)) {
            // "North of X is the door": through it to the room on its other side.
            const auto sides = mDoorSides.find(connection.to);
            if (sides == mDoorSides.end() || sides->second.size() != 2)
                return;
            const QString &beyond = sides->second[0].second == connection.from
                                        ? sides->second[1].second
                                        : sides->second[0].second;
            mSaid[{connection.from, connection.slot}] = beyond;
            return;
        }
        mSaid[{connection.from, connection.slot}] = connection.to;
        if (connection.wayBack)
            mImplied.insert(
                {{connection.to, directions[connection.slot].opposite}, connection.from});
    }

    SourceMap &mMap;
    /** What the last sentence was about: "it" in the next one, and a quoted text after it. */
    QString mSubject;
    QStringList mNamed;
    QHash<QString, int> mLines;
    /** The sentence that first names each, counted from the first read. */
    QHash<QString, int> mFirstSentences;
    int mSentences = 0;
    QHash<QString, QString> mDisplay;
    QHash<QString, QString> mTexts;
    QSet<QString> mRooms;
    /** Rooms made by "a room called X": new rooms, whatever other rooms are called. */
    QSet<QString> mCalled;
    /** Rooms named by some of the words of another's name, and that room. */
    QHash<QString, QString> mPartNames;
    QSet<QString> mDoors;
    /** The kinds of door the source makes, each as its name is found in a sentence. */
    QVector<QRegularExpression> mDoorKinds;
    std::map<QString, QVector<QPair<int, QString>>> mDoorSides;
    QVector<Connection> mPlaced;
    std::map<QPair<QString, int>, QString> mSaid;
    std::map<QPair<QString, int>, QString> mImplied;
};

} // namespace

SourceMap readInform7(QStringView text)
{
    SourceMap map;
    Inform7Reader reader(map);
    for (const Sentence &sentence : sentencesOf(text, map))
        reader.read(sentence);
    reader.finish();
    return map;
}

} // namespace rumbario
