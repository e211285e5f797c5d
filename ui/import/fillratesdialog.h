#pragma once
#include "core/priceindex.h"
#include "storage/recordimport.h"
#include "ui/import/importmenus.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace ui::import {

// Every record of the investment shown that has no rate (0, not its first record), with the
// rate the chosen price index gives it or why it gives none; Apply writes them in one go.
class FillRatesDialog : public QDialog
{
    Q_OBJECT
public:
    FillRatesDialog(QWidget *parent, const MainWindowHooks &hooks, const QString &title, const QString &seriesName,
                    const storage::RecordChangePlan &plan);

    QLabel *lblSummary = nullptr;
    QTableWidget *tblRates = nullptr;
    QPushButton *cmdApply = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    void apply();

    MainWindowHooks m_hooks;
    storage::RecordChangePlan m_plan;
};

} // namespace ui::import
