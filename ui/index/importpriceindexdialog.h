#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui::index {

// After the user picked a CSV file: asks the series' name and country, then imports it,
// replacing a series of that name only when the user agrees.
class ImportPriceIndexDialog : public QDialog
{
    Q_OBJECT

public:
    // Asks for the file through the platform's file chooser, then opens the dialog.
    static void start(QWidget *parent);

    ImportPriceIndexDialog(QWidget *parent, const QString &csvPath);

    QLabel *lblFile = nullptr;
    QLineEdit *txtName = nullptr;
    QLineEdit *txtCountry = nullptr;
    QPushButton *cmdImport = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    void import();

    QString m_csvPath;
};

} // namespace ui::index
