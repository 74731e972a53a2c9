// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace rumbario {

struct Editor;

/** The modes in which a key of the handler's tables acts. */
enum class KeyMode { Both, Creation };

/** A key that runs a command of its own rather than moving. */
struct KeyCommand
{
    int keyCode;
    KeyMode mode;
    /** Only with Ctrl held (Ctrl+Home, Ctrl+End); other keys act whatever the modifiers. */
    bool withCtrl;
    /** What the key does, in the words of the key list. */
    const char *meaning;
    /** Runs the command; false when the key ends there without the view being drawn again. */
    bool (*run)(Editor &editor);
};

/** A direction key: the exit slot it moves through, in creation mode only or in both. */
struct KeyDirection
{
    int keyCode;
    int slot;
    bool creationOnly;
};

/** A table of the key handler, to be read in a range-for. */
template<typename Entry>
struct KeyTable
{
    const Entry *first;
    const Entry *last;
    const Entry *begin() const { return first; }
    const Entry *end() const { return last; }
};

/** The keys the handler knows, in the order it tries them: the list of keys is built from them. */
KeyTable<KeyCommand> keyCommandTable();
KeyTable<KeyDirection> keyDirectionTable();

/**
 * One key event on the key-capturing surface, from the keyboard or from a menu item.
 *
 * Any run-time error raised while the key is handled ends in the recovery, never in the caller.
 */
void handleMapKey(Editor &editor, int keyCode, int modifiers);

/** The exit slot a key moves through in the given mode, or -1 when it is no direction key. */
int directionSlotOfKey(int keyCode, bool creationMode);

} // namespace rumbario
