// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/planmodel.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QStringList>

class QFontMetricsF;

class QPainter;

namespace rumbario {

/**
 * How a level of the plan is drawn: rooms as boxes with their number, their marks for up, down,
 * in and out, and their name on up to three lines; exits as lines (an arrow for one way, dashed
 * to another level, red to a room that does not exist). The window, pictures and printed pages all
 * draw through it.
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
    /** The font of the room names in the boxes at a scale. */
    QFont labelFont(double scale) const;
    /** A label to be drawn beside the end of a stub to another level. */
    struct StubLabel
    {
        QPointF end;
        /** The way the stub leaves its room. */
        QPointF direction;
        QSizeF size;
    };
    /**
     * Where each label goes: beside its stub's end, else the nearest place back over the stub,
     * aside or further out that neither a box nor a label placed before covers; failing that,
     * the nearest clear of boxes; failing that, beside the end.
     */
    static QVector<QRectF> placeStubLabels(const QVector<StubLabel> &labels,
                                           const QVector<QRectF> &boxes);
    /** Where a box's number is written in its top row, and whether in the marks' smaller font. */
    struct NumberPlace
    {
        QRectF area;
        bool small;
    };
    /**
     * The number of a box with a name, the marks taking markWidth on the right of its row:
     * centred in the box where it clears the marks, in its own font (wide) or the smaller one;
     * else in the smaller font, in what the marks leave.
     */
    static NumberPlace placeNumber(const QRectF &row, double markWidth, double wide, double small);
    /**
     * A room's name broken on whole words into the lines of a box, at most three; what does not
     * fit ends in "…".
     */
    static QStringList wrapLabel(const QFontMetricsF &metrics, double width, const QString &text);

private:
    using TextKey = QPair<QString, double>;
    using TextCache = QHash<TextKey, QStaticText>;

    void drawText(QPainter &painter, QPointF topLeft, double width, const QString &text,
                  TextCache &cache);
    QSizeF textSize(QPainter &painter, double width, const QString &text, TextCache &cache);
    /** A label of a stub to another level, as the lines leave it to be drawn over the boxes. */
    struct PendingLabel
    {
        StubLabel stub;
        QString text;
        QColor colour;
    };
    QVector<PendingLabel> drawLines(QPainter &painter, const PlanScene &scene,
                                    const PlanViewport &viewport);
    void drawStubLabels(QPainter &painter, const QVector<PendingLabel> &labels,
                        const PlanScene &scene, const PlanViewport &viewport);
    void drawBoxes(QPainter &painter, const PlanScene &scene, const PlanViewport &viewport);

    QFont mFont;
    Text mText;
    TextCache mNumberCache;
    TextCache mLabelCache;
    TextCache mMarkCache;
    TextCache mStubCache;
    QHash<QString, QStringList> mWrapped;
    double mCachedScale = 0;
};

} // namespace rumbario
