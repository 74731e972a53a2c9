// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>

class QIODevice;

namespace rumbario {

/**
 * Where the old content of a file written in place waits until the new content is whole: keep
 * puts it somewhere safe and returns where (empty when it could not), release lets it go.
 */
struct OldContentKeeper
{
    std::function<QString(QByteArrayView oldContent)> keep;
    std::function<void(const QString &kept)> release;
};

/**
 * Writes a file so that it replaces the old one only once every byte is written: a failure at any
 * point, a full disk included, leaves the old file as it was. Where no new file can be made beside
 * it but the file itself may be written, it is written in place, the only way to save there: the
 * new size is taken on disk first, the old content is put back on any failure, and a keeper, when
 * given, holds the old content until the new is whole, so that not even a killed program leaves
 * the file cut with nothing else to recover. write receives the device and returns whether all
 * its writes succeeded. Returns why it failed, in the system's words, or an empty text.
 */
QString saveSafely(const QString &path, const std::function<bool(QIODevice &)> &write,
                   const OldContentKeeper &keeper = {});

/** Why a folder, a device or a pipe is neither read nor written as a map, in Spanish. */
QString notAFileText();

/**
 * Copies a file to the same name with "~" appended, replacing an older copy, so that a save over
 * a file the editor could not read whole never loses what it could not read. Nothing to do when
 * the file does not exist. Returns why it failed, or an empty text.
 */
QString keepOriginalBeside(const QString &path);

} // namespace rumbario
