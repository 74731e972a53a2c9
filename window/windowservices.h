// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class QIODevice;

#include <array>
#include <optional>

namespace rumbario {

/** Button sets of a message box, numbered as the platform numbers them. */
enum class Buttons { Ok = 0, YesNoCancel = 3, YesNo = 4 };

/** The button that answered a message box. */
enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

/** The two text boxes of the main window. */
enum class TextBox { DescriptionBox, ViewLine };

/** The controls that can hold the keyboard. */
enum class Control { KeySurface, DescriptionBox };

/** Colours of the description box: the highlight colours, or black on white while typing. */
enum class BoxColours { Normal, Entry };

enum class FileDialogMode { Open, Save };

/** A line of a report window: its text, and the room Enter on it goes to (0 for none). */
struct ReportLine
{
    qint16 room;
    QString text;
};

/** The kinds of picture of the plan, in the order the export dialog offers them. */
enum class PictureFormat { Png, Svg, Pdf };

enum class PrintResult { Printed, Cancelled, Failed };

struct PlanPage;

/** The one file dialog of the window; its file name persists between uses within a run. */
struct FileDialogSettings
{
    QString fileName;
    QString initialFolder;
    /** Filter choices as "Caption|pattern" pairs, the first one selected. */
    QString filter;
    /** The caption of the filter chosen in the dialog, kept for the next showing. */
    QString selectedFilter;
    bool fileMustExist = false;
    /** The dialog's title; empty: the one of its mode ("Abrir", "Guardar como"). */
    QString title;

    /**
     * Sets the filter and the options for the next showing; a dialog that has never had a file
     * chosen starts in the program's own folder.
     */
    void prepare(const QString &newFilter, bool mustExist, const QString &programFolder);
};

/**
 * Everything the editor's logic asks of the window.
 *
 * The main window implements it with real widgets; tests implement it with a scripted double.
 * No title means the program's title, "Rumbario".
 */
/**
 * Where the file dialogs start: the program's folder, as always, where the user may write in it;
 * the user's documents folder otherwise, so that an installed program does not offer /usr/bin.
 */
QString dialogFolder(const class WindowServices &services);

class WindowServices
{
public:
    virtual ~WindowServices() = default;

    virtual Answer messageBox(const QString &prompt, Buttons buttons,
                              const QString &title = QString()) = 0;
    /** The text typed; Cancel gives the empty text. */
    virtual QString inputBox(const QString &prompt, const QString &title = QString(),
                             const QString &defaultText = QString()) = 0;

    /** Like a native text box, the box shows the text only up to its first zero character. */
    void setText(TextBox box, const QString &text);
    virtual QString text(TextBox box) const = 0;
    /** What the editor last showed in a box (what the user typed there is not counted). */
    const QString &shownText(TextBox box) const { return mShown[size_t(box)]; }

    virtual void setColours(BoxColours colours) = 0;
    /** Puts the description box's cursor before the character at that position. */
    virtual void placeCursor(int position) = 0;
    virtual void repaintDescriptionBox() = 0;
    virtual void giveFocus(Control control) = 0;
    virtual void beep() = 0;
    virtual void setMenuCaption(const QString &itemName, const QString &caption) = 0;
    virtual void setMenuEnabled(const QString &itemName, bool enabled) = 0;
    virtual void setMenuChecked(const QString &itemName, bool checked) = 0;
    /** Fits the current level of the map into the plan. */
    virtual void fitPlan() = 0;
    /** Zooms the plan by a factor around the current room: above 1 nearer. */
    virtual void zoomPlan(double factor) = 0;
    /** Shows the mode outside the described boxes: on the key surface and in the plan's legend. */
    virtual void showMode(bool creation) = 0;
    /** What the plan's legend says after the level and the mode (see planStatus). */
    virtual void showPlanStatus(const QString &status) = 0;
    /** Shows the help window modally; returns when it is closed. */
    virtual void showHelp() = 0;
    /** Shows the list of keys modally, in a window like the help window; lines end in LF. */
    virtual void showKeyList(const QString &text) = 0;
    /** Closes the main window as its close box would, through the closing question. */
    virtual void closeMainWindow() = 0;
    /** Ends the program at once, without the closing question. */
    virtual void endProgram() = 0;
    /** Shows the file dialog; on a choice the full path is left in settings.fileName. */
    virtual bool runFileDialog(FileDialogMode mode, FileDialogSettings &settings) = 0;
    virtual QString programFolder() const = 0;
    /** The user's documents folder. */
    virtual QString documentsFolder() const = 0;
    /** The maps last opened or saved, newest first, as the window keeps them between runs. */
    virtual QStringList recentMaps() const = 0;
    virtual void setRecentMaps(const QStringList &maps) = 0;
    /** Where recovery copies are kept; empty: nowhere. */
    virtual QString recoveryFolder() const = 0;
    /** Where they go when that folder cannot be written (full, read-only); empty: nowhere. */
    virtual QString spareRecoveryFolder() const = 0;
    /** Calls writeDueRecoveryCopy once, after the given time. */
    virtual void startRecoveryTimer(int milliseconds) = 0;
    /** Shows a list to choose from; the index chosen, or nothing when cancelled. */
    virtual std::optional<int> chooseItem(const QString &prompt, const QString &title,
                                          const QStringList &items) = 0;
    /** The map or the current room changed: whatever follows the map catches up. */
    virtual void mapChanged() = 0;
    /** Tells a screen reader what an action changed, as the key surface's new name. */
    virtual void announce(const QString &text) = 0;
    /** Calls followGameTranscript now and then while on, without holding up a key. */
    virtual void followTranscript(bool on) = 0;
    /**
     * Shows how far a long task has gone, redrawing the window meanwhile; 100 closes it. The
     * user's keys and clicks wait until it ends.
     */
    virtual void showProgress(const QString &task, int percent) = 0;
    /**
     * Shows lines in a window of their own that the keyboard and a screen reader can use: Enter
     * or a double click on a line goes to its room, "Copiar" copies them all. When followsMap,
     * the lines are those of the map's review and are read again whenever the map changes.
     */
    virtual void showReport(const QString &title, const QVector<ReportLine> &lines,
                            bool followsMap) = 0;
    /** Paints pages of the plan into a file: PNG and SVG take the first, PDF one a page. */
    virtual bool writePlanPicture(const QVector<PlanPage> &pages, PictureFormat format,
                                  QIODevice &device) = 0;
    /** Asks for a printer with the system's dialog and prints the pages, one a sheet. */
    virtual PrintResult printPlan(const QVector<PlanPage> &pages) = 0;

protected:
    virtual void showText(TextBox box, const QString &text) = 0;

private:
    std::array<QString, 2> mShown;
};

} // namespace rumbario
