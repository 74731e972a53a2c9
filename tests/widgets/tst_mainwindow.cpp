// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/recoverycopy.h"
#include "core/safesave.h"
#include "support/childprocess.h"
#include "widgets/helpwindow.h"
#include "widgets/keysurface.h"
#include "widgets/mainwindow.h"
#include "widgets/pastesafetextedit.h"
#include "widgets/picturewriter.h"
#include "widgets/plandrawing.h"
#include "widgets/planview.h"
#include "window/menutable.h"
#include "window/planpages.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QImage>
#include <QInputDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <QUrl>

#include <csignal>
#include <deque>

#include <functional>
#include <memory>
#include <sys/resource.h>
#include <variant>

using namespace rumbario;

namespace {

/** Writes a name in a file dialog and accepts it, as a user typing it and pressing Enter. */
void acceptFile(QWidget *widget, const QString &path)
{
    auto *dialog = qobject_cast<QFileDialog *>(widget);
    QVERIFY(dialog);
    dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
    QMetaObject::invokeMethod(dialog, "accept");
    QVERIFY(!dialog->isVisible());
}

/**
 * Answers the modal dialogs of the real window as they appear, in order, and keeps what each
 * showed as "title|text". A text answer is typed into an input box, is the file a file dialog
 * accepts, or names the message box button to click ("&Aceptar") or the letter to press ("S");
 * a function answers anything else.
 */
class DialogScript : public QObject
{
public:
    using Answer = std::variant<QString, std::function<void(QWidget *)>>;

    DialogScript()
    {
        connect(&mTimer, &QTimer::timeout, this, &DialogScript::poll);
        mTimer.start(10);
    }

    void expect(std::initializer_list<Answer> answers)
    {
        mAnswers.insert(mAnswers.end(), answers.begin(), answers.end());
    }
    bool done() const { return mAnswers.empty(); }
    QStringList shown;

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        // A failed check, or a dialog nobody expected, must not leave the test waiting on it.
        if (QTest::currentTestFailed() || mAnswers.empty()) {
            if (!QTest::currentTestFailed() && modal != mLastHandled)
                QTest::qFail(
                    qPrintable(QStringLiteral("a dialog nobody expected: ") + modal->windowTitle()),
                    __FILE__, __LINE__);
            modal->close();
            return;
        }
        // Only an active dialog has its focus where a user would find it; with no window manager
        // nobody else makes it active.
        if (modal == mLastHandled)
            return;
        if (!modal->isActiveWindow()) {
            modal->activateWindow();
            return;
        }
        mLastHandled = modal;
        const Answer answer = mAnswers.front();
        mAnswers.pop_front();
        if (const auto *function = std::get_if<1>(&answer))
            (*function)(modal);
        else
            give(modal, std::get<QString>(answer));
    }

    void give(QWidget *modal, const QString &answer)
    {
        if (auto *input = qobject_cast<QInputDialog *>(modal)) {
            shown << input->windowTitle() + u'|' + input->labelText();
            // The whole title shows, with room left for the title bar's buttons.
            QVERIFY(input->width() >=
                    input->fontMetrics().horizontalAdvance(input->windowTitle()) + 100);
            input->setTextValue(answer);
            input->accept();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            shown << box->windowTitle() + u'|' + box->text();
            answerMessageBox(box, answer);
        } else {
            acceptFile(modal, answer);
        }
    }

    static void answerMessageBox(QMessageBox *box, const QString &answer)
    {
        if (answer.size() == 1) {
            QTest::keyClick(box, answer.at(0).toLatin1());
            return;
        }
        for (QAbstractButton *button : box->buttons()) {
            if (button->text() == answer) {
                button->click();
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no button ") + answer));
    }

    std::deque<Answer> mAnswers;
    QPointer<QWidget> mLastHandled;
    QTimer mTimer;
};

/** Holds the keys pressed, as the accessibility bridge holds them while a screen reader looks
 *  at them, until they are let go, in the order pressed. */
class ScreenReaderHoldingKeys : public QObject
{
public:
    ScreenReaderHoldingKeys() { qApp->installEventFilter(this); }

    void letGo()
    {
        qApp->removeEventFilter(this);
        for (auto &[target, key] : mHeld)
            QCoreApplication::postEvent(target, key.release());
        QCoreApplication::processEvents();
    }

protected:
    bool eventFilter(QObject *target, QEvent *event) override
    {
        const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
        if (!key || !event->spontaneous())
            return false;
        mHeld.emplace_back(target, static_cast<QKeyEvent *>(event)->clone());
        return true;
    }

private:
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QKeyEvent>>> mHeld;
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsThenDrawsAndDescribesWithRealKeys();
    void linksAndUnlinksThroughRealBoxes();
    void savesExportsAndReopensThroughTheFileDialog();
    void helpWindowShowsTheReference();
    void shortcutsFireTheirItems();
    void planFollowsTheKeyboard();
    void undoesAndRedoesWithTheKeysAndTheEditMenu();
    void unavailableShortcutsNeverBecomeLetters_data();
    void unavailableShortcutsNeverBecomeLetters();
    void typingGoesOnAfterTheDescriptionAndMarksWhatEnterCuts();
    void showsWhenTheMapIsNotOnDisk();
    void pasteNeverKillsTheEditor_data();
    void pasteNeverKillsTheEditor();
    void keepsItsSizePlaceZoomAndOptionsFromOneRunToTheNext();
    void keepsACopyThatTheNextRunRecovers();
    void opensAPlanFileDroppedOnIt();
    void keysReachTheKeySurfaceAfterMenusAndDialogs();
    void readsBoxesAndFitsTheRealMap();
    void placesStubLabelsAndNumbersApart();
    void picturesAndPrintsTheRealMap();
    void namesEveryControlForAScreenReader();
    void keysKeepTheirOrderWhileAScreenReaderLooksAtThem();
    void reviewWindowGoesToRoomsAndFollowsTheMap();

private:
    /** Does an action, answering the dialogs it opens in order; returns what they showed. */
    QStringList answering(std::initializer_list<DialogScript::Answer> answers,
                          const std::function<void()> &action);
    void openWindow();
    static QString recoveryFolder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
               QStringLiteral("/recuperacion");
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QString text(const char *name) const;

    MainWindow *mWindow = nullptr;
    QWidget *mKeySurface = nullptr;
    /** Answers the dialogs a test expects, and fails it on any other. */
    std::unique_ptr<DialogScript> mDialogs;
    /** The window's settings live here, never in the user's own. */
    QTemporaryDir mSettings;
};

void TestMainWindow::initTestCase()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, mSettings.path());
    // Recovery copies go to the test's own data folder.
    QStandardPaths::setTestModeEnabled(true);
}

QStringList TestMainWindow::answering(std::initializer_list<DialogScript::Answer> answers,
                                      const std::function<void()> &action)
{
    mDialogs->shown.clear();
    mDialogs->expect(answers);
    action();
    if (!mDialogs->done())
        QTest::qFail("a dialog the test answers never appeared", __FILE__, __LINE__);
    return mDialogs->shown;
}

void TestMainWindow::init()
{
    mDialogs = std::make_unique<DialogScript>();
    QSettings().clear();
    QDir(recoveryFolder()).removeRecursively();
    openWindow();
}

void TestMainWindow::openWindow()
{
    mWindow = new MainWindow;
    mWindow->show();
    QVERIFY(QTest::qWaitForWindowExposed(mWindow));
    mWindow->activateWindow();
    QApplication::setActiveWindow(mWindow);
    QVERIFY(QTest::qWaitForWindowActive(mWindow));
    mKeySurface = mWindow->findChild<QWidget *>(QStringLiteral("KeySurface"));
    QTRY_COMPARE(QApplication::focusWidget(), mKeySurface);
}

void TestMainWindow::cleanup()
{
    mWindow->editor().store.setModified(false);
    delete mWindow;
    mWindow = nullptr;
    mDialogs.reset();
}

void TestMainWindow::press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    // After a modal dialog the window takes the keyboard back once it is active again.
    QTRY_VERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

QString TestMainWindow::text(const char *name) const
{
    return mWindow->findChild<QPlainTextEdit *>(QString::fromLatin1(name))->toPlainText();
}

void TestMainWindow::startsThenDrawsAndDescribesWithRealKeys()
{
    QCOMPARE(mWindow->windowTitle(), QStringLiteral("Rumbario"));
    QCOMPARE(text("ViewLine"), QStringLiteral("S 1: (0, 0)"));
    QCOMPARE(text("DescriptionBox"), QStringLiteral("modo creación desactivado"));
    // The first window shows the plan: 900 x 700 pixels, or the whole screen where it is smaller.
    QCOMPARE(mWindow->size(),
             QSize(900, 700).boundedTo(mWindow->screen()->availableGeometry().size()));
    // A click on the surface gives it the keyboard back.
    mWindow->findChild<QWidget *>(QStringLiteral("DescriptionBox"))->setFocus();
    QTest::mouseClick(mKeySurface, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), mKeySurface);

    // The key surface shows the mode: a bright frame while creating.
    const auto corner = [this] {
        return QColor(mKeySurface->grab().toImage().pixel(1, 1));
    };
    QCOMPARE(corner(), QColor(0, 0, 128));
    press(Qt::Key_Space);
    QCOMPARE(text("ViewLine"), QStringLiteral("Modo creación  activado"));
    QCOMPARE(corner(), QColor(255, 213, 79));
    press(Qt::Key_Right);
    press(Qt::Key_Up);
    QCOMPARE(text("ViewLine"), QStringLiteral("S 3: sur (1, 1)"));
    press(Qt::Key_T);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("DescriptionBox"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Torre"));
    press(Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), mKeySurface);
    QCOMPARE(text("ViewLine"), QStringLiteral("Introducido "));
    QVERIFY(!text("DescriptionBox").contains(u'\n'));
    QCOMPARE(mWindow->editor().store.room(3).description.text(),
             QStringLiteral("Torre") + QString(95, u' '));
    // Creation mode is back on: the next key creates.
    press(Qt::Key_Right);
    QCOMPARE(mWindow->editor().store.roomCount(), qint16(4));
    press(Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(text("ViewLine"), QStringLiteral("S 1: Este (0, 0)"));
}

void TestMainWindow::linksAndUnlinksThroughRealBoxes()
{
    press(Qt::Key_Space);
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    QStringList shown =
        answering({QStringLiteral("4"), QStringLiteral("1")}, [&] { press(Qt::Key_X); });
    QCOMPARE(text("ViewLine"), QStringLiteral("S 3: Oeste (2, 0)"));
    QCOMPARE(mWindow->editor().store.room(1).exits[East], qint16(3));
    QCOMPARE(shown.first(), QStringLiteral("Introduzca dirección de enlace| 1 N, 2 S, 3 E, 4 W, "
                                           "5 U, 6 D, 7 Adentro, 8 Afuera, 9 NE, 10 SE, 11 SO, "
                                           "12 NO"));
    // S answers Sí without Alt.
    shown = answering({QStringLiteral("1"), QStringLiteral("S")}, [&] { press(Qt::Key_Z); });
    QCOMPARE(shown.last(), QStringLiteral("Eliminar conexión|¿eliminar también la conexión en "
                                          "sentido contrario? (desde la otra sala)"));
    QCOMPARE(mWindow->editor().store.room(3).exits[West], qint16(0));
    QCOMPARE(mWindow->editor().store.room(1).exits[East], qint16(0));
    QCOMPARE(text("ViewLine"), QStringLiteral("S 3: (2, 0)"));
}

void TestMainWindow::savesExportsAndReopensThroughTheFileDialog()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("mapa.pln"));
    press(Qt::Key_Space);
    press(Qt::Key_Down);
    QStringList shown = answering({path, QStringLiteral("&Aceptar")},
                                  [&] { press(Qt::Key_G, Qt::ControlModifier); });
    QCOMPARE(shown.last(),
             QStringLiteral("Rumbario|Mapa %1 guardado correctamente, 2 salas").arg(path));
    QVERIFY(!mWindow->editor().store.modified());

    // Ctrl+S saves to the map's own file, even in creation mode, where S alone draws.
    shown = answering({QStringLiteral("&Aceptar")}, [&] { press(Qt::Key_S, Qt::ControlModifier); });
    QCOMPARE(shown.last(),
             QStringLiteral("Rumbario|Mapa %1 guardado correctamente, 2 salas").arg(path));
    QCOMPARE(mWindow->editor().store.roomCount(), qint16(2));
    const auto *recent = mWindow->findChild<QMenu *>(QStringLiteral("fileRecentMaps"));
    QCOMPARE(recent->actions().first()->text(), QStringLiteral("&1 ") + path);

    // The export's file type, chosen in the dialog, gives the name its extension.
    const QString game = dir.filePath(QStringLiteral("juego"));
    shown = answering(
        {[&](QWidget *widget) {
             auto *dialog = qobject_cast<QFileDialog *>(widget);
             QCOMPARE(dialog->nameFilters().size(), 4);
             dialog->selectNameFilter(QStringLiteral("ngPAWS (*.txp)"));
             acceptFile(widget, game);
         },
         QStringLiteral("&Aceptar")},
        [&] { mWindow->findChild<QAction *>(QStringLiteral("fileExportGame"))->trigger(); });
    QCOMPARE(shown.last(), QStringLiteral("Rumbario|Juego exportado: %1.txp, 2 salas").arg(game));
    QVERIFY(QFile::exists(game + QStringLiteral(".txp")));

    delete mWindow;
    init();
    shown = answering({QStringLiteral("1"), path, QStringLiteral("&Aceptar")},
                      [&] { press(Qt::Key_F2); });
    QCOMPARE(shown.last(),
             QStringLiteral("Rumbario|Mapa %1 cargado correctamente.2 salas.").arg(path));
    QCOMPARE(text("ViewLine"), QStringLiteral("S 1: sur (1, 1)"));
}

void TestMainWindow::helpWindowShowsTheReference()
{
    QString shownText;
    QString caption;
    answering({[&](QWidget *widget) {
                  QCOMPARE(widget->objectName(), QStringLiteral("Dialog"));
                  caption = widget->windowTitle();
                  auto *box = widget->findChild<QPlainTextEdit *>(QStringLiteral("DescriptionBox"));
                  shownText = box->toPlainText();
                  QTRY_COMPARE(QApplication::focusWidget(), box);
                  widget->findChild<QPushButton *>(QStringLiteral("OKButton"))->click();
              }},
              [&] { press(Qt::Key_F1); });
    QCOMPARE(caption, QStringLiteral("Comandos de teclado"));
    QCOMPARE(shownText + QStringLiteral("\n"),
             helpText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QVERIFY(shownText.startsWith(QStringLiteral("  Comandos de teclado \n(Utilice avanzar")));
    QVERIFY(shownText.contains(QStringLiteral("\nF2 guardar mapa o cargar otro mapa\n")));
    QVERIFY(!mWindow->findChild<HelpWindow *>());
}

void TestMainWindow::shortcutsFireTheirItems()
{
    auto *coordinates = mWindow->findChild<QAction *>(QStringLiteral("optionsCoordinates"));
    press(Qt::Key_F7);
    QCOMPARE(coordinates->text(), QStringLiteral("Mostrar coordenadas"));

    // While a description is typed, Ctrl+A still opens a plan file instead of selecting all.
    press(Qt::Key_Space);
    press(Qt::Key_T);
    bool fileDialogShown = false;
    answering({[&](QWidget *widget) {
                  fileDialogShown = qobject_cast<QFileDialog *>(widget) != nullptr;
                  widget->close();
              }},
              [&] { press(Qt::Key_A, Qt::ControlModifier); });
    QVERIFY(fileDialogShown);
}

void TestMainWindow::planFollowsTheKeyboard()
{
    PlanView *plan = mWindow->planView();
    const QWidget *viewline = mWindow->findChild<QWidget *>(QStringLiteral("ViewLine"));
    // The plan lies under the described controls and fills all the client area they leave.
    QCOMPARE(plan->geometry(), mWindow->centralWidget()->rect());
    QCOMPARE(plan->focusPolicy(), Qt::NoFocus);

    press(Qt::Key_Space);
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Up, Qt::Key_Q, Qt::Key_A})
        press(key);
    // Wide and low, the window keeps the current room beside the controls.
    mWindow->resize(1400, 450);
    QTRY_COMPARE(plan->size(), mWindow->centralWidget()->size());
    QVERIFY(plan->viewport().toPixel(QPointF(2, 1)).x() > viewline->geometry().right());

    const QImage image = plan->grab().toImage();
    // Room 3 at (2, 1) is current: a corner of its box shows the highlight colour.
    const PlanViewport &viewport = plan->viewport();
    const double side = 2 * planBoxHalf * viewport.scale;
    const QPointF corner = viewport.toPixel(QPointF(2, 1)) + QPointF(side * 0.35, side * 0.35);
    QCOMPARE(QColor(image.pixel((corner * image.devicePixelRatio()).toPoint())),
             QColor(255, 213, 79));

    // A click on room 1 makes it current and gives the keyboard back to KeySurface.
    QTest::mouseClick(plan, Qt::LeftButton, {}, viewport.toPixel(QPointF(0, 0)).toPoint());
    QCOMPARE(text("ViewLine"), QStringLiteral("S 1: Este (0, 0)"));
    QCOMPARE(QApplication::focusWidget(), mKeySurface);

    // While a description is typed, a click on the plan leaves the text and the keyboard alone.
    press(Qt::Key_T);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Torre"));
    QTest::mouseClick(plan, Qt::LeftButton, {}, viewport.toPixel(QPointF(2, 1)).toPoint());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("DescriptionBox"));
    QVERIFY(text("DescriptionBox").contains(QStringLiteral("Torre")));
    QCOMPARE(mWindow->editor().store.currentRoom(), qint16(1));
}

void TestMainWindow::undoesAndRedoesWithTheKeysAndTheEditMenu()
{
    QCOMPARE(mWindow->menuBar()->actions().at(1)->text(), QStringLiteral("&Edición"));
    auto *undo = mWindow->findChild<QAction *>(QStringLiteral("editUndo"));
    auto *redo = mWindow->findChild<QAction *>(QStringLiteral("editRedo"));
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());
    const auto rooms = [this] {
        return mWindow->editor().store.roomCount();
    };
    press(Qt::Key_Space);
    press(Qt::Key_Right);
    QCOMPARE(undo->text(), QStringLiteral("&Deshacer creación de la sala 2"));
    QVERIFY(undo->isEnabled());
    press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(rooms(), qint16(1));
    QCOMPARE(text("ViewLine"), QStringLiteral("S 1: (0, 0)"));
    QCOMPARE(redo->text(), QStringLiteral("&Rehacer creación de la sala 2"));
    QVERIFY(!undo->isEnabled() && redo->isEnabled());
    press(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(rooms(), qint16(2));
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(rooms(), qint16(2));
    QCOMPARE(text("ViewLine"), QStringLiteral("S 2: Oeste (1, 0)"));
    // Once more than there is to redo, and to undo, as everyone presses "to be sure".
    press(Qt::Key_Y, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(rooms(), qint16(2));
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(rooms(), qint16(1));
    QCOMPARE(text("ViewLine"), QStringLiteral("S 1: (0, 0)"));

    // While a description is typed, Ctrl+Z undoes the typing and leaves the map alone.
    press(Qt::Key_T);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Torre"));
    press(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!text("DescriptionBox").contains(QStringLiteral("Torre")));
    QCOMPARE(rooms(), qint16(1));
}

namespace {

enum class KeysGoTo { Walking, Creation, Description };

} // namespace

Q_DECLARE_METATYPE(KeysGoTo)

void TestMainWindow::unavailableShortcutsNeverBecomeLetters_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<KeysGoTo>("state");
    const std::pair<KeysGoTo, const char *> states[] = {{KeysGoTo::Walking, "walking"},
                                                        {KeysGoTo::Creation, "creation"},
                                                        {KeysGoTo::Description, "typing"}};
    for (const Menu &menu : menuTable()) {
        for (const MenuItem &item : menu.items) {
            for (const QKeySequence &shortcut :
                 QKeySequence::listFromString(QString::fromLatin1(item.shortcut))) {
                if (shortcut.isEmpty())
                    continue;
                for (const auto &[state, name] : states)
                    QTest::addRow("%s %s", qPrintable(shortcut.toString()), name)
                        << QString::fromLatin1(item.objectName) << shortcut << state;
            }
        }
    }
}

void TestMainWindow::unavailableShortcutsNeverBecomeLetters()
{
    QFETCH(QString, item);
    QFETCH(QKeySequence, shortcut);
    QFETCH(KeysGoTo, state);
    const Editor &editor = mWindow->editor();
    press(Qt::Key_Space);
    press(Qt::Key_Right);
    if (state != KeysGoTo::Creation)
        press(state == KeysGoTo::Walking ? Qt::Key_Space : Qt::Key_T);
    mWindow->setMenuEnabled(item, false);
    QWidget *focused = QApplication::focusWidget();
    // Ctrl alone is a key with no command of its own: it draws the view again.
    QTest::keyClick(focused, Qt::Key_Control);
    const quint64 revision = editor.store.journal().revision();
    const QString descriptionbox = text("DescriptionBox");
    const QString viewline = text("ViewLine");
    const bool creation = editor.creationMode;
    auto *box = mWindow->findChild<QPlainTextEdit *>(QStringLiteral("DescriptionBox"));
    const int anchor = box->textCursor().anchor();
    const int position = box->textCursor().position();

    QTest::keyClick(focused, shortcut[0].key(), shortcut[0].keyboardModifiers());
    // Nor does the description box take it as an editing key (Ctrl+A would select all).
    QCOMPARE(box->textCursor().anchor(), anchor);
    QCOMPARE(box->textCursor().position(), position);
    QCOMPARE(editor.store.journal().revision(), revision);
    QCOMPARE(text("DescriptionBox"), descriptionbox);
    QCOMPARE(text("ViewLine"), viewline);
    QCOMPARE(bool(editor.creationMode), creation);
    QCOMPARE(QApplication::focusWidget(), focused);
    QVERIFY(mDialogs->done());
}

void TestMainWindow::typingGoesOnAfterTheDescriptionAndMarksWhatEnterCuts()
{
    press(Qt::Key_Space);
    press(Qt::Key_T);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Cocina"));
    press(Qt::Key_Return);
    press(Qt::Key_T);
    auto *box = mWindow->findChild<QPlainTextEdit *>(QStringLiteral("DescriptionBox"));
    QCOMPARE(box->textCursor().position(), 6);
    QTest::keyClicks(box, QStringLiteral(" grande"));
    QVERIFY(box->toPlainText().startsWith(QStringLiteral("Cocina grande ")));
    QVERIFY(box->extraSelections().isEmpty());
    QCOMPARE(mWindow->planView()->legend(),
             QStringLiteral("Nivel 0 · recorrido · quedan 87 de 100 · sin guardar"));

    QTest::keyClicks(box, QString(90, u'x'));
    const QList<QTextEdit::ExtraSelection> marks = box->extraSelections();
    QCOMPARE(marks.size(), 1);
    QCOMPARE(marks.first().cursor.selectedText(), QString(3, u'x'));
    QVERIFY(marks.first().format.fontStrikeOut());
    QCOMPARE(mWindow->planView()->legend(),
             QStringLiteral("Nivel 0 · recorrido · sobran 3 de 100 · sin guardar"));
    press(Qt::Key_Return);
    QCOMPARE(mWindow->editor().store.room(1).description.text(),
             QStringLiteral("Cocina grande") + QString(87, u'x'));
}

void TestMainWindow::showsWhenTheMapIsNotOnDisk()
{
    PlanView *plan = mWindow->planView();
    QCOMPARE(plan->legend(), QStringLiteral("Nivel 0 · recorrido"));
    press(Qt::Key_Space);
    press(Qt::Key_Right);
    QCOMPARE(plan->legend(), QStringLiteral("Nivel 0 · creación · sin guardar"));
    // Ctrl+N is no longer N (south-west): it starts a new map after the closing question.
    answering({QStringLiteral("N")}, [&] { press(Qt::Key_N, Qt::ControlModifier); });
    QCOMPARE(mWindow->editor().store.roomCount(), qint16(1));
    QCOMPARE(plan->legend(), QStringLiteral("Nivel 0 · recorrido"));
}

void TestMainWindow::pasteNeverKillsTheEditor_data()
{
    QTest::addColumn<int>("content");
    QTest::newRow("empty clipboard") << 0;
    QTest::newRow("a picture") << 1;
    QTest::newRow("10 MB of text") << 2;
}

void TestMainWindow::pasteNeverKillsTheEditor()
{
    QFETCH(int, content);
    QClipboard *clipboard = QApplication::clipboard();
    clipboard->clear();
    if (content == 1)
        clipboard->setImage(QImage(8, 8, QImage::Format_RGB32));
    if (content == 2)
        clipboard->setText(QString(10 * 1024 * 1024, u'a'));
    press(Qt::Key_Space);
    press(Qt::Key_T);
    auto *box = mWindow->findChild<QPlainTextEdit *>(QStringLiteral("DescriptionBox"));
    press(Qt::Key_V, Qt::ControlModifier);
    box->paste();
    QVERIFY(box->toPlainText().size() <= 2 * PasteSafeTextEdit::pasteLimit + 100);
    press(Qt::Key_Return);
    QCOMPARE(text("ViewLine"), QStringLiteral("Introducido "));
    clipboard->clear();
}

void TestMainWindow::keepsItsSizePlaceZoomAndOptionsFromOneRunToTheNext()
{
    const auto joinLoops = [this] {
        return mWindow->findChild<QAction *>(QString::fromLatin1(joinLoopsItemName));
    };
    mWindow->setGeometry(40, 30, 640, 480);
    mWindow->planView()->setScale(97);
    joinLoops()->trigger();
    QVERIFY(mWindow->close());
    delete mWindow;
    openWindow();
    QCOMPARE(mWindow->geometry(), QRect(40, 30, 640, 480));
    QCOMPARE(mWindow->planView()->viewport().scale, 97.0);
    QVERIFY(joinLoops()->isChecked() && mWindow->editor().joinLoops);
    mWindow->showMaximized();
    QVERIFY(mWindow->close());
    delete mWindow;
    openWindow();
    QVERIFY(mWindow->isMaximized());
}

void TestMainWindow::keepsACopyThatTheNextRunRecovers()
{
    press(Qt::Key_Space);
    press(Qt::Key_Right);
    // The window's own timer writes the copy a moment after the change.
    QTRY_COMPARE(recoveryCopies(recoveryFolder()).size(), size_t(1));
    const RecoveryCopy copy = recoveryCopies(recoveryFolder()).front();
    delete mWindow;
    openWindow();
    QStringList listed;
    const QStringList shown =
        answering({[&](QWidget *widget) {
                       auto *list = qobject_cast<QInputDialog *>(widget);
                       listed = list->comboBoxItems();
                       list->setTextValue(listed.first());
                       list->accept();
                   },
                   QStringLiteral("&Aceptar")},
                  [&] { mWindow->findChild<QAction *>(QStringLiteral("fileRecover"))->trigger(); });
    QCOMPARE(listed, QStringList{copy.written.toString(QStringLiteral("dd/MM/yyyy HH:mm")) +
                                 QStringLiteral(" · Mapa1 · 2 salas")});
    QCOMPARE(shown.last(), QStringLiteral("Rumbario|Mapa Mapa1 recuperado, 2 salas. Guárdelo para "
                                          "conservarlo."));
    QCOMPARE(mWindow->editor().store.roomCount(), qint16(2));
    QVERIFY(mWindow->editor().store.modified());
    QCOMPARE(text("ViewLine"), QStringLiteral("S 1: Este (1, 1)"));
}

void TestMainWindow::opensAPlanFileDroppedOnIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("soltado.pln"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("0,0,2,0,0,0,0,0,0,0,0,0,\"a\"\r\n0,0,0,0,0,0,1,0,0,0,0,0,\"b\"\r\n");
    file.close();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint where = mKeySurface->mapTo(mWindow, QPoint(5, 5));
    QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(mWindow, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    const QStringList shown =
        answering({QStringLiteral("&Aceptar")}, [&] { QApplication::sendEvent(mWindow, &drop); });
    // Accepted, so that the file manager does not show the file flying back.
    QVERIFY(drop.isAccepted());
    QCOMPARE(
        shown,
        QStringList{QStringLiteral("Rumbario|Mapa %1 cargado correctamente.2 salas.").arg(path)});
    QCOMPARE(text("ViewLine"), QStringLiteral("S 1: Este (1, 1)"));
    QTRY_COMPARE(QApplication::focusWidget(), mKeySurface);
}

void TestMainWindow::keysReachTheKeySurfaceAfterMenusAndDialogs()
{
    const auto rooms = [this] {
        return mWindow->editor().store.roomCount();
    };
    const DialogScript::Answer escape = [](QWidget *dialog) {
        QTest::keyClick(dialog, Qt::Key_Escape);
    };
    // Each closes a menu, a dialog or the help window with Esc, then a direction key creates.
    const std::vector<std::pair<const char *, std::function<void()>>> closings = {
        {"menu opened with Alt",
         [&] {
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
             QTRY_VERIFY(QApplication::activePopupWidget());
             QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
             QTRY_VERIFY(!QApplication::activePopupWidget());
         }},
        {"help window",
         [&] {
             answering({escape}, [&] { press(Qt::Key_F1); });
         }},
        {"input box and message box",
         [&] {
             answering({escape, escape}, [&] { press(Qt::Key_F6); });
         }},
        {"question",
         [&] {
             answering({escape}, [&] { press(Qt::Key_Delete); });
         }},
        {"file dialog",
         [&] {
             answering({escape}, [&] { press(Qt::Key_A, Qt::ControlModifier); });
         }},
    };
    press(Qt::Key_Space);
    for (const auto &[name, close] : closings) {
        const qint16 before = rooms();
        close();
        QTRY_VERIFY2(QApplication::focusWidget() == mKeySurface, name);
        press(Qt::Key_Right);
        QVERIFY2(rooms() == before + 1, name);
    }
}

void TestMainWindow::readsBoxesAndFitsTheRealMap()
{
    PlanView *plan = mWindow->planView();
    // At the first zoom a box holds a legible name on up to three lines, broken between words;
    // what cannot fit ends in an ellipsis and never runs out of the box.
    const double width = 2 * planBoxHalf * plan->viewport().scale - 4;
    QVERIFY(plan->labelFont().pixelSize() >= 9);
    const QFontMetricsF metrics(plan->labelFont());
    const auto wrapped = [&](const char *name) {
        return PlanDrawing::wrapLabel(metrics, width, QString::fromUtf8(name));
    };
    QCOMPARE(wrapped("You're in front of building"),
             QStringList({"You're in", "front of", "building"}));
    const QStringList cut = wrapped("You are at the west end of the Twopit Room");
    QCOMPARE(cut.size(), 3);
    QVERIFY2(cut.last().endsWith(QStringLiteral("…")), qPrintable(cut.join(u'|')));
    QCOMPARE(wrapped("Supercalifragilisticoespialidoso").constFirst().right(1),
             QStringLiteral("…"));
    for (const QString &line : cut + wrapped("Supercalifragilisticoespialidoso"))
        QVERIFY(metrics.horizontalAdvance(line) <= width);
    // A line that fits its box by a hair is drawn on one line: broken again where it is drawn,
    // its last word would cover the line below. The rows under the first are left blank.
    const QString tight = QStringLiteral("crossover of");
    PlanViewport tightView;
    tightView.size = QSizeF(200, 200);
    for (int i = 0; i < 3; ++i) {
        const QFontMetricsF font(PlanDrawing(plan->font(), {}).labelFont(tightView.scale));
        tightView.scale = (font.horizontalAdvance(tight) + 0.25 + 4) / (2 * planBoxHalf);
    }
    const double side = 2 * planBoxHalf * tightView.scale;
    const QRect below(QPointF(100 - side / 2 + 4, 100 - side / 2 + 0.55 * side).toPoint(),
                      QSizeF(side - 8, side * 0.4).toSize());
    QImage blank(below.size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    for (const auto text : {PlanDrawing::Text::Cached, PlanDrawing::Text::Outlined}) {
        PlanDrawing drawing(plan->font(), text);
        const QFontMetricsF font(drawing.labelFont(tightView.scale));
        QCOMPARE(PlanDrawing::wrapLabel(font, side - 4, tight), QStringList{tight});
        QVERIFY(side - 4 - font.horizontalAdvance(tight) < 0.5);
        PlanScene scene;
        scene.boxes.append({1, QPointF(0, 0), tight, false});
        QImage image(200, 200, QImage::Format_RGB32);
        QPainter painter(&image);
        drawing.draw(painter, scene, tightView);
        painter.end();
        QCOMPARE(image.copy(below), blank);
    }

    // Zoomed in from the keyboard, then a map larger than the view opens fitted to it.
    press(Qt::Key_Plus, Qt::ControlModifier);
    QCOMPARE(plan->viewport().scale, PlanViewport::firstScale * planZoomStep);
    const QString map = QStringLiteral(RUMBARIO_TEST_DATA "/maps/colossal-cave.pln");
    answering({QStringLiteral("&Aceptar")}, [&] { mWindow->openPlanFile(map); });
    PlanIndex index;
    index.update(mWindow->editor().store);
    const QRectF level = levelArea(mWindow->editor().store, index, index.shownPosition(1)[2]);
    QVERIFY(level.width() > 5);
    QVERIFY(plan->viewport().visibleArea().contains(level));
    const double fitted = plan->viewport().scale;
    press(Qt::Key_Minus, Qt::ControlModifier);
    QCOMPARE(plan->viewport().scale, fitted / planZoomStep);
    press(Qt::Key_0, Qt::ControlModifier);
    QCOMPARE(plan->viewport().scale, fitted);
    // A new map starts at the first zoom, not the last map's.
    mWindow->editor().store.setModified(false);
    press(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(plan->viewport().scale, PlanViewport::firstScale);
}

void TestMainWindow::placesStubLabelsAndNumbersApart()
{
    // A box's number clears the marks on the right of its row, 60 wide: centred in its own font
    // (30 wide) or the smaller one (20) where it fits between them, else beside them.
    const QRectF row(0, 0, 60, 12);
    const auto numberPlaced = [&row](double marks, bool small, const QRectF &area) {
        const PlanDrawing::NumberPlace placed = PlanDrawing::placeNumber(row, marks, 30, 20);
        QCOMPARE(placed.small, small);
        QCOMPARE(placed.area, area);
    };
    numberPlaced(10, false, QRectF(10, 0, 40, 12));
    numberPlaced(16, true, QRectF(16, 0, 28, 12));
    numberPlaced(25, true, QRectF(0, 0, 35, 12));

    // Two boxes of 60 pixels side by side, 40 apart.
    const QVector<QRectF> boxes{QRectF(0, 0, 60, 60), QRectF(100, 0, 60, 60)};
    const QSizeF size(50, 15);
    // North of the first box, with room to spare: just beyond the stub's end.
    const PlanDrawing::StubLabel north{QPointF(30, -30), QPointF(0, -1), size};
    QCOMPARE(PlanDrawing::placeStubLabels({north}, boxes), QVector<QRectF>{QRectF(5, -46, 50, 15)});
    // East, in the gap between the boxes, too narrow beyond the stub's end: back over the stub,
    // not away from it.
    const PlanDrawing::StubLabel between{QPointF(90, 30), QPointF(1, 0), QSizeF(34, 12)};
    QCOMPARE(PlanDrawing::placeStubLabels({between}, boxes),
             QVector<QRectF>{QRectF(65, 24, 34, 12)});
    // A second label there, and one east whose place lies on the second box: each moves where
    // neither a box nor another label is.
    const PlanDrawing::StubLabel east{QPointF(90, 30), QPointF(1, 0), size};
    const QVector<QRectF> places = PlanDrawing::placeStubLabels({north, north, east}, boxes);
    for (qsizetype i = 0; i < places.size(); ++i) {
        for (const QRectF &other : boxes + places.mid(0, i))
            QVERIFY2(!places[i].intersects(other), qPrintable(QString::number(i)));
    }
    // Eight stubs out of the middle box of nine, three labels each, as in a maze: none on a box,
    // however far it had to go or crowded the places left.
    QVector<QRectF> grid;
    for (int x = -1; x <= 1; ++x) {
        for (int y = -1; y <= 1; ++y)
            grid.append(QRectF(100 * x - 30, 100 * y - 30, 60, 60));
    }
    QVector<PlanDrawing::StubLabel> stubs;
    for (const QPointF step : {QPointF(0, -1), QPointF(1, -1), QPointF(1, 0), QPointF(1, 1),
                               QPointF(0, 1), QPointF(-1, 1), QPointF(-1, 0), QPointF(-1, -1)})
        stubs.append({step * 60, step, size});
    for (const QRectF &place : PlanDrawing::placeStubLabels(stubs + stubs + stubs, grid)) {
        for (const QRectF &box : grid)
            QVERIFY(!place.intersects(box));
    }
}

namespace {

/** Pages of a PDF file, counted as a reader finds them: the objects of type Page. */
qsizetype pdfPages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page\\b"));
    return QString::fromLatin1(file.readAll()).count(page);
}

/** The page sizes a PDF file uses, each once. */
QSet<QString> pdfMediaBoxes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression box(QStringLiteral("/MediaBox\\s*\\[([^\\]]*)\\]"));
    QSet<QString> boxes;
    for (const QRegularExpressionMatch &match :
         box.globalMatch(QString::fromLatin1(file.readAll())))
        boxes.insert(match.captured(1).simplified());
    return boxes;
}

} // namespace

void TestMainWindow::picturesAndPrintsTheRealMap()
{
    const QString map = QStringLiteral(RUMBARIO_TEST_DATA "/maps/colossal-cave.pln");
    answering({QStringLiteral("&Aceptar")}, [&] { mWindow->openPlanFile(map); });
    QTemporaryDir dir;
    const auto exportAs = [&](const QString &name) {
        const QString path = dir.filePath(name);
        const QStringList shown = answering({path, QStringLiteral("&Aceptar")}, [&] {
            mWindow->findChild<QAction *>(QStringLiteral("fileExportPicture"))->trigger();
        });
        QCOMPARE(shown.last(), QStringLiteral("Rumbario|Plano exportado: ") + path);
    };

    // The first room's level of the real map, laid out from its exits: 124 boxes on 25 by 18
    // squares, a room around them and the band for the title.
    exportAs(QStringLiteral("plano.png"));
    const QImage png(dir.filePath(QStringLiteral("plano.png")));
    QCOMPARE(png.size(), QSize(26 * 130, int(19.5 * 130)));
    QCOMPARE(png.pixel(1, 1), qRgb(255, 255, 255));
    // The title is drawn in the band above the level.
    const QImage band = png.copy(0, 0, png.width(), 40);
    QImage blank(band.size(), band.format());
    blank.fill(Qt::white);
    QVERIFY2(band != blank, "no title above the level");

    exportAs(QStringLiteral("plano.svg"));
    QFile svg(dir.filePath(QStringLiteral("plano.svg")));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QByteArray drawing = svg.readAll();
    QVERIFY(drawing.contains("<title>colossal-cave · Nivel 1, 124 salas</title>"));
    // The text is outlines: no font is needed where the picture is opened.
    QVERIFY(!drawing.contains("<text"));
    // On a disk that fills up, the picture's failure is told with its reason.
    const int outcome = runInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit fileSize{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &fileSize);
        PlanIndex index;
        index.update(mWindow->editor().store);
        const QVector<PlanPage> pages{planPage(mWindow->editor().store, index,
                                               index.shownPosition(1)[2], QStringLiteral("mapa"))};
        const QString failure =
            saveSafely(dir.filePath(QStringLiteral("lleno.svg")), [&](QIODevice &device) {
                return writePlanPicture(pages, PictureFormat::Svg, device, mWindow->font());
            });
        return failure.isEmpty() ? 1 : failure.contains(QLatin1String("desconocido")) ? 2 : 0;
    });
    QCOMPARE(outcome, 0);

    // Nine levels on six A4 sheets turned one way: levels of one room share a sheet, and every
    // level lies whole on its sheet, centred across it.
    exportAs(QStringLiteral("plano.pdf"));
    QCOMPARE(pdfPages(dir.filePath(QStringLiteral("plano.pdf"))), 6);
    QCOMPARE(pdfMediaBoxes(dir.filePath(QStringLiteral("plano.pdf"))).size(), 1);
    PlanIndex index;
    index.update(mWindow->editor().store);
    QVector<PlanPage> pages;
    for (const int level : planLevels(mWindow->editor().store, index))
        pages.append(planPage(mWindow->editor().store, index, level, QStringLiteral("mapa")));
    const QSizeF a4(2480, 3508);
    const PlanSheets sheets = arrangeSheets(pages, a4, 1.0);
    const QRectF sheet(QPointF(), sheets.landscape ? a4.transposed() : a4);
    QCOMPARE(sheets.sheets.size(), 6);
    for (const QVector<PagePlacement> &onSheet : sheets.sheets) {
        for (const PagePlacement &placed : onSheet) {
            const QRectF drawn(placed.topLeft, pages[placed.page].viewport.size * placed.factor);
            QVERIFY(sheet.adjusted(-0.01, -0.01, 0.01, 0.01).contains(drawn));
            QCOMPARE(drawn.left() + drawn.right(), sheet.width());
        }
    }

    // Printing asks for a printer and prints the same pages; here the printer is a PDF file.
    const QString printed = dir.filePath(QStringLiteral("impreso.pdf"));
    answering({[&](QWidget *widget) {
                  auto *dialog = qobject_cast<QPrintDialog *>(widget);
                  QVERIFY(dialog);
                  // With no printer installed the dialog offers a PDF file, named in its field.
                  auto *fileName = dialog->findChild<QLineEdit *>(QStringLiteral("filename"));
                  QVERIFY(fileName);
                  fileName->setText(printed);
                  dialog->accept();
              }},
              [&] { press(Qt::Key_P, Qt::ControlModifier); });
    QCOMPARE(pdfPages(printed), 6);
    QVERIFY(!mWindow->editor().store.modified());
}

namespace {

QString accessibleText(QObject *object, QAccessible::Text kind)
{
    return QAccessible::queryAccessibleInterface(object)->text(kind);
}

} // namespace

void TestMainWindow::namesEveryControlForAScreenReader()
{
    const auto named = [this](const char *name) {
        return mWindow->findChild<QWidget *>(QString::fromLatin1(name));
    };
    QCOMPARE(accessibleText(named("DescriptionBox"), QAccessible::Name),
             QStringLiteral("Descripción de la sala"));
    QCOMPARE(accessibleText(named("ViewLine"), QAccessible::Name),
             QStringLiteral("Línea de estado"));
    QCOMPARE(accessibleText(named("PlanView"), QAccessible::Name), QStringLiteral("Plano"));
    QCOMPARE(accessibleText(mKeySurface, QAccessible::Name), QStringLiteral("Mapa"));
    QCOMPARE(accessibleText(mKeySurface, QAccessible::Value), QStringLiteral("S 1: (0, 0)"));
    QCOMPARE(QAccessible::queryAccessibleInterface(mKeySurface)->role(), QAccessible::Pane);
    press(Qt::Key_Space);
    press(Qt::Key_Right);
    // What an action changed is the key surface's newest text, selected: what Orca reads out.
    QAccessibleTextInterface *said =
        QAccessible::queryAccessibleInterface(mKeySurface)->textInterface();
    int start = 0;
    int end = 0;
    said->selection(0, &start, &end);
    QCOMPARE(said->text(start, end),
             QStringLiteral("SALA CREADA. S 2: Oeste (1, 0). Sin guardar. "));
    // The description box reads a line only as far as its last letter.
    press(Qt::Key_T);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Torre"));
    QAccessibleTextInterface *box =
        QAccessible::queryAccessibleInterface(named("DescriptionBox"))->textInterface();
    QCOMPARE(box->textAtOffset(0, QAccessible::LineBoundary, &start, &end),
             QStringLiteral("Torre"));
    QCOMPARE(end, 5);
    QVERIFY(accessibleText(named("DescriptionBox"), QAccessible::Description)
                .endsWith(QStringLiteral("quedan 95 de 100.")));
    press(Qt::Key_Return);
    QCOMPARE(accessibleText(named("PlanView"), QAccessible::Description),
             QStringLiteral("Nivel 0, sala actual 2. Alrededor de la sala 2: oeste 1."));
    answering({[](QWidget *help) {
                  QCOMPARE(
                      accessibleText(help->findChild<QWidget *>(QStringLiteral("DescriptionBox")),
                                     QAccessible::Name),
                      QStringLiteral("Comandos de teclado"));
                  help->close();
              }},
              [&] { press(Qt::Key_F1); });
}

void TestMainWindow::keysKeepTheirOrderWhileAScreenReaderLooksAtThem()
{
    const auto typeAtOnce = [](QWidget *window, std::initializer_list<Qt::Key> keys) {
        ScreenReaderHoldingKeys reader;
        for (Qt::Key key : keys)
            QTest::keyClick(window->windowHandle(), key);
        reader.letGo();
    };
    const MapStore &store = mWindow->editor().store;
    press(Qt::Key_Space);
    press(Qt::Key_Right);
    press(Qt::Key_Space);
    // A menu's key pressed at once after an arrow acts on the room the arrow leads to, and what
    // is typed at once after a key that opens a dialog is typed into the dialog.
    typeAtOnce(mWindow, {Qt::Key_Left, Qt::Key_F9, Qt::Key_F6, Qt::Key_2, Qt::Key_Return});
    QVERIFY(static_cast<KeySurface *>(mKeySurface)
                ->said()
                .endsWith(QStringLiteral("Alrededor de la sala 1: este 2. S 2: Oeste (1, 0) ")));
    // An arrow typed at once after opening a report moves in it, not on the map behind (where it
    // would draw a room); one typed at once after going to a room from it moves on the map.
    press(Qt::Key_Space);
    typeAtOnce(mWindow, {Qt::Key_F4, Qt::Key_Down});
    auto *list = mWindow->findChild<QListWidget *>(QStringLiteral("ReportList"));
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(store.roomCount(), qint16(2));
    typeAtOnce(list->window(), {Qt::Key_Return, Qt::Key_Right});
    QCOMPARE(store.currentRoom(), qint16(2));
    QCOMPARE(store.roomCount(), qint16(2));
    // The user may go back to the map by hand, the report left open.
    typeAtOnce(mWindow, {Qt::Key_F4});
    QTRY_VERIFY(list->window()->isActiveWindow());
    mWindow->activateWindow();
    QTRY_VERIFY(mWindow->isActiveWindow());
    typeAtOnce(mWindow, {Qt::Key_Left});
    QCOMPARE(store.currentRoom(), qint16(1));
}

void TestMainWindow::reviewWindowGoesToRoomsAndFollowsTheMap()
{
    // Room 2 is drawn east of room 1, then room 1's exit is removed: room 2 is out of reach.
    press(Qt::Key_Space);
    press(Qt::Key_Right);
    press(Qt::Key_F4);
    auto *list = mWindow->findChild<QListWidget *>(QStringLiteral("ReportList"));
    QVERIFY(list && list->isVisible());
    // The report takes the keyboard, where a screen reader reads it.
    QTRY_COMPARE(QApplication::focusWidget(), list);
    QVERIFY(list->findItems(QStringLiteral("no se llega"), Qt::MatchContains).isEmpty());
    mWindow->editor().store.setExit(1, East, 0);
    mWindow->editor().store.endAction();
    mWindow->mapChanged();
    QVERIFY(!list->findItems(QStringLiteral("no se llega"), Qt::MatchContains).isEmpty());
    // Enter on a line goes to its room, as F6 does. The list is filled anew at each change, so
    // its lines are looked for after the last one.
    press(Qt::Key_Home, Qt::ControlModifier);
    const QList<QListWidgetItem *> unreachable =
        list->findItems(QStringLiteral("  2 (sin descripción)"), Qt::MatchStartsWith);
    QVERIFY(!unreachable.isEmpty());
    list->setCurrentItem(unreachable.first());
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(mWindow->editor().store.currentRoom(), qint16(2));
    // Going to a room is going back to the map, the report left open beside it; shown again,
    // it is read from its first line; closed, the map has the keyboard.
    QTRY_COMPARE(QApplication::focusWidget(), mKeySurface);
    QVERIFY(list->isVisible());
    press(Qt::Key_F4);
    QTRY_COMPARE(QApplication::focusWidget(), list);
    QCOMPARE(list->currentRow(), 0);
    QTest::keyClick(list, Qt::Key_Escape);
    QTRY_COMPARE(QApplication::focusWidget(), mKeySurface);
    QVERIFY(mWindow->findChild<QPushButton *>(QStringLiteral("CopyButton")));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
