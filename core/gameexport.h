// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace rumbario {

class MapStore;

enum class GameFormat { Inform7, Inform6, Daad, NgPaws };

/** A format as the export dialog offers it. */
struct GameFormatInfo
{
    GameFormat format;
    QString filter;
    QString extension;
};

const std::vector<GameFormatInfo> &gameFormats();

/**
 * The map as the source of a game: every room with its description and every exit in the
 * direction the map has it, one-way exits one-way. The title names the game.
 */
QByteArray exportInform7(const MapStore &store, const QString &title);
QByteArray exportInform6(const MapStore &store, const QString &title);
QByteArray exportDaad(const MapStore &store, const QString &title);
QByteArray exportNgPaws(const MapStore &store, const QString &title);

QByteArray exportGameSource(const MapStore &store, GameFormat format, const QString &title);

} // namespace rumbario
