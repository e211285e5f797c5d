#include "core/plmainmod.h"

#include "core/runtimeerror.h"

#include <cmath>
#include <limits>

namespace modPlMainMod {

void ResetCalcState()
{
    dtmRecDate = Date();
    curOriginalAmount = Currency();
    sngInflRate = 0;
    curCurrentAmount = Currency();
    curIncDec = Currency();
    curProfitLoss = Currency();
    sngInflFraction = 0;
    curLossToInfl = Currency();
    curCurAmntAFI = Currency();
    curProfLossAFI = Currency();
    curPrevAmount = Currency();
    curPrevAmntAFI = Currency();
}

void CalculateRecord()
{
    const Currency zero;
    // A record without both amounts is skipped and does not advance the carry.
    if (curCurrentAmount <= zero || curOriginalAmount <= zero)
        return;

    if (curPrevAmount == zero) {
        curIncDec = curCurrentAmount - curOriginalAmount;
        curPrevAmount = curOriginalAmount;
    } else {
        curIncDec = curCurrentAmount - curPrevAmount;
    }
    curProfitLoss = curCurrentAmount - curOriginalAmount;

    if (sngInflRate != 0.0f) {
        const double fraction = double(sngInflRate) * 0.01;
        if (std::fabs(fraction) > double(std::numeric_limits<float>::max()))
            throw RuntimeError(RuntimeError::Overflow);
        sngInflFraction = Single(fraction);

        // The loss is taken on the smaller of the previous and the current amount.
        const Currency base = curIncDec >= zero ? curPrevAmount : curCurrentAmount;
        curLossToInfl = Currency::fromDouble(base.toDouble() * double(sngInflFraction));

        if (curPrevAmntAFI == zero)
            curCurAmntAFI = curCurrentAmount - curLossToInfl;
        else
            curCurAmntAFI = (curPrevAmntAFI + curIncDec) - curLossToInfl;
        curProfLossAFI = curCurAmntAFI - curOriginalAmount;
        curPrevAmntAFI = curCurAmntAFI;
    } else if (curPrevAmntAFI != zero) {
        // Without a rate the record shows the earlier inflation figures, but the carried
        // adjusted amount still takes the interval's change, or the gain or loss of an
        // unrated interval would be missing from every later adjusted amount.
        curPrevAmntAFI = curPrevAmntAFI + curIncDec;
    }

    curPrevAmount = curCurrentAmount;
}

void ResetAll()
{
    intInvestRecNum = 0;
    strInvestType.clear();
    strInstitution.clear();
    ResetCalcState();
    InvestRec = InvestRecord();
    intInvestRecCount = 0;
    intDelInvestNum = 0;
    intTempRecNum = 0;
    intHistInvestNum = 0;
    intHistCounter = 0;
    intSelRecNum = 0;
    strOperation.clear();
    intRowNum = 0;
    intPageNum = 0;
    intPageFirstRec = 0;
    intPrevPageFirstRec = 0;
    intFirstRecToShow = 0;
    intCopySource = 0;
    blnCopyMade = false;
    blnDataCopyMade = false;
    strHistBackupPath.clear();
    strInvestBackupPath.clear();
    blnBackupMode = false;
    blnPrintMode = false;
    strNavDirection.clear();
}

} // namespace modPlMainMod
