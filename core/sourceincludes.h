// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gameimport.h"

#include <QString>
#include <QVector>

namespace rumbario {

/** Where a run of lines of a source with its included files put in place came from. */
struct SourceLines
{
    /** The first line of the run in the whole text, from 1. */
    int firstLine = 1;
    /** The included file's name; empty for the source itself. */
    QString file;
    int fileLine = 1;
};

/** A game's source with the files it includes, found beside it, put where it includes them. */
struct IncludedSource
{
    QString text;
    QVector<SourceLines> origins;
    /** The files put in place, in the order they were met. */
    QStringList files;

    /** Where a line of the whole text is: "línea 5" of the source, or "rutas.h, línea 5". */
    QString placeOf(int line) const;
};

/**
 * Puts in the source, where an Inform 6 "Include" or a ZIL "INSERT-FILE" or "IFILE" names them, the
 * files of the source's folder that have that name, each once; the others are left for the reader
 * to tell.
 */
IncludedSource includeFiles(const QString &text, GameLanguage language, const QString &path);

} // namespace rumbario
