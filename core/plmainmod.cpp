#include "core/plmainmod.h"

#include "core/calculation.h"

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
    CalculationState state;
    state.prevAmount = curPrevAmount;
    state.prevAmountAFI = curPrevAmntAFI;
    state.incDec = curIncDec;
    state.profitLoss = curProfitLoss;
    state.inflFraction = sngInflFraction;
    state.lossToInfl = curLossToInfl;
    state.currentAmountAFI = curCurAmntAFI;
    state.profitLossAFI = curProfLossAFI;
    // Written back even when the rate overflows: the figures worked out before it stand.
    struct WriteBack
    {
        const CalculationState &state;
        ~WriteBack()
        {
            curPrevAmount = state.prevAmount;
            curPrevAmntAFI = state.prevAmountAFI;
            curIncDec = state.incDec;
            curProfitLoss = state.profitLoss;
            sngInflFraction = state.inflFraction;
            curLossToInfl = state.lossToInfl;
            curCurAmntAFI = state.currentAmountAFI;
            curProfLossAFI = state.profitLossAFI;
        }
    } writeBack{state};
    calculateRecord(state, curOriginalAmount, curCurrentAmount, sngInflRate);
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
