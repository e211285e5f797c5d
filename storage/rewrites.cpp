#include "storage/rewrites.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"

#include <QFile>

namespace storage {

using namespace modPlMainMod;

namespace {

void removeQuietly(const QString &name)
{
    QFile::remove(programFile(name));
}

// Runs one step of the rebuild; file not found is passed over.
template <typename Step> void tolerateMissing(Step step)
{
    try {
        step();
    } catch (const RuntimeError &error) {
        if (error.number() != RuntimeError::FileNotFound)
            throw;
    }
}

} // namespace

void appendHistRecord()
{
    intHistInvestNum = intInvestRecNum;
    const QString path = programFile(HistFileName);
    open(2, path, OpenMode::Append);
    const long long before = lof(2);
    try {
        writeHistRecord(2);
        close(2);
    } catch (...) {
        discard(2);
        QFile::resize(path, before);
        throw;
    }
}

void createTwoFiles(const std::function<void()> &showChosen)
{
    close(2);
    close(5);
    try {
        open(2, programFile(HistFileName), OpenMode::Input);
        // A leftover from an interrupted run must not be merged into the history.
        open(3, programFile(SuccesFileName), OpenMode::Output);
        open(4, programFile(RecsDisplayedFileName), OpenMode::Output);
        intHistCounter = 1;
        while (!eof(2)) {
            inputHistRecord(2);
            if (intHistInvestNum != intInvestRecNum) {
                writeHistRecord(3);
            } else if (intHistCounter != intSelRecNum) {
                writeHistRecord(4);
                intHistCounter = intHistCounter + 1;
            } else {
                if (strOperation == QLatin1String("EDIT")) {
                    if (showChosen)
                        showChosen();
                    writeHistRecord(4);
                } else if (strOperation == QLatin1String("INSERT")) {
                    writeHistRecord(4);
                }
                intHistCounter = intHistCounter + 1;
            }
        }
        close(2);
        close(3);
        close(4);
    } catch (...) {
        discard(2);
        discard(3);
        discard(4);
        deleteSplitFiles();
        throw;
    }
}

void createHistFile(const std::function<void()> &loadValues)
{
    try {
        // The new history is written beside the old one and replaces it on close.
        open(2, programFile(HistFileName), OpenMode::Output, true);
        open(3, programFile(SuccesFileName), OpenMode::Input);
        open(4, programFile(RecsDisplayedFileName), OpenMode::Input);
        intHistCounter = 1;
        while (!eof(4)) {
            inputHistRecord(4);
            if (strOperation == QLatin1String("EDIT") && intHistCounter == intSelRecNum) {
                if (loadValues)
                    loadValues();
            }
            if (strOperation == QLatin1String("INSERT") && int(intHistCounter) == intSelRecNum + 1) {
                const Integer keptInvestNum = intHistInvestNum;
                const Date keptDate = dtmRecDate;
                const Currency keptOriginal = curOriginalAmount;
                const Currency keptCurrent = curCurrentAmount;
                const Single keptRate = sngInflRate;
                intHistInvestNum = intInvestRecNum;
                if (loadValues)
                    loadValues();
                writeHistRecord(2);
                intHistInvestNum = keptInvestNum;
                dtmRecDate = keptDate;
                curOriginalAmount = keptOriginal;
                curCurrentAmount = keptCurrent;
                sngInflRate = keptRate;
            }
            writeHistRecord(2);
            intHistCounter = intHistCounter + 1;
        }
        while (!eof(3)) {
            inputHistRecord(3);
            writeHistRecord(2);
        }
        close(3);
        close(4);
        close(2);
    } catch (...) {
        discard(2);
        discard(3);
        discard(4);
        deleteSplitFiles();
        throw;
    }
    deleteSplitFiles();
}

void deleteSplitFiles()
{
    removeQuietly(SuccesFileName);
    removeQuietly(RecsDisplayedFileName);
}

void delDataRec()
{
    try {
        open(2, programFile(TempDataFileName), OpenMode::Output);
        intTempRecNum = 1;
        intInvestRecCount = recordCount(lof(1));
        const int count = intInvestRecCount;
        for (int n = 1; n <= count; ++n) {
            intInvestRecNum = n;
            getRecord(1, n, InvestRec);
            if (n != intDelInvestNum) {
                // The texts keep their padding to 50 characters. A record that could
                // not be decoded keeps its place with blank texts.
                strInvestType = InvestRec.InvestType;
                strInstitution = InvestRec.Institution;
                writeTempDataRecord(2);
                intTempRecNum = intTempRecNum + 1;
            }
        }
        close(2);
        intInvestRecNum = count + 1;
    } catch (...) {
        discard(2);
        removeQuietly(TempDataFileName);
        throw;
    }
}

void transTempToData(const std::function<void()> &loadInDataFile)
{
    const QString live = programFile(InvestFileName);
    try {
        tolerateMissing([&] {
            if (!blnBackupMode)
                open(1, live, OpenMode::Random, true);
            else
                open(3, strInvestBackupPath, OpenMode::Random, true);
        });
        tolerateMissing([&] {
            open(2, programFile(TempDataFileName), OpenMode::Input);
            intInvestRecNum = 1;
        });
        tolerateMissing([&] {
            while (isOpen(2) && !eof(2)) {
                inputTempDataRecord(2);
                if (loadInDataFile)
                    loadInDataFile();
                intInvestRecNum = intInvestRecNum + 1;
            }
        });
        tolerateMissing([&] {
            close(2);
            kill(programFile(TempDataFileName));
        });
        tolerateMissing([&] {
            close(1);
            open(1, live, OpenMode::Random);
        });
    } catch (...) {
        discard(2);
        removeQuietly(TempDataFileName);
        if (blnBackupMode) {
            discard(3);
        } else {
            discard(1);
        }
        if (!isOpen(1)) {
            try {
                open(1, live, OpenMode::Random);
            } catch (const RuntimeError &) {
                // The original error is the one to report.
            }
        }
        throw;
    }
}

void delInvestHist()
{
    open(2, programFile(HistFileName), OpenMode::Input);
    try {
        // Starts empty: a leftover from an interrupted run is discarded.
        open(3, programFile(TempHistFileName), OpenMode::Output);
        while (!eof(2)) {
            inputHistRecord(2);
            if (intHistInvestNum == intDelInvestNum)
                continue;
            if (intHistInvestNum > intDelInvestNum)
                intHistInvestNum = intHistInvestNum - 1;
            writeHistRecord(3);
        }
        close(2);
        close(3);
        replaceFile(programFile(TempHistFileName), programFile(HistFileName));
    } catch (...) {
        discard(2);
        discard(3);
        removeQuietly(TempHistFileName);
        throw;
    }
}

void writeInvestRecord()
{
    InvestRec.RecNum = intInvestRecNum;
    InvestRec.InvestType = strInvestType;
    InvestRec.Institution = strInstitution;
    putRecord(blnBackupMode ? 3 : 1, intInvestRecNum, InvestRec);
}

void copyHistory(const QString &target)
{
    try {
        open(2, programFile(HistFileName), OpenMode::Input);
        open(3, target, OpenMode::Output, true);
        while (!eof(2)) {
            inputHistRecord(2);
            writeHistRecord(3);
        }
        close(2);
        close(3);
    } catch (...) {
        discard(2);
        discard(3);
        throw;
    }
}

} // namespace storage
