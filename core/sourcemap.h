// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "directions.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

namespace rumbario {

/** One room as a game's source gives it, its exits naming other rooms by their keys. */
struct SourceRoom
{
    QString key;
    QString name;
    QString text;
    int line = 0;
    std::array<QString, exitCount> exits;
    /** The line each exit is given on, where it is not the room's. */
    std::array<int, exitCount> exitLines{};
};

/** What a reader of one language finds in a source, before it becomes a map. */
struct SourceMap
{
    QVector<SourceRoom> rooms;
    /** The start room's key, where the source says it. */
    QString start;
    QStringList notRead;

    /** The room with a key, made (in source order) when it is new. */
    SourceRoom &room(const QString &key, int line);
    /** The room with a key, or none. */
    SourceRoom *find(const QString &key);
    void skip(int line, const QString &what);

private:
    QHash<QString, qsizetype> mIndex;
};

/** Text of a source as a game prints it: a line end and the blanks around it make one blank. */
QString plainText(QStringView text);

/** The line (from 1) that a position of a text is on, counted from an earlier known one. */
int lineAt(QStringView text, qsizetype position, qsizetype &countedTo, int &line);

SourceMap readInform6(QStringView text);
SourceMap readInform7(QStringView text);
/** DAAD's sections, or ngPAWS's, whose locations count from 0 and whose texts are not quoted. */
SourceMap readDaad(QStringView text, bool ngPaws);
SourceMap readZil(QStringView text);

} // namespace rumbario
