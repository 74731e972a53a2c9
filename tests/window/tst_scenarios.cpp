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
#include "core/gamecheck.h"
#include "core/gameexport.h"
#include "core/gameimport.h"
#include "core/mapcompare.h"
#include "core/numbers.h"
#include "core/planfile.h"
#include "core/recoverycopy.h"
#include "core/runtimeerror.h"
#include "support/childprocess.h"
#include "support/scriptedservices.h"
#include "window/comparison.h"
#include "window/descriptionentry.h"
#include "window/gameimportcommand.h"
#include "window/menutable.h"
#include "window/openandsave.h"
#include "window/planmodel.h"
#include "window/planpages.h"
#include "window/recovery.h"
#include "window/roomview.h"
#include "window/transcriptmapping.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <numeric>
#include <optional>
#include <tuple>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace rumbario;

namespace {

/** A test walk as its length against the exits it must take, then its commands and arrivals. */
QStringList walkLines(const MapStore &store)
{
    const TestWalk walk = testWalk(store);
    QStringList lines{
        QStringLiteral("%1 moves for %2 exits").arg(walk.steps.size()).arg(walk.exitsToWalk)};
    const QStringList commands =
        walkCommands(walk, CommandWords::Spanish).split(u'\n', Qt::SkipEmptyParts);
    const QStringList arrivals = walkArrivals(store, walk).split(u'\n', Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < commands.size(); ++i)
        lines << (i < arrivals.size() ? commands[i] + QStringLiteral(" → ") + arrivals[i]
                                      : commands[i]);
    return lines;
}

/** A room's exits as the link question names their slots, "N 2 Afuera 5". */
QString exitsText(const Room &room)
{
    QStringList exits;
    for (int slot = 0; slot < exitCount; ++slot) {
        if (room.exits[slot] != 0)
            exits
                << QStringLiteral("%1 %2").arg(directions[slot].promptLabel).arg(room.exits[slot]);
    }
    return exits.join(u' ');
}

struct Scenario
{
    QString file;
    QString name;
    int firstLine = 0;
    QStringList lines;
};

/** "\0", "\t", "\r", "\n", "{blanks:N}" and "{zeros:N}" as the characters they stand for; "$DIR"
 * as the scenario's folder and "$DATA" as the tests' data folder. */
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
        .replace(QLatin1String("$DIR"), folder)
        .replace(QLatin1String("$DATA"), QLatin1String(RUMBARIO_TEST_DATA));
}

/** An exit slot by the name the link question gives its direction: N, NE, ... SO, NO, Adentro. */
int slotNamed(const QString &name)
{
    for (const Direction &direction : directions) {
        if (direction.promptLabel == name)
            return direction.slot;
    }
    return -1;
}

/** A key as written in a press line: one character, or <Name> with Ctrl+ and Shift+ before it. */
std::pair<int, int> keyNamed(QString name)
{
    static const std::map<QString, int> named = {
        {QStringLiteral("Space"), Qt::Key_Space},   {QStringLiteral("Enter"), Qt::Key_Return},
        {QStringLiteral("PageUp"), Qt::Key_PageUp}, {QStringLiteral("PageDown"), Qt::Key_PageDown},
        {QStringLiteral("End"), Qt::Key_End},       {QStringLiteral("Home"), Qt::Key_Home},
        {QStringLiteral("Left"), Qt::Key_Left},     {QStringLiteral("Up"), Qt::Key_Up},
        {QStringLiteral("Right"), Qt::Key_Right},   {QStringLiteral("Down"), Qt::Key_Down},
        {QStringLiteral("Delete"), Qt::Key_Delete}, {QStringLiteral("F1"), Qt::Key_F1},
        {QStringLiteral("F2"), Qt::Key_F2},         {QStringLiteral("F3"), Qt::Key_F3},
        {QStringLiteral("F5"), Qt::Key_F5},         {QStringLiteral("F6"), Qt::Key_F6},
        {QStringLiteral("F9"), Qt::Key_F9},         {QStringLiteral("Comma"), Qt::Key_Comma}};
    if (name.size() == 1)
        return {name == QLatin1String(",") ? int(Qt::Key_Comma) : name.at(0).toUpper().unicode(),
                0};
    name = name.mid(1, name.size() - 2);
    int modifiers = 0;
    if (name.startsWith(QLatin1String("Ctrl+"))) {
        modifiers |= Qt::ControlModifier;
        name.remove(0, 5);
    }
    if (name.startsWith(QLatin1String("Shift+"))) {
        modifiers |= Qt::ShiftModifier;
        name.remove(0, 6);
    }
    const auto found = named.find(name);
    return {found == named.end() ? -1 : found->second, modifiers};
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

const QRegularExpression &trailingBlanks()
{
    static const QRegularExpression blanks(QStringLiteral(" +$"));
    return blanks;
}

/** How a plan-file read ended, its first bad record and how many records were bad. */
QString readText(const ReadResult &read)
{
    const char *failure = read.failure == ReadFailure::None    ? "none"
                          : read.failure == ReadFailure::Other ? "other"
                                                               : "end";
    return QStringLiteral("%1 %2 %3")
        .arg(QLatin1String(failure))
        .arg(read.firstBadRecord)
        .arg(read.badRecords);
}

/** A typed answer's 16-bit value: "none" when it is no number, "overflow" when it raises error 6.
 */
QString typedValue(const QString &answer)
{
    QString value;
    try {
        const auto converted = typedInteger16(answer);
        value = converted ? QString::number(*converted) : QStringLiteral("none");
    } catch (const RuntimeError &error) {
        value = error.number() == 6 ? QStringLiteral("overflow") : error.description();
    }
    // Whether an answer counts as a number must agree with whether it converts to one.
    if (isNumeric(answer) == (value == QLatin1String("none")))
        return QStringLiteral("numeric? %1, yet %2").arg(isNumeric(answer)).arg(value);
    return value;
}

/**
 * Where the map written as a game differs from a golden file, in the format its extension names
 * and with its base name as the title: "same" when nowhere.
 */
QString exportDifference(const MapStore &store, const QString &golden)
{
    const QFileInfo name(golden);
    QFile file(golden);
    const auto format = std::find_if(
        gameFormats().begin(), gameFormats().end(),
        [&name](const GameFormatInfo &info) { return info.extension == name.suffix(); });
    if (!file.open(QIODevice::ReadOnly) || format == gameFormats().end())
        return QStringLiteral("(no golden file of a game format)");
    const QByteArray expected = file.readAll();
    const QByteArray written = exportGameSource(store, format->format, name.completeBaseName());
    qsizetype same = 0;
    while (same < written.size() && same < expected.size() && written[same] == expected[same])
        ++same;
    if (same == written.size() && same == expected.size())
        return QStringLiteral("same");
    return QStringLiteral("from byte %1: %2")
        .arg(same)
        .arg(QString::fromUtf8(written.mid(same, 80)));
}

/**
 * What a revert must bring back: the plan file's bytes, the rooms as stored (with the blanks the
 * file trims), and what the file does not hold.
 */
using MapState =
    std::tuple<QByteArray, QVector<Room>, QVector<Coordinates>, Coordinates, qint16, qint16, Room>;

MapState stateOf(const MapStore &store)
{
    QBuffer plan;
    plan.open(QIODevice::WriteOnly);
    writePlanRecords(store, plan);
    return {plan.data(),       store.rooms(),       store.coordinates(), store.coordinateBase(),
            store.roomCount(), store.currentRoom(), store.workingCopy()};
}

/** One user action chosen at random, as the steps and answers of a scenario. */
QStringList randomAction(QRandomGenerator &random, int rooms)
{
    const auto number = [&random](int low, int high) {
        return QString::number(random.bounded(low, high + 1));
    };
    const auto yesOrNo = [&random] {
        return QLatin1String(random.bounded(2) ? "> message Yes" : "> message No");
    };
    const auto pick = [&random](const char *letters) {
        return QString(QChar::fromLatin1(letters[random.bounded(int(std::strlen(letters)))]));
    };
    switch (random.bounded(12)) {
    case 0:
        return {QStringLiteral("press <Space>")};
    case 1:
        return {QStringLiteral("press T"), QStringLiteral("type Sala ") + number(1, 999)};
    case 2: // a link, sometimes to a room that does not exist, which the recovery clears
        return {"> input " + number(0, 13), "> input " + number(1, rooms + 2),
                "> input " + pick("NSEWUD"), yesOrNo(), QStringLiteral("press X")};
    case 3:
        return {"> input " + number(1, 3), QStringLiteral("> input "), yesOrNo(),
                QStringLiteral("press Z")};
    case 4:
        return {QStringLiteral("> message Yes"), QStringLiteral("press <Delete>")};
    case 5:
        return {"> input " + number(-9, 9), "> input " + number(-9, 9), "> input " + number(-9, 9),
                QStringLiteral("press <F3>")};
    case 6:
        if (random.bounded(4) == 0)
            return {QStringLiteral("> input 1"), QStringLiteral("> file $DIR/mapa.pln"),
                    QStringLiteral("press <F2>")};
        [[fallthrough]];
    default:
        return {"press " + pick("UIESNWYQADF")};
    }
}

QString pointText(QPointF at)
{
    return QStringLiteral("%1,%2").arg(at.x()).arg(at.y());
}

/** What the plan draws, one line a thing: its level, then boxes, lines, stubs and marks. */
QStringList planText(const Editor &editor, const PlanIndex &index, const PlanViewport &viewport)
{
    const PlanScene scene = buildShownPlanScene(editor, index, viewport);
    const auto flag = [](bool set, const char *name) {
        return QLatin1String(set ? name : "");
    };
    QStringList text{QStringLiteral("level %1").arg(scene.level)};
    for (const PlanScene::Box &box : scene.boxes)
        text << QStringLiteral("box %1 at %2%3%4 %5")
                    .arg(QString::number(box.room), pointText(box.center),
                         flag(box.differs, " differs"), flag(box.current, " current"), box.label)
                    .trimmed();
    for (const PlanScene::Line &line : scene.lines)
        text << QStringLiteral("line %1-%2 %3 to %4%5%6%7%8")
                    .arg(QString::number(line.from), QString::number(line.to),
                         pointText(line.start), pointText(line.end), flag(line.oneWay, " one-way"),
                         (line.toOtherLevel ? QStringLiteral(" other level ") + line.label
                                            : QString()),
                         flag(line.onWay, " on the way"), flag(line.differs, " differs"));
    for (const PlanScene::Stub &stub : scene.stubs)
        text << QStringLiteral("stub %1 %2").arg(stub.from).arg(directions[stub.slot].promptLabel);
    for (const PlanScene::Mark &mark : scene.marks)
        text << QStringLiteral("mark %1 %2%3")
                    .arg(QString::number(mark.room), directions[mark.slot].promptLabel,
                         flag(mark.broken, " broken"));
    return text;
}

/** How readable the plan of a level is: its boxes and lines, as the layout is judged. */
QString boxesText(const PlanScene &scene)
{
    const PlanFigures figures = planFigures(scene);
    return QStringLiteral("%1 overlapping %2 lines %3 crossing %4 through %5 compass %6 length %7")
        .arg(figures.boxes)
        .arg(figures.overlapping)
        .arg(figures.lines)
        .arg(figures.crossings)
        .arg(figures.throughRooms)
        .arg(figures.onCompass)
        .arg(figures.meanLength, 0, 'f', 2);
}

/** Plays one scenario; returns the first line that did not hold, with what was seen instead. */
class Player
{
public:
    /**
     * failingCall: in a step marked "!", the call to the window that fails as when memory runs out,
     * counted from 0; such a run ends after that step. -1: every step runs as usual.
     */
    Player(const Scenario &scenario, const QString &folder, int failingCall)
        : mScenario(scenario)
        , mFolder(folder)
        , mFailingCall(failingCall)
    {
        mSession.services.recoveryCopies = folder + QStringLiteral("/recuperacion");
        mSession.services.program = folder;
    }

    QString play()
    {
        for (mLine = 0; mLine < mScenario.lines.size(); ++mLine) {
            const QString &line = mScenario.lines[mLine];
            const bool failing = line.startsWith(QLatin1String("! ")) && mFailingCall >= 0;
            const QString failure = line.isEmpty() ? QString()
                                    : failing      ? stepRunningOutOfMemory(line.mid(2))
                                                   : step(line.mid(line.startsWith(u'!') ? 2 : 0));
            if (!failure.isEmpty())
                return QStringLiteral("%1:%2: %3\n    %4")
                    .arg(mScenario.file)
                    .arg(mScenario.firstLine + mLine)
                    .arg(line, failure);
            if (failing)
                break;
        }
        mSession.services.unanswered = 0;
        return QString();
    }

    /** Whether the failing call was reached: when it was not, the step made fewer calls. */
    bool ranOutOfMemory() const { return mRanOut; }

private:
    /** Nothing may escape, the failure is reported as error 7, and the map's tables agree. */
    QString stepRunningOutOfMemory(const QString &line)
    {
        ScriptedServices &services = mSession.services;
        mArmed = true;
        const QString failure = step(line);
        mRanOut = services.callsBeforeFailure < 0;
        services.callsBeforeFailure = -1;
        const MapStore &store = mSession.store;
        const bool reported = services.dialogs.contains(
            QStringLiteral("message Ok [] error 7: Memoria insuficiente"));
        if (!failure.isEmpty())
            return failure;
        if (reported != mRanOut)
            return QStringLiteral("call %1 failed: %2; error 7 shown: %3")
                .arg(mFailingCall)
                .arg(QLatin1String(mRanOut ? "yes" : "no"), QLatin1String(reported ? "yes" : "no"));
        if (store.roomCount() != store.tableSize() ||
            store.coordinates().size() < store.rooms().size())
            return QStringLiteral("the map's tables disagree after call %1 failed")
                .arg(mFailingCall);
        return QString();
    }

    /** Makes the failing call fail from now on, once the marked step has prepared what it needs. */
    void arm()
    {
        if (std::exchange(mArmed, false))
            mSession.services.callsBeforeFailure = mFailingCall;
    }

    QString step(const QString &line)
    {
        const QChar marker = line.at(0);
        const QString body = marker == u'?' || marker == u'>' ? line.mid(2) : line;
        const qsizetype space = body.indexOf(u' ');
        const QString word = space < 0 ? body : body.left(space);
        mRest = space < 0 ? QString() : unescaped(body.mid(space + 1), mFolder);
        mArgs = mRest.split(u' ', Qt::SkipEmptyParts);
        if (marker == u'?')
            return check(word);
        if (marker == u'>')
            return answer(word);
        return act(word);
    }

    qint16 number(int i) const { return qint16(mArgs.value(i).toInt()); }
    QPointF pointArgument(int i) const
    {
        return QPointF(mArgs.value(i).toDouble(), mArgs.value(i + 1).toDouble());
    }
    /** The text after the first argument. */
    QString tail() const { return mRest.section(u' ', 1); }

    QString act(const QString &word)
    {
        ScriptedServices &services = mSession.services;
        MapStore &store = mSession.store;
        QString failure;
        if (word != QLatin1String("type"))
            arm();
        if (word == QLatin1String("rooms")) {
            mSession.addRooms(number(0));
        } else if (word == QLatin1String("exit")) {
            failure = setExits();
        } else if (word == QLatin1String("describe")) {
            // Several rooms' descriptions, "ROOM TEXT", parted by semicolons.
            for (const QString &room : mRest.split(QStringLiteral("; ")))
                mSession.describe(qint16(room.section(u' ', 0, 0).toInt()), room.section(u' ', 1));
        } else if (word == QLatin1String("at")) {
            store.selectRoom(number(0));
        } else if (word == QLatin1String("creation")) {
            mSession.editor.creationMode = mRest == QLatin1String("on");
        } else if (word == QLatin1String("coordinates")) {
            // Several rooms' coordinates, "ROOM X Y Z", parted by commas.
            for (const QString &room : mRest.split(QStringLiteral(", "))) {
                const QStringList values = room.split(u' ');
                store.setCoordinates(qint16(values[0].toInt()), {qint16(values.value(1).toInt()),
                                                                 qint16(values.value(2).toInt()),
                                                                 qint16(values.value(3).toInt())});
            }
            mSession.endGivenMap();
        } else if (word == QLatin1String("base")) {
            store.setCoordinateBase({number(0), number(1), number(2)});
        } else if (word == QLatin1String("unmodified")) {
            store.setModified(false);
        } else if (word == QLatin1String("descriptionbox") || word == QLatin1String("viewline")) {
            services.setText(word == QLatin1String("descriptionbox") ? TextBox::DescriptionBox
                                                                     : TextBox::ViewLine,
                             mRest);
        } else if (word == QLatin1String("type")) {
            services.userTypes(mRest);
            arm();
            handleDescriptionKey(mSession.editor, Qt::Key_Return, 0);
        } else if (word == QLatin1String("typing")) {
            services.userTypes(mRest);
            typedDescriptionChanged(mSession.editor);
        } else if (word == QLatin1String("press")) {
            failure = press();
        } else if (word == QLatin1String("edit")) {
            guarded([&] { failure = edit(); });
        } else if (word == QLatin1String("show")) {
            guarded([&] { showView(mRest == QLatin1String("after open")); });
        } else if (word == QLatin1String("menu")) {
            failure = runMenu();
        } else if (word == QLatin1String("file")) {
            failure = writeFile(mArgs.value(0), tail());
        } else if (word == QLatin1String("append")) {
            failure = writeFile(mArgs.value(0), tail(), QIODevice::Append);
        } else if (word == QLatin1String("played")) {
            followGameTranscript(mSession.editor);
        } else if (word == QLatin1String("bytes")) {
            const QString &encoding = mArgs.value(0);
            mBytes += encoding == QLatin1String("bom")    ? QByteArray("\xEF\xBB\xBF")
                      : encoding == QLatin1String("utf8") ? tail().toUtf8()
                                                          : toWindows1252(tail());
        } else if (word == QLatin1String("read") || word == QLatin1String("open")) {
            // As an open reads the file, without its dialogs and view.
            mRead = word == QLatin1String("open")
                        ? readPlanFile(store, mRest)
                        : readPlanBytes(store, std::exchange(mBytes, QByteArray()));
            store.setRoomCount(store.tableSize());
        } else if (word == QLatin1String("viewport")) {
            mViewport.center = QPointF(mArgs.value(0).toDouble(), mArgs.value(1).toDouble());
            mViewport.scale = mArgs.value(2).toDouble();
        } else if (word == QLatin1String("covered")) {
            mViewport.covered =
                QRectF(QPointF(0, 0), QSizeF(mArgs.value(0).toDouble(), mArgs.value(1).toDouble()));
        } else if (word == QLatin1String("fit")) {
            const qint16 current = store.currentRoom();
            mViewport.fit(levelArea(store, updatedIndex(),
                                    store.coordinatesOf(current)[2] + store.coordinateBase()[2]));
        } else if (word == QLatin1String("opened")) {
            const qint16 current = store.currentRoom();
            const PlanIndex &index = updatedIndex();
            mViewport.showOpened(levelArea(store, index, index.shownPosition(current)[2]),
                                 index.drawnPosition(current));
        } else if (word == QLatin1String("zoom")) {
            mViewport.zoomAround(pointArgument(0), mArgs.value(2).toDouble());
        } else if (word == QLatin1String("follow")) {
            mEdited = mViewport.keepInView(pointArgument(0));
        } else if (word == QLatin1String("click")) {
            showRoomFromPlan(mSession.editor, number(0));
        } else if (word == QLatin1String("recent")) {
            openRecentMap(mSession.editor, mRest);
        } else if (word == QLatin1String("remove")) {
            QFile::remove(mRest);
        } else if (word == QLatin1String("given")) {
            openGivenPlan(mSession.editor, mRest);
        } else if (word == QLatin1String("program")) {
            mSession.services.program = mRest;
        } else if (word == QLatin1String("print")) {
            mSession.services.printAnswer =
                mRest == QLatin1String("fails") ? PrintResult::Failed : PrintResult::Cancelled;
        } else if (word == QLatin1String("filter")) {
            mSession.editor.exportDialog.selectedFilter = mRest;
            mSession.editor.pictureDialog.selectedFilter = mRest;
            mSession.editor.walkDialog.selectedFilter = mRest;
        } else if (word == QLatin1String("folder")) {
            QDir().mkpath(mRest);
        } else if (word == QLatin1String("spare")) {
            // Anybody may write there, as in the system's temporary folder.
            QDir().mkpath(mRest);
            chmod(QFile::encodeName(mRest).constData(), 0777);
            services.spareCopies = mRest;
        } else if (word == QLatin1String("copies")) {
            services.recoveryCopies = mRest;
        } else if (word == QLatin1String("fifo")) {
            mkfifo(QFile::encodeName(mRest).constData(), 0600);
        } else if (word == QLatin1String("sparse")) {
            QFile file(mArgs.value(0));
            if (!file.open(QIODevice::WriteOnly) || !file.resize(mArgs.value(1).toLongLong()))
                failure = file.errorString();
        } else if (word == QLatin1String("close")) {
            mEdited = closingRefused(mSession.editor);
        } else if (word == QLatin1String("hold")) {
            mHeld[mRest] = std::make_unique<QFile>(mRest);
            mHeld[mRest]->open(QIODevice::ReadOnly);
        } else if (word == QLatin1String("disk")) {
            failure = stepOnAFullDisk(rlim_t(mArgs.value(0).toLongLong()), tail());
        } else if (word == QLatin1String("nobody")) {
            failure = stepWithoutNewFiles(mArgs.value(0), tail());
        } else if (word == QLatin1String("timer") && mRest == QLatin1String("at message")) {
            services.whileNextMessage = [this] {
                writeDueRecoveryCopy(mSession.editor);
            };
        } else if (word == QLatin1String("timer")) {
            writeDueRecoveryCopy(mSession.editor);
        } else if (word == QLatin1String("killed")) {
            failure = stepThenKilled(mRest);
        } else if (word == QLatin1String("start")) {
            startEditor(mSession.editor);
        } else if (word == QLatin1String("budget")) {
            store.setHistoryBudget(size_t(mRest.toULongLong()));
        } else if (word == QLatin1String("import")) {
            guarded([&] { mEdited = openGameSource(mSession.editor, mRest); });
        } else if (word == QLatin1String("keep")) {
            if (!writePlanFile(store, mRest))
                failure = QStringLiteral("could not keep the map in ") + mRest;
        } else if (word == QLatin1String("snapshot")) {
            mSnapshots[mRest] = stateOf(store);
        } else if (word == QLatin1String("random")) {
            failure = playRandomly(mArgs.value(0).toInt(), mArgs.value(1).toUInt());
        } else if (word == QLatin1String("clear")) {
            services.clearLogs();
        } else {
            failure = QStringLiteral("no such step");
        }
        // Changes made here directly are one action each, as the editor's own are.
        store.endAction();
        return failure;
    }

    /**
     * Plays random actions, then undoes every action that changed the map and redoes them all:
     * each undo must give back the map as it was before its action, each redo as it was after.
     */
    QString playRandomly(int actions, quint32 seed)
    {
        QRandomGenerator random(seed);
        MapStore &store = mSession.store;
        std::vector<std::pair<MapState, MapState>> steps;
        for (int action = 0; action < actions; ++action) {
            const MapState before = stateOf(store);
            const size_t done = store.journal().done();
            for (const QString &line : randomAction(random, store.roomCount())) {
                const QString failure = step(line);
                if (!failure.isEmpty())
                    return line + QStringLiteral(": ") + failure;
            }
            mSession.services.forgetAnswers();
            if (store.journal().done() > done + 1)
                return QStringLiteral("action %1 made more than one step").arg(action);
            if (store.journal().done() > done)
                steps.emplace_back(before, stateOf(store));
        }
        if (store.journal().done() != steps.size())
            return QStringLiteral("%1 steps for %2 actions that changed the map")
                .arg(store.journal().done())
                .arg(steps.size());
        for (size_t step = steps.size(); step-- > 0;) {
            const QString label = store.journal().undoable()->label;
            if (!store.undo() || stateOf(store) != steps[step].first)
                return QStringLiteral("undoing %1 does not give back the map before it").arg(label);
        }
        for (const auto &[before, after] : steps) {
            const QString label = store.journal().redoable()->label;
            if (!store.redo() || stateOf(store) != after)
                return QStringLiteral("redoing %1 does not give back the map after it").arg(label);
        }
        return QString();
    }

    /** Exits given as "ROOM DIRECTION TARGET", several parted by commas. */
    QString setExits()
    {
        for (const QString &exit : mRest.split(QStringLiteral(", "))) {
            const QStringList parts = exit.split(u' ');
            const int slot = slotNamed(parts.value(1));
            if (slot < 0)
                return QStringLiteral("no such exit: ") + exit;
            mSession.setExit(qint16(parts[0].toInt()), slot, qint16(parts.value(2).toInt()));
        }
        return QString();
    }

    QString press()
    {
        for (const QString &name : std::as_const(mArgs)) {
            const auto [key, modifiers] = keyNamed(name);
            if (key < 0)
                return QStringLiteral("no such key");
            mSession.press(key, modifiers);
        }
        return QString();
    }

    /** Runs a step that may raise a run-time error, remembered for `? error` as the program's. */
    void guarded(const std::function<void()> &run)
    {
        mError = 0;
        try {
            run();
        } catch (const RuntimeError &error) {
            mError = error.number();
        }
        mSession.store.endAction();
    }

    /** Applies one edit of the commands layer with its answers given: no question is asked. */
    QString edit()
    {
        MapStore &store = mSession.store;
        const QString &name = mArgs.value(0);
        if (name == QLatin1String("link"))
            mEdited = linkRooms(store, number(1), number(2));
        else if (name == QLatin1String("remove"))
            removeConnection(store, slotNamed(mArgs.value(1)),
                             mArgs.value(2) == QLatin1String("both"));
        else if (name == QLatin1String("delete"))
            mEdited = deleteLastRoom(store);
        else if (name == QLatin1String("rebase"))
            rebaseCoordinates(store, {number(1), number(2), number(3)});
        else if (name == QLatin1String("goto"))
            mEdited = goToRoom(store, number(1));
        else if (name == QLatin1String("find"))
            mEdited = findDescription(store, tail()).value_or(0);
        else if (name == QLatin1String("create"))
            mEdited = followOrCreate(store, slotNamed(mArgs.value(1))) == CreationStep::Created;
        else
            return QStringLiteral("no such edit");
        return QString();
    }

    void showView(bool afterOpen)
    {
        afterOpen ? showRoomAfterOpen(mSession.editor) : showRoom(mSession.editor);
    }

    QString runMenu()
    {
        for (const Menu &menu : menuTable()) {
            for (const MenuItem &item : menu.items) {
                if (item.caption == mRest) {
                    runMenuItem(mSession.editor, item);
                    return QString();
                }
            }
        }
        return QStringLiteral("no such menu item");
    }

    /**
     * Plays a step in a forked copy of the editor, as its own event: what it writes to disk stays,
     * its map and dialogs end with it. `? result` then says whether it showed a success message.
     */
    QString stepInChild(const std::function<bool()> &prepare, const QString &line)
    {
        const int outcome = runInChild([&] {
            if (!prepare())
                return 3;
            if (!step(line).isEmpty())
                return 2;
            const QString shown = mSession.services.dialogs.join(u'\n');
            // Every failure is told with its reason.
            if (shown.contains(QLatin1String("desconocido"), Qt::CaseInsensitive))
                return 4;
            return shown.contains(QLatin1String("correctamente")) ||
                           shown.contains(QLatin1String("exportado:"))
                       ? 1
                       : 0;
        });
        // The copy took the answers queued for it.
        mSession.services.forgetAnswers();
        mEdited = outcome;
        return outcome == 0 || outcome == 1 ? QString()
                                            : QStringLiteral("the child failed: %1").arg(outcome);
    }

    /**
     * The step in a forked copy of the editor, whose recovery timer then goes off before the
     * copy is killed with SIGKILL, as a crash or a pulled cable ends it.
     */
    QString stepThenKilled(const QString &line)
    {
        const int outcome = runInChild([&] {
            if (!step(line).isEmpty())
                return 2;
            writeDueRecoveryCopy(mSession.editor);
            std::raise(SIGKILL);
            return 3;
        });
        mSession.services.forgetAnswers();
        return outcome == -1 ? QString()
                             : QStringLiteral("the child was not killed: %1").arg(outcome);
    }

    /** The step writes on a disk that is full once its files reach a size. */
    QString stepOnAFullDisk(rlim_t size, const QString &line)
    {
        return stepInChild(
            [size] {
                // Writing past the limit fails with EFBIG, as on a full disk, instead of killing.
                std::signal(SIGXFSZ, SIG_IGN);
                const rlimit fileSize{size, size};
                return setrlimit(RLIMIT_FSIZE, &fileSize) == 0;
            },
            line);
    }

    /** The step runs as a user who may write the folder's files but not make new ones there. */
    QString stepWithoutNewFiles(const QString &folder, const QString &line)
    {
        const QDir dir(folder);
        for (const QString &name : dir.entryList(QDir::Files))
            QFile::setPermissions(dir.filePath(name), QFile::ReadOwner | QFile::WriteOwner |
                                                          QFile::ReadOther | QFile::WriteOther);
        const auto readOnly =
            QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        QFile::setPermissions(folder, readOnly);
        const QString failure = stepInChild(
            [] {
                // Root may create files anywhere: the step runs as a user who may not.
                return geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
            },
            line);
        QFile::setPermissions(folder, readOnly | QFile::WriteOwner);
        return failure;
    }

    static QString writeFile(const QString &path, const QString &bytes,
                             QIODevice::OpenMode mode = QIODevice::WriteOnly)
    {
        QFile file(path);
        if (!file.open(mode))
            return file.errorString();
        file.write(bytes.toLatin1());
        return QString();
    }

    QString answer(const QString &kind)
    {
        ScriptedServices &services = mSession.services;
        if (kind == QLatin1String("input"))
            services.inputAnswers.push_back(mRest);
        else if (kind == QLatin1String("message"))
            services.messageAnswers.push_back(answerNamed(mRest));
        else if (kind == QLatin1String("file"))
            services.fileAnswers.push_back(
                mRest == QLatin1String("cancel") ? std::nullopt : std::optional<QString>(mRest));
        else
            return QStringLiteral("no such answer");
        return QString();
    }

    /**
     * What the named check sees, as the scenario writes it: checks of a room or a file see its
     * number or path first; nothing for a check that does not exist.
     */
    std::optional<QString> seen(const QString &what) const
    {
        if (what == QLatin1String("way")) {
            const auto way = shortestWay(mSession.store, number(0), number(1));
            QStringList words;
            for (const int slot : way.value_or(QVector<int>()))
                words << commandWord(slot, CommandWords::Spanish);
            return mRest.section(u' ', 0, 1) + u' ' +
                   (way ? words.join(QStringLiteral(", ")) : QStringLiteral("none"));
        }
        const MapStore &store = mSession.store;
        const Editor &editor = mSession.editor;
        const QString first = mArgs.value(0) + u' ';
        const auto yesNo = [](bool yes) {
            return QString::fromLatin1(yes ? "yes" : "no");
        };
        if (what == QLatin1String("descriptionbox"))
            return mSession.descriptionbox();
        if (what == QLatin1String("viewline"))
            return mSession.viewline();
        if (what == QLatin1String("current"))
            return QString::number(store.currentRoom());
        if (what == QLatin1String("count"))
            return QStringLiteral("%1 %2 %3")
                .arg(store.roomCount())
                .arg(store.rooms().size())
                .arg(store.coordinates().size());
        if (what == QLatin1String("room"))
            return first + recordText(store.room(number(0)));
        if (what == QLatin1String("exits"))
            return first + exitsText(store.room(number(0)));
        if (what == QLatin1String("description"))
            return first + store.room(number(0)).description.text().remove(trailingBlanks());
        if (what == QLatin1String("read"))
            return readText(mRead);
        if (what == QLatin1String("doubtful"))
            return yesNo(mRead.doubtful);
        if (what == QLatin1String("copy"))
            return recordText(store.workingCopy());
        if (what == QLatin1String("coordinates"))
            return first + coordinatesText(store.coordinatesOf(number(0)));
        if (what == QLatin1String("base"))
            return coordinatesText(store.coordinateBase());
        if (what == QLatin1String("modified"))
            return yesNo(store.modified());
        if (what == QLatin1String("mode"))
            return QString::fromLatin1(editor.creationMode ? "creation" : "walking");
        if (what == QLatin1String("legend")) {
            const int level =
                store.coordinatesOf(store.currentRoom())[2] + store.coordinateBase()[2];
            return planLegend(level, mSession.editor.shownMode == 1) + mSession.services.planStatus;
        }
        if (what == QLatin1String("keys")) {
            const QString line = QStringLiteral("  ") + mRest;
            return mSession.services.keyList.split(u'\n').contains(line) ? mRest
                                                                         : QStringLiteral("none");
        }
        if (what == QLatin1String("choice")) {
            const QStringList lists =
                mSession.services.dialogs.filter(QRegularExpression(QStringLiteral("^choose ")));
            const QString items = lists.isEmpty() ? QString() : lists.last().section(u'{', 1);
            return first + items.chopped(1).split(u'|').value(number(0) - 1);
        }
        if (what == QLatin1String("message")) {
            const QStringList messages =
                mSession.services.dialogs.filter(QRegularExpression(QStringLiteral("^message ")));
            return messages.isEmpty() ? QString() : messages.last().section(QLatin1String("] "), 1);
        }
        if (what == QLatin1String("recent"))
            return mSession.services.recent.join(QLatin1String(" | "));
        if (what == QLatin1String("timers"))
            return QString::number(
                mSession.services.events.filter(QStringLiteral("recovery timer")).size());
        if (what == QLatin1String("beeps"))
            return QString::number(mSession.services.beeps());
        if (what == QLatin1String("lastsearch"))
            return editor.lastSearchText;
        if (what == QLatin1String("ended"))
            return yesNo(mSession.services.ended);
        if (what == QLatin1String("exists"))
            return first + yesNo(QFile::exists(mArgs.value(0)));
        if (what == QLatin1String("mapname"))
            return editor.store.mapName();
        if (what == QLatin1String("number")) {
            const qsizetype close = mRest.lastIndexOf(u']');
            return mRest.left(close + 1) + u' ' + typedValue(mRest.mid(1, close - 1));
        }
        if (what == QLatin1String("export"))
            return first + exportDifference(store, mArgs.value(0));
        if (what == QLatin1String("pixel"))
            return mRest.section(u' ', 0, 1) + u' ' +
                   pointText(mViewport.toPixel(pointArgument(0)));
        if (what == QLatin1String("point"))
            return mRest.section(u' ', 0, 1) + u' ' + pointText(mViewport.toPlan(pointArgument(0)));
        if (what == QLatin1String("viewport"))
            return QStringLiteral("%1 %2 %3 %4x%5")
                .arg(pointText(mViewport.center))
                .arg(mViewport.scale)
                .arg(pointText(mViewport.visibleArea().topLeft()))
                .arg(mViewport.visibleArea().width())
                .arg(mViewport.visibleArea().height());
        if (what == QLatin1String("page")) {
            const PlanPage page =
                planPage(store, updatedIndex(), number(0), QStringLiteral("mapa"));
            return QStringLiteral("%1 %2x%3 at %4 %5 rooms")
                .arg(mArgs.value(0))
                .arg(page.viewport.size.width())
                .arg(page.viewport.size.height())
                .arg(pointText(page.viewport.center))
                .arg(page.rooms);
        }
        if (what == QLatin1String("language"))
            return first + languageName(gameLanguage(mArgs.value(0), fileText(mArgs.value(0))));
        if (what == QLatin1String("moves")) {
            // Several commands, parted by commas, each moving the same way.
            const QString commands = mRest.section(QStringLiteral(" = "), 0, 0);
            QStringList ways;
            for (const QString &command : commands.split(QStringLiteral(", "))) {
                const int slot = movementSlot(command);
                const QString way =
                    slot < 0 ? QStringLiteral("-") : QString(directions[slot].promptLabel);
                if (!ways.contains(way))
                    ways << way;
            }
            return commands + QStringLiteral(" = ") + ways.join(QStringLiteral(" and "));
        }
        if (what == QLatin1String("layout"))
            return layoutText();
        if (what == QLatin1String("square")) {
            const QPoint square = updatedIndex().drawnPosition(number(0));
            return first + QStringLiteral("%1,%2").arg(square.x()).arg(square.y());
        }
        if (what == QLatin1String("boxes"))
            return boxesText(buildPlanScene(store, updatedIndex(), mViewport));
        if (what == QLatin1String("at"))
            return mRest.section(u' ', 0, 1) + u' ' +
                   QString::number(planRoomAt(store, updatedIndex(), mViewport, pointArgument(0)));
        if (what == QLatin1String("index")) {
            const bool changed = mIndex.update(store);
            return QStringLiteral("%1 %2")
                .arg(QLatin1String(changed ? "changed" : "same"))
                .arg(mIndex.roomCount());
        }
        if (what == QLatin1String("held"))
            return first + heldText(mArgs.value(0));
        if (what == QLatin1String("size"))
            return first + QString::number(QFileInfo(mArgs.value(0)).size());
        if (what == QLatin1String("files"))
            return first + QDir(mArgs.value(0)).entryList(QDir::Files).join(u' ');
        if (what == QLatin1String("begins"))
            return first + fileText(mArgs.value(0)).left(tail().size());
        if (what == QLatin1String("file"))
            return first + fileText(mArgs.value(0));
        if (what == QLatin1String("same")) {
            const auto snapshot = mSnapshots.find(mArgs.value(0));
            return first +
                   QLatin1String(snapshot != mSnapshots.end() && snapshot->second == stateOf(store)
                                     ? "yes"
                                     : "no");
        }
        if (what == QLatin1String("steps"))
            return QStringLiteral("%1 %2")
                .arg(store.journal().done())
                .arg(store.journal().entries().size());
        if (what == QLatin1String("journal"))
            return QStringLiteral("%1 %2 %3")
                .arg(store.journal().entries().size())
                .arg(mSession.services.mapChanges)
                .arg(store.journal().entries().empty() ? QString()
                                                       : store.journal().entries().back().label)
                .trimmed();
        if (what == QLatin1String("result"))
            return QString::number(mEdited);
        if (what == QLatin1String("error"))
            return QString::number(mError);
        return std::nullopt;
    }

    QString check(const QString &what)
    {
        ScriptedServices &services = mSession.services;
        if (what == QLatin1String("event"))
            return services.events.contains(mRest)
                       ? QString()
                       : QStringLiteral("seen: ") + services.events.join(QLatin1String(" | "));
        if (what == QLatin1String("dialogs"))
            return checkLog(services.dialogs);
        if (what == QLatin1String("events"))
            return checkLog(services.events);
        if (what == QLatin1String("spoken"))
            return checkLog(services.spoken);
        if (what == QLatin1String("copies")) {
            QStringList copies;
            for (const QString &folder : {services.recoveryCopies, services.spareCopies}) {
                for (const RecoveryCopy &copy : recoveryCopies(folder))
                    copies << QStringLiteral("%1 %2").arg(copy.original).arg(copy.rooms);
            }
            return compareWithFollowingLines(copies);
        }
        if (what == QLatin1String("plan"))
            return compareWithFollowingLines(planText(mSession.editor, updatedIndex(), mViewport));
        if (what == QLatin1String("review"))
            return groupLines(reviewMap(mSession.store), "El mapa no tiene problemas.");
        if (what == QLatin1String("rooms")) {
            QStringList rooms;
            const MapStore &store = mSession.store;
            for (int room = 1; room <= store.roomCount(); ++room)
                rooms << QStringLiteral("%1 %2 |%3")
                             .arg(room)
                             .arg(roomText(store, qint16(room)),
                                  exitsText(store.room(qint16(room))));
            return compareWithFollowingLines(rooms);
        }
        if (what == QLatin1String("followed")) {
            QStringList lines;
            for (const ReportLine &line : followedReportLines(mSession.editor))
                lines << QStringLiteral("%1: %2").arg(line.room).arg(line.text);
            return compareWithFollowingLines(lines);
        }
        if (what == QLatin1String("compare")) {
            MapStore other;
            readPlanFile(other, mArgs.value(0));
            other.setRoomCount(other.tableSize());
            return groupLines(compareMaps(mSession.store, other).groups,
                              "Los dos mapas son iguales.");
        }
        if (what == QLatin1String("gamecheck")) {
            const QString arrivals = mArgs.value(1);
            const PlayedWalk walk =
                arrivals.isEmpty()
                    ? PlayedWalk()
                    : readPlayedWalk(fileText(arrivals.section(u'.', 0, -2)), fileText(arrivals));
            const QString played = transcriptText(fileText(mArgs.value(0)).toLatin1());
            return groupLines(checkGame(mSession.store, transcriptTurns(played), walk),
                              "El juego y el mapa coinciden en cada orden.");
        }
        if (what == QLatin1String("walk"))
            return compareWithFollowingLines(walkLines(mSession.store));
        std::optional<QString> value;
        // A room the map lacks is something seen too, not the end of every scenario after it.
        try {
            value = seen(what);
        } catch (const RuntimeError &error) {
            value = QStringLiteral("error %1").arg(error.number());
        }
        if (!value)
            return QStringLiteral("no such check");
        return *value == mRest ? QString() : QStringLiteral("seen: [%1]").arg(*value);
    }

    /** Compares groups of lines, as the report windows show them, with the lines that follow. */
    QString groupLines(const QVector<ProblemGroup> &groups, const char *whenNone)
    {
        return compareWithFollowingLines(
            groupsText(groups, QString::fromUtf8(whenNone)).split(u'\n', Qt::SkipEmptyParts));
    }

    /** What a file held open since an earlier step reads from its start. */
    QString heldText(const QString &path) const
    {
        const auto held = mHeld.find(path);
        if (held == mHeld.end() || !held->second->seek(0))
            return QStringLiteral("(not held)");
        return QString::fromLatin1(held->second->readAll());
    }

    static QString fileText(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll())
                                              : QStringLiteral("(no file)");
    }

    /** What was logged since the last check, one per following "| " line; then forgotten. */
    QString checkLog(QStringList &log)
    {
        return compareWithFollowingLines(std::exchange(log, QStringList()));
    }

    QString compareWithFollowingLines(const QStringList &seen)
    {
        QStringList expected;
        while (mLine + 1 < mScenario.lines.size() && mScenario.lines[mLine + 1].startsWith(u'|')) {
            ++mLine;
            expected << unescaped(mScenario.lines[mLine].mid(2), mFolder);
        }
        return seen == expected
                   ? QString()
                   : QStringLiteral("seen:\n    | ") + seen.join(QLatin1String("\n    | "));
    }

    const Scenario &mScenario;
    QString mFolder;
    Session mSession;
    int mLine = 0;
    /** The current step's text after its first word, and that text split at blanks. */
    QString mRest;
    QStringList mArgs;
    /** What the last edit returned, as a number, and the run-time error it raised or 0. */
    int mEdited = 0;
    int mError = 0;
    /** The plan-file bytes the next read step reads, and what the last one found. */
    QByteArray mBytes;
    ReadResult mRead;
    /** Where the plan looks: 400 x 200 pixels, 40 pixels a room, at the origin unless moved. */
    PlanViewport mViewport{QPointF(0, 0), 40.0, QSizeF(400, 200), QRectF()};
    mutable PlanIndex mIndex;
    int mFailingCall;
    bool mArmed = false;
    bool mRanOut = false;
    /** The plan's index, brought up to date before each check of the plan, as the view does. */
    /** Where the plan draws each room, "room:x,y", and ",level" off the first room's level. */
    QString layoutText() const
    {
        const PlanIndex &index = updatedIndex();
        QStringList rooms;
        for (int room = 1; room <= index.roomCount(); ++room) {
            const QPoint square = index.drawnPosition(qint16(room));
            const int level = index.shownPosition(qint16(room))[2] - index.shownPosition(1)[2];
            rooms << QStringLiteral("%1:%2,%3%4")
                         .arg(room)
                         .arg(square.x())
                         .arg(square.y())
                         .arg(level == 0 ? QString() : QStringLiteral(",%1").arg(level));
        }
        return rooms.join(u' ');
    }

    const PlanIndex &updatedIndex() const
    {
        mIndex.update(mSession.store);
        return mIndex;
    }

    /** Files opened by hold steps, to read what an old handle sees after a save. */
    std::map<QString, std::unique_ptr<QFile>> mHeld;
    /** The map as snapshot steps saw it, by name. */
    std::map<QString, MapState> mSnapshots;
};

/**
 * A scenario that starts "for NAME..." followed by rows "| VALUE...": played once a row, with
 * $NAME standing for the row's value (the last name takes the rest of the row). The header and
 * the rows stay as blank lines, so that steps keep their line numbers.
 */
QList<Scenario> expandTable(Scenario table)
{
    if (table.lines.isEmpty() || !table.lines.first().startsWith(QLatin1String("for ")))
        return {table};
    // Columns are parted by " | " where a value holds blanks, else by blanks.
    const QString header = table.lines.first().mid(4);
    const QString parting =
        header.contains(QLatin1String(" | ")) ? QStringLiteral(" | ") : QStringLiteral(" ");
    const QStringList names = header.split(parting, Qt::SkipEmptyParts);
    QStringList rows;
    int body = 1;
    for (; body < table.lines.size() && table.lines[body].startsWith(QLatin1String("| ")); ++body)
        rows << table.lines[body].mid(2);
    for (int i = 0; i < body; ++i)
        table.lines[i].clear();
    QList<Scenario> played;
    for (const QString &row : std::as_const(rows)) {
        Scenario one = table;
        one.name += QStringLiteral(" [") + row + u']';
        const QStringList values = parting == QLatin1String(" ")
                                       ? row.split(u' ', Qt::SkipEmptyParts)
                                       : row.split(parting);
        QVector<int> longestFirst(names.size());
        std::iota(longestFirst.begin(), longestFirst.end(), 0);
        std::sort(longestFirst.begin(), longestFirst.end(),
                  [&](int a, int b) { return names[a].size() > names[b].size(); });
        for (const int n : std::as_const(longestFirst)) {
            const bool last = n == names.size() - 1;
            one.lines.replaceInStrings(u'$' + names[n],
                                       last ? values.mid(n).join(parting) : values.value(n));
        }
        played << one;
    }
    return played;
}

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
    QList<Scenario> played;
    for (const Scenario &scenario : std::as_const(scenarios))
        played << expandTable(scenario);
    return played;
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
    const bool runsOutOfMemory =
        std::any_of(scenario.lines.begin(), scenario.lines.end(),
                    [](const QString &line) { return line.startsWith(QLatin1String("! ")); });
    // Played as written; then, with a marked step, again with each of its calls failing in turn.
    for (int call = -1;; ++call) {
        QTemporaryDir folder;
        Player player(scenario, folder.path(), call);
        const QString failure = player.play();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        if (!runsOutOfMemory || (call >= 0 && !player.ranOutOfMemory())) {
            QVERIFY2(call != 0, "the marked step made no call that could fail");
            break;
        }
    }
}

QTEST_GUILESS_MAIN(TestScenarios)
#include "tst_scenarios.moc"
