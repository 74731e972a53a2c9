// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "descriptionboxaccessible.h"
#include "helpwindow.h"
#include "keysurface.h"
#include "keytranslation.h"
#include "pastesafetextedit.h"
#include "picturewriter.h"
#include "planview.h"
#include "reportwindow.h"
#include "window/announcements.h"
#include "window/comparison.h"
#include "window/descriptionentry.h"
#include "window/history.h"
#include "window/keyhandler.h"
#include "window/menutable.h"
#include "window/openandsave.h"
#include "window/recovery.h"
#include "window/transcriptmapping.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <utility>

#include <unistd.h>

namespace rumbario {

namespace {

/** Large enough for the plan below the view line to show several rooms each way. */
const QSize firstSize(900, 700);
constexpr const char *geometryKey = "ventana/geometria";
constexpr const char *planScaleKey = "plano/escala";
constexpr const char *joinLoopsKey = "mapa/unirBucles";
constexpr const char *recentMapsKey = "mapas/recientes";

QString forDisplay(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString titleOrDefault(const QString &title)
{
    return title.isEmpty() ? QStringLiteral("Rumbario") : title;
}

struct SpanishButton
{
    QMessageBox::StandardButton button;
    const char *caption;
    Answer answer;
};

// The letter after "&" is underlined; AnswerLetters lets it answer the box without Alt.
const SpanishButton spanishButtons[] = {
    {QMessageBox::Ok, "&Aceptar", Answer::Ok},
    {QMessageBox::Yes, "&Sí", Answer::Yes},
    {QMessageBox::No, "&No", Answer::No},
    {QMessageBox::Cancel, "&Cancelar", Answer::Cancel},
};

QMessageBox::StandardButtons standardButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton escapeButton(Buttons buttons)
{
    switch (buttons) {
    case Buttons::YesNo:
        return QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Cancel;
    case Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QStringList nameFilters(const QString &filter)
{
    // "Caption|pattern|Caption|pattern": Qt reads the patterns from the captions themselves.
    const QStringList parts = filter.split(u'|');
    QStringList captions;
    for (qsizetype i = 0; i < parts.size(); i += 2)
        captions << parts.at(i);
    return captions;
}

/**
 * Room for the whole title beside the title bar's buttons, which the window manager draws. The
 * input dialog's layout sets its own minimum size, so the room is asked of its label.
 */
void widenForTitle(QInputDialog &dialog)
{
    constexpr int titleBarButtons = 160;
    if (auto *label = dialog.findChild<QLabel *>())
        label->setMinimumWidth(dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) +
                               titleBarButtons);
}

/** Answers a message box by the first letter of a button, without Alt: S, N, C, A. */
class AnswerLetters : public QObject
{
public:
    explicit AnswerLetters(QMessageBox *box)
        : QObject(box)
        , mBox(box)
    {
        box->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier) || key->text().isEmpty())
            return false;
        const QChar letter = key->text().at(0).toUpper();
        for (QAbstractButton *button : mBox->buttons()) {
            if (button->text().remove(u'&').at(0).toUpper() == letter) {
                button->click();
                return true;
            }
        }
        return false;
    }

private:
    QMessageBox *mBox;
};

} // namespace

/** A control with one accessible text worked out only when a screen reader asks for it. */
class AskedAccessible : public QAccessibleWidget
{
public:
    AskedAccessible(QWidget *widget, QAccessible::Role role, QAccessible::Text asked,
                    std::function<QString()> text)
        : QAccessibleWidget(widget, role)
        , mAsked(asked)
        , mText(std::move(text))
    {}
    QString text(QAccessible::Text kind) const override
    {
        return kind == mAsked ? mText() : QAccessibleWidget::text(kind);
    }

private:
    QAccessible::Text mAsked;
    std::function<QString()> mText;
};

/**
 * How a screen reader sees the key surface (the map's keyboard surface, its name what the last
 * action changed, its value the view line) and the plan (a picture whose description is its
 * level, the current room and what surrounds it).
 */
QAccessibleInterface *accessibleControl(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    auto *window = widget ? qobject_cast<MainWindow *>(widget->window()) : nullptr;
    if (!window)
        return nullptr;
    Editor &editor = window->editor();
    if (auto *surface = dynamic_cast<KeySurface *>(object))
        return new KeySurfaceAccessible(
            surface, [&editor] { return editor.services.shownText(TextBox::ViewLine); });
    if (auto *box = qobject_cast<QPlainTextEdit *>(object);
        box && box->objectName() == QLatin1String("DescriptionBox") &&
        box->parent() == window->centralWidget())
        return new DescriptionBoxAccessible(box, [&editor, box] {
            return editor.typingDescription ? box->accessibleDescription() + u' ' +
                                                  roomLeftText(box->toPlainText()) + u'.'
                                            : box->accessibleDescription();
        });
    if (qobject_cast<PlanView *>(object))
        return new AskedAccessible(widget, QAccessible::Graphic, QAccessible::Description,
                                   [&editor] { return planTextAlternative(editor); });
    return nullptr;
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , mEditor(*this)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleControl);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Rumbario"));
    buildControls();
    buildMenus();
    startEditor(mEditor);
    announceChanges(mEditor);
    mPlanView->refresh();
    mKeySurface->setFocus();
    restoreWindowState();
}

void MainWindow::restoreWindowState()
{
    const QSettings settings;
    // A place saved on a screen that is gone is moved onto one that exists.
    if (!restoreGeometry(settings.value(QLatin1String(geometryKey)).toByteArray()))
        resize(firstSize.boundedTo(screen()->availableGeometry().size()));
    const double scale = settings.value(QLatin1String(planScaleKey)).toDouble();
    if (scale > 0)
        mPlanView->setScale(scale);
    mEditor.joinLoops = settings.value(QLatin1String(joinLoopsKey), false).toBool();
    setMenuChecked(QString::fromLatin1(joinLoopsItemName), mEditor.joinLoops);
}

void MainWindow::saveWindowState() const
{
    QSettings settings;
    settings.setValue(QLatin1String(geometryKey), saveGeometry());
    settings.setValue(QLatin1String(planScaleKey), mPlanView->viewport().scale);
    settings.setValue(QLatin1String(joinLoopsKey), mEditor.joinLoops);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    mClient = new QWidget(this);
    setCentralWidget(mClient);

    mKeySurface = new KeySurface(mClient, [this](QKeyEvent *event) {
        handleMapKey(mEditor, handledKey(event->key()), handledModifiers(event->modifiers()));
    });
    mKeySurface->setObjectName(QStringLiteral("KeySurface"));
    mKeySurface->installEventFilter(this);
    // Read out at every return from the description box or a dialog: short.
    mKeySurface->setAccessibleName(QStringLiteral("Mapa"));
    mKeySurface->setAccessibleDescription(
        QStringLiteral("Las flechas recorren las salas; F9 dice qué hay alrededor."));
    setAcceptDrops(true);
    mKeySurface->setGeometry(120, 0, 81, 33);

    const auto makeBox = [this](const char *name, int top, int height) {
        auto *box = new PasteSafeTextEdit(mClient);
        box->setObjectName(QString::fromLatin1(name));
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setGeometry(0, top, 320, height);
        box->setTabChangesFocus(true);
        // A file dropped on a box opens, as on the rest of the window, instead of pasting a name.
        box->setAcceptDrops(false);
        return box;
    };
    mDescriptionBox = makeBox("DescriptionBox", 33, 67);
    mDescriptionBox->setAccessibleName(QStringLiteral("Descripción de la sala"));
    mDescriptionBox->setAccessibleDescription(
        QStringLiteral("La descripción de la sala actual, hasta 100 caracteres; la tecla T la "
                       "escribe y Intro la termina."));
    mViewLine = makeBox("ViewLine", 100, 29);
    mViewLine->setAccessibleName(QStringLiteral("Línea de estado"));
    mViewLine->setAccessibleDescription(
        QStringLiteral("El número de la sala actual, sus salidas y sus coordenadas."));
    mDescriptionBox->installEventFilter(this);
    mViewLine->installEventFilter(this);
    // Only what the user types: the texts the editor shows are set with the signal blocked.
    connect(mDescriptionBox, &QPlainTextEdit::textChanged, this, [this] {
        markCharactersToCut();
        typedDescriptionChanged(mEditor);
    });
    setColours(BoxColours::Normal);
    QPalette palette = mViewLine->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Highlight));
    palette.setColor(QPalette::Text, palette.color(QPalette::HighlightedText));
    mViewLine->setPalette(palette);

    setTabOrder(mKeySurface, mDescriptionBox);
    setTabOrder(mDescriptionBox, mViewLine);

    mPlanView = new PlanView(mEditor, mClient);
    mPlanView->setAccessibleName(QStringLiteral("Plano"));
    mClient->installEventFilter(this);
}

void MainWindow::placePlanView()
{
    // The plan lies under the described controls and takes all the client area they leave,
    // beside them as well as below them, growing with the window.
    mPlanView->setGeometry(mClient->rect());
    mPlanView->lower();
    const QRect controls =
        mKeySurface->geometry() | mDescriptionBox->geometry() | mViewLine->geometry();
    mPlanView->setCovered(QRectF(0, 0, controls.right() + 1, controls.bottom() + 1));
}

void MainWindow::buildMenus()
{
    for (const Menu &menu : menuTable()) {
        QMenu *qmenu = menuBar()->addMenu(menu.caption);
        qmenu->setObjectName(QString::fromLatin1(menu.objectName));
        for (const MenuItem &item : menu.items) {
            QAction *action = qmenu->addAction(item.caption);
            action->setObjectName(QString::fromLatin1(item.objectName));
            action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(item.shortcut)));
            action->setShortcutContext(Qt::WindowShortcut);
            action->setCheckable(item.checkable);
            connect(action, &QAction::triggered, this,
                    [this, &item] { runMenuItem(mEditor, item); });
            mActions.insert(action->objectName(), action);
        }
        // No game is followed yet.
        if (QAction *stop = mActions.value(QString::fromLatin1(stopFollowingItemName)))
            stop->setVisible(false);
        if (menu.objectName == QLatin1String("fileMenu")) {
            mRecentMaps = qmenu->addMenu(QStringLiteral("&Mapas recientes"));
            mRecentMaps->setObjectName(QStringLiteral("fileRecentMaps"));
            showRecentMaps(recentMaps());
        }
        // A menu closed with Esc would leave the keyboard in the menu bar.
        connect(qmenu, &QMenu::aboutToHide, this,
                [this] { QTimer::singleShot(0, this, &MainWindow::giveKeyboardBack); });
    }
}

QAction *MainWindow::menuActionOfKey(const QKeyEvent *event) const
{
    const QKeySequence pressed(event->keyCombination());
    for (QAction *action : mActions) {
        if (action->shortcuts().contains(pressed))
            return action;
    }
    return nullptr;
}

QAction *MainWindow::menuOfLetter(const QKeyEvent *event) const
{
    const QKeySequence pressed(event->keyCombination());
    for (QAction *menu : menuBar()->actions()) {
        if (QKeySequence::mnemonic(menu->text()) == pressed)
            return menu;
    }
    return nullptr;
}

bool MainWindow::isHistoryShortcut(const QKeyEvent *event) const
{
    const QKeySequence pressed(event->keyCombination());
    return mActions.value(QString::fromLatin1(undoItemName))->shortcuts().contains(pressed) ||
           mActions.value(QString::fromLatin1(redoItemName))->shortcuts().contains(pressed);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mClient && event->type() == QEvent::Resize)
        placePlanView();
    const bool takesKeys =
        watched == mKeySurface || watched == mDescriptionBox || watched == mViewLine;
    const bool keyEvent =
        event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (!takesKeys || !keyEvent)
        return QMainWindow::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    // Menu keys win over the boxes' own keys (Ctrl+A would select all), but undo and redo act
    // on the text being typed.
    QAction *item =
        watched == mDescriptionBox && isHistoryShortcut(key) ? nullptr : menuActionOfKey(key);
    QAction *menu = menuOfLetter(key);
    if (event->type() == QEvent::ShortcutOverride) {
        // A menu key comes as a key press, in its turn: as a shortcut it would run as soon as it
        // is pressed, ahead of the keys before it that a screen reader still holds to look at
        // (an arrow would then move in the menu instead of on the map).
        if (item || menu)
            event->accept();
        return item || menu;
    }
    if (menu) {
        // Opened as its letter opens it: on its first item.
        menuBar()->setActiveAction(menu);
        const QList<QAction *> items = menu->menu()->actions();
        const auto first = std::find_if(items.begin(), items.end(), [](const QAction *action) {
            return action->isEnabled() && !action->isSeparator();
        });
        if (first != items.end())
            menu->menu()->setActiveAction(*first);
        return true;
    }
    if (watched == mDescriptionBox &&
        (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        handleDescriptionKey(mEditor, handledKey(key->key()), handledModifiers(key->modifiers()));
        return true;
    }
    if (!item)
        return false;
    // An unavailable item's key does nothing, and no box takes it as typed.
    if (item->isEnabled())
        item->trigger();
    else
        beep();
    return true;
}

QPlainTextEdit *MainWindow::box(TextBox box) const
{
    return box == TextBox::DescriptionBox ? mDescriptionBox : mViewLine;
}

void MainWindow::showText(TextBox which, const QString &text)
{
    const QSignalBlocker shownNotTyped(box(which));
    box(which)->setPlainText(forDisplay(text));
    if (which == TextBox::DescriptionBox)
        markCharactersToCut();
}

void MainWindow::markCharactersToCut()
{
    QList<QTextEdit::ExtraSelection> marks;
    const TypedDescriptionFit fit = typedDescriptionFit(mDescriptionBox->toPlainText());
    if (mEditor.typingDescription && fit.cutTo > fit.cutFrom) {
        QTextEdit::ExtraSelection cut;
        cut.cursor = QTextCursor(mDescriptionBox->document());
        cut.cursor.setPosition(int(fit.cutFrom));
        cut.cursor.setPosition(int(fit.cutTo), QTextCursor::KeepAnchor);
        // Struck out as well as coloured, so that it reads without colour too.
        cut.format.setBackground(QColor(255, 205, 210));
        cut.format.setForeground(QColor(183, 28, 28));
        cut.format.setFontStrikeOut(true);
        marks << cut;
    }
    mDescriptionBox->setExtraSelections(marks);
}

void MainWindow::placeCursor(int position)
{
    QTextCursor cursor = mDescriptionBox->textCursor();
    cursor.setPosition(std::min(position, mDescriptionBox->document()->characterCount() - 1));
    mDescriptionBox->setTextCursor(cursor);
}

void MainWindow::showPlanStatus(const QString &status)
{
    mPlanView->showStatus(status);
}

void MainWindow::showKeyList(const QString &text)
{
    HelpWindow dialog(this, QStringLiteral("Teclas de Rumbario"), text);
    runModal(dialog);
}

void MainWindow::mapChanged()
{
    mPlanView->refresh();
    if (!mReport || !mReport->followsMap())
        return;
    if (const auto lines = changedFollowedReportLines(mEditor))
        mReport->refill(*lines);
}

void MainWindow::followTranscript(bool on)
{
    if (!mTranscriptTimer) {
        mTranscriptTimer = new QTimer(this);
        // Often enough for the plan to keep up with a player, seldom enough to cost nothing.
        mTranscriptTimer->setInterval(500);
        connect(mTranscriptTimer, &QTimer::timeout, this,
                [this] { followGameTranscript(mEditor); });
    }
    if (on)
        mTranscriptTimer->start();
    else
        mTranscriptTimer->stop();
    mActions.value(QString::fromLatin1(stopFollowingItemName))->setVisible(on);
}

void MainWindow::showReport(const QString &title, const QVector<ReportLine> &lines, bool followsMap)
{
    if (!mReport) {
        // Going to a room from a line is going back to the map, as after F6; so is closing.
        mReport = new ReportWindow(this, [this](qint16 room) { goToReportedRoom(room); });
        connect(mReport, &QDialog::finished, this, &MainWindow::giveKeyboardBack);
    }
    mReport->showLines(title, lines, followsMap);
    mKeyboardRouter->giveKeyboardTo(mReport);
}

void MainWindow::goToReportedRoom(qint16 room)
{
    showRoomFromPlan(mEditor, room);
    // The window becomes active only after the report gives way, and a screen reader ignores
    // what an inactive window says: the room is said again once the map has the keyboard.
    mSayRoomWhenActive = !isActiveWindow();
    giveKeyboardBack();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // Queued: the window takes the keyboard after it is told it is active.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
        std::exchange(mSayRoomWhenActive, false))
        QMetaObject::invokeMethod(
            this, [this] { repeatShownTexts(mEditor); }, Qt::QueuedConnection);
}

void MainWindow::showProgress(const QString &task, int percent)
{
    if (percent >= 100) {
        delete mProgress;
        return;
    }
    if (!mProgress) {
        mProgress = new QProgressDialog(task, QString(), 0, 100, this);
        mProgress->setWindowTitle(QStringLiteral("Rumbario"));
        mProgress->setWindowModality(Qt::WindowModal);
        mProgress->setMinimumDuration(0);
    }
    mProgress->setValue(percent);
    // The window redraws; what the user types waits for the task.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::announce(const QString &text)
{
    mKeySurface->say(text);
}

QString MainWindow::text(TextBox which) const
{
    return box(which)->toPlainText();
}

void MainWindow::setColours(BoxColours colours)
{
    QPalette palette = mDescriptionBox->palette();
    const QPalette standard = QApplication::palette(mDescriptionBox);
    const bool entry = colours == BoxColours::Entry;
    palette.setColor(QPalette::Base,
                     entry ? QColor(255, 255, 255) : standard.color(QPalette::Highlight));
    palette.setColor(QPalette::Text,
                     entry ? QColor(0, 0, 0) : standard.color(QPalette::HighlightedText));
    mDescriptionBox->setPalette(palette);
}

void MainWindow::repaintDescriptionBox()
{
    mDescriptionBox->repaint();
}

void MainWindow::giveFocus(Control control)
{
    if (control == Control::DescriptionBox)
        mDescriptionBox->setFocus();
    else
        mKeySurface->setFocus();
}

void MainWindow::beep()
{
    QApplication::beep();
}

void MainWindow::setMenuCaption(const QString &itemName, const QString &caption)
{
    if (QAction *action = mActions.value(itemName))
        action->setText(caption);
}

void MainWindow::fitPlan()
{
    mPlanView->fitToLevel();
}

void MainWindow::zoomPlan(double factor)
{
    mPlanView->zoomBy(factor);
}

void MainWindow::showMode(bool creation)
{
    mKeySurface->showMode(creation);
    mPlanView->showMode(creation);
}

void MainWindow::setMenuChecked(const QString &itemName, bool checked)
{
    if (QAction *action = mActions.value(itemName))
        action->setChecked(checked);
}

void MainWindow::setMenuEnabled(const QString &itemName, bool enabled)
{
    if (QAction *action = mActions.value(itemName))
        action->setEnabled(enabled);
}

int MainWindow::runModal(QDialog &dialog)
{
    const int result = dialog.exec();
    giveKeyboardBack();
    return result;
}

void MainWindow::giveKeyboardBack()
{
    // Without a window manager to do it (offscreen, some embedded displays) the window would
    // not be active again after a dialog or a menu, and the keyboard would go nowhere.
    activateWindow();
    mKeyboardRouter->giveKeyboardTo(this);
    if (mEditor.typingDescription)
        mDescriptionBox->setFocus();
    else
        mKeySurface->setFocus();
}

void MainWindow::showHelp()
{
    HelpWindow dialog(this);
    runModal(dialog);
}

void MainWindow::closeMainWindow()
{
    close();
}

void MainWindow::endProgram()
{
    mEnding = true;
    close();
}

Answer MainWindow::messageBox(const QString &prompt, Buttons buttons, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, titleOrDefault(title), forDisplay(prompt),
                    standardButtons(buttons), this);
    box.setTextFormat(Qt::PlainText);
    for (const SpanishButton &spanish : spanishButtons) {
        if (QAbstractButton *button = box.button(spanish.button))
            button->setText(QString::fromUtf8(spanish.caption));
    }
    box.setDefaultButton(buttons == Buttons::Ok ? QMessageBox::Ok : QMessageBox::Yes);
    box.setEscapeButton(escapeButton(buttons));
    new AnswerLetters(&box);
    runModal(box);
    for (const SpanishButton &spanish : spanishButtons) {
        if (box.clickedButton() == box.button(spanish.button))
            return spanish.answer;
    }
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}

QString MainWindow::inputBox(const QString &prompt, const QString &title,
                             const QString &defaultText)
{
    QInputDialog dialog(this);
    dialog.setWindowTitle(titleOrDefault(title));
    dialog.setLabelText(forDisplay(prompt));
    dialog.setTextValue(defaultText);
    dialog.setOkButtonText(QStringLiteral("Aceptar"));
    dialog.setCancelButtonText(QStringLiteral("Cancelar"));
    widenForTitle(dialog);
    return runModal(dialog) == QDialog::Accepted ? dialog.textValue() : QString();
}

bool MainWindow::runFileDialog(FileDialogMode mode, FileDialogSettings &settings)
{
    const bool opening = mode == FileDialogMode::Open;
    const QString modeTitle = opening ? QStringLiteral("Abrir") : QStringLiteral("Guardar como");
    QFileDialog dialog(this, settings.title.isEmpty() ? modeTitle : settings.title);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(opening ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(settings.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(settings.filter));
    if (!settings.selectedFilter.isEmpty())
        dialog.selectNameFilter(settings.selectedFilter);
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Buscar en:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nombre de archivo:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    dialog.setLabelText(QFileDialog::Accept,
                        opening ? QStringLiteral("Abrir") : QStringLiteral("Guardar"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
    if (settings.fileName.isEmpty()) {
        dialog.setDirectory(settings.initialFolder);
    } else {
        const QFileInfo previous(settings.fileName);
        dialog.setDirectory(previous.absolutePath());
        dialog.selectFile(previous.fileName());
    }
    if (runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    settings.fileName = dialog.selectedFiles().constFirst();
    settings.selectedFilter = dialog.selectedNameFilter();
    return true;
}

QString MainWindow::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

QStringList MainWindow::recentMaps() const
{
    return QSettings().value(QLatin1String(recentMapsKey)).toStringList();
}

void MainWindow::setRecentMaps(const QStringList &maps)
{
    QSettings().setValue(QLatin1String(recentMapsKey), maps);
    showRecentMaps(maps);
}

void MainWindow::showRecentMaps(const QStringList &maps)
{
    mRecentMaps->clear();
    for (qsizetype i = 0; i < maps.size(); ++i) {
        const QString path = maps.at(i);
        QAction *action = mRecentMaps->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path));
        connect(action, &QAction::triggered, this, [this, path] { openRecentMap(mEditor, path); });
    }
    mRecentMaps->setEnabled(!maps.isEmpty());
}

QString MainWindow::documentsFolder() const
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

QString MainWindow::recoveryFolder() const
{
    const QString appData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return appData.isEmpty() ? QString() : appData + QStringLiteral("/recuperacion");
}

QString MainWindow::spareRecoveryFolder() const
{
    // The user's own folder in the system's temporary one, readable by nobody else; one that
    // somebody else made first is not used.
    const QString base = QDir::tempPath() + QStringLiteral("/rumbario-%1").arg(::getuid());
    if (!QDir().mkpath(base) || QFileInfo(base).ownerId() != ::getuid())
        return QString();
    QFile::setPermissions(base, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return base + QStringLiteral("/recuperacion");
}

void MainWindow::startRecoveryTimer(int milliseconds)
{
    QTimer::singleShot(milliseconds, this, [this] { writeDueRecoveryCopy(mEditor); });
}

bool MainWindow::writePlanPicture(const QVector<PlanPage> &pages, PictureFormat format,
                                  QIODevice &device)
{
    return rumbario::writePlanPicture(pages, format, device, font());
}

PrintResult MainWindow::printPlan(const QVector<PlanPage> &pages)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Plano"));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Imprimir el plano"));
    if (runModal(dialog) != QDialog::Accepted)
        return PrintResult::Cancelled;
    return paintPlanPages(printer, pages, font()) ? PrintResult::Printed : PrintResult::Failed;
}

std::optional<int> MainWindow::chooseItem(const QString &prompt, const QString &title,
                                          const QStringList &items)
{
    QInputDialog dialog(this);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setComboBoxItems(items);
    dialog.setComboBoxEditable(false);
    widenForTitle(dialog);
    dialog.setOkButtonText(QStringLiteral("Aceptar"));
    dialog.setCancelButtonText(QStringLiteral("Cancelar"));
    if (runModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    // By place, not by text: two items that read alike are still two.
    const auto *list = dialog.findChild<QComboBox *>();
    const int chosen = list ? list->currentIndex() : int(items.indexOf(dialog.textValue()));
    return chosen < 0 ? std::nullopt : std::optional<int>(chosen);
}

void MainWindow::openPlanFile(const QString &path)
{
    openGivenPlan(mEditor, path);
}

namespace {

/** The one local file a drag carries, or nothing. */
QString draggedFile(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    return urls.size() == 1 && urls.first().isLocalFile() ? urls.first().toLocalFile() : QString();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!draggedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = draggedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openPlanFile(path);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (mEnding || !closingRefused(mEditor)) {
        saveWindowState();
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace rumbario
