// SPDX-License-Identifier: GPL-3.0-or-later
// The map of a ZIL source: <ROOM> forms with their DESC, LDESC and direction properties, and the
// room the GO routine puts the player in.
#include "sourcemap.h"

#include <QSet>

namespace rumbario {

namespace {

/** One datum of the source: an atom, a string, or a form "<…>", list "(…)" or vector "[…]". */
struct Datum
{
    enum Kind { Atom, String, Form, List } kind;
    QString text;
    int line;
    QVector<int> children = {};
};

/** A string as the game prints it: "\" escapes, "|" a new line. */
QString zilString(QStringView raw)
{
    QString text;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'\\' && i + 1 < raw.size())
            text += raw[++i];
        else
            text += raw[i] == u'|' ? u' ' : raw[i];
    }
    return plainText(text);
}

/** Reads the source into data, without recursion; what stays open at the end is noted. */
class ZilParser
{
public:
    ZilParser(QStringView text, SourceMap &map)
        : mText(text)
        , mMap(map)
    {}

    QVector<Datum> data;
    QVector<int> topLevel;

    void parse()
    {
        QVector<int> open;
        int commentDepth = -1;
        for (qsizetype i = 0; i < mText.size(); ++i) {
            const QChar c = mText[i];
            if (c == u'\n') {
                ++mLine;
                continue;
            }
            if (c.isSpace())
                continue;
            if (c == u';') {
                // Comments out the next datum.
                if (commentDepth < 0)
                    commentDepth = int(open.size());
                continue;
            }
            int added = -1;
            // A definition at the start of a line is one of the source's own: whatever is still
            // open before it was never closed. (Other forms start lines inside routines too, and
            // the Infocom games' sources choose their routines with a COND around them.)
            if (c == u'<' && (i == 0 || mText[i - 1] == u'\n') && !open.isEmpty() &&
                !choosesDefinitions(open.first()) && startsDefinition(i)) {
                unclosed(open.first());
                open.clear();
                commentDepth = -1;
            }
            if (c == u'<' || c == u'(' || c == u'[') {
                added = add({c == u'<' ? Datum::Form : Datum::List, QString(), mLine}, open);
                open.append(added);
                continue;
            }
            if (c == u'>' || c == u')' || c == u']') {
                if (open.isEmpty())
                    continue;
                added = open.takeLast();
            } else if (c == u'"') {
                added = add({Datum::String, string(i), mLine}, open);
            } else {
                added = add({Datum::Atom, atom(i), mLine}, open);
            }
            if (commentDepth == int(open.size()))
                drop(added, open, commentDepth);
        }
        if (!open.isEmpty())
            unclosed(open.first());
    }

private:
    /** Whether the form at i defines something of the game: a room, a routine, a global… */
    bool startsDefinition(qsizetype i) const
    {
        static const QSet<QString> definers = {
            QStringLiteral("ROOM"),   QStringLiteral("OBJECT"),      QStringLiteral("ROUTINE"),
            QStringLiteral("GLOBAL"), QStringLiteral("CONSTANT"),    QStringLiteral("SYNTAX"),
            QStringLiteral("SETG"),   QStringLiteral("INSERT-FILE"), QStringLiteral("DEFMAC"),
            QStringLiteral("DEFINE"), QStringLiteral("DIRECTIONS"),  QStringLiteral("PROPDEF"),
            QStringLiteral("GDECL"),  QStringLiteral("SYNONYM"),     QStringLiteral("BUZZ")};
        qsizetype end = i + 1;
        while (end < mText.size() && (mText[end].isLetterOrNumber() || mText[end] == u'-'))
            ++end;
        return definers.contains(mText.mid(i + 1, end - i - 1).toString().toUpper());
    }

    /** A COND outside any routine: the source compiled one way or another. */
    bool choosesDefinitions(int datum) const
    {
        const QVector<int> &children = data[datum].children;
        return data[datum].kind == Datum::Form && !children.isEmpty() &&
               data[children.first()].kind == Datum::Atom &&
               data[children.first()].text == QLatin1String("COND");
    }

    void unclosed(int datum)
    {
        mMap.skip(data[datum].line, QStringLiteral("una forma que no se cierra"));
    }

    int add(Datum datum, const QVector<int> &open)
    {
        data.append(std::move(datum));
        const int index = int(data.size() - 1);
        (open.isEmpty() ? topLevel : data[open.last()].children).append(index);
        return index;
    }

    /** Takes a commented-out datum out of its parent. */
    void drop(int datum, const QVector<int> &open, int &commentDepth)
    {
        QVector<int> &siblings = open.isEmpty() ? topLevel : data[open.last()].children;
        siblings.removeOne(datum);
        commentDepth = -1;
    }

    QString string(qsizetype &i)
    {
        qsizetype end = i + 1;
        while (end < mText.size() && mText[end] != u'"')
            end += mText[end] == u'\\' ? 2 : 1;
        const QStringView raw = mText.mid(i + 1, std::min(end, mText.size()) - i - 1);
        if (end >= mText.size())
            mMap.skip(mLine, QStringLiteral("un texto que no se cierra"));
        mLine += int(raw.count(u'\n'));
        i = end;
        return zilString(raw);
    }

    QString atom(qsizetype &i)
    {
        qsizetype end = i;
        while (end < mText.size() && !mText[end].isSpace() &&
               !QStringLiteral("<>()[]\";").contains(mText[end]))
            end += mText[end] == u'\\' ? 2 : 1;
        end = std::min(end, mText.size());
        const QString text = mText.mid(i, end - i).toString().toUpper();
        i = end - 1;
        return text;
    }

    QStringView mText;
    SourceMap &mMap;
    int mLine = 1;
};

int zilSlot(const QString &atom)
{
    static const QHash<QString, int> slotOfWord = {
        {QStringLiteral("NORTH"), North}, {QStringLiteral("NE"), NorthEast},
        {QStringLiteral("EAST"), East},   {QStringLiteral("SE"), SouthEast},
        {QStringLiteral("SOUTH"), South}, {QStringLiteral("SW"), SouthWest},
        {QStringLiteral("WEST"), West},   {QStringLiteral("NW"), NorthWest},
        {QStringLiteral("UP"), Up},       {QStringLiteral("DOWN"), Down},
        {QStringLiteral("IN"), In},       {QStringLiteral("OUT"), Out}};
    return slotOfWord.value(atom, -1);
}

class ZilReader
{
public:
    ZilReader(const ZilParser &parsed, SourceMap &map)
        : mData(parsed.data)
        , mMap(map)
    {
        for (const int datum : parsed.topLevel)
            topLevel(datum);
    }

private:
    const Datum &child(const Datum &datum, int n) const { return mData[datum.children[n]]; }
    bool isAtom(const Datum &datum, int n, const char *text) const
    {
        return n < datum.children.size() && child(datum, n).kind == Datum::Atom &&
               child(datum, n).text == QLatin1String(text);
    }

    void topLevel(int index)
    {
        const Datum &datum = mData[index];
        if (datum.kind != Datum::Form || datum.children.size() < 2)
            return;
        const bool isRoom =
            isAtom(datum, 0, "ROOM") || (isAtom(datum, 0, "OBJECT") && inRooms(datum));
        if (isRoom && child(datum, 1).kind == Datum::Atom)
            room(datum);
        else if (isAtom(datum, 0, "ROUTINE") && isAtom(datum, 1, "GO"))
            findStart(index);
    }

    /** An object placed "(IN ROOMS)" is a room, as the later games declare theirs. */
    bool inRooms(const Datum &form) const
    {
        for (int n = 2; n < form.children.size(); ++n) {
            const Datum &property = child(form, n);
            if (property.kind == Datum::List && property.children.size() == 2 &&
                isAtom(property, 0, "IN") && isAtom(property, 1, "ROOMS"))
                return true;
        }
        return false;
    }

    void room(const Datum &form)
    {
        SourceRoom &room = mMap.room(child(form, 1).text, form.line);
        for (int n = 2; n < form.children.size(); ++n) {
            const Datum &property = child(form, n);
            if (property.kind != Datum::List || property.children.isEmpty() ||
                child(property, 0).kind != Datum::Atom)
                continue;
            const QString &name = child(property, 0).text;
            const bool stringValue =
                property.children.size() >= 2 && child(property, 1).kind == Datum::String;
            if (name == QLatin1String("DESC") && stringValue)
                room.name = child(property, 1).text;
            else if (name == QLatin1String("LDESC") && stringValue)
                room.text = child(property, 1).text;
            else if (zilSlot(name) >= 0)
                exit(room, property, zilSlot(name));
        }
    }

    /** "(NORTH TO X)", also with "IF …": an exit; "(NORTH PER R)" and messages are not read. */
    void exit(SourceRoom &room, const Datum &property, int slot)
    {
        if (isAtom(property, 1, "TO") && property.children.size() >= 3 &&
            child(property, 2).kind == Datum::Atom) {
            room.exits[slot] = child(property, 2).text;
            room.exitLines[slot] = property.line;
            return;
        }
        // "(IN ROOMS)": where the room is, not an exit.
        if (slot == In && property.children.size() == 2 && child(property, 1).kind == Datum::Atom)
            return;
        const QString what = isAtom(property, 1, "PER") ? QStringLiteral("una rutina")
                                                        : QStringLiteral("solo un mensaje");
        mMap.skip(
            property.line,
            QStringLiteral("la salida %1 de %2, que da %3").arg(exitName(slot), room.name, what));
    }

    /** The room "<SETG HERE ,X>" names in the GO routine. */
    void findStart(int index)
    {
        QVector<int> waiting{index};
        while (!waiting.isEmpty() && mMap.start.isEmpty()) {
            const Datum &datum = mData[waiting.takeLast()];
            if (datum.kind == Datum::Form && isAtom(datum, 0, "SETG") && isAtom(datum, 1, "HERE") &&
                datum.children.size() >= 3 && child(datum, 2).kind == Datum::Atom)
                mMap.start =
                    child(datum, 2).text.mid(child(datum, 2).text.startsWith(u',') ? 1 : 0);
            for (auto it = datum.children.rbegin(); it != datum.children.rend(); ++it)
                waiting.append(*it);
        }
    }

    const QVector<Datum> &mData;
    SourceMap &mMap;
};

} // namespace

SourceMap readZil(QStringView text)
{
    SourceMap map;
    ZilParser parsed(text, map);
    parsed.parse();
    const ZilReader reader(parsed, map);
    return map;
}

} // namespace rumbario
