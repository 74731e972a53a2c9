// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the scenarios of tests/data/scenarios: each gives a start map, keys and answers, and what
// the user must see and the map must hold afterwards. The format is told in README.md there.
#include "commands/deletelastroom.h"
#include "commands/findroom.h"
#include "commands/linkrooms.h"
#include "commands/rebasecoordinates.h"
#include "commands/removeconnection.h"
#include "commands/roomcreation.h"
#include "core/codepage.h"
#include "core/planfile.h"
#include "core/runtimeerror.h"
#include "support/scriptedservices.h"
#include "window/descriptionentry.h"
#include "window/keycodes.h"
#include "window/menutable.h"
#include "window/openandsave.h"
#include "window/roomview.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace rumbario;

namespace {

struct Scenario
{
    QString file;
    QString name;
    int firstLine = 0;
    QStringList lines;
};

/** "\0", "\t", "\r", "\n", "{blanks:N}" and "{zeros:N}" as the characters they stand for; "$DIR"
 * as the scenario's folder. */
QString unescaped(QString text, const QString &folder)
{
    static const QRegularExpression runs(QStringLiteral("\\{(blanks|zeros):(\\d+)\\}"));
    for (auto match = runs.match(text); match.hasMatch(); match = runs.match(text))
        text.replace(match.capturedStart(), match.capturedLength(),
                     QString(match.captured(2).toInt(),
                             match.captured(1) == QLatin1String("zeros") ? QChar(0) : QChar(u' ')));
    return text.replace(QLatin1String("\\0"), QString(QChar(0)))
        .replace(QLatin1String("\\t"), QLatin1String("\t"))
        .replace(QLatin1String("\\r"), QLatin1String("\r"))
        .replace(QLatin1String("\\n"), QLatin1String("\n"))
        .replace(QLatin1String("$DIR"), folder);
}

int slotNamed(const QString &name)
{
    static const QStringList names = {
        QStringLiteral("N"), QStringLiteral("NE"), QStringLiteral("E"),  QStringLiteral("SE"),
        QStringLiteral("S"), QStringLiteral("SW"), QStringLiteral("W"),  QStringLiteral("NW"),
        QStringLiteral("U"), QStringLiteral("D"),  QStringLiteral("IN"), QStringLiteral("OUT")};
    return int(names.indexOf(name));
}

/** A key as written in a press line: one character, or <Name> with Ctrl+ and Shift+ before it. */
std::pair<int, int> keyNamed(QString name)
{
    static const std::map<QString, int> named = {
        {QStringLiteral("Space"), Key::Space},   {QStringLiteral("Enter"), Key::Enter},
        {QStringLiteral("PageUp"), Key::PageUp}, {QStringLiteral("PageDown"), Key::PageDown},
        {QStringLiteral("End"), Key::End},       {QStringLiteral("Home"), Key::Home},
        {QStringLiteral("Left"), Key::Left},     {QStringLiteral("Up"), Key::Up},
        {QStringLiteral("Right"), Key::Right},   {QStringLiteral("Down"), Key::Down},
        {QStringLiteral("Delete"), Key::Delete}, {QStringLiteral("F1"), Key::F1},
        {QStringLiteral("F2"), Key::F2},         {QStringLiteral("F3"), Key::F3},
        {QStringLiteral("F5"), Key::F5},         {QStringLiteral("F6"), Key::F6},
        {QStringLiteral("Comma"), Key::Comma}};
    if (name.size() == 1)
        return {name == QLatin1String(",") ? Key::Comma : name.at(0).toUpper().unicode(), 0};
    name = name.mid(1, name.size() - 2);
    int shift = 0;
    if (name.startsWith(QLatin1String("Ctrl+"))) {
        shift |= Modifier::Ctrl;
        name.remove(0, 5);
    }
    if (name.startsWith(QLatin1String("Shift+"))) {
        shift |= Modifier::Shift;
        name.remove(0, 6);
    }
    const auto found = named.find(name);
    return {found == named.end() ? -1 : found->second, shift};
}

Answer answerNamed(const QString &name)
{
    return name == QLatin1String("Yes")  ? Answer::Yes
           : name == QLatin1String("No") ? Answer::No
                                         : Answer::Cancel;
}

/** A room's plan-file record without its line end, as text. */
QString recordText(const Room &room)
{
    QString text;
    for (char byte : planRecord(room).chopped(2))
        text += fromWindows1252(byte);
    return text;
}

QString coordinatesText(const Coordinates &position)
{
    return QStringLiteral("%1 %2 %3").arg(position[0]).arg(position[1]).arg(position[2]);
}

/** Plays one scenario; returns the first line that did not hold, with what was seen instead. */
class Player
{
public:
    Player(const Scenario &scenario, const QString &folder)
        : mScenario(scenario)
        , mFolder(folder)
    {}

    QString play()
    {
        for (mLine = 0; mLine < mScenario.lines.size(); ++mLine) {
            if (mScenario.lines[mLine].isEmpty())
                continue;
            const QString failure = step(mScenario.lines[mLine]);
            if (!failure.isEmpty())
                return QStringLiteral("%1:%2: %3\n    %4")
                    .arg(mScenario.file)
                    .arg(mScenario.firstLine + mLine)
                    .arg(mScenario.lines[mLine], failure);
        }
        mSession.services.unanswered = 0;
        return QString();
    }

private:
    QString step(const QString &line)
    {
        const QChar marker = line.at(0);
        const QString body = marker == u'?' || marker == u'>' ? line.mid(2) : line;
        const qsizetype space = body.indexOf(u' ');
        const QString word = space < 0 ? body : body.left(space);
        const QString rest = space < 0 ? QString() : unescaped(body.mid(space + 1), mFolder);
        const QStringList args = rest.split(u' ', Qt::SkipEmptyParts);
        if (marker == u'?')
            return check(word, rest, args);
        if (marker == u'>')
            return answer(word, rest);
        return act(word, rest, args);
    }

    QString act(const QString &word, const QString &rest, const QStringList &args)
    {
        ScriptedServices &services = mSession.services;
        MapStore &store = mSession.store;
        const auto number = [&args](int i) {
            return qint16(args.value(i).toInt());
        };
        if (word == QLatin1String("rooms")) {
            mSession.addRooms(number(0));
        } else if (word == QLatin1String("exit")) {
            mSession.setExit(number(0), slotNamed(args.value(1)), number(2));
        } else if (word == QLatin1String("describe")) {
            mSession.describe(number(0), rest.section(u' ', 1));
        } else if (word == QLatin1String("at")) {
            store.selectRoom(number(0));
            store.endAction();
        } else if (word == QLatin1String("creation")) {
            mSession.editor.creationMode = args.value(0) == QLatin1String("on");
        } else if (word == QLatin1String("coordinates")) {
            store.setCoordinates(number(0), {number(1), number(2), number(3)});
            store.endAction();
        } else if (word == QLatin1String("base")) {
            store.setCoordinateBase({number(0), number(1), number(2)});
            store.endAction();
        } else if (word == QLatin1String("unmodified")) {
            store.modified = false;
        } else if (word == QLatin1String("text1") || word == QLatin1String("text2")) {
            services.setText(word == QLatin1String("text1") ? TextBox::Text1 : TextBox::Text2,
                             rest);
        } else if (word == QLatin1String("type")) {
            services.setText(TextBox::Text1, rest);
            Text1_KeyDown(mSession.editor, Key::Enter, 0);
        } else if (word == QLatin1String("press")) {
            for (const QString &name : args) {
                const auto [key, shift] = keyNamed(name);
                if (key < 0)
                    return QStringLiteral("no such key");
                mSession.press(key, shift);
            }
        } else if (word == QLatin1String("bytes")) {
            const QString &encoding = args.value(0);
            const QString text = rest.section(u' ', 1);
            mBytes += encoding == QLatin1String("bom")    ? QByteArray("\xEF\xBB\xBF")
                      : encoding == QLatin1String("utf8") ? text.toUtf8()
                                                          : toWindows1252(text);
        } else if (word == QLatin1String("read")) {
            // As an open reads the file, without its dialogs and view.
            mRead = readPlanBytes(store, std::exchange(mBytes, QByteArray()));
            store.setRoomCount(store.tableSize());
            store.endAction();
        } else if (word == QLatin1String("edit")) {
            return edit(args, rest);
        } else if (word == QLatin1String("menu")) {
            return runMenu(rest);
        } else if (word == QLatin1String("file")) {
            QFile file(args.value(0));
            if (!file.open(QIODevice::WriteOnly))
                return file.errorString();
            file.write(rest.section(u' ', 1).toLatin1());
        } else if (word == QLatin1String("show")) {
            return showView(rest == QLatin1String("after open"));
        } else if (word == QLatin1String("filter")) {
            mSession.editor.exportDialog.selectedFilter = rest;
        } else if (word == QLatin1String("folder")) {
            QDir().mkpath(rest);
        } else if (word == QLatin1String("close")) {
            mEdited = Form_QueryUnload(mSession.editor);
        } else if (word == QLatin1String("clear")) {
            services.clearLogs();
        } else {
            return QStringLiteral("no such step");
        }
        return QString();
    }

    /** Applies one edit of the commands layer with its answers given: no question is asked. */
    QString edit(const QStringList &args, const QString &rest)
    {
        MapStore &store = mSession.store;
        const QString &name = args.value(0);
        const auto number = [&args](int i) {
            return qint16(args.value(i).toInt());
        };
        mError = 0;
        try {
            if (name == QLatin1String("link"))
                mEdited = linkRooms(store, number(1), number(2));
            else if (name == QLatin1String("remove"))
                removeConnection(store, store.currentRoomCopy, slotNamed(args.value(1)),
                                 args.value(2) == QLatin1String("both"));
            else if (name == QLatin1String("delete"))
                mEdited = deleteLastRoom(store);
            else if (name == QLatin1String("rebase"))
                rebaseCoordinates(store, {number(1), number(2), number(3)});
            else if (name == QLatin1String("goto"))
                mEdited = goToRoom(store, number(1));
            else if (name == QLatin1String("find"))
                mEdited = findDescription(store, rest.mid(5)).value_or(0);
            else if (name == QLatin1String("create"))
                mEdited = followOrCreate(store, slotNamed(args.value(1)));
            else
                return QStringLiteral("no such edit");
        } catch (const RuntimeError &error) {
            mError = error.number();
        }
        store.endAction();
        return QString();
    }

    /** Draws the room view as a command would; an error is remembered like an edit's. */
    QString showView(bool afterOpen)
    {
        mError = 0;
        try {
            afterOpen ? showRoomAfterOpen(mSession.editor) : showRoom(mSession.editor);
        } catch (const RuntimeError &error) {
            mError = error.number();
        }
        return QString();
    }

    QString runMenu(const QString &caption)
    {
        for (const Menu &menu : menuTable()) {
            for (const MenuItem &item : menu.items) {
                if (item.caption == caption) {
                    runMenuItem(mSession.editor, item);
                    return QString();
                }
            }
        }
        return QStringLiteral("no such menu item");
    }

    QString answer(const QString &kind, const QString &rest)
    {
        ScriptedServices &services = mSession.services;
        if (kind == QLatin1String("input"))
            services.inputAnswers.push_back(rest);
        else if (kind == QLatin1String("message"))
            services.messageAnswers.push_back(answerNamed(rest));
        else if (kind == QLatin1String("file") && rest == QLatin1String("cancel"))
            services.fileAnswers.push_back(std::nullopt);
        else if (kind == QLatin1String("file"))
            services.fileAnswers.push_back(rest);
        else
            return QStringLiteral("no such answer");
        return QString();
    }

    /** Compares a seen value with the expected one; the message says what was seen. */
    static QString compare(const QString &seen, const QString &expected)
    {
        return seen == expected ? QString() : QStringLiteral("seen: [%1]").arg(seen);
    }

    QString check(const QString &what, const QString &rest, const QStringList &args)
    {
        const MapStore &store = mSession.store;
        const Editor &editor = mSession.editor;
        ScriptedServices &services = mSession.services;
        const auto number = [&args](int i) {
            return qint16(args.value(i).toInt());
        };
        if (what == QLatin1String("text1"))
            return compare(mSession.text1(), rest);
        if (what == QLatin1String("text2"))
            return compare(mSession.text2(), rest);
        if (what == QLatin1String("current"))
            return compare(QString::number(store.currentRoom), rest);
        if (what == QLatin1String("count"))
            return compare(QStringLiteral("%1 %2 %3")
                               .arg(store.roomCount)
                               .arg(store.Lista.size())
                               .arg(store.coordinates.size()),
                           rest);
        if (what == QLatin1String("room"))
            return compare(recordText(store.room(number(0))), rest.section(u' ', 1));
        if (what == QLatin1String("description")) {
            QString text = store.room(number(0)).description.text();
            while (text.endsWith(u' '))
                text.chop(1);
            return compare(text, rest.section(u' ', 1));
        }
        if (what == QLatin1String("read"))
            return compare(QStringLiteral("%1 %2 %3")
                               .arg(QLatin1String(mRead.failure == ReadFailure::None    ? "none"
                                                  : mRead.failure == ReadFailure::Other ? "other"
                                                                                        : "end"))
                               .arg(mRead.firstBadRecord)
                               .arg(mRead.badRecords),
                           rest);
        if (what == QLatin1String("copy"))
            return compare(recordText(store.currentRoomCopy), rest);
        if (what == QLatin1String("coordinates"))
            return compare(coordinatesText(store.coordinatesOf(number(0))), rest.section(u' ', 1));
        if (what == QLatin1String("base"))
            return compare(coordinatesText(store.coordinateBase), rest);
        if (what == QLatin1String("modified"))
            return compare(QLatin1String(store.modified ? "yes" : "no"), rest);
        if (what == QLatin1String("mode"))
            return compare(QLatin1String(editor.creationMode ? "creation" : "walking"), rest);
        if (what == QLatin1String("beeps"))
            return compare(QString::number(services.beeps()), rest);
        if (what == QLatin1String("event"))
            return services.events.contains(rest)
                       ? QString()
                       : QStringLiteral("seen: ") + services.events.join(QLatin1String(" | "));
        if (what == QLatin1String("lastsearch"))
            return compare(editor.lastSearchText, rest);
        if (what == QLatin1String("ended"))
            return compare(QLatin1String(services.ended ? "yes" : "no"), rest);
        if (what == QLatin1String("exists"))
            return compare(QLatin1String(QFile::exists(args.value(0)) ? "yes" : "no"),
                           args.value(1));
        if (what == QLatin1String("mapname"))
            return compare(editor.mapName, rest);
        if (what == QLatin1String("file"))
            return compareFile(args.value(0), rest.section(u' ', 1));
        if (what == QLatin1String("result"))
            return compare(QString::number(mEdited), rest);
        if (what == QLatin1String("error"))
            return compare(QString::number(mError), rest);
        if (what == QLatin1String("dialogs"))
            return checkLog(services.dialogs);
        if (what == QLatin1String("events"))
            return checkLog(services.events);
        return QStringLiteral("no such check");
    }

    QString compareFile(const QString &path, const QString &expected)
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QStringLiteral("no file");
        return compare(QString::fromLatin1(file.readAll()), expected);
    }

    /** What was logged since the last check, one per following "| " line; then forgotten. */
    QString checkLog(QStringList &log)
    {
        QStringList expected;
        while (mLine + 1 < mScenario.lines.size() && mScenario.lines[mLine + 1].startsWith(u'|')) {
            ++mLine;
            expected << unescaped(mScenario.lines[mLine].mid(2), mFolder);
        }
        const QStringList seen = log;
        log.clear();
        return seen == expected
                   ? QString()
                   : QStringLiteral("seen:\n    | ") + seen.join(QLatin1String("\n    | "));
    }

    const Scenario &mScenario;
    QString mFolder;
    Session mSession;
    int mLine = 0;
    /** What the last edit returned, as a number, and the run-time error it raised or 0. */
    int mEdited = 0;
    int mError = 0;
    /** The plan-file bytes the next read step reads, and what the last one found. */
    QByteArray mBytes;
    ReadResult mRead;
};

QList<Scenario> readScenarios()
{
    QList<Scenario> scenarios;
    const QDir folder(QStringLiteral(RUMBARIO_TEST_DATA "/scenarios"));
    for (const QString &name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
        QFile file(folder.filePath(name));
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
            continue;
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        for (int i = 0; i < lines.size(); ++i) {
            const QString line = lines[i].trimmed();
            if (line.startsWith(QLatin1String("== "))) {
                scenarios.append({name, line.mid(3), i + 2, {}});
            } else if (!scenarios.isEmpty()) {
                // Texts keep their trailing blanks: only the blanks before a step are dropped.
                QString kept = line.isEmpty() || line.startsWith(u'#') ? QString() : lines[i];
                while (kept.startsWith(u' '))
                    kept.remove(0, 1);
                scenarios.last().lines.append(kept);
            }
        }
    }
    return scenarios;
}

} // namespace

Q_DECLARE_METATYPE(Scenario)

class TestScenarios : public QObject
{
    Q_OBJECT

private slots:
    void scenario_data();
    void scenario();
};

void TestScenarios::scenario_data()
{
    QTest::addColumn<Scenario>("scenario");
    for (const Scenario &scenario : readScenarios())
        QTest::newRow(qPrintable(scenario.file + QStringLiteral(": ") + scenario.name)) << scenario;
}

void TestScenarios::scenario()
{
    QFETCH(Scenario, scenario);
    QTemporaryDir folder;
    Player player(scenario, folder.path());
    const QString failure = player.play();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_GUILESS_MAIN(TestScenarios)
#include "tst_scenarios.moc"
