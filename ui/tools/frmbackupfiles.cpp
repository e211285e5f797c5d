// Placeholder until the window is built.
#include "ui/tools/frmbackupfiles.h"

namespace {
frmBackupFiles *g_instance = nullptr;
}

frmBackupFiles::frmBackupFiles() = default;
frmBackupFiles *frmBackupFiles::Load()
{
    if (!g_instance)
        g_instance = new frmBackupFiles();
    return g_instance;
}
frmBackupFiles *frmBackupFiles::instance()
{
    return g_instance;
}
void frmBackupFiles::Unload()
{
    delete g_instance;
    g_instance = nullptr;
}
void frmBackupFiles::Form_Load() {}
