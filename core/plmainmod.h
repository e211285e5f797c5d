#pragma once

#include "core/investrecord.h"
#include "core/valuetypes.h"

#include <QString>

// The program's shared state: plain module-level variables with program lifetime,
// read and written directly by every window, in declaration order.
namespace modPlMainMod {

inline Integer intInvestRecNum;
inline QString strInvestType;
inline QString strInstitution;
inline Date dtmRecDate;
inline Currency curOriginalAmount;
inline Single sngInflRate = 0;
inline Currency curCurrentAmount;
inline Currency curPrevAmount;
inline Currency curIncDec;
inline Currency curProfitLoss;
inline Single sngInflFraction = 0;
inline Currency curLossToInfl;
inline Currency curCurAmntAFI;
inline Currency curPrevAmntAFI;
inline Currency curProfLossAFI;
inline InvestRecord InvestRec;
inline Integer intInvestRecCount;
inline Integer intDelInvestNum;
inline Integer intTempRecNum;
inline Integer intHistInvestNum;
inline Integer intHistCounter;
inline Integer intSelRecNum;
inline QString strOperation;
inline Integer intRowNum;
inline Integer intPageNum;
inline Integer intPageFirstRec;
inline Integer intPrevPageFirstRec;
inline Integer intFirstRecToShow;
inline Integer intCopySource;
inline Boolean blnCopyMade;
inline Boolean blnDataCopyMade;
inline QString strHistBackupPath;
inline QString strInvestBackupPath;
inline Boolean blnBackupMode;
inline Boolean blnPrintMode;
inline QString strNavDirection;

// Clears the data record in hand, the computed figures and the carried amounts;
// no counter, string or flag.
void ResetCalcState();

// Works the data record in hand into the five figures, carrying the previous
// amount and the previous adjusted amount to the next record of the pass.
void CalculateRecord();

// Puts every variable back to its start-of-program value (tests run many
// programs in one process).
void ResetAll();

} // namespace modPlMainMod
