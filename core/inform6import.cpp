// SPDX-License-Identifier: GPL-3.0-or-later
// The map of an Inform 6 source: rooms are objects with exits, the objects exits lead to, and the
// start location; doors lead on to the room beyond them.
#include "codepage.h"
#include "sourcemap.h"

#include <QHash>
#include <QSet>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <string_view>

namespace rumbario {

namespace {

/** Whether a word is a lower-case keyword, whatever its case: Inform ignores case in words. */
bool sameWord(QStringView text, QLatin1String keyword)
{
    if (text.size() != keyword.size())
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const char16_t k = char16_t(keyword[i].unicode());
        if (c != k && !(c >= u'A' && c <= u'Z' && c + (u'a' - u'A') == k))
            return false;
    }
    return true;
}

/** A token of the source, a view into it: no token costs an allocation. */
struct Token
{
    enum Kind : char { Word, String, Symbol } kind;
    int line;
    /** As the source writes it; words are compared without their capitals, as Inform does. */
    QStringView text;

    /** Compares with a keyword written in the code, its length known without counting. */
    template<size_t size>
    bool is(const char (&what)[size]) const
    {
        return kind != String && sameWord(text, QLatin1String(what, size - 1));
    }
    /** A word as Inform tells words apart: in lower case. */
    QString key() const
    {
        // Inform's identifiers are ASCII: no need of Unicode's tables, which cost a fifth of
        // the reading of a large source.
        QString lower(text.size(), Qt::Uninitialized);
        QChar *out = lower.data();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            out[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c);
        }
        return lower;
    }
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
    // Most strings have nothing to turn: they are as the game prints them.
    const auto turned = [](QChar c) {
        return c == u'~' || c == u'^' || c == u'@' || c == u'\n';
    };
    if (std::none_of(raw.begin(), raw.end(), turned))
        return raw.trimmed().toString();
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

/**
 * The tokens of a source, read as the reader asks for them (a source is read once, and a table
 * of all its tokens would cost more than the reading): comments left out, a string that never
 * ends noted. Tokens are views into the source.
 */
class TokenStream
{
public:
    TokenStream(QStringView text, SourceMap &map)
        : mText(text)
        , mMap(map)
    {}

    bool atEnd()
    {
        if (mPending == 0)
            fill(1);
        return mPending == 0;
    }
    /** The token ahead of the current one by so many; an empty word past the end. */
    const Token &peek(size_t ahead = 0)
    {
        static const Token none{Token::Word, 0, QStringView()};
        Q_ASSERT(ahead < lookahead);
        // The token is most often read already: only where it is not is the source lexed further.
        if (ahead >= mPending)
            fill(ahead + 1);
        return ahead < mPending ? mAhead[(mFront + ahead) % lookahead] : none;
    }
    void advance()
    {
        if (mPending == 0)
            fill(1);
        if (mPending == 0)
            return;
        mPrevious = mAhead[mFront];
        mFront = (mFront + 1) % lookahead;
        --mPending;
    }
    /** The token before the current one. */
    const Token &previous() const { return mPrevious; }

private:
    Q_NEVER_INLINE void fill(size_t count)
    {
        while (mPending < count && lex()) {
        }
    }

    void push(const Token &token)
    {
        mAhead[(mFront + mPending) % lookahead] = token;
        ++mPending;
    }

    /** Reads the next token into the queue; false at the end of the source. */
    bool lex()
    {
        const QStringView text = mText;
        for (; mAt < text.size(); ++mAt) {
            const QChar c = text[mAt];
            if (c == u'\n') {
                ++mLine;
            } else if (c == u'!') {
                while (mAt + 1 < text.size() && text[mAt + 1] != u'\n')
                    ++mAt;
            } else if (c == u'"') {
                const qsizetype end = text.indexOf(u'"', mAt + 1);
                const qsizetype stop = end < 0 ? text.size() : end;
                push({Token::String, mLine, text.mid(mAt + 1, stop - mAt - 1)});
                if (end < 0)
                    mMap.skip(mLine, QStringLiteral("un texto que no se cierra"));
                mLine += int(text.mid(mAt, stop - mAt).count(u'\n'));
                mAt = stop + 1;
                return true;
            } else if (c == u'\'') {
                // A dictionary word or a character: nothing of the map.
                const qsizetype end = text.indexOf(u'\'', mAt + 1);
                mAt = end < 0 ? text.size() : end;
            } else if (isWordCharacter(c)) {
                qsizetype end = mAt;
                while (end < text.size() && isWordCharacter(text[end]))
                    ++end;
                push({Token::Word, mLine, text.mid(mAt, end - mAt)});
                mAt = end;
                return true;
            } else if (!c.isSpace()) {
                const qsizetype length =
                    c == u'-' && mAt + 1 < text.size() && text[mAt + 1] == u'>' ? 2 : 1;
                push({Token::Symbol, mLine, text.mid(mAt, length)});
                mAt += length;
                return true;
            }
        }
        return false;
    }

    static bool isWordCharacter(QChar c)
    {
        return c.isLetterOrNumber() || c == u'_' || c == u'$' || c == u'#';
    }

    QStringView mText;
    SourceMap &mMap;
    qsizetype mAt = 0;
    int mLine = 1;
    /**
     * The tokens lexed and not yet passed, mPending of them from mFront on, in a ring: the
     * reader looks at most a few tokens ahead, and a token it holds stays where it is.
     */
    static constexpr size_t lookahead = 8;
    std::array<Token, lookahead> mAhead{};
    size_t mFront = 0;
    size_t mPending = 0;
    Token mPrevious{Token::Symbol, 0, QStringView()};
};

const char *const exitProperties[exitCount] = {"n_to", "ne_to", "e_to", "se_to", "s_to",  "sw_to",
                                               "w_to", "nw_to", "u_to", "d_to",  "in_to", "out_to"};

/** The exit slot of a property's name, or -1. */
int exitSlotOf(QStringView name)
{
    // From "n_to" to "out_to", compared in lower case as bytes: this runs for every property of
    // every object.
    if (name.size() < 4 || name.size() > 6)
        return -1;
    char lower[6] = {};
    std::transform(name.begin(), name.end(), lower, lowerAsciiByte);
    const std::string_view written(lower, size_t(name.size()));
    for (int slot = 0; slot < exitCount; ++slot) {
        if (written == exitProperties[slot])
            return slot;
    }
    return -1;
}

/**
 * A piece of what a routine prints, in the source: a string as written (its blanks count where
 * it meets the next), or the name of a string constant.
 */
struct PrintedPiece
{
    QStringView text;
    bool constant = false;
};

/**
 * A property's value as read: an object, a routine's returned objects, or a string; and what it
 * prints, where it is a routine that prints (a description), or names a string constant.
 */
struct Value
{
    QVarLengthArray<QString, 1> objects;
    QString string;
    QVector<PrintedPiece> printed;
    bool routine = false;
    /** A routine that returns true at its end and never false: "print ...; rtrue;". */
    bool returnsOnlyTrue = false;
    int line = 0;
};

/** Whether a word is no object, as an exit or a routine's result: "0", "nothing", "false". */
bool isNothing(const QString &word)
{
    return word == QLatin1String("0") || word == QLatin1String("nothing") ||
           word == QLatin1String("false") || word == QLatin1String("rfalse");
}

/** What of a property's value is read as what it prints, and which of two texts a choice. */
enum class Printed { Nothing, FirstChoice, LastChoice };

struct Object
{
    QString key;
    QString identifier;
    /**
     * The name written after the identifier, and what the short_name property prints, which wins
     * where the game always shows it: a string, or a routine that returns true and never false.
     * Others print the name only in a state of the game ("Croquet Lawn (" after digging).
     */
    QString name;
    QVector<PrintedPiece> shortName;
    bool shortNameAlwaysShown = false;
    QVector<PrintedPiece> description;
    bool hasParent = false;
    bool roomClass = false;
    /** The classes the object belongs to, in the order the source gives them. */
    QStringList classes;
    /** The exits the object has, by slot. */
    QVector<QPair<int, Value>> exits;
    bool isDoor = false;
    /** Lit, as rooms mostly are and things without a parent seldom. */
    bool lit = false;
    /** Has an attribute only things have: a lit torch with no parent yet is no room. */
    bool thing = false;
    Value doorTo;
    int line = 0;
};

/** An exit a routine sets as the game goes on: "Dead_End.e_to = fire_escape;". */
struct ExitAssignment
{
    int slot;
    QString target;
    int line;
};

/** Reads the source's objects, its classes and its start, statement by statement. */
class Inform6Reader
{
public:
    Inform6Reader(QStringView text, SourceMap &map)
        : mMap(map)
        , mTokens(text, map)
        , mSourceSize(text.size())
    {}

    void read()
    {
        // A room takes some two hundred characters of source, the least a room can.
        objects.reserve(mSourceSize / 200);
        while (!atEnd())
            statement();
    }

    QVector<Object> objects;
    QString start;
    /** The strings of constants, "Constant HALL_DESC = "…";", by name, as the source writes them.
     */
    QHash<QString, QStringView> stringConstants;
    /** Exits routines set, by the object whose exit each is. */
    QHash<QString, QVector<ExitAssignment>> exitAssignments;
    /** What the routines of their own return, "return Hall;", by routine. */
    QHash<QString, QStringList> routineReturns;

private:
    bool atEnd() { return mTokens.atEnd(); }
    const Token &peek() { return mTokens.peek(); }
    void advance() { mTokens.advance(); }
    template<size_t size>
    bool peekIs(const char (&text)[size])
    {
        return !atEnd() && peek().is(text);
    }

    /** Moves past a statement's end, a ";" outside brackets. */
    void skipStatement()
    {
        int depth = 0;
        for (; !atEnd(); advance()) {
            const Token &token = peek();
            if (token.kind != Token::Symbol)
                continue;
            if (token.is("[") || token.is("("))
                ++depth;
            else if ((token.is("]") || token.is(")")) && depth > 0)
                --depth;
            else if (token.is(";") && depth == 0) {
                advance();
                return;
            }
        }
    }

    void statement()
    {
        const Token &first = peek();
        if (first.is("[")) {
            routine();
        } else if (first.kind == Token::Word && first.is("class")) {
            classDefinition();
        } else if (first.kind == Token::Word && first.is("constant")) {
            // PunyInform says where the game starts in a constant.
            if (mTokens.peek(1).is("initial_location_value") && start.isEmpty())
                start = mTokens.peek(3).key();
            const Token &value = mTokens.peek(mTokens.peek(2).is("=") ? 3 : 2);
            if (value.kind == Token::String)
                stringConstants.insert(mTokens.peek(1).key(), value.text);
            skipStatement();
        } else if (first.kind == Token::Word && first.is("include")) {
            advance();
            const QString file = atEnd() ? QString() : stringValue(peek().text);
            if (!atEnd() && peek().kind == Token::String && !isLibrary(file))
                mMap.skip(peek().line, QStringLiteral("el archivo incluido «%1»").arg(file));
            skipStatement();
        } else if (first.kind == Token::Word && first.is("object")) {
            object(QString());
        } else if (const QString word = first.kind == Token::Word ? first.key() : QString();
                   mClasses.contains(word) || roomClasses().contains(word)) {
            object(word);
        } else {
            skipStatement();
        }
    }

    static bool isLibrary(const QString &file)
    {
        static const QSet<QString> library = {
            QStringLiteral("parser"), QStringLiteral("verblib"), QStringLiteral("grammar"),
            QStringLiteral("spanishg"), QStringLiteral("spanish"), QStringLiteral("english"),
            QStringLiteral("infglk"), QStringLiteral("globals"), QStringLiteral("puny"),
            QStringLiteral("stdlib"), QStringLiteral("infsp"), QStringLiteral("infspr"),
            // The library's own parts, and the name the compiler gives the language's file.
            QStringLiteral("parserm"), QStringLiteral("verblibm"), QStringLiteral("linklpa"),
            QStringLiteral("infix"), QStringLiteral("language__")};
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

    /** Attributes of things the player carries, wears, opens or talks to; never of rooms. */
    static const QSet<QString> &thingAttributes()
    {
        static const QSet<QString> attributes = {
            QStringLiteral("container"), QStringLiteral("supporter"), QStringLiteral("switchable"),
            QStringLiteral("clothing"),  QStringLiteral("edible"),    QStringLiteral("animate"),
            QStringLiteral("talkable"),  QStringLiteral("openable"),  QStringLiteral("lockable")};
        return attributes;
    }

    /** A routine: the start is where Initialise puts the player. */
    void routine()
    {
        advance();
        const bool initialise = peekIs("initialise");
        const QString name = !atEnd() && peek().kind == Token::Word ? peek().key() : QString();
        int depth = 1;
        for (; !atEnd() && depth > 0; advance()) {
            const Token &token = peek();
            if (token.is("["))
                ++depth;
            else if (token.is("]"))
                --depth;
            else if (token.kind == Token::Word && returned())
                routineReturns[name].append(token.key());
            else if (token.kind == Token::Word)
                noteWord(token, initialise);
        }
        skipStatement();
    }

    void noteWord(const Token &token, bool initialise)
    {
        if (initialise && start.isEmpty())
            noteStart(token);
        noteExitAssignment(token, QString());
    }

    /**
     * An exit set by the statement the current token starts, "Dead_End.e_to = fire_escape;"; self
     * is the object whose routine it is, none for a routine of its own.
     */
    void noteExitAssignment(const Token &token, const QString &self)
    {
        if (!mTokens.peek(1).is("."))
            return;
        const Token &property = mTokens.peek(2);
        const int slot = property.kind == Token::Word ? exitSlotOf(property.text) : -1;
        // "==" reads as two "=": a comparison sets an exit to "=", which is no room.
        const Token &target = mTokens.peek(4);
        if (slot < 0 || !mTokens.peek(3).is("="))
            return;
        const QString object = token.is("self") ? self : token.key();
        if (!object.isEmpty())
            exitAssignments[object].append({slot, target.key(), token.line});
    }

    /** "location = Hall" or "PlayerTo(Hall", the current token first. */
    void noteStart(const Token &token)
    {
        if ((token.is("location") && mTokens.peek(1).is("=")) ||
            (token.is("playerto") && mTokens.peek(1).is("(")))
            start = mTokens.peek(2).key();
    }

    /**
     * A class: what its objects inherit (a name, a description, exits, light, being a room or a
     * door), as the maze rooms and dead ends of the classic games get theirs.
     */
    void classDefinition()
    {
        advance();
        if (atEnd() || peek().kind != Token::Word)
            return skipStatement();
        Object definition;
        definition.key = peek().key();
        advance();
        // What comes before "with" or "has", as the number of instances a class may create at
        // run time ("Class Coin(20)"), is passed over.
        segments(definition);
        inherit(definition);
        mClasses.insert(definition.key, std::move(definition));
    }

    /** What an object takes from its classes where it gives nothing of its own. */
    void inherit(Object &object) const
    {
        for (const QString &name : std::as_const(object.classes)) {
            const auto definition = mClasses.constFind(name);
            if (definition == mClasses.constEnd())
                continue;
            if (object.shortName.isEmpty()) {
                object.shortName = definition->shortName;
                object.shortNameAlwaysShown = definition->shortNameAlwaysShown;
            }
            if (object.description.isEmpty())
                object.description = definition->description;
            object.lit = object.lit || definition->lit;
            object.roomClass = object.roomClass || definition->roomClass;
            if (!object.isDoor && definition->isDoor) {
                object.isDoor = true;
                object.doorTo = definition->doorTo;
            }
            for (const auto &exit : definition->exits) {
                const bool own =
                    std::any_of(object.exits.begin(), object.exits.end(),
                                [&](const auto &given) { return given.first == exit.first; });
                if (!own)
                    object.exits.append(exit);
            }
        }
    }

    /** An object, "Object X …", or one of a class, "ClassName X …": `objectClass` names it. */
    void object(const QString &objectClass)
    {
        Object object;
        object.roomClass = roomClasses().contains(objectClass);
        object.line = peek().line;
        if (!objectClass.isEmpty())
            object.classes.append(objectClass);
        advance();
        while (peekIs("->")) {
            object.hasParent = true;
            advance();
        }
        if (!atEnd() && peek().kind == Token::Word && !isSegment()) {
            object.key = peek().key();
            object.identifier = peek().text.toString();
            advance();
        }
        if (!atEnd() && peek().kind == Token::String) {
            object.name = stringValue(peek().text);
            advance();
        }
        if (!atEnd() && peek().kind == Token::Word && !isSegment()) {
            object.hasParent = true;
            advance();
        }
        segments(object);
        inherit(object);
        if (!object.key.isEmpty())
            objects.append(std::move(object));
    }

    bool isSegment()
    {
        // Asked of every token of an object: the token is looked up once.
        const Token &token = peek();
        return token.is("with") || token.is("has") || token.is("class") || token.is("private");
    }

    /** The "with", "has", "class" and "private" parts, up to the object's ";". */
    void segments(Object &object)
    {
        bool properties = false;
        bool attributes = false;
        while (!atEnd()) {
            if (peekIs(";")) {
                advance();
                return;
            }
            if (isSegment()) {
                properties = peekIs("with") || peekIs("private");
                attributes = peekIs("has");
                if (peekIs("class"))
                    classList(object);
                else
                    advance();
                continue;
            }
            if (properties && peek().kind == Token::Word) {
                property(object);
                continue;
            }
            if (attributes && peekIs("light"))
                object.lit = true;
            else if (attributes && peek().kind == Token::Word)
                object.thing = object.thing || thingAttributes().contains(peek().key());
            advance();
        }
    }

    void classList(Object &object)
    {
        for (advance(); !atEnd() && peek().kind == Token::Word && !isSegment(); advance()) {
            object.roomClass = object.roomClass || roomClasses().contains(peek().key());
            object.classes.append(peek().key());
        }
    }

    /** One property: its name, then its value up to a "," or the next part. */
    void property(Object &object)
    {
        const QStringView name = peek().text;
        const int line = peek().line;
        advance();
        const bool description = sameWord(name, QLatin1String("description"));
        const bool shortName = sameWord(name, QLatin1String("short_name"));
        Value value = valueUntilEnd(object.key, description ? Printed::FirstChoice
                                                : shortName ? Printed::LastChoice
                                                            : Printed::Nothing);
        value.line = line;
        const int slot = exitSlotOf(name);
        if (slot >= 0)
            object.exits.append({slot, std::move(value)});
        else if (shortName && !value.printed.isEmpty()) {
            object.shortName = std::move(value.printed);
            object.shortNameAlwaysShown = !value.routine || value.returnsOnlyTrue;
        } else if (description && !value.printed.isEmpty())
            object.description = std::move(value.printed);
        else if (sameWord(name, QLatin1String("door_to"))) {
            object.isDoor = true;
            object.doorTo = value;
        }
    }

    /**
     * A value of an object's; with what it prints where it is a text, as a description is. Exits
     * its routines set are noted.
     */
    Value valueUntilEnd(const QString &self, Printed reading)
    {
        Value value;
        const bool text = reading != Printed::Nothing;
        PrintedText printed;
        printed.lastChoice = reading == Printed::LastChoice;
        bool returnsFalse = false;
        bool endsReturningTrue = false;
        int depth = 0;
        for (; !atEnd(); advance()) {
            const Token &token = peek();
            if (depth == 0 && (peekIs(",") || peekIs(";") || isSegment()))
                break;
            if (text && depth == 0 && token.kind == Token::Word)
                printed.pieces.append({token.text, true});
            else if (text)
                printed.read(token, mTokens.previous());
            if (depth > 0 && !token.is(";") && !token.is("]")) {
                const bool returning = token.is("rtrue") || token.is("rfalse") || returned();
                returnsFalse = returnsFalse || (returning && isNothing(token.key()));
                endsReturningTrue = returning && !isNothing(token.key());
            }
            if (token.is("[")) {
                value.routine = true;
                ++depth;
            } else if (token.is("]")) {
                --depth;
            } else if (token.kind == Token::String && value.string.isEmpty() && !text) {
                value.string = stringValue(token.text);
            } else if (token.kind == Token::Word && (depth == 0 || returned())) {
                const QString object = token.key();
                if (!value.objects.contains(object))
                    value.objects.append(object);
            } else if (token.kind == Token::Word) {
                noteExitAssignment(token, self);
            }
        }
        if (peekIs(","))
            advance();
        value.printed = std::move(printed.pieces);
        value.returnsOnlyTrue = endsReturningTrue && !returnsFalse;
        return value;
    }

    /**
     * What a routine prints first, token by token: its print statements, strings and string
     * constants ("print (string) HALL_DESC;"), up to the first string that prints and returns
     * on its own, a print_ret, or the "else" of a text chosen. Where the last choice is read,
     * an "else" starts the text again instead: a name most often shows the game's start there
     * ("if (lit) print "Reflection"; else print "Contraption Room"; rtrue;").
     */
    struct PrintedText
    {
        bool lastChoice = false;
        QVector<PrintedPiece> pieces;
        bool inPrint = false;
        bool returns = false;
        bool stringRule = false;
        bool done = false;

        void read(const Token &token, const Token &previous)
        {
            if (done)
                return;
            if (token.kind == Token::String) {
                pieces.append({token.text});
                done = !inPrint;
            } else if (token.is("print") || token.is("print_ret")) {
                inPrint = true;
                returns = token.is("print_ret");
            } else if (token.is(";")) {
                done = inPrint && returns;
                inPrint = false;
            } else if (token.is("else") && lastChoice) {
                pieces.clear();
            } else if (token.is("else")) {
                // Of two texts a condition chooses between, the first.
                done = !pieces.isEmpty();
            } else if (inPrint && token.is("string") && previous.is("(")) {
                stringRule = true;
            } else if (token.kind == Token::Word && std::exchange(stringRule, false)) {
                pieces.append({token.text, true});
            }
        }
    };

    /** Whether a word of a routine is what it returns: "return Hall;". */
    bool returned() const { return mTokens.previous().is("return"); }

    SourceMap &mMap;
    TokenStream mTokens;
    qsizetype mSourceSize;
    QHash<QString, Object> mClasses;
};

/** Turns the objects read into rooms: doors lead on, routines count when they give one room. */
class RoomMaker
{
public:
    RoomMaker(const Inform6Reader &reader, SourceMap &map)
        : mObjects(reader.objects)
        , mStringConstants(reader.stringConstants)
        , mExitAssignments(reader.exitAssignments)
        , mRoutineReturns(reader.routineReturns)
        , mMap(map)
        , mIsRoom(mObjects.size(), false)
    {
        mIndex.reserve(mObjects.size());
        for (qsizetype i = 0; i < mObjects.size(); ++i)
            mIndex.insert(mObjects[i].key, i);
    }

    void make(const QString &start)
    {
        for (qsizetype i = 0; i < mObjects.size(); ++i) {
            const Object &object = mObjects[i];
            if (isRoomShaped(object) || object.key == start)
                mIsRoom[i] = true;
            for (const auto &[slot, exit] : object.exits) {
                const Object *target = exit.routine || exit.objects.size() != 1
                                           ? nullptr
                                           : objectNamed(exit.objects.first());
                if (target && !target->isDoor)
                    mIsRoom[target - mObjects.constData()] = true;
            }
        }
        mMap.rooms.reserve(mIsRoom.count(true));
        for (qsizetype i = 0; i < mObjects.size(); ++i) {
            if (mIsRoom[i])
                addRoom(mObjects[i]);
        }
        if (isRoom(start))
            mMap.start = start;
    }

private:
    const Object *objectNamed(const QString &key) const
    {
        const qsizetype i = mIndex.value(key, -1);
        return i < 0 ? nullptr : &mObjects[i];
    }

    bool isRoom(const QString &key) const
    {
        const qsizetype i = mIndex.value(key, -1);
        return i >= 0 && mIsRoom[i];
    }

    static bool isRoomShaped(const Object &object)
    {
        if (object.hasParent || object.isDoor)
            return false;
        return object.roomClass || (object.lit && !object.thing) ||
               std::any_of(object.exits.begin(), object.exits.end(),
                           [](const auto &exit) { return !exit.second.objects.isEmpty(); });
    }

    void addRoom(const Object &object)
    {
        SourceRoom &room = mMap.room(object.key, object.line);
        const bool shortNameShown =
            !object.shortName.isEmpty() && (object.shortNameAlwaysShown || object.name.isEmpty());
        room.name = shortNameShown           ? printedText(object.shortName)
                    : !object.name.isEmpty() ? object.name
                                             : object.identifier;
        room.text = printedText(object.description);
        for (const auto &[slot, exit] : object.exits) {
            if (exit.objects.isEmpty()) {
                // A message is no way; a routine that names no room may take the player anywhere.
                if (exit.routine)
                    mMap.skip(exit.line,
                              QStringLiteral("la salida %1 de %2, una rutina que no devuelve "
                                             "ninguna sala")
                                  .arg(exitName(slot), room.name));
                continue;
            }
            const QString target = leadsTo(object.key, exit);
            if (!target.isEmpty()) {
                room.exits[slot] = target;
                room.exitLines[slot] = exit.line;
            } else if (!(exit.objects.size() == 1 && isNothing(exit.objects[0]))) {
                mMap.skip(exit.line, QStringLiteral("la salida %1 de %2, que no lleva a una sola "
                                                    "sala")
                                         .arg(exitName(slot), room.name));
            }
        }
        addAssignedExits(object, room);
    }

    /**
     * The exits the game's routines open where the room has none, or "nothing", or a message
     * for a way still shut: a fire escape let down, a hatch found. The first one set is taken.
     */
    void addAssignedExits(const Object &object, SourceRoom &room) const
    {
        const auto assigned = mExitAssignments.constFind(object.key);
        if (assigned == mExitAssignments.cend())
            return;
        for (const ExitAssignment &exit : *assigned) {
            const bool routine =
                std::any_of(object.exits.begin(), object.exits.end(), [&exit](const auto &given) {
                    return given.first == exit.slot && given.second.routine;
                });
            if (!room.exits[exit.slot].isEmpty() || routine)
                continue;
            Value value;
            value.objects = {exit.target};
            room.exits[exit.slot] = leadsTo(object.key, value);
            room.exitLines[exit.slot] = exit.line;
        }
    }

    /** A text as the game prints it, its string constants' strings in their place. */
    QString printedText(const QVector<PrintedPiece> &pieces) const
    {
        // Most descriptions are one string: that needs no joining.
        if (pieces.size() == 1 && !pieces.first().constant)
            return stringValue(pieces.first().text);
        QString printed;
        for (const PrintedPiece &piece : pieces)
            printed += piece.constant ? mStringConstants.value(piece.text.toString().toLower())
                                      : piece.text;
        return stringValue(printed);
    }

    /** The one room an exit's value gives from a room, through a door if it is one. */
    QString leadsTo(const QString &from, const Value &exit) const
    {
        // Most exits name one room: that needs no list.
        if (exit.objects.size() == 1 && isRoom(exit.objects.first()))
            return exit.objects.first();
        QStringList targets;
        const auto add = [&](const QString &object) {
            const Object *door = objectNamed(object);
            if (door && door->isDoor) {
                const QString beyond = oneRoom(from, door->doorTo);
                if (!beyond.isEmpty())
                    targets << beyond;
            } else if (isRoom(object)) {
                targets << object;
            }
        };
        for (const QString &object : exit.objects) {
            // A routine of its own named as the exit, "u_to StairsUp", leads where it returns.
            const auto routine = mRoutineReturns.constFind(object);
            if (routine == mRoutineReturns.cend())
                add(object);
            else
                std::for_each(routine->begin(), routine->end(), add);
        }
        targets.removeDuplicates();
        return targets.size() == 1 ? targets.first() : QString();
    }

    /** The room a value gives from a room: the only one, or the other of two (a door's sides). */
    QString oneRoom(const QString &from, const Value &value) const
    {
        QStringList found;
        for (const QString &object : value.objects) {
            if (isRoom(object) && !found.contains(object))
                found << object;
        }
        if (found.size() == 2 && found.contains(from))
            found.removeOne(from);
        return found.size() == 1 ? found.first() : QString();
    }

    const QVector<Object> &mObjects;
    const QHash<QString, QStringView> &mStringConstants;
    const QHash<QString, QVector<ExitAssignment>> &mExitAssignments;
    const QHash<QString, QStringList> &mRoutineReturns;
    SourceMap &mMap;
    QHash<QString, qsizetype> mIndex;
    QVector<bool> mIsRoom;
};

} // namespace

SourceMap readInform6(QStringView text)
{
    SourceMap map;
    Inform6Reader reader(text, map);
    reader.read();
    RoomMaker(reader, map).make(reader.start);
    return map;
}

} // namespace rumbario
