#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace ui::index {

// Lists the shipped and imported price indexes with kind, coverage and source; OK makes
// the chosen one the series the data record dialog suggests rates from.
class PriceIndexDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PriceIndexDialog(QWidget *parent);

    QLineEdit *txtFilter = nullptr;
    QTreeWidget *lstSeries = nullptr;
    QLabel *lblSource = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyFilter(const QString &text);
    void showSource();
    void choose();
};

} // namespace ui::index
