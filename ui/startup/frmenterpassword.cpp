// Placeholder until the window is built.
#include "ui/startup/frmenterpassword.h"

namespace {
frmEnterPassword *g_instance = nullptr;
}

frmEnterPassword::frmEnterPassword() = default;
frmEnterPassword *frmEnterPassword::Load()
{
    if (!g_instance)
        g_instance = new frmEnterPassword();
    return g_instance;
}
frmEnterPassword *frmEnterPassword::instance()
{
    return g_instance;
}
void frmEnterPassword::Unload()
{
    delete g_instance;
    g_instance = nullptr;
}
void frmEnterPassword::Form_Load() {}
