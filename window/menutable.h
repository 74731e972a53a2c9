// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

namespace rumbario {

struct Editor;

enum class MenuAction {
    SendKey,
    New,
    Open,
    Save,
    SaveAs,
    Exit,
    ToggleCoordinates,
    FitPlan,
    ZoomIn,
    ZoomOut,
    Export,
    ExportPicture,
    Print,
    MapTranscript,
    StopFollowing,
    ReviewMap,
    WayToRoom,
    TestWalk,
    CompareMaps,
    ImportGame,
    CheckGame,
    ToggleJoinLoops,
    Recover,
    Undo,
    Redo,
    KeyList
};

/** One item of the menu bar; its caption's "&" marks the access key. */
/** The option that joins a loop when creation closes it. */
constexpr const char *joinLoopsItemName = "mapJoinLoops";

struct MenuItem
{
    const char *objectName;
    QString caption;
    /** In the portable form of key sequences ("Ctrl+A", "F7", "Ctrl+Y; Ctrl+Shift+Z"), or empty. */
    const char *shortcut;
    MenuAction action;
    int keyCode;
    /** An option the item shows ticked while on. */
    bool checkable = false;
};

struct Menu
{
    const char *objectName;
    QString caption;
    std::vector<MenuItem> items;
};

/** The menu bar, left to right. */
const std::vector<Menu> &menuTable();

constexpr const char *coordinatesItemName = "optionsCoordinates";

/** The caption of the coordinates item while the coordinates are shown or hidden. */
QString coordinatesCaption(bool shown);

/** Runs one menu item: most send their key into the key handler with no modifiers. */
void runMenuItem(Editor &editor, const MenuItem &item);

} // namespace rumbario
