// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportmap.h"

#include "mapstore.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

namespace rumbario {

namespace {

constexpr int nameLength = 40;
constexpr int identifierLength = 32;

/** The description as the player reads it: without the zero characters of a blank room. */
QString textOf(QString description)
{
    if (description.contains(QChar(0)))
        description.remove(QChar(0));
    return std::move(description).trimmed();
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

/** Hands on the characters of one without its accents; decomposing is left for beyond Latin-1. */
template<typename Take>
void forEachFolded(QChar c, const Take &take)
{
    if (c.unicode() < 0x80) {
        take(c);
    } else if (const char16_t base = latin1BaseLetter(c.unicode())) {
        take(QChar(base));
    } else {
        for (QChar part : QString(c).normalized(QString::NormalizationForm_KD)) {
            if (part.category() != QChar::Mark_NonSpacing)
                take(part);
        }
    }
}

bool isAsciiAlphanumeric(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

/**
 * Names already given, compared without regard to case. They are views of the rooms' own names,
 * which outlive the set: a map of thousands of rooms needs no copies of its names to check them.
 */
class TakenNames
{
public:
    explicit TakenNames(const QSet<QString> &reserved)
    {
        for (const QString &name : reserved)
            mTaken.insert(name);
    }
    void reserve(qsizetype count) { mTaken.reserve(size_t(count)); }
    /** Takes a name unless it is taken already; false then. */
    bool take(QStringView name) { return mTaken.insert(name).second; }

private:
    static QChar folded(QChar c)
    {
        return c >= u'A' && c <= u'Z' ? QChar(c.unicode() + 32)
               : c < u'\x80'          ? c
                                      : c.toCaseFolded();
    }
    struct CaselessHash
    {
        size_t operator()(QStringView name) const
        {
            size_t hash = 14695981039346656037u;
            for (QChar c : name)
                hash = (hash ^ folded(c).unicode()) * 1099511628211u;
            return hash;
        }
    };
    struct CaselessEqual
    {
        bool operator()(QStringView a, QStringView b) const
        {
            return a.compare(b, Qt::CaseInsensitive) == 0;
        }
    };
    std::unordered_set<QStringView, CaselessHash, CaselessEqual> mTaken;
};

/**
 * The first free form of base among the names taken: base, then base + separator + 2, 3 …
 * The name returned must outlive the names taken.
 */
QString unique(const QString &base, QLatin1Char separator, int limit, TakenNames &taken)
{
    QString candidate = base;
    for (int suffix = 2; !taken.take(candidate); ++suffix) {
        const QString ending = separator + QString::number(suffix);
        candidate = base.left(limit - ending.size()) + ending;
    }
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
    // The name ends at the first full stop, comma or semicolon; runs of blanks become one and the
    // zero characters of a blank room go. Written in place: this runs for every room.
    QString name(nameLength, Qt::Uninitialized);
    QChar *out = name.data();
    int length = 0;
    for (QChar c : description) {
        if (c == u'.' || c == u',' || c == u';' || length == nameLength)
            break;
        if (c.isSpace()) {
            if (length > 0 && out[length - 1] != u' ')
                out[length++] = u' ';
        } else if (c != QChar(0)) {
            out[length++] = c;
        }
    }
    while (length > 0 && out[length - 1] == u' ')
        --length;
    name.truncate(length);
    if (name.isEmpty())
        name = QStringLiteral("Sala %1").arg(number);
    return name;
}

QString identifierOf(const QString &name)
{
    // Only the first characters can survive the cut, so only they are gathered.
    QString identifier(identifierLength, Qt::Uninitialized);
    QChar *out = identifier.data();
    int length = 0;
    const auto take = [out, &length](QChar c) {
        if (length == identifierLength)
            return;
        if (isAsciiAlphanumeric(c))
            out[length++] = c;
        else if (length > 0 && out[length - 1] != u'_')
            out[length++] = u'_';
    };
    for (QChar c : name)
        forEachFolded(c, take);
    identifier.truncate(length);
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
    TakenNames names(reservedNames);
    TakenNames identifiers(reservedIdentifiers);
    const int count = store.roomCount();
    names.reserve(count);
    identifiers.reserve(count);
    map.rooms.reserve(count);
    map.exitStart.reserve(count + 1);
    for (int number = 1; number <= count; ++number) {
        QString description = store.room(qint16(number)).description.text();
        const QString name =
            unique(roomName(description, qint16(number)), QLatin1Char(' '), nameLength + 4, names);
        const QString identifier =
            unique(identifierOf(name), QLatin1Char('_'), identifierLength, identifiers);
        map.rooms.append({qint16(number), name, identifier, textOf(std::move(description))});
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
