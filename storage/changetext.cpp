#include "storage/changetext.h"

#include <QByteArray>
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
    {ChangeKind::AddInvestment, "add-investment", "Add Investment"},
    {ChangeKind::EditInvestment, "edit-investment", "Edit Investment"},
    {ChangeKind::DeleteInvestment, "delete-investment", "Delete Investment"},
    {ChangeKind::AddRecord, "add-record", "Add Record"},
    {ChangeKind::InsertRecord, "insert-record", "Insert Record"},
    {ChangeKind::EditRecord, "edit-record", "Edit Record"},
    {ChangeKind::DeleteRecord, "delete-record", "Delete Record"},
    {ChangeKind::ImportRecords, "import-records", "Import Records"},
    {ChangeKind::FillRates, "fill-rates", "Fill In Rates"},
    {ChangeKind::RestoreVersion, "restore-version", "Restore Version"},
    {ChangeKind::RestoreBackup, "restore-backup", "Restore Backup"},
    {ChangeKind::OutsideChange, "outside-change", "Changes Made Outside Plumbline"},
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

QString plural(int n, const QString &one, const QString &many)
{
    return QStringLiteral("%1 %2").arg(n).arg(n == 1 ? one : many);
}

QByteArray field(const QString &text)
{
    return text.toUtf8().toPercentEncoding();
}

} // namespace

QString changeTitle(const ChangeDescription &change)
{
    const QString title = QString::fromLatin1(kindName(change.kind).title);
    if (isInvestmentChange(change.kind) && !change.investment.isEmpty())
        return QStringLiteral("%1 '%2'").arg(title, change.investment);
    return title;
}

QString changeSentence(const ChangeDescription &change, const std::function<QString(const QDate &)> &formatDate)
{
    const QString &name = change.investment;
    QString record = change.record > 0 ? QStringLiteral("record %1").arg(change.record) : QStringLiteral("a record");
    if (change.date.isValid() && formatDate)
        record += QStringLiteral(" (%1)").arg(formatDate(change.date));
    switch (change.kind) {
    case ChangeKind::AddInvestment:
        return QStringLiteral("Added investment %1").arg(name);
    case ChangeKind::EditInvestment:
        return QStringLiteral("Changed investment %1").arg(name);
    case ChangeKind::DeleteInvestment:
        return QStringLiteral("Deleted investment %1").arg(name);
    case ChangeKind::AddRecord:
        return QStringLiteral("Added %1 to %2").arg(record, name);
    case ChangeKind::InsertRecord:
        return QStringLiteral("Inserted %1 into %2").arg(record, name);
    case ChangeKind::EditRecord:
        return QStringLiteral("Changed %1 of %2").arg(record, name);
    case ChangeKind::DeleteRecord:
        return QStringLiteral("Deleted %1 of %2").arg(record, name);
    case ChangeKind::ImportRecords:
        return name.isEmpty()
                   ? QStringLiteral("Imported %1")
                         .arg(plural(change.count, QStringLiteral("record"), QStringLiteral("records")))
                   : QStringLiteral("Imported %1 into %2")
                         .arg(plural(change.count, QStringLiteral("record"), QStringLiteral("records")), name);
    case ChangeKind::FillRates:
        return name.isEmpty() ? QStringLiteral("Filled in %1")
                                    .arg(plural(change.count, QStringLiteral("rate"), QStringLiteral("rates")))
                              : QStringLiteral("Filled in %1 of %2")
                                    .arg(plural(change.count, QStringLiteral("rate"), QStringLiteral("rates")), name);
    case ChangeKind::RestoreVersion:
        return QStringLiteral("Restored the version of %1").arg(change.source);
    case ChangeKind::RestoreBackup:
        return QStringLiteral("Restored the backup in %1").arg(change.source);
    case ChangeKind::OutsideChange:
        return QStringLiteral("Changed outside Plumbline");
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
