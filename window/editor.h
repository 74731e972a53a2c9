// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/mapcompare.h"
#include "core/mapstore.h"
#include "planmodel.h"
#include "transcriptmapping.h"
#include "windowservices.h"

#include <array>
#include <memory>

namespace rumbario {

/** What the report window that follows the map shows. */
enum class FollowedReport { Review, Comparison };

/**
 * The state the main window shares with every command: the map, the window members and the
 * services through which the logic reaches the window.
 */
struct Editor
{
    explicit Editor(WindowServices &windowServices)
        : services(windowServices)
    {}

    WindowServices &services;
    MapStore store;
    bool creationMode = false;
    bool showCoordinates = true;
    /** A creation key links to a room already on the square beyond instead of creating one. */
    bool joinLoops = false;
    /** The rooms of the last way asked for, drawn on the plan while the map is as it was. */
    QVector<qint16> shownWay;
    quint64 shownWayRevision = 0;
    FollowedReport followedReport = FollowedReport::Review;
    /** The map's revision when the report that follows it was last read. */
    quint64 followedRevision = 0;
    /** The map last compared with, and its differences as the map was at that revision. */
    std::shared_ptr<const MapStore> comparedMap;
    QString comparedPath;
    MapComparison comparison;
    quint64 comparisonRevision = 0;
    /** Set by the first description entry and never cleared: Enter in DescriptionBox then turns
     * creation on.
     */
    bool textEntryPending = false;
    bool exitAfterSave = false;
    /** A description is being typed: only Enter ends it. */
    bool typingDescription = false;
    /** The last file opened that could not be read whole, until its original is kept aside. */
    QString unreadPlan;
    /** The file opened when its read was doubtful (see ReadResult), while it is the map's. */
    QString doubtfulPlan;
    /** Offered again as the answer of the next text search. */
    QString lastSearchText;
    FileDialogSettings planFileDialog;
    /** The export dialog keeps its own file name, apart from the plan file's. */
    FileDialogSettings exportDialog;
    FileDialogSettings pictureDialog;
    FileDialogSettings walkDialog;
    FileDialogSettings compareDialog;
    FileDialogSettings importDialog;
    FileDialogSettings walkArrivalsDialog;
    /** The mode as the window last showed it: -1 before it showed any. */
    int shownMode = -1;
    /** This run's recovery copy, once written; whether a write is due. */
    QString recoveryCopy;
    /** The file name this map's copies take in whichever folder can hold them. */
    QString recoveryCopyName;
    bool recoveryDue = false;
    /** The last copy could be written nowhere: the map has none until one can. */
    bool recoveryCopyMissing = false;
    /** Copies of earlier runs found at start-up, told until the user opens or changes a map. */
    int waitingCopies = 0;
    /** What the plan's legend was last told beside the level and the mode. */
    QString shownStatus;
    /** Whether a screen reader was last told that the map is unsaved. */
    bool spokenUnsaved = false;
    /** The Edit menu's captions as the window shows them. */
    QString shownUndoCaption;
    QString shownRedoCaption;
    /** The texts of the two boxes as a screen reader was last told them. */
    std::array<QString, 2> spokenTexts;
    /** Said before the boxes at the end of the action: what it did that the boxes may not show. */
    QString pendingSaying;
    FileDialogSettings transcriptDialog;
    TranscriptReading transcript;
    /** Where the plan draws the rooms, kept up to date by whatever shows or tells the plan. */
    PlanIndex plan;
};

/** Start-up: the fresh map of one room, the window members' start values, room 1 shown. */
void startEditor(Editor &editor);

/** The map of one room at (0, 0, 0) named "Mapa1", in walking mode, room 1 shown. */
void startFreshMap(Editor &editor);

/** Tells the window the mode, when it is not the one it shows. */
void showMode(Editor &editor);

/** Shows or hides the coordinates; the view changes at its next redraw, the caption at once. */
void toggleCoordinates(Editor &editor);

} // namespace rumbario
