// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowservices.h"

namespace rumbario {

void WindowServices::setText(TextBox box, const QString &text)
{
    const qsizetype end = text.indexOf(QChar(0));
    showText(box, end < 0 ? text : text.left(end));
}

} // namespace rumbario
