// Placeholder until the window is built.
#include "ui/dialogs/frminvestentry.h"

namespace {
frmInvestEntry *g_instance = nullptr;
}

frmInvestEntry::frmInvestEntry() = default;
frmInvestEntry *frmInvestEntry::Load()
{
    if (!g_instance)
        g_instance = new frmInvestEntry();
    return g_instance;
}
frmInvestEntry *frmInvestEntry::instance()
{
    return g_instance;
}
void frmInvestEntry::Unload()
{
    delete g_instance;
    g_instance = nullptr;
}
void frmInvestEntry::Form_Load() {}
bool frmInvestEntry::LoadInDataFile()
{
    return false;
}
void frmInvestEntry::cmdDone_Click() {}
void frmInvestEntry::cmdCancel_Click() {}
