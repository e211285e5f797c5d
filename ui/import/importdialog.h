#pragma once
#include "core/priceindex.h"
#include "core/recordcsv.h"
#include "ui/import/importmenus.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace ui::import {

class PreviewModel;

// The rows of a CSV file, read and shown before anything is written: the columns found by
// their header (each can be chosen by hand), the investment they go to, and every row as it
// will be taken, or the problem that keeps the file out.
class ImportRecordsDialog : public QDialog
{
    Q_OBJECT
public:
    ImportRecordsDialog(QWidget *parent, const MainWindowHooks &hooks, const QString &path,
                        const recordcsv::CsvTable &table, recordcsv::DateOrder order);

    QLabel *lblFile = nullptr;
    QRadioButton *optShown = nullptr;
    QRadioButton *optNew = nullptr;
    QLineEdit *txtNewType = nullptr;
    QLineEdit *txtNewInstitution = nullptr;
    std::array<QComboBox *, recordcsv::FieldCount> cboColumn{};
    QComboBox *cboDateOrder = nullptr; // only for dates with slashes
    QCheckBox *chkFillRates = nullptr;
    QTableView *tblPreview = nullptr;
    QLabel *lblSummary = nullptr;
    QPushButton *cmdImport = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    void refresh();
    void import();
    recordcsv::ColumnMap chosenColumns() const;
    recordcsv::DateOrder chosenOrder() const;

    PreviewModel *m_preview = nullptr;
    MainWindowHooks m_hooks;
    QString m_path;
    recordcsv::CsvTable m_table;
    int m_shown = 0;
    PriceIndex m_series;
    QString m_seriesName;
    bool m_seriesLoaded = false;
};

} // namespace ui::import
