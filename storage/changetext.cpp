#include "storage/changetext.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>

#include <array>

namespace storage {

namespace {

struct KindName
{
    ChangeKind kind;
    const char *key; // in entry files; never changes once written
    const char *title;
};

constexpr std::array<KindName, 12> Kinds = {{
    {ChangeKind::AddInvestment, "add-investment", QT_TRANSLATE_NOOP("Versions", "Add Investment")},
    {ChangeKind::EditInvestment, "edit-investment", QT_TRANSLATE_NOOP("Versions", "Edit Investment")},
    {ChangeKind::DeleteInvestment, "delete-investment", QT_TRANSLATE_NOOP("Versions", "Delete Investment")},
    {ChangeKind::AddRecord, "add-record", QT_TRANSLATE_NOOP("Versions", "Add Record")},
    {ChangeKind::InsertRecord, "insert-record", QT_TRANSLATE_NOOP("Versions", "Insert Record")},
    {ChangeKind::EditRecord, "edit-record", QT_TRANSLATE_NOOP("Versions", "Edit Record")},
    {ChangeKind::DeleteRecord, "delete-record", QT_TRANSLATE_NOOP("Versions", "Delete Record")},
    {ChangeKind::ImportRecords, "import-records", QT_TRANSLATE_NOOP("Versions", "Import Records")},
    {ChangeKind::FillRates, "fill-rates", QT_TRANSLATE_NOOP("Versions", "Fill In Rates")},
    {ChangeKind::RestoreVersion, "restore-version", QT_TRANSLATE_NOOP("Versions", "Restore Version")},
    {ChangeKind::RestoreBackup, "restore-backup", QT_TRANSLATE_NOOP("Versions", "Restore Backup")},
    {ChangeKind::OutsideChange, "outside-change", QT_TRANSLATE_NOOP("Versions", "Changes Made Outside Plumbline")},
}};

const KindName &kindName(ChangeKind kind)
{
    for (const KindName &k : Kinds) {
        if (k.kind == kind)
            return k;
    }
    return Kinds.back();
}

bool isInvestmentChange(ChangeKind kind)
{
    return kind == ChangeKind::AddInvestment || kind == ChangeKind::EditInvestment ||
           kind == ChangeKind::DeleteInvestment;
}

QByteArray field(const QString &text)
{
    return text.toUtf8().toPercentEncoding();
}

} // namespace

QString changeTitle(const ChangeDescription &change)
{
    const QString title = QCoreApplication::translate("Versions", kindName(change.kind).title);
    if (isInvestmentChange(change.kind) && !change.investment.isEmpty())
        //: %1 is the change, as "Delete Investment", %2 the investment's name
        return QCoreApplication::translate("Versions", "%1 '%2'").arg(title, change.investment);
    return title;
}

QString changeSentence(const ChangeDescription &change, const std::function<QString(const QDate &)> &formatDate)
{
    const QString &name = change.investment;
    // The record as the sentences below name it (their %1).
    QString record;
    if (change.date.isValid() && formatDate)
        //: %1 is a record's number, %2 its date
        record = change.record > 0
                     ? QCoreApplication::translate("Versions", "record %1 (%2)")
                           .arg(QString::number(change.record), formatDate(change.date))
                     : QCoreApplication::translate("Versions", "a record (%1)").arg(formatDate(change.date));
    else
        record = change.record > 0 ? QCoreApplication::translate("Versions", "record %1").arg(change.record)
                                   : QCoreApplication::translate("Versions", "a record");
    switch (change.kind) {
    case ChangeKind::AddInvestment:
        return QCoreApplication::translate("Versions", "Added investment %1").arg(name);
    case ChangeKind::EditInvestment:
        return QCoreApplication::translate("Versions", "Changed investment %1").arg(name);
    case ChangeKind::DeleteInvestment:
        return QCoreApplication::translate("Versions", "Deleted investment %1").arg(name);
    case ChangeKind::AddRecord:
        //: %1 is a record, as "record 3 (1/2/2024)", %2 an investment
        return QCoreApplication::translate("Versions", "Added %1 to %2").arg(record, name);
    case ChangeKind::InsertRecord:
        return QCoreApplication::translate("Versions", "Inserted %1 into %2").arg(record, name);
    case ChangeKind::EditRecord:
        return QCoreApplication::translate("Versions", "Changed %1 of %2").arg(record, name);
    case ChangeKind::DeleteRecord:
        return QCoreApplication::translate("Versions", "Deleted %1 of %2").arg(record, name);
    case ChangeKind::ImportRecords:
        if (name.isEmpty())
            return (change.count == 1 ? QCoreApplication::translate("Versions", "Imported %1 record")
                                      : QCoreApplication::translate("Versions", "Imported %1 records"))
                .arg(change.count);
        //: %1 is a count, %2 an investment
        return (change.count == 1 ? QCoreApplication::translate("Versions", "Imported %1 record into %2")
                                  : QCoreApplication::translate("Versions", "Imported %1 records into %2"))
            .arg(QString::number(change.count), name);
    case ChangeKind::FillRates:
        if (name.isEmpty())
            return (change.count == 1 ? QCoreApplication::translate("Versions", "Filled in %1 rate")
                                      : QCoreApplication::translate("Versions", "Filled in %1 rates"))
                .arg(change.count);
        //: %1 is a count, %2 an investment
        return (change.count == 1 ? QCoreApplication::translate("Versions", "Filled in %1 rate of %2")
                                  : QCoreApplication::translate("Versions", "Filled in %1 rates of %2"))
            .arg(QString::number(change.count), name);
    case ChangeKind::RestoreVersion:
        //: %1 is the time of the version
        return QCoreApplication::translate("Versions", "Restored the version of %1").arg(change.source);
    case ChangeKind::RestoreBackup:
        //: %1 is a folder
        return QCoreApplication::translate("Versions", "Restored the backup in %1").arg(change.source);
    case ChangeKind::OutsideChange:
        return QCoreApplication::translate("Versions", "Changed outside Plumbline");
    }
    return QString();
}

QByteArray encodeChange(const ChangeDescription &change)
{
    return QByteArray(kindName(change.kind).key) + '\t' + field(change.investment) + '\t' +
           QByteArray::number(change.record) + '\t' +
           (change.date.isValid() ? change.date.toString(Qt::ISODate).toLatin1() : QByteArray("-")) + '\t' +
           QByteArray::number(change.count) + '\t' + field(change.source);
}

std::optional<ChangeDescription> decodeChange(const QByteArray &line)
{
    const QList<QByteArray> parts = line.split('\t');
    if (parts.size() != 6)
        return std::nullopt;
    ChangeDescription change;
    bool known = false;
    for (const KindName &k : Kinds) {
        if (parts.at(0) == k.key) {
            change.kind = k.kind;
            known = true;
        }
    }
    bool recordOk = false, countOk = false;
    change.investment = QString::fromUtf8(QByteArray::fromPercentEncoding(parts.at(1)));
    change.record = parts.at(2).toInt(&recordOk);
    if (parts.at(3) != "-")
        change.date = QDate::fromString(QString::fromLatin1(parts.at(3)), Qt::ISODate);
    change.count = parts.at(4).toInt(&countOk);
    change.source = QString::fromUtf8(QByteArray::fromPercentEncoding(parts.at(5)));
    if (!known || !recordOk || !countOk || (parts.at(3) != "-" && !change.date.isValid()))
        return std::nullopt;
    return change;
}

} // namespace storage
