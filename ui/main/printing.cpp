// Placeholder until printing is built.
#include "ui/main/frminvestdata.h"

void frmInvestData::cmdPrint_Click() {}
void frmInvestData::PrintHeadings() {}
void frmInvestData::PrintCalcs() {}
