// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rumbario {

struct Editor;

/** What Enter will make of a text typed in the description box. */
struct TypedDescriptionFit
{
    /** Characters still free before the text's last letter reaches the limit; below 0, too many. */
    int left;
    /** The characters Enter will cut that are more than padding blanks: [cutFrom, cutTo). */
    qsizetype cutFrom;
    qsizetype cutTo;
};

TypedDescriptionFit typedDescriptionFit(const QString &typed);

/** How much room a typed description has left, in words: "quedan 23 de 100", "sobran 5 de 100". */
QString roomLeftText(const QString &typed);

/**
 * T in creation mode: the description box turns white, takes the keyboard and shows the room's
 * description with the cursor after its last letter, so that typing goes on from there.
 */
void startDescriptionEntry(Editor &editor);

/** The user typed in the description box: the legend follows what is left. */
void typedDescriptionChanged(Editor &editor);

/** A key in the description box; Enter, with any modifiers, stores the typed description. */
void handleDescriptionKey(Editor &editor, int keyCode, int modifiers);

} // namespace rumbario
