// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace rumbario {

/** The keyboard reference, lines separated and ended by CR LF. */
QString helpText();

/** The modal help window "Comandos de teclado". */
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent);
};

} // namespace rumbario
