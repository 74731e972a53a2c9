// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportwindow.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rumbario {

ReportWindow::ReportWindow(QWidget *parent, std::function<void(qint16)> goToRoom)
    : QDialog(parent)
    , mList(new QListWidget(this))
    , mGoToRoom(std::move(goToRoom))
{
    setObjectName(QStringLiteral("ReportWindow"));
    mList->setObjectName(QStringLiteral("ReportList"));
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *copy = buttons->addButton(QStringLiteral("&Copiar"), QDialogButtonBox::ActionRole);
    QPushButton *close =
        buttons->addButton(QStringLiteral("C&errar"), QDialogButtonBox::RejectRole);
    copy->setObjectName(QStringLiteral("CopyButton"));
    close->setAutoDefault(false);
    copy->setAutoDefault(false);
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(text()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    // Enter and a double click both activate a line; one with a room goes to it.
    connect(mList, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const auto room = qint16(item->data(Qt::UserRole).toInt());
        if (room > 0)
            mGoToRoom(room);
    });
    mList->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mList);
    layout->addWidget(buttons);
    resize(560, 420);
}

void ReportWindow::showLines(const QString &title, const QVector<ReportLine> &lines,
                             bool followsMap)
{
    setWindowTitle(title);
    mList->setAccessibleName(title);
    mFollowsMap = followsMap;
    refill(lines);
    // A report shown anew is read from its first line.
    mList->setCurrentRow(0);
    show();
    raise();
    // The keyboard goes to the lines at once: a screen reader reads the report only where the
    // keyboard is, and the keys of the map would otherwise still edit the map behind it.
    activateWindow();
    mList->setFocus();
}

void ReportWindow::refill(const QVector<ReportLine> &lines)
{
    // The lines are changed in place: emptying the list would choose its line anew, and a screen
    // reader would read the report out again over the map's own words at every move.
    while (mList->count() > lines.size())
        delete mList->takeItem(mList->count() - 1);
    for (int row = 0; row < lines.size(); ++row) {
        QListWidgetItem *item =
            row < mList->count() ? mList->item(row) : new QListWidgetItem(mList);
        item->setText(lines[row].text);
        item->setData(Qt::UserRole, int(lines[row].room));
    }
    if (mList->currentRow() < 0 && mList->count() > 0)
        mList->setCurrentRow(0);
}

bool ReportWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mList && event->type() == QEvent::FocusIn)
        QMetaObject::invokeMethod(this, &ReportWindow::tellCurrentLine, Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}

void ReportWindow::tellCurrentLine()
{
    // Qt tells a screen reader that the list has the keyboard, not which of its lines: the line is
    // told as a moved one is, after the list, or the report's first line would go unheard.
    if (!mList->hasFocus() || mList->currentRow() < 0 || !QAccessible::isActive())
        return;
    QAccessibleEvent focus(mList, QAccessible::Focus);
    focus.setChild(mList->currentRow());
    QAccessible::updateAccessibility(&focus);
}

QString ReportWindow::text() const
{
    QStringList lines;
    for (int row = 0; row < mList->count(); ++row)
        lines << mList->item(row)->text();
    return lines.join(u'\n') + u'\n';
}

} // namespace rumbario
