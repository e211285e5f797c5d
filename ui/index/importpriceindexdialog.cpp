#include "ui/index/importpriceindexdialog.h"

#include "platform/filechooser.h"
#include "platform/locale.h"
#include "platform/messagebox.h"
#include "storage/priceindexstore.h"
#include "ui/accessibility.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace ui::index {

namespace {

const char *const Title = QT_TRANSLATE_NOOP("ui::index::ImportPriceIndexDialog", "Import Price Index");

// A name the import takes, made from the file's name: "cpi 2024 (1).csv" -> "cpi-2024-1".
QString nameFromFile(const QString &path)
{
    QString name = QFileInfo(path).completeBaseName();
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9._-]+")), QStringLiteral("-"));
    while (name.startsWith(QLatin1Char('.')) || name.startsWith(QLatin1Char('-')))
        name.remove(0, 1);
    while (name.endsWith(QLatin1Char('-')))
        name.chop(1);
    return name.left(40);
}

} // namespace

void ImportPriceIndexDialog::start(QWidget *parent)
{
    const QString path = platform::FileChooser::instance().openFileName(
        parent, tr(Title), QStandardPaths::writableLocation(QStandardPaths::DownloadLocation),
        tr("Price index (*.csv *.txt);;All files (*)"));
    if (path.isEmpty())
        return;
    auto *dialog = new ImportPriceIndexDialog(parent, path);
    dialog->open();
}

ImportPriceIndexDialog::ImportPriceIndexDialog(QWidget *parent, const QString &csvPath)
    : QDialog(parent), m_csvPath(csvPath)
{
    setObjectName(QStringLiteral("ImportPriceIndexDialog"));
    setWindowTitle(tr(Title));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    auto *layout = new QVBoxLayout(this);
    //: %1 a file
    lblFile = new QLabel(tr("File: %1").arg(QDir::toNativeSeparators(csvPath)), this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->setTextFormat(Qt::PlainText);
    lblFile->setWordWrap(true);
    layout->addWidget(lblFile);
    auto *form = new QFormLayout;
    txtName = new QLineEdit(nameFromFile(csvPath), this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setMaxLength(40);
    auto *nameLabel = new QLabel(tr("&Name:"), this);
    nameLabel->setObjectName(QStringLiteral("lblName"));
    nameLabel->setBuddy(txtName);
    form->addRow(nameLabel, txtName);
    txtCountry = new QLineEdit(QLocale::territoryToCode(platform::LocaleServices::locale().territory()), this);
    txtCountry->setObjectName(QStringLiteral("txtCountry"));
    txtCountry->setMaxLength(2);
    auto *countryLabel = new QLabel(tr("C&ountry code:"), this);
    countryLabel->setObjectName(QStringLiteral("lblCountry"));
    countryLabel->setBuddy(txtCountry);
    form->addRow(countryLabel, txtCountry);
    layout->addLayout(form);
    auto *hint = new QLabel(tr("A monthly index: two columns (date as YYYY-MM or YYYY-MM-DD, value), "
                               "or a download from ONS, FRED or Statistics Canada. A series of the "
                               "same name is replaced whole."),
                            this);
    hint->setObjectName(QStringLiteral("lblHint"));
    hint->setWordWrap(true);
    layout->addWidget(hint);

    auto *buttons = new QDialogButtonBox(this);
    cmdImport = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    cmdImport->setDefault(true);
    cmdCancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ImportPriceIndexDialog::import);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(460, sizeHint().height());
    ui::accessibility::describe(this);
}

void ImportPriceIndexDialog::import()
{
    const QString name = txtName->text().trimmed();
    const QString country = txtCountry->text().trimmed();
    if (storage::importedPriceIndexExists(name)) {
        // A revision of figures already used for records is worth a look before they go.
        const PriceIndexRevision revision = storage::priceIndexImportRevision(m_csvPath, name);
        const QString question =
            revision.any()
                //: %1 the name of a price index, %2 the months whose figures change
                ? tr("A price index named %1 exists. The file changes figures it holds: %2. Replace it with this file?")
                      .arg(name, revision.text(PriceIndex::Kind::Monthly))
                //: %1 the name of a price index
                : tr("A price index named %1 exists. Replace it with this file?").arg(name);
        if (platform::msgBox(question, platform::MsgIcon::Question, platform::MsgButtons::YesNo, tr(Title)) !=
            platform::MsgResult::Yes)
            return;
    }
    storage::PriceIndexImport result;
    QString error;
    if (!storage::importPriceIndex(m_csvPath, name, country, result, error)) {
        platform::msgBox(error, platform::MsgIcon::Exclamation, platform::MsgButtons::OK, tr(Title));
        return; // the dialog stays, so the name or country can be put right
    }
    //: %1 the name of a price index, %2 a number of months, %3 the months it covers
    platform::msgBox((result.replaced ? tr("Replaced %1: %2 months, %3.\r\nChoose it under View, Price Index.")
                                      : tr("Imported %1: %2 months, %3.\r\nChoose it under View, Price Index."))
                         .arg(name)
                         .arg(result.series.values.size())
                         .arg(result.series.coverage()),
                     platform::MsgIcon::Information, platform::MsgButtons::OK, tr(Title));
    accept();
}

} // namespace ui::index
