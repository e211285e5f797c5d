// Placeholder until the file maintenance is built.
#include "ui/main/frminvestdata.h"

void frmInvestData::cmdDeleteRec_Click() {}
bool frmInvestData::DelDataRec()
{
    return false;
}
bool frmInvestData::TransTempToData()
{
    return false;
}
void frmInvestData::DelInvestHist() {}
void frmInvestData::CreateTwoFiles() {}
void frmInvestData::CreateHistFile() {}
