// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

#include <cstdio>

namespace {

const char *const helpText = "Uso: rumbario [ARCHIVO]\n"
                             "Editor de mapas de aventuras de texto que se maneja con el teclado.\n"
                             "\n"
                             "  ARCHIVO        un plano (.pln) que se abre al arrancar\n"
                             "  -h, --help     muestra esta ayuda y termina\n"
                             "  -v, --version  muestra la versión y termina\n";

/** What the command line asks for: the file to open, or an answer printed before any window. */
struct CommandLine
{
    QString file;
    /** Printed instead of starting the editor, with the exit code to end with. */
    QString answer;
    int exitCode = -1;
};

CommandLine parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    parser.addOptions({help, version});
    if (!parser.parse(arguments))
        return {QString(),
                QStringLiteral("rumbario: opción desconocida: %1\n")
                        .arg(parser.unknownOptionNames().join(QStringLiteral(", "))) +
                    QString::fromUtf8(helpText),
                2};
    if (parser.isSet(help))
        return {QString(), QString::fromUtf8(helpText), 0};
    if (parser.isSet(version))
        return {QString(), QStringLiteral("Rumbario " RUMBARIO_VERSION "\n"), 0};
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return {QString(), QStringLiteral("rumbario: se abre un solo archivo\n"), 2};
    return {files.value(0), QString(), -1};
}

} // namespace

int main(int argc, char *argv[])
{
    // Answered before any window, so that it works where there is no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = parseCommandLine(arguments);
    if (commandLine.exitCode >= 0) {
        std::fputs(commandLine.answer.toLocal8Bit().constData(),
                   commandLine.exitCode == 0 ? stdout : stderr);
        return commandLine.exitCode;
    }

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

    rumbario::MainWindow window;
    window.show();
    // A file named on the command line opens as Ctrl+A would open it, once the window is up.
    if (!commandLine.file.isEmpty())
        QTimer::singleShot(0, &window, [&window, &commandLine] {
            window.openPlanFile(QFileInfo(commandLine.file).absoluteFilePath());
        });
    return app.exec();
}
