#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace ui::index {

// Help, About: the program, its version and the sources of the shipped price-index data,
// whose licences ask to be named. The sources can be selected and copied.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent);

    QLabel *lblProduct = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblSourcesCaption = nullptr;
    QLabel *lblSources = nullptr;
    QPushButton *cmdOK = nullptr;
};

} // namespace ui::index
