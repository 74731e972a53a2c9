// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "window/windowservices.h"

#include <QDialog>

#include <functional>

class QListWidget;

namespace rumbario {

/**
 * A window of report lines beside the main one: a list the keyboard and a screen reader walk,
 * Enter or a double click on a line going to its room, and "Copiar" for the whole text.
 */
class ReportWindow : public QDialog
{
    Q_OBJECT

public:
    ReportWindow(QWidget *parent, std::function<void(qint16)> goToRoom);

    /** Fills the list and brings the window forward. */
    void showLines(const QString &title, const QVector<ReportLine> &lines, bool followsMap);
    /** Fills the list again where it stands, the line chosen kept: the map changed. */
    void refill(const QVector<ReportLine> &lines);
    /** Whether the lines are the map's review, to be read again when the map changes. */
    bool followsMap() const { return mFollowsMap && isVisible(); }
    QString text() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tellCurrentLine();

    QListWidget *mList;
    std::function<void(qint16)> mGoToRoom;
    bool mFollowsMap = false;
};

} // namespace rumbario
