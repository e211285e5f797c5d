#include "ui/forms.h"

#include "ui/chart/chartwindow.h"
#include "ui/dialogs/frminvestentry.h"
#include "ui/dialogs/frmneweditdata.h"
#include "ui/main/frminvestdata.h"
#include "ui/startup/frmenterpassword.h"
#include "ui/startup/frmpassword.h"
#include "ui/startup/frmplsplash.h"
#include "ui/tools/frmbackupfiles.h"
#include "ui/tools/frminstructions.h"

namespace ui {

void UnloadAllForms()
{
    ChartWindow::closeWindow();
    frmInstructions::Unload();
    frmBackupFiles::Unload();
    frmNewEditData::Unload();
    frmInvestEntry::Unload();
    frmEnterPassword::Unload();
    frmPassword::Unload();
    frmPlSplash::Unload();
    frmInvestData::Unload();
}

} // namespace ui
