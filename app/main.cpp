// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/form1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rumbario"));
    // Where the window's size and place, and the recovery copies, are kept.
    QApplication::setOrganizationName(QStringLiteral("Rumbario"));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.rumbario.Rumbario"));
    // The editor speaks Spanish whatever the system language; Qt's own texts follow where
    // its Spanish translation is installed.
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_es"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    rumbario::Form1 window;
    window.show();
    return app.exec();
}
