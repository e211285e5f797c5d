// Placeholder until the menus and toolbar are built.
#include "ui/main/frminvestdata.h"

void frmInvestData::createMenusAndToolbar() {}
void frmInvestData::tbToolBar_ButtonClick(const QString &) {}
void frmInvestData::mnuFileBackup_Click() {}
void frmInvestData::mnuFilePassword_Click() {}
void frmInvestData::mnuFileExit_Click() {}
void frmInvestData::mnuEditCopy_Click() {}
void frmInvestData::mnuHelpInstruct_Click() {}
