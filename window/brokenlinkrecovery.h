// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace rumbario {

struct Editor;
class RuntimeError;

/**
 * Where every run-time error of a key event ends. A missing room (error 9) offers to clear the
 * exit that led there and returns to previousRoom; any other error is reported as it stands.
 */
void recoverKeyError(Editor &editor, const RuntimeError &error, qint16 previousRoom);

} // namespace rumbario
