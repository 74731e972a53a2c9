// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace rumbario {

/** The keyboard reference, lines separated and ended by CR LF. */
QString helpText();

/** The modal help window "Comandos de teclado", or another text shown the same way. */
class HelpWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent);
    /** A window of that title showing the text, lines ended by LF, in a taller box. */
    HelpWindow(QWidget *parent, const QString &title, const QString &text);

private:
    /** Lays out the text box, of the given height, and the Aceptar button below it. */
    void build(const QString &title, const QString &shown, int height);
};

} // namespace rumbario
