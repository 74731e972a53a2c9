// SPDX-License-Identifier: GPL-3.0-or-later
#include "transcript.h"

#include "codepage.h"
#include "directions.h"

#include <QHash>
#include <QStringList>

namespace rumbario {

namespace {

/** Longest line taken for a room's heading: longer ones are prose. */
constexpr int headingLength = 60;

/** Lower case without accents or surrounding punctuation: "¡Ve al Norte!" → "ve al norte". */
QString normalized(QStringView text)
{
    QString plain;
    plain.reserve(text.size());
    for (QChar c : text.toString().normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        plain += c.isLetterOrNumber() ? c.toLower() : QChar(u' ');
    }
    return plain.simplified();
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
    return c == u'.' || c == u'!' || c == u'?' || c == u':';
}

QString firstSentenceOf(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (endsSentence(text.at(i)) && (i + 1 == text.size() || text.at(i + 1).isSpace()))
            return text.left(i + 1);
    }
    return text;
}

/** The paragraphs of an answer, each as its lines without the blanks around them. */
QVector<QStringList> paragraphs(QStringView answer)
{
    QVector<QStringList> blocks;
    bool blankBefore = true;
    for (QStringView line : answer.split(u'\n')) {
        const QString trimmed = line.trimmed().toString();
        if (trimmed.isEmpty()) {
            blankBefore = true;
            continue;
        }
        if (blankBefore)
            blocks.append(QStringList());
        blocks.last() << trimmed;
        blankBefore = false;
    }
    return blocks;
}

/** A room's heading is a short line of its own without a full stop, above its description. */
RoomSighting sightingOf(QStringList lines)
{
    RoomSighting sighting;
    const QString &first = lines.first();
    if (lines.size() > 1 && first.size() <= headingLength && !endsSentence(first.back())) {
        sighting.heading = first;
        lines.removeFirst();
    }
    const QString text = lines.first();
    sighting.firstSentence = firstSentenceOf(text);
    sighting.description =
        sighting.heading.isEmpty() ? text : sighting.heading + QStringLiteral(". ") + text;
    return sighting;
}

} // namespace

QString transcriptText(QByteArrayView bytes)
{
    if (isMostlyUtf8(bytes))
        return QString::fromUtf8(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = fromWindows1252(bytes[i]);
    return text;
}

QVector<TranscriptTurn> transcriptTurns(QStringView text)
{
    QVector<TranscriptTurn> turns{TranscriptTurn()};
    for (QStringView line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'>')) {
            turns.append({line.mid(1).trimmed().toString(), QString()});
            continue;
        }
        QString &answer = turns.last().answer;
        answer += line;
        answer += u'\n';
    }
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

bool refusesMove(QStringView answer)
{
    static const QStringList refusals = {
        QStringLiteral("no puedes ir"),
        QStringLiteral("no hay salida"),
        QStringLiteral("no puedes pasar"),
        QStringLiteral("no hay ninguna salida"),
        QStringLiteral("no se puede ir"),
        QStringLiteral("you can t go that way"),
        QStringLiteral("you can t go there"),
        QStringLiteral("no exit"),
        QStringLiteral("there is no way"),
        QStringLiteral("no puedes hacer eso"),
        // Inform's standard library, asked to go out where there is no way out.
        QStringLiteral("you aren t in anything"),
    };
    const QString plain = normalized(answer);
    for (const QString &refusal : refusals) {
        if (plain.contains(refusal))
            return true;
    }
    return false;
}

QString RoomSighting::identity() const
{
    return heading.isEmpty() ? firstSentence : heading;
}

RoomSighting roomSighting(QStringView answer)
{
    const QVector<QStringList> blocks = paragraphs(answer);
    return blocks.isEmpty() ? RoomSighting() : sightingOf(blocks.first());
}

RoomSighting openingRoomSighting(QStringView opening)
{
    // The last paragraph with a heading and a description, else the last paragraph.
    const QVector<QStringList> blocks = paragraphs(opening);
    for (auto block = blocks.crbegin(); block != blocks.crend(); ++block) {
        const RoomSighting sighting = sightingOf(*block);
        if (!sighting.heading.isEmpty())
            return sighting;
    }
    return blocks.isEmpty() ? RoomSighting() : sightingOf(blocks.last());
}

} // namespace rumbario
