// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/planmodel.h"

#include <QFont>
#include <QHash>
#include <QStaticText>

class QPainter;

namespace rumbario {

/**
 * How a level of the plan is drawn: rooms as boxes with their number and the start of their
 * description, exits as lines (an arrow for one way, dashed to another level, red to a room that
 * does not exist), marks for up, down, in and out, and a thin line from a fanned-out box back to
 * the square it shares. The window, pictures and printed pages all draw through it.
 */
class PlanDrawing
{
public:
    enum class Text {
        /** Laid out once a zoom and kept: a repaint on screen is mostly text. */
        Cached,
        /** Outlines, so that a picture looks the same where its fonts are missing. */
        Outlined,
    };

    PlanDrawing(const QFont &font, Text text);

    void draw(QPainter &painter, const PlanScene &scene, const PlanViewport &viewport);
    /** A heading in the top-left corner of an area, in the plain font. */
    void drawHeading(QPainter &painter, const QRectF &area, const QString &heading);
    /** The font of the descriptions in the boxes at a scale. */
    QFont labelFont(double scale) const;

private:
    using TextCache = QHash<QString, QStaticText>;

    void drawText(QPainter &painter, QPointF topLeft, double width, const QString &text,
                  TextCache &cache);
    QSizeF textSize(QPainter &painter, double width, const QString &text, TextCache &cache);
    void drawLines(QPainter &painter, const PlanScene &scene, const PlanViewport &viewport) const;
    QHash<qint16, QRectF> drawBoxes(QPainter &painter, const PlanScene &scene,
                                    const PlanViewport &viewport);
    void drawMarks(QPainter &painter, const PlanScene &scene, const PlanViewport &viewport,
                   const QHash<qint16, QRectF> &frames);

    QFont mFont;
    Text mText;
    TextCache mNumberCache;
    TextCache mLabelCache;
    TextCache mMarkCache;
    double mCachedScale = 0;
};

} // namespace rumbario
