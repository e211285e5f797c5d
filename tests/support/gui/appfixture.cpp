#include "appfixture.h"

#include "core/plmainmod.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "ui/forms.h"
#include "ui/main/frminvestdata.h"
#include "ui/report/reportrun.h"

#include <QApplication>
#include <QTest>

namespace testing {

namespace {

int g_quitCount = 0;

void recordQuit()
{
    ++g_quitCount;
}

QByteArray fixedText(const QString &text)
{
    QByteArray bytes = text.left(50).toLatin1();
    bytes.append(QByteArray(50 - bytes.size(), ' '));
    return bytes;
}

} // namespace

QByteArray investRecordBytes(int n, const QString &type, const QString &institution)
{
    QByteArray bytes;
    bytes.append(char(n & 0xff));
    bytes.append(char((n >> 8) & 0xff));
    bytes.append(fixedText(type));
    bytes.append(fixedText(institution));
    return bytes;
}

AppFixture::AppFixture()
{
    modPlMainMod::ResetAll();
    storage::discardAll();
    g_quitCount = 0;
    frmInvestData::setQuitHandler(recordQuit);
    ui::report::ReportRun::setToolPath(QStringLiteral(PLUMBLINE_REPORT_TOOL));
}

AppFixture::~AppFixture()
{
    ui::UnloadAllForms();
    storage::discardAll();
    // Windows unloaded from their own handlers go once no handler runs, then with the
    // deferred deletes.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    frmInvestData::setQuitHandler(nullptr);
    modPlMainMod::ResetAll();
}

void AppFixture::writeInvestments(const QList<QPair<QString, QString>> &typeAndInstitution)
{
    QByteArray bytes;
    int n = 0;
    for (const auto &pair : typeAndInstitution)
        bytes.append(investRecordBytes(++n, pair.first, pair.second));
    m_folder.writeBytes(storage::InvestFileName, bytes);
}

void AppFixture::writeHistory(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes.append(line.toLatin1()).append("\r\n");
    m_folder.writeBytes(storage::HistFileName, bytes);
}

QByteArray AppFixture::investBytes() const
{
    return m_folder.readBytes(storage::InvestFileName);
}

QByteArray AppFixture::historyBytes() const
{
    return m_folder.readBytes(storage::HistFileName);
}

frmInvestData *AppFixture::startMainWindow()
{
    frmInvestData *window = frmInvestData::Load();
    if (!window)
        return nullptr;
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qWarning("AppFixture: the main window did not become active");
    QCoreApplication::processEvents();
    return frmInvestData::instance();
}

bool AppFixture::quitRequested() const
{
    return g_quitCount > 0;
}

int AppFixture::quitCount() const
{
    return g_quitCount;
}

} // namespace testing
