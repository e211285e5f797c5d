#pragma once
// The data files of the rewrite tests, and the rewrites run as the windows run them.
#include "datafiles.h"
#include "tempdatafolder.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "storage/codepage.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/rewrites.h"
#include "storage/transaction.h"

#include <QDir>
#include <QStringList>

namespace rewritetesting {

using namespace modPlMainMod;

inline const QString Invest = QStringLiteral("PlumblineData");
inline const QString Hist = QStringLiteral("PlDataHist.txt");

inline QByteArray line(int invest, int year, int month, int day, const char *original, const char *current,
                       const char *rate)
{
    return QStringLiteral("%1,#%2-%3-%4#,%5,%6,%7\r\n")
        .arg(invest)
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(original), QLatin1String(current), QLatin1String(rate))
        .toLatin1();
}

inline QByteArray record(int number, const QString &type, const QString &institution)
{
    QByteArray bytes(102, ' ');
    bytes[0] = char(number & 0xFF);
    bytes[1] = char((number >> 8) & 0xFF);
    const QByteArray t = storage::toCp1252(type).left(50);
    const QByteArray i = storage::toCp1252(institution).left(50);
    bytes.replace(2, t.size(), t);
    bytes.replace(52, i.size(), i);
    return bytes;
}

// The five lines of the worked example: investment A = 1, B = 2.
inline const QByteArray A1 = line(1, 2001, 1, 2, "100", "110", "1");
inline const QByteArray B1 = line(2, 2001, 2, 3, "200", "210", "0");
inline const QByteArray A2 = line(1, 2002, 1, 2, "100", "120", "1.5");
inline const QByteArray B2 = line(2, 2002, 2, 3, "200", "220", "2");
inline const QByteArray A3 = line(1, 2003, 1, 2, "100", "130", "2.5");
// The dialog's record in the examples.
inline const QByteArray N = line(1, 2020, 2, 29, "777", "888", "9.5");

inline void dialogValues()
{
    dtmRecDate = Date::fromYmd(2020, 2, 29);
    curOriginalAmount = Currency::fromWhole(777);
    curCurrentAmount = Currency::fromWhole(888);
    sngInflRate = 9.5f;
}

// Every line of the history reads back as five fields.
inline bool historyReadable(QString *why = nullptr)
{
    try {
        storage::open(2, storage::programFile(Hist), storage::OpenMode::Input);
        while (!storage::eof(2))
            storage::inputHistRecord(2);
        storage::close(2);
        return true;
    } catch (const RuntimeError &error) {
        storage::discard(2);
        if (why)
            *why = QString::fromUtf8(error.what());
        return false;
    }
}

inline QByteArray historyOf(int lines, int investments)
{
    QByteArray bytes;
    bytes.reserve(lines * 40);
    for (int n = 0; n < lines; ++n) {
        const int invest = n % investments + 1;
        const QByteArray original = QByteArray::number(1000 + n % 997);
        const QByteArray current = QByteArray::number(1000 + n % 991) + ".25";
        const QByteArray rate = QByteArray::number(n % 7) + ".5";
        bytes += line(invest, 1950 + n % 70, n % 12 + 1, n % 28 + 1, original.constData(), current.constData(),
                      rate.constData());
    }
    return bytes;
}

class Fixture
{
public:
    testing::TempDataFolder folder;
    testing::CleanStorage clean; // after the folder: set up once it exists, cleaned before it goes

    // Names in the folder other than the two data files.
    QStringList strayFiles() const
    {
        QStringList names = QDir(folder.dir()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        names.removeAll(Invest);
        names.removeAll(Hist);
        return names;
    }
    void openInvestFile() { storage::open(1, folder.path(Invest), storage::OpenMode::Random); }
};

inline void split(const QString &operation, int invest, int chosen)
{
    strOperation = operation;
    intInvestRecNum = invest;
    intSelRecNum = chosen;
    storage::createTwoFiles({});
}

// The investment delete as the main window runs it: copy-out, the new history
// prepared, the new investment file staged beside the old one, both put in place together.
inline void deleteInvestment(int number)
{
    intDelInvestNum = number;
    storage::delDataRec();
    try {
        storage::prepareInvestHist();
        storage::close(1);
        storage::stageInvestFile(storage::writeInvestRecord);
        storage::commitInvestDelete();
    } catch (const storage::CommitLeftPending &) {
        throw;
    } catch (...) {
        storage::abandonInvestDelete();
        throw;
    }
}

} // namespace rewritetesting
