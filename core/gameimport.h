// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "journal.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QVector>

namespace rumbario {

/** The languages of game sources whose maps the editor reads. */
enum class GameLanguage { Inform6, Inform7, Daad, NgPaws, Zil };

/** A game source larger than this is refused: the largest games are a small part of it. */
constexpr qint64 maxGameSourceSize = 64 * 1024 * 1024;

/** The map read from a game's source, and what of it could not be read. */
struct ImportedGame
{
    GameLanguage language = GameLanguage::Inform6;
    /** Room 1 is the game's start room; the others follow in source order. */
    QVector<Room> rooms;
    int exits = 0;
    /** What could not be read, a line each, with its line number where it has one. */
    QStringList notRead;
    /** The files the source includes that were read with it, in the order they were met. */
    QStringList included;
};

/** The language of a source: by its extension, else by what its text holds. */
GameLanguage gameLanguage(const QString &fileName, QStringView text);

/** The language's name as the messages give it: "Inform 6", "DAAD"… */
QString languageName(GameLanguage language);

/** Whether the files a source includes are read too, from the source's folder. */
enum class IncludedFiles { Ignored, Read };

/** Reads the map of a game from its source: UTF-8, Windows-1252 or code page 850. */
ImportedGame importGame(QByteArrayView bytes, const QString &fileName,
                        IncludedFiles included = IncludedFiles::Ignored);

} // namespace rumbario
