// SPDX-License-Identifier: GPL-3.0-or-later
#include "planstatus.h"

#include "descriptionentry.h"
#include "editor.h"

#include <QFileInfo>

namespace rumbario {

namespace {

const QString separator = QStringLiteral(" · ");

QString waitingCopiesStatus(int copies)
{
    return (copies == 1 ? QStringLiteral("1 mapa por recuperar")
                        : QStringLiteral("%1 mapas por recuperar").arg(copies)) +
           QStringLiteral(": Archivo → Recuperar mapa");
}

} // namespace

QString planStatus(const Editor &editor)
{
    QString status;
    if (editor.typingDescription)
        status += separator + roomLeftText(editor.services.text(TextBox::DescriptionBox));
    if (editor.store.unsaved())
        status += separator + QStringLiteral("sin guardar");
    if (editor.store.unsaved() && editor.recoveryCopyMissing)
        status += separator + QStringLiteral("sin copia de recuperación");
    if (!editor.doubtfulPlan.isEmpty())
        status += separator + QStringLiteral("archivo dudoso: se conserva %1~")
                                  .arg(QFileInfo(editor.doubtfulPlan).fileName());
    if (editor.transcript.following)
        status += separator +
                  QStringLiteral("siguiendo %1").arg(QFileInfo(editor.transcript.path).fileName());
    if (editor.waitingCopies > 0)
        status += separator + waitingCopiesStatus(editor.waitingCopies);
    return status;
}

void showPlanStatus(Editor &editor)
{
    // Once the user has opened, recovered or changed a map, the copies of earlier runs are old
    // news.
    if (!editor.store.journal().entries().empty())
        editor.waitingCopies = 0;
    const QString status = planStatus(editor);
    if (status == editor.shownStatus)
        return;
    editor.services.showPlanStatus(status);
    editor.shownStatus = status;
}

} // namespace rumbario
