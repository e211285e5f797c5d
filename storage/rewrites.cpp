#include "storage/rewrites.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/filetable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

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

// A new, empty file beside `target` that no one else uses.
QString createSiblingTemp(const QString &target, QFile &file)
{
    const QFileInfo info(target);
    if (!info.absoluteDir().exists())
        throw RuntimeError(RuntimeError::PathNotFound);
    faults::check(faults::Step::Open);
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString candidate =
            info.absoluteDir().filePath(QStringLiteral(".%1.%2.new")
                                            .arg(info.fileName())
                                            .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        file.setFileName(candidate);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return candidate;
    }
    throw RuntimeError(RuntimeError::PathFileAccessError);
}

void writeRaw(QFile &file, const char *data, qint64 size)
{
    if (size == 0)
        return;
    faults::check(faults::Step::Write);
    if (file.write(data, size) != size)
        throw RuntimeError(RuntimeError::DiskFull);
}

} // namespace

void appendHistRecord()
{
    intHistInvestNum = intInvestRecNum;
    const QString path = programFile(HistFileName);
    QString temp;
    try {
        // The old bytes go over unchanged; only the new line is formatted.
        QFile copy;
        temp = createSiblingTemp(path, copy);
        QFile old(path);
        if (old.exists()) {
            if (!old.open(QIODevice::ReadOnly))
                throw RuntimeError(RuntimeError::PathFileAccessError);
            char last = '\n';
            QByteArray block;
            while (!(block = old.read(256 * 1024)).isEmpty()) {
                writeRaw(copy, block.constData(), block.size());
                last = block.back();
            }
            if (old.error() != QFileDevice::NoError)
                throw RuntimeError(RuntimeError::DeviceIOError);
            // A last line without its line end must not run into the new one.
            if (last != '\n')
                writeRaw(copy, "\r\n", 2);
        }
        copy.close();
        open(2, temp, OpenMode::Append);
        writeHistRecord(2);
        close(2);
        replaceFile(temp, path);
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

void transTempToData(const std::function<void()> &loadInDataFile)
{
    const QString live = programFile(InvestFileName);
    try {
        // The records go to a new file beside the target, which replaces the
        // target only once every record is in it; nothing needs deleting first.
        if (!blnBackupMode)
            open(1, live, OpenMode::Random, true);
        else
            open(3, strInvestBackupPath, OpenMode::Random, true);
        // Without the copy-out there is nothing to rebuild from: an empty file
        // must never replace the old one.
        open(2, programFile(TempDataFileName), OpenMode::Input);
        intInvestRecNum = 1;
        while (!eof(2)) {
            inputTempDataRecord(2);
            if (loadInDataFile)
                loadInDataFile();
            else
                writeInvestRecord();
            intInvestRecNum = intInvestRecNum + 1;
        }
        close(2);
        try {
            kill(programFile(TempDataFileName));
        } catch (const RuntimeError &error) {
            if (error.number() != RuntimeError::FileNotFound)
                throw;
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

bool prepareInvestHist()
{
    try {
        open(2, programFile(HistFileName), OpenMode::Input);
    } catch (const RuntimeError &error) {
        if (error.number() == RuntimeError::FileNotFound)
            return false;
        throw;
    }
    try {
        // Output, not Append: a leftover from an interrupted run is discarded.
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
    } catch (...) {
        discard(2);
        discard(3);
        removeQuietly(TempHistFileName);
        throw;
    }
    return true;
}

void commitInvestHist()
{
    try {
        // Flushed to disk, then renamed over the history in one step.
        replaceFile(programFile(TempHistFileName), programFile(HistFileName));
    } catch (...) {
        removeQuietly(TempHistFileName);
        throw;
    }
}

void dropInvestHist()
{
    removeQuietly(TempHistFileName);
}

void delInvestHist()
{
    if (!prepareInvestHist())
        throw RuntimeError(RuntimeError::FileNotFound);
    commitInvestHist();
}

QString keepInvestFile()
{
    const QString live = programFile(InvestFileName);
    QString kept;
    try {
        QFile copy;
        kept = createSiblingTemp(live, copy);
        QFile old(live);
        if (old.exists()) {
            if (!old.open(QIODevice::ReadOnly))
                throw RuntimeError(RuntimeError::PathFileAccessError);
            const QByteArray bytes = old.readAll();
            if (old.error() != QFileDevice::NoError)
                throw RuntimeError(RuntimeError::DeviceIOError);
            writeRaw(copy, bytes.constData(), bytes.size());
        }
        if (!copy.flush())
            throw RuntimeError(RuntimeError::DeviceIOError);
    } catch (...) {
        if (!kept.isEmpty())
            QFile::remove(kept);
        throw;
    }
    return kept;
}

void restoreInvestFile(const QString &kept)
{
    const QString live = programFile(InvestFileName);
    close(1);
    try {
        replaceFile(kept, live);
    } catch (...) {
        QFile::remove(kept);
        open(1, live, OpenMode::Random);
        throw;
    }
    open(1, live, OpenMode::Random);
}

void dropKeptFile(const QString &kept)
{
    if (!kept.isEmpty())
        QFile::remove(kept);
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

void removeLeftovers()
{
    const QDir folder(programFolder());
    for (const QString &name : {InvestFileName, HistFileName, PageFileName, TempDataFileName, TempHistFileName,
                                SuccesFileName, RecsDisplayedFileName}) {
        const QStringList temps = folder.entryList({QStringLiteral(".%1.*.new").arg(name)}, QDir::Files | QDir::Hidden);
        for (const QString &temp : temps)
            QFile::remove(folder.filePath(temp));
    }
    for (const QString &name : {TempDataFileName, TempHistFileName, SuccesFileName, RecsDisplayedFileName})
        QFile::remove(programFile(name));
}

} // namespace storage
