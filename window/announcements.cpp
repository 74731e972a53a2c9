// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcements.h"

#include "editor.h"

#include <QStringList>

#include <utility>

namespace rumbario {

namespace {

/** Compass directions in the order a listener expects them: clockwise from the north. */
constexpr int clockwise[] = {North, NorthEast, East, SouthEast, South, SouthWest, West, NorthWest};

QString directionName(int slot)
{
    return QString(directions[slot].removalName).trimmed();
}

/** Joins two sayings with the pause of a full stop, unless the first ends in one already. */
QString joined(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return first + second;
    const QChar last = first.back();
    const bool stopped = last == u'.' || last == u'!' || last == u'?' || last == u':';
    return first + QLatin1String(stopped ? " " : ". ") + second;
}

QString roomList(const QVector<qint16> &rooms)
{
    QStringList numbers;
    for (qint16 room : rooms)
        numbers << QString::number(room);
    if (numbers.size() < 2)
        return numbers.join(QString());
    const QString last = numbers.takeLast();
    return numbers.join(QStringLiteral(", ")) + QStringLiteral(" y ") + last;
}

} // namespace

void announceChanges(Editor &editor)
{
    QString saying = std::exchange(editor.pendingSaying, QString());
    for (TextBox box : {TextBox::DescriptionBox, TextBox::ViewLine}) {
        const QString &shown = editor.services.shownText(box);
        QString &spoken = editor.spokenTexts[size_t(box)];
        if (shown == spoken)
            continue;
        spoken = shown;
        // A box emptied says nothing: a room without description is told by its view line.
        saying = joined(saying, shown.trimmed());
    }
    // What the legend shows in letters: heard when it changes, not after every change.
    if (editor.store.unsaved() != editor.spokenUnsaved) {
        editor.spokenUnsaved = editor.store.unsaved();
        saying = joined(saying, editor.spokenUnsaved ? QStringLiteral("Sin guardar.")
                                                     : QStringLiteral("Sin cambios por guardar."));
    }
    if (!saying.isEmpty())
        editor.services.announce(saying);
}

void repeatShownTexts(Editor &editor)
{
    editor.services.announce(joined(editor.services.shownText(TextBox::DescriptionBox).trimmed(),
                                    editor.services.shownText(TextBox::ViewLine).trimmed()));
}

QString surroundingsText(Editor &editor)
{
    PlanIndex &plan = editor.plan;
    plan.update(editor.store);
    const qint16 current = editor.store.currentRoom();
    if (current < 1 || current > plan.roomCount())
        return QString();
    const int level = plan.shownPosition(current)[2];
    const QPoint here = plan.drawnPosition(current);
    QVector<qint16> around[exitCount];
    // An int: a 16-bit counter would wrap before passing the largest room number.
    for (int room = 1; room <= plan.roomCount(); ++room) {
        if (room == current || plan.shownPosition(qint16(room))[2] != level)
            continue;
        const QPoint apart = plan.drawnPosition(qint16(room)) - here;
        for (int slot : clockwise) {
            if (directions[slot].dx == apart.x() && directions[slot].dy == apart.y())
                around[slot].append(qint16(room));
        }
    }
    QStringList parts;
    for (int slot : clockwise) {
        if (!around[slot].isEmpty())
            parts << directionName(slot) + u' ' + roomList(around[slot]);
    }
    const QString heading = QStringLiteral("Alrededor de la sala %1").arg(current);
    return parts.isEmpty()
               ? heading + QStringLiteral(" no hay salas.")
               : heading + QStringLiteral(": ") + parts.join(QStringLiteral("; ")) + u'.';
}

QString planTextAlternative(Editor &editor)
{
    const MapStore &store = editor.store;
    return QStringLiteral("Nivel %1, sala actual %2. ")
               .arg(store.coordinatesOf(store.currentRoom())[2] + store.coordinateBase()[2])
               .arg(store.currentRoom()) +
           surroundingsText(editor);
}

void describeSurroundings(Editor &editor)
{
    editor.services.setText(TextBox::ViewLine, surroundingsText(editor));
}

} // namespace rumbario
