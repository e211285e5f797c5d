#include "storage/rewrites.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/fileops.h"
#include "storage/filetable.h"
#include "storage/transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>

namespace storage {

using namespace modPlMainMod;

namespace {

void removeQuietly(const QString &name)
{
    QFile::remove(programFile(name));
}

// The data record in hand, kept aside while a pass reads other lines into it.
struct HeldRecord
{
    HeldRecord()
        : investNum(intHistInvestNum), date(dtmRecDate), original(curOriginalAmount), current(curCurrentAmount),
          rate(sngInflRate)
    {
    }
    void restore() const
    {
        intHistInvestNum = investNum;
        dtmRecDate = date;
        curOriginalAmount = original;
        curCurrentAmount = current;
        sngInflRate = rate;
    }
    Integer investNum;
    Date date;
    Currency original;
    Currency current;
    Single rate;
};

// The new history of an investment delete, waiting to be put in place, and the new
// investment file beside the old one.
StagedFile g_preparedHist;
StagedFile g_stagedInvest;

bool isBrokenRecord(const QByteArray &bytes)
{
    if (bytes.size() != InvestRecordLength)
        return true;
    const auto low = static_cast<unsigned char>(bytes.at(0));
    const auto high = static_cast<unsigned char>(bytes.at(1));
    if (static_cast<int16_t>(static_cast<uint16_t>(low | (high << 8))) < 1)
        return true;
    for (int i = 2; i < InvestRecordLength; ++i) {
        if (bytes[i] == '\0' || bytes[i] == '\r' || bytes[i] == '\n')
            return true;
    }
    return false;
}

} // namespace

void appendHistRecord()
{
    intHistInvestNum = intInvestRecNum;
    const QString path = programFile(HistFileName);
    QString temp;
    try {
        // A link is written at its target; a history the user may not write is left alone.
        const QString target = rewriteTarget(path);
        // The old bytes go over unchanged; only the new line is formatted.
        QFile copy;
        temp = createSiblingTemp(target, copy);
        takeAttributesOf(copy, target);
        QFile old(target);
        if (old.exists()) {
            if (!old.open(QIODevice::ReadOnly))
                throw RuntimeError(RuntimeError::PathFileAccessError);
            char last = '\n';
            QByteArray block;
            while (!(block = old.read(256 * 1024)).isEmpty()) {
                writeAll(copy, block.constData(), block.size());
                last = block.back();
            }
            if (old.error() != QFileDevice::NoError)
                throw RuntimeError(RuntimeError::DeviceIOError);
            // A last line without its line end must not run into the new one.
            if (last != '\n')
                writeAll(copy, "\r\n", 2);
        }
        copy.close();
        open(2, temp, OpenMode::Append);
        writeHistRecord(2);
        close(2);
        replaceFile(temp, target);
    } catch (...) {
        discard(2);
        if (!temp.isEmpty())
            QFile::remove(temp);
        throw;
    }
}

void createTwoFiles(const std::function<void()> &showChosen)
{
    close(2);
    close(5);
    try {
        open(2, programFile(HistFileName), OpenMode::Input);
        // Output, not Append: a leftover from an interrupted run is discarded.
        open(3, programFile(SuccesFileName), OpenMode::Output);
        open(4, programFile(RecsDisplayedFileName), OpenMode::Output);
        intHistCounter = 1;
        while (!eof(2)) {
            // Other investments' lines go across in runs, every one still decoded and checked.
            copyOtherInvestments(2, 3, intInvestRecNum);
            if (eof(2))
                break;
            inputHistRecord(2);
            if (intHistInvestNum != intInvestRecNum) {
                writeHistRecord(3);
            } else if (intHistCounter != intSelRecNum) {
                writeHistRecord(4);
                intHistCounter = intHistCounter + 1;
            } else {
                if (strOperation == QLatin1String("EDIT") && showChosen)
                    showChosen();
                // Only a delete drops the chosen record.
                if (strOperation != QLatin1String("DELETE"))
                    writeHistRecord(4);
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
        close(2);
        // The new history is written beside the old one and replaces it on close.
        open(2, programFile(HistFileName), OpenMode::Output, true);
        open(3, programFile(SuccesFileName), OpenMode::Input);
        open(4, programFile(RecsDisplayedFileName), OpenMode::Input);
        const bool editing = strOperation == QLatin1String("EDIT");
        const bool inserting = strOperation == QLatin1String("INSERT");
        bool applied = false;
        intHistCounter = 1;
        while (!eof(4)) {
            inputHistRecord(4);
            if (editing && intHistCounter == intSelRecNum) {
                if (loadValues)
                    loadValues();
                applied = true;
            }
            if (inserting && int(intHistCounter) == intSelRecNum + 1) {
                const HeldRecord kept;
                intHistInvestNum = intInvestRecNum;
                if (loadValues)
                    loadValues();
                writeHistRecord(2);
                kept.restore();
                applied = true;
            }
            writeHistRecord(2);
            intHistCounter = intHistCounter + 1;
        }
        // An edit or insert whose record is not there must not pass for done.
        if ((editing || inserting) && !applied)
            throw RuntimeError(RuntimeError::BadRecordNumber);
        copyHistRecords(3, 2);
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

bool splitFilesExist()
{
    return fileExists(programFile(SuccesFileName)) && fileExists(programFile(RecsDisplayedFileName));
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

namespace {

// The rebuild of TransTempToData. Staged, the new investment file is left complete beside
// the old one for commitInvestDelete and channel 1 stays closed.
void rebuildInvestFile(const std::function<void()> &loadInDataFile, bool stage)
{
    const QString live = programFile(InvestFileName);
    const int target = blnBackupMode ? 3 : 1;
    try {
        // The records go to a new file beside the target, which replaces the
        // target only once every record is in it; nothing needs deleting first.
        if (!blnBackupMode)
            open(1, live, OpenMode::Random, true);
        else
            open(3, strInvestBackupPath, OpenMode::Random, true);
        if (blnBackupMode)
            limitPermissionsTo(3, live);
        // Without the copy-out there is nothing to rebuild from: an empty file
        // must never replace the old one.
        open(2, programFile(TempDataFileName), OpenMode::Input);
        // A record the copy-out could not read went through it blank; its own bytes are
        // carried across instead, so a rebuild never blanks what it cannot read.
        QFile old(live);
        const bool oldReadable = old.open(QIODevice::ReadOnly);
        intInvestRecNum = 1;
        while (!eof(2)) {
            inputTempDataRecord(2);
            if (loadInDataFile)
                loadInDataFile();
            else
                writeInvestRecord();
            const int n = intInvestRecNum;
            const long long from = intDelInvestNum > 0 && n >= intDelInvestNum ? n + 1 : n;
            if (oldReadable && old.seek((from - 1) * InvestRecordLength)) {
                QByteArray bytes = old.read(InvestRecordLength);
                if (bytes.size() >= 2 && isBrokenRecord(bytes)) {
                    bytes[0] = char(n & 0xFF);
                    bytes[1] = char((n >> 8) & 0xFF);
                    putRawRecord(target, n, bytes);
                }
            }
            intInvestRecNum = intInvestRecNum + 1;
        }
        close(2);
        try {
            kill(programFile(TempDataFileName));
        } catch (const RuntimeError &error) {
            if (error.number() != RuntimeError::FileNotFound)
                throw;
        }
        if (stage) {
            g_stagedInvest = closeStaged(1);
            return;
        }
        close(1);
        open(1, live, OpenMode::Random);
    } catch (...) {
        discard(2);
        removeQuietly(TempDataFileName);
        if (blnBackupMode)
            discard(3);
        else
            discard(1);
        if (!isOpen(1) && !stage) {
            try {
                open(1, live, OpenMode::Random);
            } catch (const RuntimeError &) {
                // The original error is the one to report.
            }
        }
        throw;
    }
}

void removeStaged(StagedFile &staged)
{
    if (!staged.path.isEmpty())
        QFile::remove(staged.path);
    staged = StagedFile();
}

} // namespace

void transTempToData(const std::function<void()> &loadInDataFile)
{
    rebuildInvestFile(loadInDataFile, false);
}

bool prepareInvestHist()
{
    removeStaged(g_preparedHist);
    const QString path = programFile(HistFileName);
    try {
        open(2, path, OpenMode::Input);
    } catch (const RuntimeError &error) {
        if (error.number() == RuntimeError::FileNotFound)
            return false;
        throw;
    }
    try {
        // A history the user may not write is left alone; one that is a link is rewritten
        // at its target, so the new history is written beside that.
        const QString target = rewriteTarget(path);
        const bool beside = QFileInfo(target).absolutePath() == QFileInfo(path).absolutePath();
        g_preparedHist.target = target;
        if (beside) {
            // Output, not Append: a leftover from an interrupted run is discarded.
            g_preparedHist.path = programFile(TempHistFileName);
            open(3, g_preparedHist.path, OpenMode::Output);
        } else {
            open(3, target, OpenMode::Output, true);
        }
        while (!eof(2)) {
            // Lines in the form written go across in runs, every one still decoded and checked.
            copyWithoutInvestment(2, 3, intDelInvestNum);
            if (eof(2))
                break;
            inputHistRecord(2);
            if (intHistInvestNum == intDelInvestNum)
                continue;
            if (intHistInvestNum > intDelInvestNum)
                intHistInvestNum = intHistInvestNum - 1;
            writeHistRecord(3);
        }
        close(2);
        if (beside)
            close(3);
        else
            g_preparedHist = closeStaged(3);
    } catch (...) {
        discard(2);
        discard(3);
        removeQuietly(TempHistFileName);
        g_preparedHist = StagedFile();
        throw;
    }
    return true;
}

void commitInvestHist()
{
    if (g_preparedHist.path.isEmpty())
        throw RuntimeError(RuntimeError::FileNotFound);
    try {
        // Flushed to disk, then renamed over the history in one step.
        QFile file(g_preparedHist.path);
        if (file.open(QIODevice::ReadWrite))
            takeAttributesOf(file, g_preparedHist.target);
        file.close();
        replaceFile(g_preparedHist.path, g_preparedHist.target);
        g_preparedHist = StagedFile();
    } catch (...) {
        removeStaged(g_preparedHist);
        throw;
    }
}

void dropInvestHist()
{
    removeStaged(g_preparedHist);
    removeQuietly(TempHistFileName);
}

void delInvestHist()
{
    if (!prepareInvestHist())
        throw RuntimeError(RuntimeError::FileNotFound);
    commitInvestHist();
}

void stageInvestFile(const std::function<void()> &loadInDataFile)
{
    removeStaged(g_stagedInvest);
    const bool backup = blnBackupMode;
    blnBackupMode = false;
    try {
        rebuildInvestFile(loadInDataFile, true);
    } catch (...) {
        blnBackupMode = backup;
        throw;
    }
    blnBackupMode = backup;
}

void commitInvestDelete()
{
    const QString live = programFile(InvestFileName);
    QList<PendingRename> renames;
    if (!g_stagedInvest.path.isEmpty())
        renames.append({g_stagedInvest.path, g_stagedInvest.target});
    if (!g_preparedHist.path.isEmpty())
        renames.append({g_preparedHist.path, g_preparedHist.target});
    close(1);
    try {
        commitRenames(renames);
    } catch (const CommitLeftPending &) {
        g_stagedInvest = StagedFile();
        g_preparedHist = StagedFile();
        try {
            open(1, live, OpenMode::Random);
        } catch (const RuntimeError &) {
        }
        throw;
    } catch (...) {
        abandonInvestDelete();
        throw;
    }
    g_stagedInvest = StagedFile();
    g_preparedHist = StagedFile();
    // The delete is through; a passing failure to reopen must not pass for its failure.
    try {
        open(1, live, OpenMode::Random);
    } catch (const RuntimeError &) {
        open(1, live, OpenMode::Random);
    }
}

void abandonInvestDelete()
{
    discard(1);
    removeStaged(g_stagedInvest);
    dropInvestHist();
    removeQuietly(TempDataFileName);
    open(1, programFile(InvestFileName), OpenMode::Random);
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
        limitPermissionsTo(3, programFile(HistFileName));
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

int countHistRecords(int investNum)
{
    const HeldRecord kept;
    int count = 0;
    try {
        open(2, programFile(HistFileName), OpenMode::Input);
    } catch (const RuntimeError &error) {
        if (error.number() == RuntimeError::FileNotFound)
            return 0;
        throw;
    }
    try {
        while (!eof(2)) {
            inputHistRecord(2);
            if (intHistInvestNum == investNum)
                ++count;
        }
        close(2);
    } catch (...) {
        discard(2);
        kept.restore();
        throw;
    }
    kept.restore();
    return count;
}

} // namespace storage
