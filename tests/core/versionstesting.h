#pragma once

// What the version tests share with their child process: a data folder of three investments,
// every kind of change run through the storage rewrites as the windows run them, and the pair
// of data files as bytes.

#include "core/plmainmod.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/rewrites.h"
#include "storage/versions.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>

namespace testing {

// Both data files as bytes; a missing file is null, an empty one empty.
struct DataPair
{
    QByteArray invest;
    QByteArray hist;
    bool operator==(const DataPair &o) const
    {
        return invest.isNull() == o.invest.isNull() && hist.isNull() == o.hist.isNull() && invest == o.invest &&
               hist == o.hist;
    }
    bool operator!=(const DataPair &o) const { return !(*this == o); }
};

inline QByteArray readOrNull(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArray bytes = file.readAll();
    if (bytes.isNull())
        bytes = QByteArray("");
    return bytes;
}

inline DataPair readPair(const QString &folder)
{
    return {readOrNull(QDir(folder).filePath(storage::InvestFileName)),
            readOrNull(QDir(folder).filePath(storage::HistFileName))};
}

inline QByteArray investRecord(int number, const QByteArray &type, const QByteArray &institution)
{
    QByteArray bytes;
    bytes.append(char(number & 0xFF)).append(char((number >> 8) & 0xFF));
    bytes.append(type.leftJustified(50, ' ', true));
    bytes.append(institution.leftJustified(50, ' ', true));
    return bytes;
}

inline const QByteArray StartInvestments = investRecord(1, "Mutual fund", "First Bank") +
                                           investRecord(2, "Bond", "Treasury") +
                                           investRecord(3, "Savings account", "Credit Union");
inline const QByteArray StartHistory = "1,#2001-01-02#,10000,10000,0\r\n"
                                       "2,#2001-06-30#,2500,2500,0\r\n"
                                       "1,#2002-01-02#,10000,10800,1.6\r\n"
                                       "3,#2002-03-01#,700,700,0\r\n"
                                       "2,#2002-06-30#,2500,2562.5,2.1\r\n"
                                       "1,#2003-01-02#,10000,11200,2.4\r\n";

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

inline bool writeStartPair(const QString &folder)
{
    return writeFile(QDir(folder).filePath(storage::InvestFileName), StartInvestments) &&
           writeFile(QDir(folder).filePath(storage::HistFileName), StartHistory);
}

// The investment file on file number 1, as the main window keeps it.
inline void openChannelOne()
{
    storage::open(1, storage::programFile(storage::InvestFileName), storage::OpenMode::Random);
}

inline QStringList changeKinds()
{
    return {QStringLiteral("add investment"), QStringLiteral("edit investment"), QStringLiteral("delete investment"),
            QStringLiteral("add record"),     QStringLiteral("insert record"),   QStringLiteral("edit record"),
            QStringLiteral("delete record"),  QStringLiteral("import records"),  QStringLiteral("fill rates")};
}

inline void recordValues(int day)
{
    using namespace modPlMainMod;
    dtmRecDate = Date::fromYmd(2024, 1, day);
    curOriginalAmount = Currency::fromWhole(10000);
    curCurrentAmount = Currency::fromWhole(11000 + day);
    sngInflRate = 3.5f;
}

// The change as the windows make it, with channel 1 open; `variant` makes repeated changes
// of one kind differ. Returns its description.
inline storage::ChangeDescription describeChange(const QString &kind, int variant = 0)
{
    using storage::ChangeKind;
    storage::ChangeDescription d;
    d.investment = QStringLiteral("Mutual fund, First Bank");
    d.record = 2;
    d.date = QDate(2024, 1, 15);
    const QMap<QString, ChangeKind> kinds = {{QStringLiteral("add investment"), ChangeKind::AddInvestment},
                                             {QStringLiteral("edit investment"), ChangeKind::EditInvestment},
                                             {QStringLiteral("delete investment"), ChangeKind::DeleteInvestment},
                                             {QStringLiteral("add record"), ChangeKind::AddRecord},
                                             {QStringLiteral("insert record"), ChangeKind::InsertRecord},
                                             {QStringLiteral("edit record"), ChangeKind::EditRecord},
                                             {QStringLiteral("delete record"), ChangeKind::DeleteRecord},
                                             {QStringLiteral("import records"), ChangeKind::ImportRecords},
                                             {QStringLiteral("fill rates"), ChangeKind::FillRates}};
    d.kind = kinds.value(kind);
    // The records imported, the rates filled, the records of the investment deleted (number 2).
    d.count = kind == QLatin1String("import records")      ? 3
              : kind == QLatin1String("fill rates")        ? 1
              : kind == QLatin1String("delete investment") ? 2
                                                           : 0;
    if (kind.endsWith(QLatin1String("investment")))
        d.investment = QStringLiteral("Bond %1, Treasury").arg(variant);
    return d;
}

inline void makeChange(const QString &kind, int variant = 0)
{
    using namespace modPlMainMod;
    const int day = 1 + variant % 28;
    if (kind == QLatin1String("add investment") || kind == QLatin1String("edit investment")) {
        intInvestRecNum = kind == QLatin1String("add investment") ? int(storage::lof(1) / 102) + 1 : 2;
        strInvestType = QStringLiteral("Bond %1").arg(variant);
        strInstitution = QStringLiteral("Treasury");
        storage::writeInvestRecord();
    } else if (kind == QLatin1String("delete investment")) {
        intDelInvestNum = 2;
        storage::delDataRec();
        storage::prepareInvestHist();
        storage::close(1);
        storage::stageInvestFile(storage::writeInvestRecord);
        storage::commitInvestDelete();
    } else if (kind == QLatin1String("add record") || kind == QLatin1String("import records")) {
        for (int n = 0; n < (kind == QLatin1String("add record") ? 1 : 3); ++n) {
            intInvestRecNum = 1;
            recordValues(day + n);
            storage::appendHistRecord();
        }
    } else {
        const bool fill = kind == QLatin1String("fill rates");
        strOperation = kind == QLatin1String("insert record")   ? QStringLiteral("INSERT")
                       : kind == QLatin1String("delete record") ? QStringLiteral("DELETE")
                                                                : QStringLiteral("EDIT");
        intInvestRecNum = 1;
        intSelRecNum = 2;
        Date date;
        Currency original, current;
        storage::createTwoFiles([&] {
            date = dtmRecDate;
            original = curOriginalAmount;
            current = curCurrentAmount;
        });
        storage::createHistFile([&] {
            recordValues(day);
            if (fill) {
                dtmRecDate = date;
                curOriginalAmount = original;
                curCurrentAmount = current;
                sngInflRate = 4.25f + float(variant);
            }
        });
    }
}

} // namespace testing
