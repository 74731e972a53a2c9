// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <optional>

namespace rumbario {

/** A type of file a save dialog offers. */
struct FileType
{
    QString filter;
    QString extension;
};

/** The dialog's filter: "Caption|pattern" pairs. */
QString dialogFilter(const QVector<FileType> &types);

/**
 * The type a name is saved as: the extension typed chooses it; a name without a known one takes
 * the type chosen in the dialog.
 */
int chosenFileType(const QVector<FileType> &types, const QString &path,
                   const QString &selectedFilter);

/** The name with the type's extension added when it has none. */
QString withExtension(const QString &path, const FileType &type);

struct Editor;

/**
 * A whole file the user chose, up to a size; nothing, and a message "<failure> <path>: <why>."
 * under the title, when it is no file, is larger (tooLarge says why) or cannot be read.
 */
std::optional<QByteArray> readChosenFile(Editor &editor, const QString &path, qint64 maxSize,
                                         const QString &tooLarge, const QString &failure,
                                         const QString &title);

} // namespace rumbario
