// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptedservices.h"

#include <utility>

#include "window/announcements.h"
#include "window/keyhandler.h"
#include "window/planpages.h"

#include <QIODevice>
#include <QTest>

#include <new>

namespace rumbario {

namespace {

/** The front of a queue, or the fallback when the test queued nothing more. */
template<typename T>
T takeAnswer(std::deque<T> &queue, const T &fallback, int &unanswered)
{
    if (queue.empty()) {
        ++unanswered;
        return fallback;
    }
    T answer = queue.front();
    queue.pop_front();
    return answer;
}

const char *buttonsName(Buttons buttons)
{
    return buttons == Buttons::YesNo         ? "YesNo"
           : buttons == Buttons::YesNoCancel ? "YesNoCancel"
                                             : "Ok";
}

} // namespace

void ScriptedServices::call()
{
    if (callsBeforeFailure >= 0 && callsBeforeFailure-- == 0)
        throw std::bad_alloc();
}

Answer ScriptedServices::messageBox(const QString &prompt, Buttons buttons, const QString &title)
{
    call();
    dialogs << QStringLiteral("message %1 [%2] %3")
                   .arg(QLatin1String(buttonsName(buttons)), title, prompt);
    if (whileNextMessage)
        std::exchange(whileNextMessage, nullptr)();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return takeAnswer(messageAnswers, Answer::Cancel, unanswered);
}

QString ScriptedServices::inputBox(const QString &prompt, const QString &title,
                                   const QString &defaultText)
{
    call();
    dialogs << QStringLiteral("input [%1] %2 {%3}").arg(title, prompt, defaultText);
    return takeAnswer(inputAnswers, QString(), unanswered);
}

bool ScriptedServices::runFileDialog(FileDialogMode mode, FileDialogSettings &settings)
{
    call();
    dialogs << QStringLiteral("file %1 [%2] folder=%3 name=%4 mustExist=%5%6")
                   .arg(QLatin1String(mode == FileDialogMode::Open ? "open" : "save"),
                        settings.filter, settings.initialFolder, settings.fileName,
                        QLatin1String(settings.fileMustExist ? "yes" : "no"),
                        settings.title.isEmpty() ? QString()
                                                 : QStringLiteral(" title=") + settings.title);
    if (fileAnswers.empty()) {
        ++unanswered;
        return false;
    }
    const bool chosen = fileAnswers.front().has_value();
    if (chosen)
        settings.fileName = *fileAnswers.front();
    fileAnswers.pop_front();
    return chosen;
}

void ScriptedServices::showText(TextBox box, const QString &text)
{
    call();
    const bool first = box == TextBox::DescriptionBox;
    (first ? mDescriptionBox : mViewLine) = text;
    events << QLatin1String(first ? "DescriptionBox=" : "ViewLine=") + text;
}

QString ScriptedServices::text(TextBox box) const
{
    return box == TextBox::DescriptionBox ? mDescriptionBox : mViewLine;
}

void ScriptedServices::setColours(BoxColours newColours)
{
    events << QLatin1String(newColours == BoxColours::Entry ? "colours entry" : "colours normal");
}

void ScriptedServices::giveFocus(Control control)
{
    events << QLatin1String(control == Control::DescriptionBox ? "focus DescriptionBox"
                                                               : "focus KeySurface");
}

void ScriptedServices::setMenuCaption(const QString &itemName, const QString &caption)
{
    call();
    events << QStringLiteral("caption %1=%2").arg(itemName, caption);
}

void ScriptedServices::setMenuChecked(const QString &itemName, bool checked)
{
    call();
    events << QStringLiteral("checked %1=%2").arg(itemName, QLatin1String(checked ? "yes" : "no"));
}

void ScriptedServices::setMenuEnabled(const QString &itemName, bool enabled)
{
    call();
    events << QStringLiteral("enabled %1=%2").arg(itemName, QLatin1String(enabled ? "yes" : "no"));
}

void ScriptedServices::setRecentMaps(const QStringList &maps)
{
    call();
    recent = maps;
}

void ScriptedServices::startRecoveryTimer(int milliseconds)
{
    events << QStringLiteral("recovery timer %1").arg(milliseconds);
}

std::optional<int> ScriptedServices::chooseItem(const QString &prompt, const QString &title,
                                                const QStringList &items)
{
    call();
    dialogs << QStringLiteral("choose [%1] %2 {%3}").arg(title, prompt, items.join(u'|'));
    // The answer is the number of the item, counted from 1; anything else cancels.
    const int chosen = takeAnswer(inputAnswers, QString(), unanswered).toInt() - 1;
    return chosen >= 0 && chosen < items.size() ? std::optional<int>(chosen) : std::nullopt;
}

namespace {

QString pagesText(const QVector<PlanPage> &pages)
{
    QStringList titles;
    for (const PlanPage &page : pages)
        titles << QStringLiteral("%1 (%2)").arg(page.title).arg(page.rooms);
    return titles.join(QStringLiteral(", "));
}

} // namespace

bool ScriptedServices::writePlanPicture(const QVector<PlanPage> &pages, PictureFormat format,
                                        QIODevice &device)
{
    call();
    static const char *const names[] = {"png", "svg", "pdf"};
    const QString line =
        QStringLiteral("picture %1 %2").arg(QLatin1String(names[int(format)]), pagesText(pages));
    events << line;
    // Latin-1, as the scenarios read files back.
    return device.write(line.toLatin1()) == line.size();
}

PrintResult ScriptedServices::printPlan(const QVector<PlanPage> &pages)
{
    call();
    events << QStringLiteral("print ") + pagesText(pages);
    return printAnswer;
}

void ScriptedServices::closeMainWindow()
{
    events << QStringLiteral("close");
}

void ScriptedServices::endProgram()
{
    events << QStringLiteral("end");
    ended = true;
}

void ScriptedServices::forgetAnswers()
{
    messageAnswers.clear();
    inputAnswers.clear();
    fileAnswers.clear();
    unanswered = 0;
}

Session::Session()
{
    startEditor(editor);
    announceChanges(editor);
    services.clearLogs();
    services.spoken.clear();
}

Session::~Session()
{
    if (services.unanswered > 0)
        QTest::qFail("the editor asked a question the test left unanswered", __FILE__, __LINE__);
}

void Session::press(int keyCode, int shift)
{
    handleMapKey(editor, keyCode, shift);
}

void Session::endGivenMap()
{
    store.endAction();
    // A map set up for a test is the one on disk, as one just opened would be.
    store.markSaved();
}

void Session::addRooms(int count)
{
    while (store.rooms().size() < count)
        store.appendRoom(Room::blank());
    store.resizeCoordinates(qint16(count));
    store.setRoomCount(qint16(count));
    endGivenMap();
}

void Session::describe(qint16 room, const QString &text)
{
    Room described = store.room(room);
    described.description.setText(text);
    store.setRoom(room, described);
    // The working copy of the current room is read again from the table.
    store.selectRoom(store.currentRoom());
    endGivenMap();
}

void Session::setExit(qint16 room, int slot, qint16 target)
{
    store.setExitEverywhere(room, slot, target);
    endGivenMap();
}

} // namespace rumbario
