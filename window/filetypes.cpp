// SPDX-License-Identifier: GPL-3.0-or-later
#include "filetypes.h"

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

} // namespace rumbario
