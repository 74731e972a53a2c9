// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/scriptedservices.h"
#include "window/keycodes.h"
#include "window/menutable.h"
#include "window/planaccess.h"

#include <QTest>

using namespace rumbario;

namespace {

const MenuItem *findItem(const char *name)
{
    for (const Menu &menu : menuTable()) {
        for (const MenuItem &item : menu.items) {
            if (qstrcmp(item.objectName, name) == 0)
                return &item;
        }
    }
    return nullptr;
}

/** Three rooms in a row, creation on, room 3 current: every command has something to do. */
void prepare(Session &session)
{
    session.pressLetters(" EE");
    session.services.clearLogs();
    session.services.inputAnswers = {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1")};
    session.services.messageAnswers = {Answer::Yes, Answer::Yes};
    session.services.fileAnswers = {std::nullopt};
}

} // namespace

class TestMenus : public QObject
{
    Q_OBJECT

private slots:
    void itemsSendTheirKeys_data();
    void itemsSendTheirKeys();
    void captionsAndShortcuts();
    void coordinatesToggle();
    void exitGoesThroughTheClosingQuestion();
};

// clang-format off
void TestMenus::itemsSendTheirKeys_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("key");
    QTest::newRow("MnuOpcAlt") << "MnuOpcAlt" << Key::Space;
    QTest::newRow("MnuOpcAbr") << "MnuOpcAbr" << Key::F2;
    QTest::newRow("MnuOpcRea") << "MnuOpcRea" << Key::F3;
    QTest::newRow("MnuOpcBus") << "MnuOpcBus" << Key::F5;
    QTest::newRow("MnuOpcIr") << "MnuOpcIr" << Key::F6;
    QTest::newRow("MnuOpcIns") << "MnuOpcIns" << Key::letter('T');
    QTest::newRow("MnuOpcelS") << "MnuOpcelS" << int(Key::Delete);
    QTest::newRow("MnuOpcCon") << "MnuOpcCon" << Key::letter('X');
    QTest::newRow("MnuOpcEli") << "MnuOpcEli" << Key::letter('Z');
    QTest::newRow("MnuAyuCom") << "MnuAyuCom" << Key::F1;
}
// clang-format on

void TestMenus::itemsSendTheirKeys()
{
    QFETCH(QString, item);
    QFETCH(int, key);
    const MenuItem *menuItem = findItem(item.toLatin1().constData());
    QVERIFY(menuItem);
    QCOMPARE(menuItem->action, MenuAction::SendKey);
    QCOMPARE(menuItem->keyCode, key);

    Session byMenu;
    Session byKey;
    prepare(byMenu);
    prepare(byKey);
    runMenuItem(byMenu.editor, *menuItem);
    byKey.press(key);
    QCOMPARE(byMenu.services.dialogs, byKey.services.dialogs);
    QCOMPARE(byMenu.services.events, byKey.services.events);
    QCOMPARE(byMenu.store.Lista, byKey.store.Lista);
    QCOMPARE(byMenu.store.currentRoom, byKey.store.currentRoom);
    QVERIFY(!byMenu.services.events.isEmpty() || !byMenu.services.dialogs.isEmpty());
}

void TestMenus::captionsAndShortcuts()
{
    QStringList captions;
    QStringList shortcuts;
    for (const Menu &menu : menuTable()) {
        captions << menu.caption;
        for (const MenuItem &item : menu.items) {
            captions << item.caption;
            if (*item.shortcut)
                shortcuts << QString::fromLatin1(item.shortcut);
        }
    }
    QCOMPARE(captions,
             (QStringList{"&Archivo", "&Abrir...", "&Guardar como...", "Salir (Alt-f4)",
                          "&Exportar juego...", "&Opciones", "&Alternar modo creación (espacio)",
                          "A&brir / guardar", "&Reajustar coordenadas", "B&uscar texto",
                          "&Ir a sala", "Ocultar coordenadas", "&Insertar texto t",
                          "&Eliminar última sala supr", "&Conectar salas x", "&Eliminar conexión z",
                          "A&yuda", "&Comandos de teclado"}));
    QCOMPARE(shortcuts, (QStringList{"Ctrl+A", "Ctrl+G", "F2", "F3", "F5", "F6", "F7", "F1"}));
}

void TestMenus::coordinatesToggle()
{
    Session session;
    const MenuItem *toggle = findItem("MnuOpcCoo");
    runMenuItem(session.editor, *toggle);
    QCOMPARE(session.services.events,
             QStringList{QStringLiteral("caption MnuOpcCoo=Mostrar coordenadas")});
    // The view changes at its next redraw only.
    QCOMPARE(session.text2(), QStringLiteral("S 1: (0, 0)"));
    session.press(Key::letter('B'));
    QCOMPARE(session.text2(), QStringLiteral("S 1: "));
    runMenuItem(session.editor, *toggle);
    QCOMPARE(session.services.events.last(),
             QStringLiteral("caption MnuOpcCoo=Ocultar coordenadas"));
}

void TestMenus::exitGoesThroughTheClosingQuestion()
{
    Session session;
    session.store.modified = true;
    bool stayed = false;
    session.services.onClose = [&] {
        stayed = Form_QueryUnload(session.editor);
    };
    session.services.messageAnswers = {Answer::Cancel};
    runMenuItem(session.editor, *findItem("MnuArcSal"));
    QVERIFY(stayed);
    QCOMPARE(
        session.services.dialogs,
        QStringList{QStringLiteral("message YesNoCancel [Rumbario] ¿Desea guardar los cambios?")});
}

QTEST_GUILESS_MAIN(TestMenus)
#include "tst_menus.moc"
