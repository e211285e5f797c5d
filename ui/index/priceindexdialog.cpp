#include "ui/index/priceindexdialog.h"

#include "platform/messagebox.h"
#include "storage/priceindexstore.h"
#include "ui/accessibility.h"
#include "ui/index/priceindexchoice.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ui::index {

namespace {

QString frequencyText(PriceIndex::Kind kind)
{
    switch (kind) {
    case PriceIndex::Kind::Monthly:
        //: The Frequency column
        return QCoreApplication::translate("ui::index::PriceIndexDialog", "monthly index");
    case PriceIndex::Kind::Quarterly:
        return QCoreApplication::translate("ui::index::PriceIndexDialog", "quarterly index");
    case PriceIndex::Kind::Annual:
        break;
    }
    return QCoreApplication::translate("ui::index::PriceIndexDialog", "annual change");
}

QString groupName(const PriceIndex &index)
{
    if (!index.country.isEmpty()) {
        const QLocale::Territory territory = QLocale::codeToTerritory(index.country);
        return territory == QLocale::AnyTerritory ? index.country : QLocale::territoryToString(territory);
    }
    if (index.currency == QLatin1String("EUR"))
        return QCoreApplication::translate("ui::index::PriceIndexDialog", "Euro area");
    if (!index.currency.isEmpty())
        //: %1 a currency code such as USD
        return QCoreApplication::translate("ui::index::PriceIndexDialog", "Currency area %1").arg(index.currency);
    return storage::isShippedPriceIndex(index.name)
               ? QCoreApplication::translate("ui::index::PriceIndexDialog", "Regions and country groups")
               : QCoreApplication::translate("ui::index::PriceIndexDialog", "Other series");
}

// Countries and currency areas by name, then regions, then series of no country.
QString groupSortKey(const PriceIndex &index)
{
    if (!index.country.isEmpty() || !index.currency.isEmpty())
        return QStringLiteral("0");
    return storage::isShippedPriceIndex(index.name) ? QStringLiteral("1") : QStringLiteral("2");
}

// What the line under the list says of a series: the figures' source, and whatever else is known.
QString describeSeries(const PriceIndex &index)
{
    //: %1 where the figures come from
    QStringList lines{QCoreApplication::translate("ui::index::PriceIndexDialog", "Source: %1").arg(index.source)};
    QStringList facts;
    if (!index.publisher.isEmpty())
        //: %1 the publisher of the figures
        facts << QCoreApplication::translate("ui::index::PriceIndexDialog", "Publisher: %1").arg(index.publisher);
    if (!index.unit.isEmpty())
        facts << index.unit;
    facts << QStringLiteral("%1, %2").arg(PriceIndex::kindText(index.kind), index.coverage());
    if (!index.taken.isEmpty())
        //: One of the facts of a series, after its coverage; %1 when or where the figures were taken
        facts << QCoreApplication::translate("ui::index::PriceIndexDialog", "taken %1").arg(index.taken);
    lines << facts.join(QStringLiteral("; "));
    if (index.kind == PriceIndex::Kind::Annual)
        lines << QCoreApplication::translate(
            "PriceIndexDialog", "Annual averages: a rate between two dates is spread over the days of each year.");
    if (!index.attribution.isEmpty())
        lines << index.attribution;
    return lines.join(QLatin1Char('\n'));
}

} // namespace

PriceIndexDialog::PriceIndexDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PriceIndexDialog"));
    setWindowTitle(tr("Price Index"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(tr("The data record dialog suggests inflation rates from this price index:"), this);
    intro->setObjectName(QStringLiteral("lblIntro"));
    layout->addWidget(intro);
    txtFilter = new QLineEdit(this);
    txtFilter->setObjectName(QStringLiteral("txtFilter"));
    txtFilter->setPlaceholderText(tr("Find a series or country"));
    txtFilter->setClearButtonEnabled(true);
    layout->addWidget(txtFilter);

    lstSeries = new QTreeWidget(this);
    lstSeries->setObjectName(QStringLiteral("lstSeries"));
    lstSeries->setUniformRowHeights(true);
    lstSeries->setHeaderLabels({tr("Name"), tr("Series"), tr("Frequency"), tr("Coverage"), tr("Publisher")});
    QStringList problems;
    const QString current = currentPriceIndexName();
    QTreeWidgetItem *currentItem = nullptr;
    // One group a country, in the order of their names; the currency areas', the regions' and
    // the series without a country after them.
    QMap<QString, QTreeWidgetItem *> groups;
    for (const PriceIndex &index : storage::allPriceIndexes(&problems)) {
        const QString group = groupName(index);
        QTreeWidgetItem *&parent = groups[groupSortKey(index) + group];
        if (!parent) {
            parent = new QTreeWidgetItem({group});
            parent->setFlags(Qt::ItemIsEnabled); // a heading: never the chosen series
            QFont bold = parent->font(0);
            bold.setBold(true);
            parent->setFont(0, bold);
        }
        auto *item = new QTreeWidgetItem(parent);
        item->setText(0, index.name);
        //: %1 the title of a series the user imported
        item->setText(1, storage::isShippedPriceIndex(index.name) ? index.title : tr("%1 (imported)").arg(index.title));
        item->setText(2, frequencyText(index.kind));
        item->setText(3, index.coverage());
        item->setText(4, index.publisher);
        item->setData(0, Qt::UserRole, describeSeries(index));
        item->setData(0, Qt::UserRole + 1, index.country);
        if (index.name.compare(current, Qt::CaseInsensitive) == 0)
            currentItem = item;
    }
    lstSeries->addTopLevelItems(groups.values());
    for (QTreeWidgetItem *group : std::as_const(groups))
        group->setFirstColumnSpanned(true);
    lstSeries->expandAll();
    for (int column = 0; column < 5; ++column)
        lstSeries->resizeColumnToContents(column);
    lstSeries->setColumnWidth(1, std::min(lstSeries->columnWidth(1), 220));
    lstSeries->setColumnWidth(4, std::min(lstSeries->columnWidth(4), 240));
    layout->addWidget(lstSeries, 1);

    lblSource = new QLabel(this);
    lblSource->setObjectName(QStringLiteral("lblSource"));
    lblSource->setWordWrap(true);
    lblSource->setTextFormat(Qt::PlainText);
    // Room for the source, the facts, the note on annual figures and a credit line over two.
    lblSource->setMinimumHeight(lblSource->fontMetrics().lineSpacing() * 5 + 4);
    lblSource->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(lblSource);
    if (!problems.isEmpty()) {
        auto *damaged = new QLabel(problems.join(QLatin1Char('\n')), this);
        damaged->setObjectName(QStringLiteral("lblProblems"));
        damaged->setWordWrap(true);
        damaged->setTextFormat(Qt::PlainText);
        layout->addWidget(damaged);
    }

    auto *buttons = new QDialogButtonBox(this);
    cmdOK = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PriceIndexDialog::choose);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(txtFilter, &QLineEdit::textChanged, this, &PriceIndexDialog::applyFilter);
    txtFilter->installEventFilter(this);
    connect(lstSeries, &QTreeWidget::currentItemChanged, this, &PriceIndexDialog::showSource);
    connect(lstSeries, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item && item->parent()) // a double click on a country's heading only folds it
            choose();
    });

    if (currentItem) {
        lstSeries->setCurrentItem(currentItem);
        lstSeries->scrollToItem(currentItem);
    }
    showSource();
    resize(820, 520);
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
    const QString wanted = text.trimmed();
    const auto matches = [&wanted](const QTreeWidgetItem *item) {
        for (int column = 0; column < item->columnCount(); ++column) {
            if (item->text(column).contains(wanted, Qt::CaseInsensitive))
                return true;
        }
        return item->data(0, Qt::UserRole + 1).toString().compare(wanted, Qt::CaseInsensitive) == 0;
    };
    QTreeWidgetItem *firstShown = nullptr;
    for (int i = 0; i < lstSeries->topLevelItemCount(); ++i) {
        QTreeWidgetItem *group = lstSeries->topLevelItem(i);
        // A country's name shows all its series.
        const bool wholeGroup = wanted.isEmpty() || group->text(0).contains(wanted, Qt::CaseInsensitive);
        bool any = false;
        for (int j = 0; j < group->childCount(); ++j) {
            QTreeWidgetItem *item = group->child(j);
            const bool match = wholeGroup || matches(item);
            item->setHidden(!match);
            if (match && !firstShown)
                firstShown = item;
            any = any || match;
        }
        group->setHidden(!any);
    }
    // The source line always speaks of a series the list shows.
    QTreeWidgetItem *current = lstSeries->currentItem();
    if (!current || current->isHidden() || (current->parent() && current->parent()->isHidden())) {
        lstSeries->setCurrentItem(firstShown);
        showSource();
    }
}

void PriceIndexDialog::showSource()
{
    const QTreeWidgetItem *item = lstSeries->currentItem();
    lblSource->setText(item && item->parent() ? item->data(0, Qt::UserRole).toString() : tr("No series chosen."));
}

void PriceIndexDialog::choose()
{
    const QTreeWidgetItem *item = lstSeries->currentItem();
    if (!item || !item->parent() || item->isHidden()) {
        platform::msgBox(tr("Choose a price index from the list."), platform::MsgIcon::Exclamation,
                         platform::MsgButtons::OK, tr("Price Index"));
        return;
    }
    setCurrentPriceIndexName(item->text(0));
    accept();
}

} // namespace ui::index
