// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace rumbario {

/**
 * Writes a file so that it replaces the old one only once every byte is written: a failure at any
 * point, a full disk included, leaves the old file as it was. Where no new file can be made beside
 * it but the file itself may be written, it is written in place, the only way to save there.
 * write receives the device and returns whether all its writes succeeded. Returns why it failed,
 * in the system's words, or an empty text.
 */
QString saveSafely(const QString &path, const std::function<bool(QIODevice &)> &write);

/** Why a folder, a device or a pipe is neither read nor written as a map, in Spanish. */
QString notAFileText();

/**
 * Copies a file to the same name with "~" appended, replacing an older copy, so that a save over
 * a file the editor could not read whole never loses what it could not read. Nothing to do when
 * the file does not exist. Returns why it failed, or an empty text.
 */
QString keepOriginalBeside(const QString &path);

} // namespace rumbario
