// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindow.h"

#include "pastesafetextedit.h"

#include <QFont>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace rumbario {

namespace {

QFont helpFont()
{
    // Arial where it is installed; otherwise the closest sans-serif face.
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setWeight(QFont::Normal);
    return font;
}

int widestLine(const QFontMetrics &metrics, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

} // namespace

QString helpText()
{
    return QStringLiteral(
        "  Comandos de teclado \r\n"
        "(Utilice avanzar página y retroceder página para recorrer el texto)\r\n"
        "f1 ver estos comandos\r\n"
        "F2 guardar mapa o cargar otro mapa\r\n"
        "f3 permite establecer una nueva base para las coordenadas, que \r\n"
        "no se almacena\r\n"
        "f5 permite ir a una sala por su número\r\n"
        "f6 permite buscar texto en las descripciones de sala\r\n"
        "f7 desactiva o reactiva la visualización de las coordenadas de la sala\r\n"
        "espacio activa y desactiva el modo de creación de salas \r\n"
        "si el modo de creación está desactivado no se modificará el mapa \r\n"
        "y podremos recorrerlo con rapidez y seguridad \r\n"
        "suprimir: eliminar última sala creada \r\n"
        "control inicio / control fin va a la primera / última sala\r\n"
        "> en modo crear\r\n"
        "  x permite enlazar dos salas, pidiendo dirección y código de la \r\n"
        "sala a enlazar\r\n"
        "z permite  eliminar la conexión existente entre dos salas, en un \r\n"
        "sentido sólo o en los dos.\r\n"
        "t permite asignar un texto a la sala (max 100 caracteres ) Una vez \r\n"
        "tecleado, pulsar enter para introducirlo\r\n"
        " arriba,u crea sala al norte; abajo , s crea sala al sur; \r\n"
        "derecha, e Crea sala al este ; izquierda, w, o crea sala al oeste; \r\n"
        "q crea sala arriba ;a crea sala abajo; \r\n"
        "d crea sala dentro; f crea sala fuera; \r\n"
        "i / RePag  crea sala al nordeste; \r\n"
        ", / avPag  crea sala al sureste, \r\n"
        "n / fin  crea sala al suroeste, \r\n"
        "y griega / inicio crea sala al noroeste;\r\n"
        "\r\n"
        "> modo recorrer, (modo creación desactivado).\r\n"
        "para recorrer las salas utilice cualquiera de las siguientes teclas  \r\n"
        "norte: cursor arriba u \r\n"
        "noreste:  RePag i\r\n"
        "este: cursor derecha k\r\n"
        "sureste: AvPag o tecla de la coma\r\n"
        "sur: cursor abajo m  \r\n"
        "suroeste: inicio n\r\n"
        "oeste: cursor izquierda h w o  \r\n"
        "noroeste: inicio y griega\r\n"
        "arriba: q\r\n"
        "abajo: a\r\n"
        "dentro: d\r\n"
        "fuera: f\r\n"
        "Primera sala: control inicio\r\n"
        "última sala: control fin \r\n");
}

HelpWindow::HelpWindow(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Dialog"));
    QString shown = helpText();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.chop(1);
    build(QStringLiteral("Comandos de teclado"), shown, 267);
}

HelpWindow::HelpWindow(QWidget *parent, const QString &title, const QString &text)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("KeyList"));
    build(title, text, 400);
}

void HelpWindow::build(const QString &title, const QString &shown, int height)
{
    setWindowTitle(title);
    auto *text = new PasteSafeTextEdit(this);
    text->setObjectName(QStringLiteral("DescriptionBox"));
    text->setAccessibleName(title);
    text->setAccessibleDescription(
        QStringLiteral("Las teclas del editor; Escape cierra la ventana."));
    text->setFont(helpFont());
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    // The text is shown line for line; the box scrolls where the window is too small for it.
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setPlainText(shown);
    // The design's box is narrower than the longest line in most fonts: widen it to fit.
    const int width = std::max(400, widestLine(text->fontMetrics(), shown) +
                                        text->verticalScrollBar()->sizeHint().width() +
                                        2 * text->frameWidth() + 12);
    text->setGeometry(3, 3, width, height);

    auto *okButton = new QPushButton(QStringLiteral("Aceptar"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    const int buttonWidth = 133;
    const int buttonTop = height + 33;
    okButton->setGeometry(3 + (width - buttonWidth) / 2, buttonTop, buttonWidth, 25);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(width + 2 * 3, buttonTop + 25 + 3);
    text->setFocus();
}

} // namespace rumbario
