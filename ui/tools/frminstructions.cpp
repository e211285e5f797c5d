// Placeholder until the window is built.
#include "ui/tools/frminstructions.h"

namespace {
frmInstructions *g_instance = nullptr;
}

frmInstructions::frmInstructions() = default;
frmInstructions *frmInstructions::Load()
{
    if (!g_instance)
        g_instance = new frmInstructions();
    return g_instance;
}
frmInstructions *frmInstructions::instance()
{
    return g_instance;
}
void frmInstructions::Unload()
{
    delete g_instance;
    g_instance = nullptr;
}
void frmInstructions::Form_Load() {}
