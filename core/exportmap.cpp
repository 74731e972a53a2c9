// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportmap.h"

#include "mapstore.h"

#include <algorithm>

namespace rumbario {

namespace {

constexpr int nameLength = 40;
constexpr int identifierLength = 32;

/** The description as the player reads it: without the zero characters of a blank room. */
QString textOf(const Room &room)
{
    QString text = room.description.text();
    text.remove(QChar(0));
    return text.trimmed();
}

/** The base letter of an accented Latin-1 letter, as decomposing it would leave, or 0. */
char16_t latin1BaseLetter(char16_t c)
{
    // From U+00C0: the letters that decompose into a base letter and accents; '-' marks those
    // that do not (Æ, Ð, ×, Ø, Þ, ß, æ, ð, ÷, ø, þ).
    static const char bases[] = "AAAAAA-CEEEEIIII-NOOOOO--UUUUY--aaaaaa-ceeeeiiii-nooooo--uuuuy-y";
    if (c < 0xC0 || c > 0xFF)
        return 0;
    const char base = bases[c - 0xC0];
    return base == '-' ? 0 : char16_t(base);
}

QString foldAccents(const QString &text)
{
    QString folded;
    folded.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            folded += c;
        } else if (const char16_t base = latin1BaseLetter(c.unicode())) {
            folded += QChar(base);
        } else {
            // Anything else is decomposed, its accents left out.
            for (QChar part : QString(c).normalized(QString::NormalizationForm_KD)) {
                if (part.category() != QChar::Mark_NonSpacing)
                    folded += part;
            }
        }
    }
    return folded;
}

bool isAsciiAlphanumeric(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

/** Lower case a character at a time: names are short and mostly Latin-1, where it is quick. */
QString lowerCase(const QString &text)
{
    QString lower(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        lower[i] = text.at(i).toLower();
    return lower;
}

/** The first free form of base among the names taken: base, then base + separator + 2, 3 … */
QString unique(const QString &base, const QString &separator, int limit, QSet<QString> &taken,
               const QSet<QString> &reserved)
{
    // Lower case is worked out once: the endings added are separators and digits.
    const QString lowerBase = lowerCase(base);
    QString candidate = base;
    QString key = lowerBase;
    for (int suffix = 2; taken.contains(key) || reserved.contains(key); ++suffix) {
        const QString ending = separator + QString::number(suffix);
        candidate = base.left(limit - ending.size()) + ending;
        key = lowerBase.left(limit - ending.size()) + ending;
    }
    taken.insert(key);
    return candidate;
}

} // namespace

const char *const spanishMovementWords[exitCount] = {
    "N", "NE", "E", "SE", "S", "SO", "O", "NO", "SUBIR", "BAJAR", "ENTRAR", "SALIR",
};

QString unexportedExitsNote(const ExportMap &map, int locationOffset)
{
    QString note;
    for (const ExportExit &exit : map.missing)
        note += QStringLiteral("; Sin exportar: la salida al%1 de la localidad %2 lleva a la sala "
                               "%3, que no existe.\n")
                    .arg(directions[exit.slot].removalName,
                         QString::number(exit.from + locationOffset), QString::number(exit.to));
    return note;
}

QString roomName(const QString &description, qint16 number)
{
    QString text = description;
    text.remove(QChar(0));
    // The name ends at the first full stop, comma or semicolon.
    const auto stop = std::find_if(text.cbegin(), text.cend(),
                                   [](QChar c) { return c == u'.' || c == u',' || c == u';'; });
    const qsizetype end = stop == text.cend() ? -1 : qsizetype(stop - text.cbegin());
    QString name = (end < 0 ? text : text.left(end)).simplified().left(nameLength).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("Sala %1").arg(number);
    return name;
}

QString identifierOf(const QString &name)
{
    QString identifier;
    for (QChar c : foldAccents(name)) {
        if (isAsciiAlphanumeric(c))
            identifier += c;
        else if (!identifier.isEmpty() && !identifier.endsWith(u'_'))
            identifier += u'_';
    }
    if (identifier.isEmpty() || !identifier.at(0).isLetter())
        identifier.prepend(QStringLiteral("Sala_"));
    identifier.truncate(identifierLength);
    while (identifier.endsWith(u'_'))
        identifier.chop(1);
    return identifier;
}

ExportMap exportMap(const MapStore &store, const QSet<QString> &reservedNames,
                    const QSet<QString> &reservedIdentifiers)
{
    ExportMap map;
    QSet<QString> names;
    QSet<QString> identifiers;
    const int count = store.roomCount;
    for (int number = 1; number <= count; ++number) {
        const Room &room = store.room(qint16(number));
        const QString name = unique(roomName(room.description.text(), qint16(number)),
                                    QStringLiteral(" "), nameLength + 4, names, reservedNames);
        const QString identifier = unique(identifierOf(name), QStringLiteral("_"), identifierLength,
                                          identifiers, reservedIdentifiers);
        map.rooms.append({qint16(number), name, identifier, textOf(room)});
    }
    for (int number = 1; number <= count; ++number) {
        const Room &room = store.room(qint16(number));
        map.exitStart.append(map.exits.size());
        for (int slot = 0; slot < exitCount; ++slot) {
            const qint16 target = room.exits[slot];
            if (target <= 0)
                continue;
            if (target > count) {
                map.missing.append({qint16(number), slot, target, true});
                continue;
            }
            const bool oneWay = store.room(target).exits[directions[slot].opposite] != number;
            map.exits.append({qint16(number), slot, target, oneWay});
        }
    }
    map.exitStart.append(map.exits.size());
    return map;
}

} // namespace rumbario
