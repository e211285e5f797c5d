// Placeholder until the window is built.
#include "ui/startup/frmplsplash.h"

#include "ui/main/frminvestdata.h"

namespace {
frmPlSplash *g_instance = nullptr;
}

frmPlSplash::frmPlSplash() = default;
frmPlSplash *frmPlSplash::Load()
{
    frmInvestData::Load();
    return g_instance;
}
frmPlSplash *frmPlSplash::instance()
{
    return g_instance;
}
void frmPlSplash::Unload()
{
    delete g_instance;
    g_instance = nullptr;
}
void frmPlSplash::Form_Load() {}
