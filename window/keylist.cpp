// SPDX-License-Identifier: GPL-3.0-or-later
#include "keylist.h"

#include "editor.h"
#include "keyhandler.h"
#include "menutable.h"
#include "useraction.h"

#include <QStringList>

namespace rumbario {

namespace {

struct KeyName
{
    int keyCode;
    const char *name;
};

constexpr KeyName keyNames[] = {
    {Qt::Key_Space, "Espacio"},     {Qt::Key_PageUp, "RePág"},
    {Qt::Key_PageDown, "AvPág"},    {Qt::Key_End, "Fin"},
    {Qt::Key_Home, "Inicio"},       {Qt::Key_Left, "Flecha izquierda"},
    {Qt::Key_Up, "Flecha arriba"},  {Qt::Key_Right, "Flecha derecha"},
    {Qt::Key_Down, "Flecha abajo"}, {Qt::Key_Delete, "Supr"},
    {Qt::Key_Comma, "Coma"},
};

QString keyName(int keyCode)
{
    for (const KeyName &key : keyNames) {
        if (key.keyCode == keyCode)
            return QString::fromUtf8(key.name);
    }
    if (keyCode >= Qt::Key_F1 && keyCode <= Qt::Key_F1 + 11)
        return QStringLiteral("F%1").arg(keyCode - Qt::Key_F1 + 1);
    return QChar(keyCode);
}

QString line(const QString &keys, const QString &meaning)
{
    return QStringLiteral("  ") + keys + QStringLiteral(": ") + meaning;
}

QStringList commandLines(KeyMode mode)
{
    QStringList lines;
    for (const KeyCommand &command : keyCommandTable()) {
        if (command.mode != mode)
            continue;
        const QString keys =
            (command.withCtrl ? QStringLiteral("Ctrl+") : QString()) + keyName(command.keyCode);
        lines << line(keys, QString::fromUtf8(command.meaning));
    }
    return lines;
}

QStringList directionLines(bool creationMode)
{
    QStringList lines;
    for (int slot = 0; slot < exitCount; ++slot) {
        QStringList keys;
        for (const KeyDirection &key : keyDirectionTable()) {
            if (key.slot == slot && (creationMode || !key.creationOnly))
                keys << keyName(key.keyCode);
        }
        lines << line(QString(directions[slot].removalName).trimmed(), keys.join(u", "));
    }
    return lines;
}

QString shortcutText(const char *shortcut)
{
    return QString::fromLatin1(shortcut)
        .replace(QStringLiteral("Shift"), QStringLiteral("Mayús"))
        .replace(QStringLiteral("; "), QStringLiteral(", "));
}

/** The items whose shortcut runs them directly; the keys they send are listed with the modes. */
QStringList menuLines()
{
    QStringList lines;
    for (const Menu &menu : menuTable()) {
        for (const MenuItem &item : menu.items) {
            if (*item.shortcut == '\0' || item.action == MenuAction::SendKey)
                continue;
            const QString caption = QString(menu.caption).remove(u'&') + QStringLiteral(" → ") +
                                    QString(item.caption).remove(u'&');
            lines << line(shortcutText(item.shortcut), caption);
        }
    }
    return lines;
}

} // namespace

QString keyList()
{
    QStringList lines;
    lines << QStringLiteral("En los dos modos") << commandLines(KeyMode::Both) << QString()
          << QStringLiteral("Modo recorrer: se sigue la salida de esa dirección, si la hay")
          << directionLines(false) << QString()
          << QStringLiteral("Modo creación: se sigue la salida o, si no la hay, se crea una sala")
          << directionLines(true) << commandLines(KeyMode::Creation) << QString()
          << QStringLiteral("Menús") << menuLines()
          << QStringLiteral("  Ctrl con cualquier otra letra: como la letra sola");
    return lines.join(u'\n');
}

void showKeyList(Editor &editor)
{
    runUserAction(editor, [&editor] { editor.services.showKeyList(keyList()); });
}

} // namespace rumbario
