// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/editor.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

namespace rumbario {

/**
 * Window services for tests: answers are queued in advance, and everything the logic shows or
 * asks is logged as one line of text, so a test compares what a user would have seen.
 */
class ScriptedServices : public WindowServices
{
public:
    std::deque<Answer> messageAnswers;
    std::deque<QString> inputAnswers;
    /** A path, or nothing for a cancelled dialog. */
    std::deque<std::optional<QString>> fileAnswers;

    /** Message boxes, input boxes and file dialogs, in order. */
    QStringList dialogs;
    /** Everything else: texts set, colours, focus, beeps, help, closing. */
    QStringList events;
    /**
     * The service call that throws std::bad_alloc, as the window does when memory runs out:
     * the one after this many more calls; -1 never.
     */
    int callsBeforeFailure = -1;
    /** Questions that found no queued answer; a test expects none. */
    int unanswered = 0;
    bool ended = false;
    /** The program's folder; where recovery copies go, none when empty. */
    QString program = QStringLiteral("/opt/rumbario");
    QString recoveryCopies;
    QString spareCopies;
    QStringList recent;
    /** Runs while the next message box is shown, as a timer that goes off meanwhile. */
    std::function<void()> whileNextMessage;
    /** How often the editor said the map changed. */
    int mapChanges = 0;

    Answer messageBox(const QString &prompt, Buttons buttons, const QString &title) override;
    QString inputBox(const QString &prompt, const QString &title,
                     const QString &defaultText) override;
    bool runFileDialog(FileDialogMode mode, FileDialogSettings &settings) override;
    QString text(TextBox box) const override;
    void setColours(BoxColours newColours) override;
    void placeCursor(int position) override
    {
        events << QStringLiteral("cursor DescriptionBox %1").arg(position);
    }
    void repaintDescriptionBox() override { events << QStringLiteral("repaint DescriptionBox"); }
    void giveFocus(Control control) override;
    void beep() override { events << QStringLiteral("beep"); }
    void setMenuCaption(const QString &itemName, const QString &caption) override;
    void setMenuEnabled(const QString &itemName, bool enabled) override;
    void setMenuChecked(const QString &itemName, bool checked) override;
    void fitPlan() override { events << QStringLiteral("fit plan"); }
    void zoomPlan(double factor) override
    {
        events << QStringLiteral("zoom plan %1").arg(factor, 0, 'f', 2);
    }
    void showMode(bool creation) override
    {
        events << QLatin1String(creation ? "mode creation" : "mode walking");
    }
    void showHelp() override { events << QStringLiteral("help"); }
    void showKeyList(const QString &text) override
    {
        events << QStringLiteral("key list");
        keyList = text;
    }
    void showPlanStatus(const QString &status) override { planStatus = status; }
    QString keyList;
    /** What the plan's legend says after the level and the mode. */
    QString planStatus;
    void closeMainWindow() override;
    void endProgram() override;
    QString programFolder() const override { return program; }
    QString documentsFolder() const override { return QStringLiteral("/home/autor/Documentos"); }
    QString recoveryFolder() const override { return recoveryCopies; }
    QString spareRecoveryFolder() const override { return spareCopies; }
    QStringList recentMaps() const override { return recent; }
    void setRecentMaps(const QStringList &maps) override;
    void startRecoveryTimer(int milliseconds) override;
    std::optional<int> chooseItem(const QString &prompt, const QString &title,
                                  const QStringList &items) override;
    void mapChanged() override { ++mapChanges; }
    void announce(const QString &text) override { spoken << text; }
    void followTranscript(bool on) override
    {
        events << QLatin1String(on ? "follow on" : "follow off");
    }
    void showReport(const QString &title, const QVector<ReportLine> &lines,
                    bool followsMap) override
    {
        events << QStringLiteral("report %1%2")
                      .arg(title, followsMap ? QStringLiteral(", follows the map") : QString());
        for (const ReportLine &line : lines)
            events << QStringLiteral("%1: %2").arg(line.room).arg(line.text);
    }
    void showProgress(const QString &task, int percent) override
    {
        events << QStringLiteral("progress %1 %2").arg(task).arg(percent);
    }
    /** What a screen reader was told, in order. */
    QStringList spoken;
    /** Logs the pages as "picture FORMAT title (rooms), …" and writes that line to the file. */
    bool writePlanPicture(const QVector<PlanPage> &pages, PictureFormat format,
                          QIODevice &device) override;
    /** Logs the pages as "print title (rooms), …"; the dialog answers with printAnswer. */
    PrintResult printPlan(const QVector<PlanPage> &pages) override;
    PrintResult printAnswer = PrintResult::Printed;

    /** Text typed into the description box by the user, which the editor did not show. */
    void userTypes(const QString &text) { showText(TextBox::DescriptionBox, text); }

    int beeps() const { return int(events.count(QStringLiteral("beep"))); }
    /** Forgets the answers queued and not taken, and the questions left unanswered. */
    void forgetAnswers();
    void clearLogs()
    {
        dialogs.clear();
        events.clear();
        spoken.clear();
    }

protected:
    void showText(TextBox box, const QString &text) override;

private:
    /** Throws when the armed failure is due. */
    void call();

    QString mDescriptionBox;
    QString mViewLine;
};

/** A started editor on scripted services, with helpers to build maps quickly. */
struct Session
{
    Session();
    /** Fails the running test when the editor asked something the test did not answer. */
    ~Session();

    ScriptedServices services;
    Editor editor{services};
    MapStore &store = editor.store;

    void press(int keyCode, int shift = 0);
    /** Closes a change made to set a test up: the map so far is taken as saved. */
    void endGivenMap();
    /** Appends rooms 2..count with no exits, at (0, 0, 0). */
    void addRooms(int count);
    /** Sets an exit in the table and, for the current room, in the working copy too. */
    void setExit(qint16 room, int slot, qint16 target);
    /** Sets a description in the table and, for the current room, in the working copy too. */
    void describe(qint16 room, const QString &text);
    QString descriptionbox() const { return services.text(TextBox::DescriptionBox); }
    QString viewline() const { return services.text(TextBox::ViewLine); }
};

} // namespace rumbario
