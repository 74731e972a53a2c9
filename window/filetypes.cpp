// SPDX-License-Identifier: GPL-3.0-or-later
#include "filetypes.h"

#include "editor.h"

#include <QFile>
#include <QFileInfo>

#include <QFileInfo>
#include <QStringList>

namespace rumbario {

QString dialogFilter(const QVector<FileType> &types)
{
    QStringList parts;
    for (const FileType &type : types)
        parts << type.filter << QStringLiteral("*.") + type.extension;
    return parts.join(u'|');
}

int chosenFileType(const QVector<FileType> &types, const QString &path,
                   const QString &selectedFilter)
{
    const QString typed = QFileInfo(path).suffix().toLower();
    for (int i = 0; i < types.size(); ++i) {
        if (types[i].extension == typed)
            return i;
    }
    for (int i = 0; i < types.size(); ++i) {
        if (types[i].filter == selectedFilter)
            return i;
    }
    return 0;
}

QString withExtension(const QString &path, const FileType &type)
{
    return QFileInfo(path).suffix().isEmpty() ? path + u'.' + type.extension : path;
}

std::optional<QByteArray> readChosenFile(Editor &editor, const QString &path, qint64 maxSize,
                                         const QString &tooLarge, const QString &failure,
                                         const QString &title)
{
    QFile file(path);
    QString why;
    if (!QFileInfo(path).isFile())
        why = QStringLiteral("no es un archivo de datos");
    else if (file.size() > maxSize)
        why = tooLarge;
    else if (!file.open(QIODevice::ReadOnly))
        why = file.errorString();
    if (why.isEmpty()) {
        QByteArray bytes = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return bytes;
        why = file.errorString();
    }
    editor.services.messageBox(QStringLiteral("%1 %2: %3.").arg(failure, path, why), Buttons::Ok,
                               title);
    return std::nullopt;
}

} // namespace rumbario
