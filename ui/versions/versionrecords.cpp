#include "ui/versions/versionrecords.h"

#include "core/runtimeerror.h"
#include "storage/csvwriter.h"
#include "storage/datafolder.h"
#include "storage/historypass.h"
#include "storage/investrecords.h"
#include "storage/safesavefile.h"
#include "storage/savetarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstring>
#include <string>

namespace ui::versions {

namespace {

const char *const Header = "investment,type,institution,record,date,original_amount,current_amount,inc_dec,"
                           "profit_loss,inflation_rate,loss_to_inflation,current_amount_afi,profit_loss_afi\r\n";

void writeRow(CsvWriter &out, const std::string &prefix, const RecordFigures &f)
{
    out.raw(prefix);
    out.integer(f.record);
    out.comma();
    out.isoDate(f.date);
    out.comma();
    out.amount(f.originalAmount);
    out.comma();
    out.amount(f.currentAmount);
    out.comma();
    out.amount(f.incDec);
    out.comma();
    out.amount(f.profitLoss);
    out.comma();
    out.rate(f.rate);
    out.comma();
    out.amount(f.lossToInfl);
    out.comma();
    out.amount(f.currentAmountAFI);
    out.comma();
    out.amount(f.profitLossAFI);
    out.endRow();
}

} // namespace

void writeRecordsCsv(const QString &folder, const QString &target)
{
    // A file of the data folder, under any of its names, is never written over.
    if (storage::landsInDataFolder(target, storage::programFolder()))
        throw RuntimeError(RuntimeError::PathFileAccessError,
                           QCoreApplication::translate(
                               "Versions", "The records are not saved in the data folder; choose another folder."));
    const QDir dir(folder);
    const std::vector<storage::InvestmentInfo> investments =
        storage::readInvestmentList(dir.filePath(storage::InvestFileName));
    const QString history = dir.filePath(storage::HistFileName);
    const bool hasHistory = QFileInfo::exists(history);

    storage::SafeSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        file.raiseFailure();
    {
        CsvWriter out(&file);
        out.raw(Header, std::strlen(Header));
        try {
            for (const storage::InvestmentInfo &info : investments) {
                if (!hasHistory)
                    break;
                const std::string prefix = std::to_string(info.number) + ',' + CsvWriter::field(info.type) + ',' +
                                           CsvWriter::field(info.institution) + ',';
                storage::forEachRecord(history, info.number,
                                       [&](const RecordFigures &figures) { writeRow(out, prefix, figures); });
                file.raiseFailure();
            }
        } catch (const storage::HistoryPassError &failure) {
            //: %1 is the reason, %2 a line number
            throw RuntimeError(failure.error.number(),
                               QCoreApplication::translate("Versions", "%1 (line %2 of the version's data records)")
                                   .arg(failure.error.description())
                                   .arg(failure.line));
        }
        if (!out.flush()) {
            file.raiseFailure();
            throw RuntimeError(RuntimeError::DeviceIOError);
        }
    }
    file.commit();
}

} // namespace ui::versions
