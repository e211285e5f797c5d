// Placeholder until the window is built.
#include "ui/dialogs/frmneweditdata.h"

namespace {
frmNewEditData *g_instance = nullptr;
}

frmNewEditData::frmNewEditData() = default;
frmNewEditData *frmNewEditData::Load()
{
    if (!g_instance)
        g_instance = new frmNewEditData();
    return g_instance;
}
frmNewEditData *frmNewEditData::instance()
{
    return g_instance;
}
void frmNewEditData::Unload()
{
    delete g_instance;
    g_instance = nullptr;
}
void frmNewEditData::Form_Load() {}
bool frmNewEditData::LoadValues()
{
    return false;
}
void frmNewEditData::cmdDone_Click() {}
void frmNewEditData::cmdCancel_Click() {}
