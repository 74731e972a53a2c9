// SPDX-License-Identifier: GPL-3.0-or-later
#include "transcript.h"

#include "codepage.h"
#include "directions.h"

#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <QStringMatcher>
#include <QVarLengthArray>

#include <algorithm>
#include <string_view>
#include <utility>

namespace rumbario {

namespace {

/** Longest line taken for a room's heading: longer ones are prose. */
constexpr int headingLength = 60;

/** Lower case without accents or surrounding punctuation: "¡Ve al Norte!" → "ve al norte". */
QString normalized(QStringView text)
{
    // Accents are taken apart from their letters, and dropped; plain ASCII has none.
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
    const QString decomposed =
        ascii ? QString() : text.toString().normalized(QString::NormalizationForm_D);
    const QStringView letters = ascii ? text : QStringView(decomposed);
    QString plain;
    plain.reserve(letters.size());
    // Whatever is no letter nor digit parts words, by one blank: this runs for every turn.
    bool parted = false;
    for (QChar c : letters) {
        if (!ascii && c.category() == QChar::Mark_NonSpacing)
            continue;
        if (!c.isLetterOrNumber()) {
            parted = true;
            continue;
        }
        if (std::exchange(parted, false) && !plain.isEmpty())
            plain += u' ';
        plain += c.toLower();
    }
    return plain;
}

const QHash<QString, int> &movementWords()
{
    static const QHash<QString, int> words = [] {
        QHash<QString, int> table;
        const auto add = [&table](int slot, std::initializer_list<const char *> spellings) {
            for (const char *spelling : spellings)
                table.insert(QString::fromLatin1(spelling), slot);
        };
        add(North, {"n", "norte", "north"});
        add(South, {"s", "sur", "south"});
        add(East, {"e", "este", "east"});
        add(West, {"o", "w", "oeste", "west"});
        add(NorthEast, {"ne", "nordeste", "noreste", "northeast"});
        add(NorthWest, {"no", "nw", "noroeste", "northwest"});
        add(SouthEast, {"se", "sudeste", "sureste", "southeast"});
        add(SouthWest, {"so", "sw", "sudoeste", "suroeste", "southwest"});
        add(Up, {"u", "up", "arriba", "sube", "subir", "ascend"});
        add(Down, {"d", "down", "abajo", "baja", "bajar", "descend"});
        add(In, {"in", "inside", "enter", "entra", "entrar", "dentro", "adentro"});
        add(Out, {"out", "outside", "exit", "sal", "salir", "fuera", "afuera"});
        return table;
    }();
    return words;
}

/** Words before a direction that only say "go": "ir al", "ve hacia el", "go to the". */
QString withoutGo(QString command)
{
    // Every lead ends in a blank: a word alone has none, as most moves are.
    if (!command.contains(u' '))
        return command;
    static const QStringList leads = {
        QStringLiteral("ve hacia el "), QStringLiteral("ve hacia "),
        QStringLiteral("ir hacia el "), QStringLiteral("ir hacia "),
        QStringLiteral("vete al "),     QStringLiteral("vete hacia el "),
        QStringLiteral("camina al "),   QStringLiteral("ve al "),
        QStringLiteral("ve a "),        QStringLiteral("ir al "),
        QStringLiteral("ir a "),        QStringLiteral("ve "),
        QStringLiteral("ir "),          QStringLiteral("go to the "),
        QStringLiteral("go "),          QStringLiteral("walk "),
        QStringLiteral("hacia el "),    QStringLiteral("al "),
    };
    for (const QString &lead : leads) {
        if (command.startsWith(lead))
            return command.mid(lead.size());
    }
    return command;
}

bool endsSentence(QChar c)
{
    return c == u'.' || c == u'!' || c == u'?' || c == u':' || c == u']' || c == u')' ||
           c == u'"' || c == u'»' || c == u'…';
}

QString firstSentenceOf(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (endsSentence(text.at(i)) && (i + 1 == text.size() || text.at(i + 1).isSpace()))
            return text.left(i + 1);
    }
    return text;
}

/**
 * Visits the lines of an answer's paragraphs, without the blanks around them: visit(start, line,
 * opens) with where the line starts in the answer and whether it opens a paragraph. A notice of
 * a line in brackets ("[Turno anterior deshecho.]", "[Your score has gone up.]") is left out: it
 * tells nothing of the room, even printed under its heading.
 */
template<typename Visit>
void forEachParagraphLine(QStringView answer, Visit visit)
{
    bool blankBefore = true;
    // Line by line without a list of them: this runs for every answer.
    for (qsizetype start = 0; start <= answer.size();) {
        const qsizetype lineStart = start;
        const qsizetype end = answer.indexOf(u'\n', start);
        start = end < 0 ? answer.size() + 1 : end + 1;
        const QStringView trimmed = answer.mid(lineStart, start - 1 - lineStart).trimmed();
        if (trimmed.isEmpty()) {
            blankBefore = true;
            continue;
        }
        if (trimmed.startsWith(u'[') && trimmed.endsWith(u']'))
            continue;
        visit(lineStart, trimmed, std::exchange(blankBefore, false));
    }
}

/** The paragraphs of an answer, each as its lines. */
QVector<QStringList> paragraphs(QStringView answer)
{
    QVector<QStringList> blocks;
    forEachParagraphLine(answer, [&blocks](qsizetype, QStringView line, bool opens) {
        if (opens)
            blocks.append(QStringList());
        blocks.last() << line.toString();
    });
    return blocks;
}

/** A paragraph of an answer: its lines, and where it starts. */
struct Paragraph
{
    qsizetype start = 0;
    QStringList lines;
};

QVector<Paragraph> placedParagraphs(QStringView answer)
{
    QVector<Paragraph> blocks;
    forEachParagraphLine(answer, [&blocks](qsizetype start, QStringView line, bool opens) {
        if (opens)
            blocks.append({start, QStringList()});
        blocks.last().lines << line.toString();
    });
    return blocks;
}

/** Lines that interpreters and games print about the transcript or the game, never a room. */
bool isHeaderLine(const QString &line)
{
    static constexpr std::string_view marks[] = {
        "transcript",           "transcripci", "serial number",           "inform v",
        "standard interpreter", "rprete est",  "please enter a filename",
    };
    static constexpr std::string_view starts[] = {"release ", "revision ", "copyright"};
    if (line.startsWith(u'['))
        return true;
    // The marks are plain ASCII: the line in ASCII lower case is searched as bytes, which is
    // quick, as this runs for every line of every answer.
    QVarLengthArray<char, 256> lower(line.size());
    std::transform(line.begin(), line.end(), lower.begin(), lowerAsciiByte);
    const std::string_view text(lower.data(), size_t(lower.size()));
    return std::any_of(std::begin(marks), std::end(marks),
                       [text](std::string_view mark) {
                           return text.find(mark) != std::string_view::npos;
                       }) ||
           std::any_of(std::begin(starts), std::end(starts), [text](std::string_view start) {
               return text.substr(0, start.size()) == start;
           });
}

/** A paragraph the interpreter or the game's banner printed: no room's. */
bool isHeaderParagraph(const QStringList &lines)
{
    return std::any_of(lines.begin(), lines.end(), isHeaderLine);
}

/**
 * A heading without where the player is in the room, which Inform adds while the player sits or
 * rides in something: "Calle (en el coche)", "Street (in the car)".
 */
QString headingWithoutPlace(const QString &line)
{
    const qsizetype opening = line.lastIndexOf(QLatin1String(" ("));
    return opening > 0 && line.endsWith(u')') ? line.left(opening) : line;
}

/**
 * A room's heading: a short line of its own that starts with a capital or a digit and ends in
 * no full stop, and that the next line does not continue in lower case, as a wrapped sentence
 * would.
 */
bool isHeading(const QStringList &lines)
{
    const QString first = headingWithoutPlace(lines.first());
    if (first.size() > headingLength || endsSentence(first.back()) || first.back() == u',' ||
        !(first.front().isUpper() || first.front().isDigit()))
        return false;
    return lines.size() == 1 || !lines.at(1).front().isLower();
}

/**
 * A room named with a sentence, "Estás en una cueva oscura.", in a game with headings: a short
 * line of one sentence, refusing nothing, that opens the answer after a blank line, as Inform
 * prints a room's name (a message starts on the line after the command).
 */
bool isSentenceHeading(QStringView answer, const QStringList &block)
{
    const QString &first = block.first();
    return answer.left(answer.indexOf(u'\n')).trimmed().isEmpty() &&
           first.size() <= headingLength && first.back() == u'.' &&
           firstSentenceOf(first) == first && !refusesMove(first);
}

/**
 * A sentence names the compass point the player tried: "to the north" after "n". Up, down, in
 * and out are left out: "inside" and "below" name rooms as often as ways.
 */
bool mentionsDirection(const QString &sentence, int slot)
{
    if (slot >= Up)
        return false;
    const QStringList words = normalized(sentence).split(u' ', Qt::SkipEmptyParts);
    return std::any_of(words.begin(), words.end(), [slot](const QString &word) {
        return word.size() > 2 && movementWords().value(word, -1) == slot;
    });
}

/** The headings games print for a place in darkness. */
bool isDarknessHeading(const QString &heading)
{
    static const QStringList headings = {
        QStringLiteral("oscuridad"),       QStringLiteral("a oscuras"),
        QStringLiteral("en la oscuridad"), QStringLiteral("darkness"),
        QStringLiteral("in the dark"),
    };
    // Compared as printed, capitals aside: this runs for every heading.
    return heading.size() <= 15 && headings.contains(heading, Qt::CaseInsensitive);
}

/**
 * Words that show darkness, in games that print no heading for it ("It is pitch black. You are
 * likely to be eaten by a grue.") or none at all ("Está muy oscuro.").
 */
bool tellsDarkness(const QString &text, bool headed)
{
    static const QStringList pitch = {QStringLiteral("pitch black"), QStringLiteral("pitch dark")};
    static const QStringList words = {
        QStringLiteral("pitch black"),      QStringLiteral("pitch dark"),
        QStringLiteral("muy oscuro"),       QStringLiteral("esta oscuro"),
        QStringLiteral("demasiado oscuro"), QStringLiteral("too dark"),
    };
    // Most answers hold none of these stems, and are not normalized: this runs for every turn.
    static const QStringMatcher pitchStem(u"pitch", Qt::CaseInsensitive);
    static const QStringMatcher darkStem(u"dark", Qt::CaseInsensitive);
    static const QStringMatcher oscurStem(u"oscur", Qt::CaseInsensitive);
    const auto holds = [&text](const QStringMatcher &stem) {
        return stem.indexIn(text) >= 0;
    };
    if (!holds(pitchStem) && (headed || (!holds(oscurStem) && !holds(darkStem))))
        return false;
    const QString plain = normalized(text);
    const QStringList &telling = headed ? pitch : words;
    return std::any_of(telling.begin(), telling.end(),
                       [&plain](const QString &word) { return plain.contains(word); });
}

RoomSighting sightingOf(const QStringList &lines, bool headed)
{
    RoomSighting sighting;
    if (headed) {
        sighting.heading = headingWithoutPlace(lines.first());
        sighting.dark = isDarknessHeading(sighting.heading);
        if (lines.size() == 1) {
            // A heading alone, as brief mode prints a room seen before.
            sighting.description = sighting.heading;
            return sighting;
        }
    }
    // A description wrapped over several lines is one text; most are one line.
    const QStringList textLines = headed ? lines.mid(1) : lines;
    sighting.text = textLines.size() == 1 ? textLines.first() : textLines.join(u' ');
    sighting.firstSentence = firstSentenceOf(sighting.text);
    // A heading that is a sentence of its own takes no second full stop.
    const QLatin1String joint = sighting.heading.isEmpty()              ? QLatin1String()
                                : endsSentence(sighting.heading.back()) ? QLatin1String(" ")
                                                                        : QLatin1String(". ");
    sighting.description.reserve(sighting.heading.size() + joint.size() + sighting.text.size());
    sighting.description.append(sighting.heading).append(joint).append(sighting.text);
    return sighting;
}

RoomSighting darkSighting(const QStringList &lines)
{
    RoomSighting sighting = sightingOf(lines, false);
    sighting.dark = true;
    return sighting;
}

/** The paragraphs an answer shows of the game, without headers and banners. */
QVector<QStringList> gameParagraphs(QStringView answer)
{
    QVector<QStringList> blocks = paragraphs(answer);
    blocks.erase(std::remove_if(blocks.begin(), blocks.end(), isHeaderParagraph), blocks.end());
    return blocks;
}

/** A paragraph that shows a room by its heading, not a header that looks like one. */
bool showsHeading(const QStringList &block)
{
    return isHeading(block) && !isHeaderParagraph(block);
}

/**
 * An answer's last line with text, and the text before it, with the blank line that may part
 * them.
 */
std::pair<QStringView, QStringView> closingLine(const QString &answer)
{
    const QStringView text = QStringView(answer).trimmed();
    const qsizetype cut = text.lastIndexOf(u'\n');
    return {text.mid(cut + 1).trimmed(), cut < 0 ? QStringView() : text.left(cut)};
}

/**
 * A short question alone on the line that closes an answer: how DAAD and PAWS games ask for the
 * next command, one of their template's questions at random or the author's own ("¿Qué hago
 * ahora?", "What now?", "¿Y ahora qué?"), or a game's question back to a command it did not take
 * whole ("¿En qué?", "What do you want to enter?"). Neither shows a room; a room's text rarely
 * ends so, and loses only its last question if it does.
 */
bool isQuestionAlone(QStringView line)
{
    if (line.size() > 40 || !line.endsWith(u'?'))
        return false;
    const QStringView before = line.chopped(1);
    return std::none_of(before.begin(), before.end(),
                        [](QChar c) { return c == u'.' || c == u'!' || c == u'?'; });
}

/** The prompt of ngPAWS's Spanish template, the one that is no question. */
bool isOrderPrompt(QStringView line)
{
    static const QString order = normalized(QStringLiteral("Teclea tus órdenes"));
    return line.size() <= 20 && line.startsWith(QLatin1String("Teclea")) &&
           normalized(line) == order;
}

/** A game's prompt is no part of its answer: it would end every room's description. */
void setPromptApart(TranscriptTurn &turn)
{
    const auto [line, before] = closingLine(turn.answer);
    if (!isQuestionAlone(line) && !isOrderPrompt(line))
        return;
    turn.prompt = line.toString();
    turn.answer = before.trimmed().isEmpty() ? QString() : before.toString() + u'\n';
}

} // namespace

QStringList sentencesOf(const QString &text)
{
    const QString simple = text.simplified();
    QStringList sentences;
    qsizetype start = 0;
    for (qsizetype i = 0; i < simple.size(); ++i) {
        if (endsSentence(simple.at(i)) && (i + 1 == simple.size() || simple.at(i + 1) == u' ')) {
            sentences.append(simple.mid(start, i + 1 - start));
            start = i + 2;
        }
    }
    if (start < simple.size())
        sentences.append(simple.mid(start));
    return sentences;
}

QString transcriptText(QByteArrayView bytes)
{
    if (!bytes.contains('\r'))
        return decodedText(bytes, textCode(bytes));
    QByteArray lines = bytes.toByteArray();
    endLinesAtLoneReturns(lines);
    return decodedText(lines, textCode(lines));
}

void endLinesAtLoneReturns(QByteArray &bytes)
{
    for (qsizetype at = bytes.indexOf('\r'); at >= 0; at = bytes.indexOf('\r', at + 1)) {
        if (at + 1 < bytes.size() && bytes.at(at + 1) != '\n')
            bytes[at] = '\n';
    }
}

/**
 * Where the prompt is in a line that holds a question's prompt and the player's reply after the
 * game's words, as Inform asks for a yes or a no: "Por favor, responde sí o no.> n"; -1 for none.
 */
qsizetype inlinePrompt(QStringView line)
{
    const qsizetype prompt = line.lastIndexOf(u'>');
    if (prompt < 1 || !QStringView(u".?!:").contains(line[prompt - 1]))
        return -1;
    const QStringView reply = line.mid(prompt + 1).trimmed();
    return reply.isEmpty() || reply.size() > 20 ? -1 : prompt;
}

QVector<TranscriptTurn> transcriptTurns(QStringView text)
{
    QVector<TranscriptTurn> turns{TranscriptTurn()};
    // A quotation an Inform game shows in a box at the prompt is written where the command would
    // be, "[" to "]" over several lines; the command follows it on a line of its own.
    enum class Quotation { None, Open, Closed } quotation = Quotation::None;
    for (QStringView line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'>')) {
            // A prompt of the game's own, ">>", is a prompt too. One the player left empty is no
            // turn: what the game says to it goes with the turn before.
            qsizetype prompt = 1;
            while (prompt < line.size() && line.at(prompt) == u'>')
                ++prompt;
            const QStringView command = line.mid(prompt).trimmed();
            quotation = command.startsWith(u'[') && !command.contains(u']') ? Quotation::Open
                                                                            : Quotation::None;
            if (!command.isEmpty())
                turns.append({command.toString(), QString(), QString()});
            continue;
        }
        if (quotation == Quotation::Open) {
            if (line.trimmed().endsWith(u']'))
                quotation = Quotation::Closed;
            continue;
        }
        if (quotation == Quotation::Closed) {
            if (!line.trimmed().isEmpty()) {
                turns.last().command = line.trimmed().toString();
                quotation = Quotation::None;
            }
            continue;
        }
        const qsizetype prompt = inlinePrompt(line);
        QString &answer = turns.last().answer;
        answer += line.left(prompt < 0 ? line.size() : prompt);
        answer += u'\n';
        if (prompt > 0)
            turns.append({line.mid(prompt + 1).trimmed().toString(), QString(), QString()});
    }
    for (TranscriptTurn &turn : turns)
        setPromptApart(turn);
    return turns;
}

int movementSlot(QStringView command)
{
    return movementWords().value(withoutGo(normalized(command)), -1);
}

bool looksAround(QStringView command)
{
    const QString plain = normalized(command);
    return plain == QLatin1String("mirar") || plain == QLatin1String("m") ||
           plain == QLatin1String("mira") || plain == QLatin1String("look") ||
           plain == QLatin1String("l");
}

bool undoesTurn(QStringView command)
{
    // Words without accents, compared as typed, capitals aside: this runs for every turn.
    const QStringView word = command.trimmed();
    const auto is = [word](QLatin1String undo) {
        return word.compare(undo, Qt::CaseInsensitive) == 0;
    };
    return is(QLatin1String("deshacer")) || is(QLatin1String("anular")) ||
           is(QLatin1String("undo"));
}

QString gameEndLine(QStringView answer)
{
    // A search for one character is the quick one: this runs for every turn.
    if (!answer.contains(u'*') || !answer.contains(QLatin1String("***")))
        return QString();
    for (QStringView line : answer.split(u'\n')) {
        line = line.trimmed();
        if (line.size() > 6 && line.startsWith(QLatin1String("***")) &&
            line.endsWith(QLatin1String("***")))
            return line.toString();
    }
    return QString();
}

bool refusesMove(QStringView answer)
{
    // Normalised: no accents, no punctuation ("can't" is "can t"), lower case.
    static const QStringList refusals = {
        QStringLiteral("no puedes"),       QStringLiteral("no hay salida"),
        QStringLiteral("no hay camino"),   QStringLiteral("no hay ninguna salida"),
        QStringLiteral("no se puede"),     QStringLiteral("por ahi no"),
        QStringLiteral("no es posible"),   QStringLiteral("imposible"),
        QStringLiteral("cerrad"),          QStringLiteral("bloquead"),
        QStringLiteral("impide"),          QStringLiteral("can t"),
        QStringLiteral("cannot"),          QStringLiteral("no exit"),
        QStringLiteral("there is no way"), QStringLiteral("impenetrable"),
        QStringLiteral("closed"),          QStringLiteral("blocked"),
        QStringLiteral("would need"),      QStringLiteral("you aren t in anything"),
        QStringLiteral("no way"),          QStringLiteral("not possible"),
    };
    const QString plain = QLatin1Char(' ') + normalized(answer) + QLatin1Char(' ');
    return std::any_of(refusals.begin(), refusals.end(),
                       [&](const QString &refusal) { return plain.contains(refusal); });
}

bool asksYesOrNo(const TranscriptTurn &turn)
{
    // Read only where the last line may ask: this runs for every turn.
    const QStringView closing =
        closingLine(turn.prompt.isEmpty() ? turn.answer : turn.prompt).first;
    if (!closing.endsWith(u'?')) {
        if (!closing.endsWith(QLatin1String("no."), Qt::CaseInsensitive))
            return false;
        const QString line = u' ' + normalized(closing.right(40)) + u' ';
        return line.contains(QLatin1String(" si o no ")) ||
               line.contains(QLatin1String(" yes or no "));
    }
    const QString words = (turn.answer + turn.prompt).trimmed();
    // The question: from its opening mark in Spanish, else its sentence.
    const qsizetype opening = words.lastIndexOf(u'¿');
    const QString question =
        (opening >= 0 ? words.mid(opening + 1) : sentencesOf(words).constLast()).toLower();
    // "qué", "dónde"… anywhere, or first without their accents, as some games write them.
    static const QRegularExpression asking(QStringLiteral(
        "\\b(qué|cuál|cuáles|dónde|adónde|quién|quiénes|cómo|cuánto|cuántos|what|which|where|"
        "who|whom|how)\\b|^\\W*(que|cual|cuales|donde|adonde|hacia|quien|como|cuanto)\\b"));
    return !question.contains(asking);
}

QString RoomSighting::identity() const
{
    return heading.isEmpty() ? firstSentence : heading;
}

RoomSighting roomSighting(QStringView answer, ArrivalStyle &style, int slot)
{
    // A game that prints headings shows a room by one, wherever it is in the answer (a message
    // of the move may come first). Headers are looked for only where they would matter: this
    // runs for every turn.
    const QVector<QStringList> all = paragraphs(answer);
    for (const QStringList &block : all) {
        if (showsHeading(block)) {
            style = ArrivalStyle::Headed;
            return sightingOf(block, true);
        }
    }
    if (style == ArrivalStyle::Headed) {
        // Without a heading, only darkness told in its own words is a place.
        const auto dark = std::find_if(all.begin(), all.end(), [](const QStringList &block) {
            return tellsDarkness(block.join(u' '), true);
        });
        if (dark != all.end())
            return darkSighting(*dark);
        const bool sentenceNamed = !all.isEmpty() && isSentenceHeading(answer, all.first());
        return sentenceNamed ? sightingOf(all.first(), true) : RoomSighting();
    }
    const QVector<QStringList> blocks = gameParagraphs(answer);
    if (blocks.isEmpty())
        return RoomSighting();
    const QStringList &first = blocks.first();
    const QString text = first.join(u' ');
    const QString sentence = firstSentenceOf(text);
    // One sentence about the way, or a refusal, is no room.
    if (refusesMove(sentence) ||
        (sentence == text && slot >= 0 && mentionsDirection(sentence, slot)))
        return RoomSighting();
    return tellsDarkness(text, false) ? darkSighting(first) : sightingOf(first, false);
}

namespace {

/**
 * The commands of a line that holds several, as games take them: parted by full stops or by
 * "then", "entonces", "luego"; none for a line of one. Commas are left alone: they address a
 * character ("robot, n") or list things ("coge llave, lámpara").
 */
QStringList chainedCommands(const QString &line)
{
    // Most lines hold one command, and are not split: the words are looked for among the line's
    // bytes in lower case, quickly, as this runs for every turn.
    static constexpr std::string_view words[] = {"then", "entonces", "luego", "and"};
    QVarLengthArray<char, 64> lower(line.size());
    std::transform(line.begin(), line.end(), lower.begin(), lowerAsciiByte);
    const std::string_view bytes(lower.data(), size_t(lower.size()));
    if (bytes.find_first_of(".,") == std::string_view::npos &&
        std::none_of(std::begin(words), std::end(words), [bytes](std::string_view word) {
            return bytes.find(word) != std::string_view::npos;
        }))
        return {};
    // Inform also takes a comma or "and" after a command as "then": "n, e", "n and e". Where
    // they list things instead, "coge la llave, la lámpara", no part is a move: the line stays
    // whole.
    static const QRegularExpression parting(
        QStringLiteral("[.,]|\\b(?:then|entonces|y luego|luego|and)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    QStringList commands = line.split(parting, Qt::SkipEmptyParts);
    for (QString &command : commands)
        command = command.trimmed();
    commands.removeAll(QString());
    return commands;
}

/** A command whose answer shows a room: a move or a look. */
bool showsARoom(const QString &command)
{
    return movementSlot(command) >= 0 || looksAround(command);
}

/** Where each command's answer starts and ends in the answer to the whole line. */
using AnswerCuts = QVector<std::pair<qsizetype, qsizetype>>;

/**
 * Each move and look of the line has one heading of the answer, in order, with what comes
 * before the next one; the other commands have what is said between them. Headings more than
 * the moves and looks are what the commands before the first of them showed ("stand" shows
 * the room again, out of a bed): the last of those commands has them. Empty where other
 * commands come later, as then nothing tells whose the headings are.
 */
AnswerCuts cutsAtHeadings(const QStringList &commands, const QVector<qsizetype> &headings,
                          qsizetype end)
{
    const auto firstRoom = std::find_if(commands.begin(), commands.end(), showsARoom);
    const qsizetype first = firstRoom - commands.begin();
    const qsizetype extra = headings.size() - std::count_if(firstRoom, commands.end(), showsARoom);
    if (extra > 0 && (first == 0 || !std::all_of(firstRoom, commands.end(), showsARoom)))
        return AnswerCuts();
    AnswerCuts cuts(commands.size(), {0, 0});
    if (extra > 0)
        cuts[first - 1] = {0, headings[extra]};
    qsizetype seen = extra;
    for (qsizetype i = first; i < commands.size(); ++i) {
        if (!showsARoom(commands[i]))
            continue;
        const qsizetype from = seen == 0 ? 0 : headings[seen];
        ++seen;
        cuts[i] = {from, seen < headings.size() ? headings[seen] : end};
    }
    return cuts;
}

/**
 * A line of moves and looks only, some refused: each has either a paragraph that refuses a move
 * (in words games use, or in the game's own, known) or a heading with the paragraphs after it
 * that refuse nothing, in order; what the game says after the last is the last one's. Empty
 * when the answer does not part so, or leaves a command without an answer of its own.
 */
AnswerCuts cutsAtRefusals(const QStringList &commands, const QVector<Paragraph> &blocks,
                          qsizetype end, const QSet<QString> &known)
{
    const auto heading = [](const Paragraph &block) {
        return showsHeading(block.lines);
    };
    // A refusal of the game's own may come after a line of another's ("A gull cries
    // overhead.") in one paragraph.
    const auto refusal = [&known](const Paragraph &block) {
        for (qsizetype line = 0; line < block.lines.size(); ++line) {
            if (known.contains(block.lines.mid(line).join(u' ')))
                return true;
        }
        return refusesMove(block.lines.join(u' '));
    };
    AnswerCuts cuts;
    qsizetype next = 0;
    for (const QString &command : commands) {
        if (!showsARoom(command))
            return AnswerCuts();
        const qsizetype first = next;
        if (next < blocks.size() && heading(blocks[next])) {
            ++next;
            while (next < blocks.size() && !heading(blocks[next]) && !refusal(blocks[next]))
                ++next;
        } else if (next < blocks.size() && refusal(blocks[next])) {
            ++next;
        } else {
            // Words that neither show a room nor refuse in words this reader knows ("The door
            // is stuck.") may be a move's refusal or the room's own text: nothing tells which.
            return AnswerCuts();
        }
        // What follows the last command's own paragraph is its too, refusing or not: "a
        // closed door" in its room's text, a gull that cries after it.
        if (&command == &commands.last()) {
            while (next < blocks.size() && !heading(blocks[next]))
                ++next;
        }
        const auto startOf = [&](qsizetype block) {
            return block < blocks.size() ? blocks[block].start : end;
        };
        cuts.append({startOf(first), startOf(next)});
    }
    return next == blocks.size() ? cuts : AnswerCuts();
}

} // namespace

namespace {

/** Whether the commands of a line are several, a move among them. */
bool holdMoves(const QStringList &commands)
{
    return commands.size() > 1 &&
           std::any_of(commands.begin(), commands.end(),
                       [](const QString &command) { return movementSlot(command) >= 0; });
}

} // namespace

bool chainsMoves(const QString &line)
{
    return holdMoves(chainedCommands(line));
}

QVector<TranscriptTurn> chainedTurns(const TranscriptTurn &turn, const QSet<QString> &refusals)
{
    const QStringList commands = chainedCommands(turn.command);
    if (!holdMoves(commands))
        return {turn};
    const QVector<Paragraph> blocks = placedParagraphs(turn.answer);
    QVector<qsizetype> headings;
    for (const Paragraph &block : blocks) {
        if (showsHeading(block.lines))
            headings.append(block.start);
    }
    const auto roomCommands = std::count_if(commands.begin(), commands.end(), showsARoom);
    const qsizetype end = turn.answer.size();
    const AnswerCuts cuts = headings.size() >= roomCommands
                                ? cutsAtHeadings(commands, headings, end)
                                : cutsAtRefusals(commands, blocks, end, refusals);
    if (cuts.isEmpty()) {
        // Where the answer cannot be parted, the player is at least where it shows last.
        const qsizetype last = headings.isEmpty() ? 0 : headings.last();
        return {{turn.command, turn.answer.mid(last), turn.prompt}};
    }
    QVector<TranscriptTurn> turns;
    for (qsizetype i = 0; i < commands.size(); ++i) {
        const auto [from, to] = cuts[i];
        turns.append({commands[i], turn.answer.mid(from, to - from),
                      i + 1 == commands.size() ? turn.prompt : QString()});
    }
    return turns;
}

QString firstParagraph(QStringView answer)
{
    const QVector<QStringList> blocks = paragraphs(answer);
    return blocks.isEmpty() ? QString() : blocks.first().join(u' ');
}

RoomSighting openingRoomSighting(QStringView opening, ArrivalStyle &style)
{
    // The last paragraph with a heading, else the last paragraph: after the title and the
    // introduction comes the first room.
    const QVector<QStringList> blocks = gameParagraphs(opening);
    for (auto block = blocks.crbegin(); block != blocks.crend(); ++block) {
        if (isHeading(*block) && block->size() > 1) {
            style = ArrivalStyle::Headed;
            return sightingOf(*block, true);
        }
    }
    if (style == ArrivalStyle::Headed || blocks.isEmpty())
        return RoomSighting();
    return sightingOf(blocks.last(), false);
}

} // namespace rumbario
