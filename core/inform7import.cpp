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

/** A quoted text as the game prints it: "'" a quote unless between letters, brackets spelt out. */
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
        if (escape != std::end(spelt)) {
            text += escape->second;
            i += escape->first.size() - 1;
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

/** A name without "a room called" and its article: the key is it in lower case. */
QString bareName(const QString &name)
{
    QStringView bare = QStringView(name).trimmed();
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

class Inform7Reader
{
public:
    explicit Inform7Reader(SourceMap &map)
        : mMap(map)
    {}

    void read(const Sentence &sentence)
    {
        static const QRegularExpression forms[] = {
            QRegularExpression(QStringLiteral("^there is an? (?:dark )?room called (.+)$")),
            QRegularExpression(QStringLiteral("^(.+?) is an? (?:dark )?room$")),
            QRegularExpression(QStringLiteral("^the printed name of (.+?) is \\x01$")),
            QRegularExpression(QStringLiteral("^the description of (.+?) is \\x01$")),
            QRegularExpression(QStringLiteral("^(.+?) is an? (?:open |closed |locked )*door$")),
            QRegularExpression(QStringLiteral("^(\\w+) (?:of|from) (.+?) is (.+)$")),
            QRegularExpression(QStringLiteral("^(.+?) is ((?:\\w+ (?:of|from) .+?)(?: and \\w+ "
                                              "(?:of|from) .+?)*)$")),
            QRegularExpression(QStringLiteral("^(.+?) is (above|below|inside|outside) (.+)$")),
            QRegularExpression(QStringLiteral("^the player is in (.+)$")),
        };
        // No sentence about the map is this long; the patterns are not tried on text that is.
        if (sentence.words.size() > maxSentenceLength)
            return;
        QString words = sentence.words.simplified();
        Sentence rest = sentence;
        // A quoted text first is the description of the room named last; a sentence may follow.
        if (words.startsWith(QChar(1))) {
            if (SourceRoom *room = mMap.find(mLastRoom))
                room->text = rest.quotes.takeFirst();
            words = words.mid(1).trimmed();
        }
        const QString lower = words.toLower();
        for (int form = 0; form < int(std::size(forms)); ++form) {
            if (!mayBe(form, lower))
                continue;
            const QRegularExpressionMatch found = forms[form].match(lower);
            if (!found.hasMatch())
                continue;
            const auto part = [&](int n) {
                return words.mid(found.capturedStart(n), found.capturedLength(n)).simplified();
            };
            if (apply(form, part, rest))
                return;
        }
    }

    /** Whether a sentence may be of a form, told without a pattern: most sentences are not. */
    static bool mayBe(int form, const QString &lower)
    {
        switch (form) {
        case 0:
            return lower.startsWith(QLatin1String("there is "));
        case 1:
            return lower.endsWith(QLatin1String("room"));
        case 2:
            return lower.startsWith(QLatin1String("the printed name of "));
        case 3:
            return lower.startsWith(QLatin1String("the description of "));
        case 4:
            return lower.endsWith(QLatin1String("door"));
        case 8:
            return lower.startsWith(QLatin1String("the player is in "));
        default:
            return lower.contains(QLatin1String(" is "));
        }
    }

    /** The connections once every sentence is read: said ones first, the implied ways back after.
     */
    void connect()
    {
        for (const auto &[exit, target] : mImplied) {
            if (!mSaid.count(exit))
                mSaid[exit] = target;
        }
        for (const auto &[exit, target] : mSaid) {
            if (target.isEmpty())
                continue;
            mMap.room(exit.first, 0).exits[exit.second] = target;
        }
    }

private:
    template<typename Part>
    bool apply(int form, const Part &part, const Sentence &sentence)
    {
        const int line = sentence.line;
        switch (form) {
        case 0:
        case 1:
            // "A room called X" names it as written; "The X is a room", without its article.
            declare(part(1), line, form == 0);
            if (sentence.quotes.size() == 1)
                mMap.room(key(part(1)), line).text = sentence.quotes.first();
            return true;
        case 2:
        case 3: {
            SourceRoom &room = mMap.room(key(part(1)), line);
            (form == 2 ? room.name : room.text) = sentence.quotes.value(0);
            return true;
        }
        case 4:
            mDoors.insert(key(part(1)));
            return true;
        case 5:
            return said(part(2), directionSlot(part(1)), part(3), line);
        case 6:
            return placed(part(1), part(2), line);
        case 7: {
            const int slot = directionSlot(part(2));
            return said(part(3), slot, part(1), line);
        }
        case 8:
            mMap.start = key(part(1));
            return true;
        }
        return false;
    }

    static QString key(const QString &name) { return bareName(name).toLower(); }

    /** A room named in a sentence; "a room called X" names it as written, others without article.
     */
    void declare(const QString &name, int line, bool asWritten = false)
    {
        if (mDoors.contains(key(name)))
            return;
        SourceRoom &room = mMap.room(key(name), line);
        if (asWritten || room.name == room.key)
            room.name = asWritten ? name : bareName(name);
        mLastRoom = room.key;
    }

    /** "North of X is Y": X leads north to Y, and Y south to X unless said otherwise. */
    bool said(const QString &from, int slot, const QString &to, int line)
    {
        if (slot < 0)
            return false;
        declare(from, line);
        if (key(to) == QLatin1String("nowhere")) {
            mSaid[{key(from), slot}] = QString();
            return true;
        }
        declare(to, line);
        mSaid[{key(from), slot}] = key(to);
        mImplied.insert({{key(to), directions[slot].opposite}, key(from)});
        return true;
    }

    /** "X is east of Y and west of Z": a room east of Y, or a door between Y and Z. */
    bool placed(const QString &what, const QString &places, int line)
    {
        static const QRegularExpression place(
            QStringLiteral("(\\w+) (?:of|from) (.+?)(?: and |$)"));
        QVector<QPair<int, QString>> sides;
        for (auto found = place.globalMatch(places); found.hasNext();) {
            const QRegularExpressionMatch match = found.next();
            const int slot = directionSlot(match.captured(1));
            if (slot < 0)
                return false;
            sides.append({slot, match.captured(2)});
        }
        if (!mDoors.contains(key(what))) {
            for (const auto &[slot, room] : sides)
                said(room, slot, what, line);
            return true;
        }
        if (sides.size() != 2) {
            mMap.skip(line, QStringLiteral("la puerta %1, que no está entre dos salas").arg(what));
            return true;
        }
        // Through the door from one side to the other, each way as said.
        declare(sides[0].second, line);
        declare(sides[1].second, line);
        mSaid[{key(sides[0].second), sides[0].first}] = key(sides[1].second);
        mSaid[{key(sides[1].second), sides[1].first}] = key(sides[0].second);
        return true;
    }

    SourceMap &mMap;
    QString mLastRoom;
    QSet<QString> mDoors;
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
    reader.connect();
    return map;
}

} // namespace rumbario
