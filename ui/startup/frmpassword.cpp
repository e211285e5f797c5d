// Placeholder until the window is built.
#include "ui/startup/frmpassword.h"

namespace {
frmPassword *g_instance = nullptr;
}

frmPassword::frmPassword() = default;
frmPassword *frmPassword::Load()
{
    if (!g_instance)
        g_instance = new frmPassword();
    return g_instance;
}
frmPassword *frmPassword::instance()
{
    return g_instance;
}
void frmPassword::Unload()
{
    delete g_instance;
    g_instance = nullptr;
}
void frmPassword::Form_Load() {}
void frmPassword::setCancelVisible(bool) {}
