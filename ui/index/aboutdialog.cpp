#include "ui/index/aboutdialog.h"

#include "ui/accessibility.h"
#include "ui/index/priceindexchoice.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui::index {

AboutDialog::AboutDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(tr("About Plumbline"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    const auto label = [this](const char *name, const QString &text) {
        auto *shown = new QLabel(text, this);
        shown->setObjectName(QLatin1String(name));
        shown->setTextFormat(Qt::PlainText);
        return shown;
    };
    lblProduct = label("lblProduct", QStringLiteral("Plumbline 3.5"));
    QFont bigger = lblProduct->font();
    bigger.setPointSizeF(bigger.pointSizeF() * 1.4);
    bigger.setBold(true);
    lblProduct->setFont(bigger);
    //: %1 the version number
    lblVersion = label("lblVersion", tr("Version %1").arg(QStringLiteral(PLUMBLINE_VERSION)));
    lblSourcesCaption = label("lblSourcesCaption", tr("Price index data:"));
    QString sources = attributionText();
    sources.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lblSources = label("lblSources", sources);
    lblSources->setWordWrap(true);
    lblSources->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Reachable with Tab, so the sources can be selected and copied without a mouse.
    lblSources->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblSources->setFocusPolicy(Qt::StrongFocus);
    lblSourcesCaption->setBuddy(lblSources);

    auto *buttons = new QDialogButtonBox(this);
    cmdOK = buttons->addButton(QDialogButtonBox::Ok);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblProduct);
    layout->addWidget(lblVersion);
    layout->addSpacing(fontMetrics().lineSpacing() / 2);
    layout->addWidget(lblSourcesCaption);
    layout->addWidget(lblSources, 1);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 70);
    cmdOK->setFocus();
    ui::accessibility::describe(this);
}

} // namespace ui::index
