// Placeholder until the record commands are built.
#include "ui/main/frminvestdata.h"

void frmInvestData::cmdAddNewRec_Click() {}
void frmInvestData::cmdEditRec_Click() {}
void frmInvestData::cmdAddNew_Click() {}
void frmInvestData::cmdInsertNew_Click() {}
void frmInvestData::cmdEdit_Click() {}
void frmInvestData::cmdDelete_Click() {}
void frmInvestData::Record_Click() {}
void frmInvestData::AddInRecList() {}
void frmInvestData::DisableRecButtons() {}
void frmInvestData::ResetRecChoice() {}
void frmInvestData::NoDataRecsMessg() {}
