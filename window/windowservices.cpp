// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowservices.h"

#include <QFileInfo>

namespace rumbario {

void WindowServices::setText(TextBox box, const QString &text)
{
    const qsizetype end = text.indexOf(QChar(0));
    mShown[size_t(box)] = end < 0 ? text : text.left(end);
    showText(box, mShown[size_t(box)]);
}

void FileDialogSettings::prepare(const QString &newFilter, bool mustExist,
                                 const QString &programFolder)
{
    if (fileName.isEmpty())
        initialFolder = programFolder;
    filter = newFilter;
    fileMustExist = mustExist;
}

QString dialogFolder(const WindowServices &services)
{
    const QFileInfo program(services.programFolder());
    return program.isDir() && program.isWritable() ? program.filePath()
                                                   : services.documentsFolder();
}

} // namespace rumbario
