#include "ui/index/priceindexdialog.h"

#include "platform/messagebox.h"
#include "storage/priceindexstore.h"
#include "ui/accessibility.h"
#include "ui/index/priceindexchoice.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ui::index {

PriceIndexDialog::PriceIndexDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PriceIndexDialog"));
    setWindowTitle(QStringLiteral("Price Index"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *layout = new QVBoxLayout(this);
    auto *intro =
        new QLabel(QStringLiteral("The data record dialog suggests inflation rates from this price index:"), this);
    intro->setObjectName(QStringLiteral("lblIntro"));
    layout->addWidget(intro);
    txtFilter = new QLineEdit(this);
    txtFilter->setObjectName(QStringLiteral("txtFilter"));
    txtFilter->setPlaceholderText(QStringLiteral("Find a series or country"));
    txtFilter->setClearButtonEnabled(true);
    layout->addWidget(txtFilter);

    lstSeries = new QTreeWidget(this);
    lstSeries->setObjectName(QStringLiteral("lstSeries"));
    lstSeries->setRootIsDecorated(false);
    lstSeries->setUniformRowHeights(true);
    lstSeries->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Series"), QStringLiteral("Kind"),
                                QStringLiteral("Coverage"), QStringLiteral("Country")});
    QStringList problems;
    const QString current = currentPriceIndexName();
    QTreeWidgetItem *currentItem = nullptr;
    for (const PriceIndex &index : storage::allPriceIndexes(&problems)) {
        auto *item = new QTreeWidgetItem(lstSeries);
        item->setText(0, index.name);
        item->setText(1, storage::isShippedPriceIndex(index.name) ? index.title
                                                                  : index.title + QStringLiteral(" (imported)"));
        item->setText(2, index.kind == PriceIndex::Kind::Monthly ? QStringLiteral("monthly index")
                                                                 : QStringLiteral("annual change"));
        item->setText(3, index.coverage());
        item->setText(4, index.country);
        item->setData(0, Qt::UserRole, index.source);
        if (index.name.compare(current, Qt::CaseInsensitive) == 0)
            currentItem = item;
    }
    for (int column = 0; column < 5; ++column)
        lstSeries->resizeColumnToContents(column);
    lstSeries->setColumnWidth(1, std::min(lstSeries->columnWidth(1), 260));
    layout->addWidget(lstSeries, 1);

    lblSource = new QLabel(this);
    lblSource->setObjectName(QStringLiteral("lblSource"));
    lblSource->setWordWrap(true);
    lblSource->setTextFormat(Qt::PlainText);
    layout->addWidget(lblSource);
    if (!problems.isEmpty()) {
        auto *damaged = new QLabel(problems.join(QLatin1Char('\n')), this);
        damaged->setObjectName(QStringLiteral("lblProblems"));
        damaged->setWordWrap(true);
        damaged->setTextFormat(Qt::PlainText);
        layout->addWidget(damaged);
    }

    auto *buttons = new QDialogButtonBox(this);
    cmdOK = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PriceIndexDialog::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(txtFilter, &QLineEdit::textChanged, this, &PriceIndexDialog::applyFilter);
    txtFilter->installEventFilter(this);
    connect(lstSeries, &QTreeWidget::currentItemChanged, this, &PriceIndexDialog::showSource);
    connect(lstSeries, &QTreeWidget::itemDoubleClicked, this, &PriceIndexDialog::choose);

    if (currentItem) {
        lstSeries->setCurrentItem(currentItem);
        lstSeries->scrollToItem(currentItem);
    }
    showSource();
    resize(720, 460);
    ui::accessibility::describe(this);
}

bool PriceIndexDialog::eventFilter(QObject *watched, QEvent *event)
{
    // Down from the find box goes on into the list, as in a search field over a list.
    if (watched == txtFilter && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Down || key->key() == Qt::Key_PageDown) && key->modifiers() == Qt::NoModifier) {
            lstSeries->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PriceIndexDialog::applyFilter(const QString &text)
{
    for (int i = 0; i < lstSeries->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = lstSeries->topLevelItem(i);
        bool match = text.trimmed().isEmpty();
        for (int column = 0; column < lstSeries->columnCount() && !match; ++column)
            match = item->text(column).contains(text.trimmed(), Qt::CaseInsensitive);
        item->setHidden(!match);
    }
    // The source line always speaks of a series the list shows.
    QTreeWidgetItem *current = lstSeries->currentItem();
    if (current && current->isHidden()) {
        current = nullptr;
        for (int i = 0; i < lstSeries->topLevelItemCount() && !current; ++i) {
            if (!lstSeries->topLevelItem(i)->isHidden())
                current = lstSeries->topLevelItem(i);
        }
        lstSeries->setCurrentItem(current);
        showSource();
    }
}

void PriceIndexDialog::showSource()
{
    const QTreeWidgetItem *item = lstSeries->currentItem();
    lblSource->setText(item ? QStringLiteral("Source: %1").arg(item->data(0, Qt::UserRole).toString())
                            : QStringLiteral("No series chosen."));
}

void PriceIndexDialog::choose()
{
    const QTreeWidgetItem *item = lstSeries->currentItem();
    if (!item || item->isHidden()) {
        platform::msgBox(QStringLiteral("Choose a price index from the list."), platform::MsgIcon::Exclamation,
                         platform::MsgButtons::OK, QStringLiteral("Price Index"));
        return;
    }
    setCurrentPriceIndexName(item->text(0));
    accept();
}

} // namespace ui::index
