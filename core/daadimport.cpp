// SPDX-License-Identifier: GPL-3.0-or-later
// The map of a DAAD or ngPAWS source: the location texts of /LTX and the connections of /CON,
// whose words are movements by their number in the vocabulary (/VOC, else the template's). What a
// number means is told by the words the game gives it: games differ on which of 12 and 13 is in.
// Doors and guarded ways are answers of the processes to a movement at a location ("NORTE _",
// "AT lSala", "GOTO lPasillo"): they are exits too.
#include "exportmap.h"
#include "sourcemap.h"

#include <QRegularExpression>

#include <algorithm>
#include <map>

namespace rumbario {

namespace {

/** Words are told apart by their first five letters, as the DAAD and PAWS parsers do. */
QString wordKey(QStringView word)
{
    return word.left(5).toString().toUpper();
}

/** The movement numbers of the templates: 2 north to 11 down, 12 in and 13 out. */
int slotOfWordNumber(int number)
{
    static const int slotOfWord[] = {North,     South,     East, West, NorthEast, NorthWest,
                                     SouthEast, SouthWest, Up,   Down, In,        Out};
    return number >= 2 && number <= 13 ? slotOfWord[number - 2] : -1;
}

/** The templates' own movement words, Spanish and English, by their first five letters. */
QHash<QString, int> templateWords()
{
    QHash<QString, int> words;
    const char *const byNumber[12][6] = {{"N", "NORTE", "NORTH"},
                                         {"S", "SUR", "SOUTH"},
                                         {"E", "ESTE", "EAST"},
                                         {"O", "OESTE", "W", "WEST"},
                                         {"NE", "NORESTE", "NORDESTE", "NORTHEAST"},
                                         {"NO", "NOROESTE", "NW", "NORTHWEST"},
                                         {"SE", "SURESTE", "SUDESTE", "SOUTHEAST"},
                                         {"SO", "SUROESTE", "SUDOESTE", "SW", "SOUTHWEST"},
                                         {"U", "SUBIR", "SUBE", "ARRIBA", "UP"},
                                         {"D", "BAJAR", "BAJA", "ABAJO", "DOWN"},
                                         {"ENTRAR", "ENTRA", "DENTRO", "ADENTRO", "IN"},
                                         {"SALIR", "SAL", "FUERA", "AFUERA", "OUT"}};
    for (int number = 0; number < 12; ++number) {
        for (const char *word : byNumber[number]) {
            if (word)
                words.insert(wordKey(QString::fromLatin1(word)), slotOfWordNumber(number + 2));
        }
    }
    return words;
}

/** One line of a source without its comment: what follows a ";" outside quotes. */
QStringView withoutComment(QStringView line)
{
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'"')
            quoted = !quoted;
        else if (line[i] == u';' && !quoted)
            return line.left(i).trimmed();
    }
    return line.trimmed();
}

/** The fields of a line, parted by blanks or tabs. */
QList<QStringView> fieldsOf(QStringView content)
{
    QList<QStringView> fields;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= content.size(); ++i) {
        const bool blank = i == content.size() || content[i] == u' ' || content[i] == u'\t';
        if (blank && start >= 0) {
            fields.append(content.mid(start, i - start));
            start = -1;
        } else if (!blank && start < 0) {
            start = i;
        }
    }
    return fields;
}

/** An entry of a process table that answers a movement at one location. */
struct MovementAnswer
{
    QString word;
    int location = -1;
    /** Where its GOTO leads, or -1. */
    int target = -1;
    int targetLine = 0;
};

struct Location
{
    QString text;
    int line = 0;
    QVector<QPair<QString, int>> connections;
    QVector<int> connectionLines;
};

class DaadReader
{
public:
    DaadReader(QStringView text, bool ngPaws)
        : mText(text)
        , mNgPaws(ngPaws)
    {}

    SourceMap read()
    {
        const QList<QStringView> lines = mText.split(u'\n');
        for (qsizetype i = 0; i < lines.size(); ++i)
            readLine(lines, i);
        return makeMap();
    }

private:
    void readLine(const QList<QStringView> &lines, qsizetype &i)
    {
        const int line = int(i + 1);
        const QStringView raw = lines[i].trimmed();
        if (raw.startsWith(QLatin1String("#define"))) {
            define(withoutComment(raw));
            return;
        }
        if (raw.startsWith(u'/') && raw.size() > 1 && raw[1].isLetter()) {
            mSection = raw.mid(1).left(3).toString().toUpper();
            return;
        }
        if (raw.startsWith(u'/') &&
            (mSection == QLatin1String("LTX") || mSection == QLatin1String("CON"))) {
            const QString entry = withoutComment(raw.mid(1)).toString();
            bool number = false;
            mCurrent = fieldsOf(entry).value(0).toInt(&number);
            if (!number) {
                mCurrent = -1;
                return;
            }
            Location &location = mLocations[mCurrent];
            if (location.line == 0)
                location.line = line;
            if (mSection == QLatin1String("LTX"))
                location.text =
                    textOf(entry.mid(fieldsOf(entry).value(0).size()).trimmed(), lines, i);
            return;
        }
        const QStringView content = withoutComment(raw);
        if (content.isEmpty())
            return;
        if (mSection == QLatin1String("PRO"))
            processLine(lines[i], content, line);
        else if (mSection == QLatin1String("VOC"))
            vocabulary(content);
        else if (mSection == QLatin1String("CON") && mCurrent >= 0)
            connection(content, line);
        else if (mSection == QLatin1String("LTX") && mCurrent >= 0 && mUnquotedText)
            continueText(mLocations[mCurrent].text, raw, lines, i);
    }

    /** A location's text: quoted after its number, perhaps over lines, or the lines after it. */
    QString textOf(const QString &rest, const QList<QStringView> &lines, qsizetype &i)
    {
        mUnquotedText = !rest.startsWith(u'"');
        if (mUnquotedText)
            return QString();
        QString text = rest.mid(1);
        while (!text.endsWith(u'"') && i + 1 < lines.size())
            text += u' ' + lines[++i].trimmed().toString();
        if (text.endsWith(u'"'))
            text.chop(1);
        else
            mNotRead << QStringLiteral("línea %1: un texto que no se cierra").arg(i + 1);
        return text;
    }

    /** A line of a text given after its number: quoted on its own line, or plain text. */
    void continueText(QString &text, QStringView raw, const QList<QStringView> &lines, qsizetype &i)
    {
        if (text.isEmpty() && raw.startsWith(u'"'))
            text = textOf(raw.toString(), lines, i);
        else
            text += u'\n' + raw.toString();
    }

    /** A word of the vocabulary that may be a movement: a noun or a verb, as movements are. */
    void vocabulary(QStringView content)
    {
        const QList<QStringView> fields = fieldsOf(content);
        bool number = false;
        const int value = fields.size() >= 2 ? fields[1].toInt(&number) : 0;
        static const char *const neverMovements[] = {"adj", "adv", "prep", "pron", "conj"};
        const bool movable =
            fields.size() < 3 ||
            std::none_of(std::begin(neverMovements), std::end(neverMovements),
                         [&](const char *type) {
                             return fields[2].startsWith(QLatin1String(type), Qt::CaseInsensitive);
                         });
        if (number && movable)
            mVocabulary.append({wordKey(fields[0]), value});
    }

    /**
     * The movement of each word: by what the game's words of its number mean where one of them
     * is a word of the templates ("ENTRA 13" makes 13 in), else by the templates' numbers.
     */
    QHash<QString, int> movementWords() const
    {
        QHash<QString, int> words = templateWords();
        std::map<int, int> slotOfNumber;
        for (const auto &[word, number] : mVocabulary) {
            const int slot = words.value(word, -1);
            if (slot >= 0)
                slotOfNumber.emplace(number, slot);
        }
        for (const auto &[word, number] : mVocabulary) {
            const auto known = slotOfNumber.find(number);
            const int slot = known != slotOfNumber.end() ? known->second : slotOfWordNumber(number);
            if (slot >= 0)
                words.insert(word, slot);
        }
        return words;
    }

    /** "#define loc lCampo 4", or DRC's "#define lCampo 4": a name a connection may lead to. */
    void define(QStringView content)
    {
        const QList<QStringView> fields = fieldsOf(content);
        bool number = false;
        const int value = fields.value(fields.size() - 1).toInt(&number);
        if (number && (fields.size() == 3 || fields.size() == 4))
            mNames.insert(fields[fields.size() - 2].toString(), value);
    }

    /** A location as a number or a name that #define gives: -1 for neither. */
    int locationNumber(QStringView field) const
    {
        bool number = false;
        const int value = field.toInt(&number);
        return number ? value : mNames.value(field.toString(), -1);
    }

    void connection(QStringView content, int line)
    {
        const QList<QStringView> fields = fieldsOf(content);
        for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
            const int target = locationNumber(fields[i + 1]);
            Location &location = mLocations[mCurrent];
            if (target >= 0) {
                location.connections.append({wordKey(fields[i]), target});
                location.connectionLines.append(line);
            } else {
                mNotRead << QStringLiteral("línea %1: %2").arg(line).arg(content);
            }
        }
    }

    /**
     * A line of a process table. An entry begins with its words, "> NORTE _" in DRC's sources or
     * at the line's start in the others; its condacts follow, on that line or indented below.
     * Entries one after another with no condact between them share the next ones.
     */
    void processLine(QStringView rawLine, QStringView content, int line)
    {
        QList<QStringView> fields = fieldsOf(content);
        const bool marked = content.startsWith(u'>');
        mMarkedEntries = mMarkedEntries || marked;
        const bool begins = marked || (!mMarkedEntries && !rawLine[0].isSpace());
        if (begins) {
            if (marked)
                fields[0] = fields[0].mid(1);
            fields.removeAll(QStringView());
            if (mEntryHasCondacts)
                mEntryWords.clear();
            mEntryHasCondacts = false;
            mEntryAnswers.clear();
            // "SUBIR ARBOL" climbs as "SUBIR _" does: the noun only says by what.
            mEntryWords.append(wordKey(fields.value(0)));
            fields = fields.mid(2);
        }
        for (qsizetype i = 0; i < fields.size(); ++i) {
            mEntryHasCondacts = true;
            const int value = i + 1 < fields.size() ? locationNumber(fields[i + 1]) : -1;
            const auto is = [&](QLatin1String condact) {
                return value >= 0 && fields[i].compare(condact, Qt::CaseInsensitive) == 0;
            };
            if (is(QLatin1String("AT")))
                answerMovements(value, -1, line);
            else if (is(QLatin1String("GOTO")))
                answerMovements(-1, value, line);
        }
    }

    /** The entry's movements are answered at a location, or lead to one where it answers them. */
    void answerMovements(int location, int target, int line)
    {
        if (location >= 0) {
            for (const QString &word : std::as_const(mEntryWords)) {
                mEntryAnswers.append(mAnswers.size());
                mAnswers.append({word, location});
            }
            return;
        }
        for (const qsizetype index : std::as_const(mEntryAnswers)) {
            if (mAnswers[index].target < 0) {
                mAnswers[index].target = target;
                mAnswers[index].targetLine = line;
            }
        }
    }

    /** A location's text as the game prints it: DRC's "#n" and ngPAWS's HTML as line ends. */
    QString printedText(QString text) const
    {
        text.replace(QLatin1String("#n"), QLatin1String("\n"));
        if (mNgPaws) {
            static const QRegularExpression lineEnd(QStringLiteral("<br\\s*/?>"),
                                                    QRegularExpression::CaseInsensitiveOption);
            static const QRegularExpression tag(QStringLiteral("<[^<>]*>"));
            text.replace(lineEnd, QStringLiteral("\n")).remove(tag);
        }
        return text;
    }

    QString locationKey(int number) const { return QString::number(number); }

    /**
     * Location 0 of a DAAD game is its title screen unless something leads in or out of it (a
     * connection the processes answer leads nowhere).
     */
    bool isTitleScreen(int number, const QHash<QString, int> &words,
                       const std::map<std::pair<int, int>, const MovementAnswer *> &answers) const
    {
        const auto zero = mLocations.find(0);
        if (mNgPaws || number != 0 || zero == mLocations.end() ||
            !zero->second.connections.isEmpty())
            return false;
        for (const auto &[other, location] : mLocations) {
            for (const auto &[word, target] : location.connections) {
                if (target == 0 && !answers.count({other, words.value(word, -1)}))
                    return false;
            }
        }
        return true;
    }

    /** Where the processes take each movement they answer, by location and exit: -1 nowhere. */
    std::map<std::pair<int, int>, const MovementAnswer *>
    answersBySlot(const QHash<QString, int> &words) const
    {
        std::map<std::pair<int, int>, const MovementAnswer *> answers;
        for (const MovementAnswer &answer : mAnswers) {
            const int slot = words.value(answer.word, -1);
            if (slot < 0)
                continue;
            const MovementAnswer *&kept = answers[{answer.location, slot}];
            if (!kept || (kept->target < 0 && answer.target >= 0))
                kept = &answer;
        }
        return answers;
    }

    SourceMap makeMap()
    {
        SourceMap map;
        map.notRead = mNotRead;
        const QHash<QString, int> words = movementWords();
        const auto answers = answersBySlot(words);
        for (const auto &[number, location] : mLocations) {
            if (isTitleScreen(number, words, answers))
                continue;
            SourceRoom &room = map.room(locationKey(number), location.line);
            room.text = plainText(printedText(location.text));
            room.name = roomName(room.text, qint16(map.rooms.size()));
            for (qsizetype i = 0; i < location.connections.size(); ++i) {
                const auto &[word, target] = location.connections[i];
                const int slot = words.value(word, -1);
                if (slot < 0)
                    map.skip(location.connectionLines[i],
                             QStringLiteral("la conexión %1 de la localidad %2, que no es una "
                                            "dirección")
                                 .arg(word)
                                 .arg(number));
                else if (target != 0 || !answers.count({number, slot})) {
                    room.exits[slot] = locationKey(target);
                    room.exitLines[slot] = location.connectionLines[i];
                } else if (answers.at({number, slot})->target < 0) {
                    map.skip(location.connectionLines[i],
                             QStringLiteral("la salida %1 de %2 lleva a 0 y la atienden los "
                                            "procesos del juego")
                                 .arg(exitName(slot), room.name));
                }
            }
            addAnsweredExits(room, number, answers);
        }
        return map;
    }

    /**
     * The exits the processes answer: where they lead the player, unless a connection leads
     * elsewhere. A connection to 0 that they answer only holds the place of their answer: games
     * write it where the way is a door or a death ("SUR 0" at a precipice).
     */
    void addAnsweredExits(SourceRoom &room, int number,
                          const std::map<std::pair<int, int>, const MovementAnswer *> &answers)
    {
        for (auto at = answers.lower_bound({number, 0});
             at != answers.end() && at->first.first == number; ++at) {
            const int slot = at->first.second;
            const MovementAnswer &answer = *at->second;
            if (answer.target >= 0 && room.exits[slot].isEmpty()) {
                room.exits[slot] = locationKey(answer.target);
                room.exitLines[slot] = answer.targetLine;
            }
        }
    }

    QStringView mText;
    bool mNgPaws;
    /** The numbers that #define gives names to, which connections may use for locations. */
    QHash<QString, int> mNames;
    /** The vocabulary's nouns and verbs by their first five letters, with their numbers. */
    QVector<QPair<QString, int>> mVocabulary;
    QString mSection;
    int mCurrent = -1;
    bool mUnquotedText = false;
    /** Whether the process tables mark their entries with ">", as DRC's sources do. */
    bool mMarkedEntries = false;
    /** The words of the process entry read, and whether a condact of it was read yet. */
    QStringList mEntryWords;
    bool mEntryHasCondacts = false;
    /** The movements the entry read answers, as indices of mAnswers. */
    QVector<qsizetype> mEntryAnswers;
    QVector<MovementAnswer> mAnswers;
    std::map<int, Location> mLocations;
    QStringList mNotRead;
};

} // namespace

SourceMap readDaad(QStringView text, bool ngPaws)
{
    return DaadReader(text, ngPaws).read();
}

} // namespace rumbario
