// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/keycodes.h"
#include "editor/keytranslation.h"

#include <QTest>

using namespace rumbario;

class TestKeyTranslation : public QObject
{
    Q_OBJECT

private slots:
    void keys_data();
    void keys();
    void modifiers();
};

void TestKeyTranslation::keys_data()
{
    QTest::addColumn<int>("qtKey");
    QTest::addColumn<int>("code");
    QTest::newRow("Enter") << int(Qt::Key_Return) << Key::Enter;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << Key::Enter;
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << Key::PageUp;
    QTest::newRow("Down") << int(Qt::Key_Down) << Key::Down;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << Key::Delete;
    QTest::newRow("A") << int(Qt::Key_A) << 65;
    QTest::newRow("Z") << int(Qt::Key_Z) << 90;
    QTest::newRow("F1") << int(Qt::Key_F1) << Key::F1;
    QTest::newRow("F7") << int(Qt::Key_F7) << Key::F7;
    QTest::newRow("comma") << int(Qt::Key_Comma) << Key::Comma;
    QTest::newRow("unknown") << int(Qt::Key_Launch0) << 0;
}

void TestKeyTranslation::keys()
{
    QFETCH(int, qtKey);
    QFETCH(int, code);
    QCOMPARE(virtualKeyCode(qtKey), code);
}

void TestKeyTranslation::modifiers()
{
    QCOMPARE(modifierMask(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier |
                          Qt::KeypadModifier),
             Modifier::Shift | Modifier::Ctrl | Modifier::Alt);
    QCOMPARE(modifierMask(Qt::NoModifier), 0);
}

QTEST_GUILESS_MAIN(TestKeyTranslation)
#include "tst_keytranslation.moc"
