// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/keyboardrouter.h"
#include "window/editor.h"

#include <QDialog>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QProgressDialog>

class QAction;
class QMenu;
class QPlainTextEdit;
class QTimer;

namespace rumbario {

class KeySurface;
class PlanView;

/**
 * The main window: the key-capturing surface KeySurface, the description box DescriptionBox, the
 * view line ViewLine and the menu bar. It is also the window services of the editor it owns.
 */
class MainWindow : public QMainWindow, public WindowServices
{
    Q_OBJECT

public:
    /** Opens a plan file named outside the dialogs, as Ctrl+A opens the one chosen. */
    void openPlanFile(const QString &path);
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    Editor &editor() { return mEditor; }
    PlanView *planView() const { return mPlanView; }

    Answer messageBox(const QString &prompt, Buttons buttons, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    QString text(TextBox box) const override;
    void setColours(BoxColours colours) override;
    void placeCursor(int position) override;
    void repaintDescriptionBox() override;
    void giveFocus(Control control) override;
    void beep() override;
    void setMenuCaption(const QString &itemName, const QString &caption) override;
    void setMenuEnabled(const QString &itemName, bool enabled) override;
    void setMenuChecked(const QString &itemName, bool checked) override;
    void showMode(bool creation) override;
    void showPlanStatus(const QString &status) override;
    void fitPlan() override;
    void zoomPlan(double factor) override;
    void showHelp() override;
    void showKeyList(const QString &text) override;
    void closeMainWindow() override;
    void endProgram() override;
    bool runFileDialog(FileDialogMode mode, FileDialogSettings &settings) override;
    QString programFolder() const override;
    QString documentsFolder() const override;
    QStringList recentMaps() const override;
    void setRecentMaps(const QStringList &maps) override;
    QString recoveryFolder() const override;
    QString spareRecoveryFolder() const override;
    void startRecoveryTimer(int milliseconds) override;
    std::optional<int> chooseItem(const QString &prompt, const QString &title,
                                  const QStringList &items) override;
    void mapChanged() override;
    void announce(const QString &text) override;
    void followTranscript(bool on) override;
    void showProgress(const QString &task, int percent) override;
    void showReport(const QString &title, const QVector<ReportLine> &lines,
                    bool followsMap) override;
    bool writePlanPicture(const QVector<PlanPage> &pages, PictureFormat format,
                          QIODevice &device) override;
    PrintResult printPlan(const QVector<PlanPage> &pages) override;

protected:
    void showText(TextBox box, const QString &text) override;
    void closeEvent(QCloseEvent *event) override;
    /** A plan file dropped onto the window opens as Ctrl+A would open it. */
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    /** A line of a report chosen: its room is shown, and the map has the keyboard again. */
    void goToReportedRoom(qint16 room);
    /** Shows a dialog modally; afterwards the keyboard is back where keys are expected. */
    int runModal(QDialog &dialog);
    /** The key surface gets the keyboard, or the description box while a description is typed. */
    void giveKeyboardBack();
    /** The size, place and plan zoom the window had when it was last closed, or a first size. */
    void restoreWindowState();
    void saveWindowState() const;
    void showRecentMaps(const QStringList &maps);
    void buildControls();
    void buildMenus();
    void placePlanView();
    /** The menu item whose shortcut the key is, available or not; nothing for any other key. */
    QAction *menuActionOfKey(const QKeyEvent *event) const;
    /** The menu of the menu bar whose letter the key is with Alt ("&Archivo": Alt+A). */
    QAction *menuOfLetter(const QKeyEvent *event) const;
    /** Undo and redo: in the description box they act on the text being typed. */
    bool isHistoryShortcut(const QKeyEvent *event) const;
    QPlainTextEdit *box(TextBox box) const;
    /** While a description is typed, the characters Enter would cut are struck out in red. */
    void markCharactersToCut();

    Editor mEditor;
    QWidget *mClient = nullptr;
    KeySurface *mKeySurface = nullptr;
    QPlainTextEdit *mDescriptionBox = nullptr;
    QPlainTextEdit *mViewLine = nullptr;
    PlanView *mPlanView = nullptr;
    /** Archivo → Mapas recientes, rebuilt when the list changes. */
    QMenu *mRecentMaps = nullptr;
    QHash<QString, QAction *> mActions;
    bool mEnding = false;
    /** Reads a followed game transcript as it grows. */
    QTimer *mTranscriptTimer = nullptr;
    QPointer<QProgressDialog> mProgress;
    class ReportWindow *mReport = nullptr;
    /** Keys a screen reader held go to the window they were typed for. */
    KeyboardRouter *mKeyboardRouter = new KeyboardRouter(this);
    /** The room reached from a report is said again once the window is active. */
    bool mSayRoomWhenActive = false;
};

} // namespace rumbario
