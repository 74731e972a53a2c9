// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptedservices.h"

#include "editor/keyhandler.h"

namespace rumbario {

namespace {

QString buttonsName(Buttons buttons)
{
    switch (buttons) {
    case Buttons::YesNo:
        return QStringLiteral("YesNo");
    case Buttons::YesNoCancel:
        return QStringLiteral("YesNoCancel");
    case Buttons::Ok:
        break;
    }
    return QStringLiteral("Ok");
}

} // namespace

Answer ScriptedServices::messageBox(const QString &prompt, Buttons buttons, const QString &title)
{
    dialogs << QStringLiteral("message %1 [%2] %3").arg(buttonsName(buttons), title, prompt);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (messageAnswers.empty()) {
        ++unanswered;
        return Answer::Cancel;
    }
    const Answer answer = messageAnswers.front();
    messageAnswers.pop_front();
    return answer;
}

QString ScriptedServices::inputBox(const QString &prompt, const QString &title,
                                   const QString &defaultText)
{
    dialogs << QStringLiteral("input [%1] %2 {%3}").arg(title, prompt, defaultText);
    if (inputAnswers.empty()) {
        ++unanswered;
        return QString();
    }
    const QString answer = inputAnswers.front();
    inputAnswers.pop_front();
    return answer;
}

void ScriptedServices::showText(TextBox box, const QString &text)
{
    (box == TextBox::Text1 ? mText1 : mText2) = text;
    events << (box == TextBox::Text1 ? QStringLiteral("Text1=") : QStringLiteral("Text2=")) + text;
}

QString ScriptedServices::text(TextBox box) const
{
    return box == TextBox::Text1 ? mText1 : mText2;
}

void ScriptedServices::setColours(BoxColours newColours)
{
    colours = newColours;
    events << (newColours == BoxColours::Entry ? QStringLiteral("colours entry")
                                               : QStringLiteral("colours normal"));
}

void ScriptedServices::repaintText1()
{
    events << QStringLiteral("repaint Text1");
}

void ScriptedServices::giveFocus(Control control)
{
    focus = control;
    events << (control == Control::Text1 ? QStringLiteral("focus Text1")
                                         : QStringLiteral("focus Picture1"));
}

void ScriptedServices::beep()
{
    events << QStringLiteral("beep");
}

void ScriptedServices::setMenuCaption(const QString &itemName, const QString &caption)
{
    events << QStringLiteral("caption %1=%2").arg(itemName, caption);
}

void ScriptedServices::showHelp()
{
    events << QStringLiteral("help");
}

void ScriptedServices::closeMainWindow()
{
    events << QStringLiteral("close");
    if (onClose)
        onClose();
}

void ScriptedServices::endProgram()
{
    events << QStringLiteral("end");
    ended = true;
}

bool ScriptedServices::runFileDialog(FileDialogMode mode, FileDialogSettings &settings)
{
    dialogs << QStringLiteral("file %1 [%2] folder=%3 name=%4 mustExist=%5")
                   .arg(mode == FileDialogMode::Open ? QStringLiteral("open")
                                                     : QStringLiteral("save"),
                        settings.filter, settings.initialFolder, settings.fileName,
                        settings.fileMustExist ? QStringLiteral("yes") : QStringLiteral("no"));
    if (fileAnswers.empty()) {
        ++unanswered;
        return false;
    }
    const std::optional<QString> answer = fileAnswers.front();
    fileAnswers.pop_front();
    if (!answer)
        return false;
    settings.fileName = *answer;
    return true;
}

QString ScriptedServices::programFolder() const
{
    return QStringLiteral("/opt/rumbario");
}

void ScriptedServices::clearLogs()
{
    dialogs.clear();
    events.clear();
}

Session::Session()
{
    Form_Load(editor);
    services.clearLogs();
}

void Session::press(int keyCode, int shift)
{
    Picture1_KeyDown(editor, keyCode, shift);
}

void Session::pressLetters(const char *letters)
{
    for (const char *c = letters; *c; ++c)
        press(*c == ' ' ? 32 : *c);
}

void Session::addRooms(int count)
{
    while (store.Lista.size() < count) {
        store.Lista.append(Room::blank());
        store.coordinates.append(Coordinates{});
    }
    store.roomCount = static_cast<qint16>(count);
}

void Session::setExit(qint16 room, int slot, qint16 target)
{
    store.room(room).exits[slot] = target;
    if (room == store.currentRoom)
        store.currentRoomCopy.exits[slot] = target;
}

} // namespace rumbario
