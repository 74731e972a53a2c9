// SPDX-License-Identifier: GPL-3.0-or-later
#include "reportwindow.h"

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
    show();
    raise();
}

void ReportWindow::refill(const QVector<ReportLine> &lines)
{
    const int row = mList->currentRow();
    mList->clear();
    for (const ReportLine &line : lines) {
        auto *item = new QListWidgetItem(line.text, mList);
        item->setData(Qt::UserRole, int(line.room));
    }
    mList->setCurrentRow(std::clamp(row, 0, mList->count() - 1));
}

QString ReportWindow::text() const
{
    QStringList lines;
    for (int row = 0; row < mList->count(); ++row)
        lines << mList->item(row)->text();
    return lines.join(u'\n') + u'\n';
}

} // namespace rumbario
