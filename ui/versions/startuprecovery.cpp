#include "ui/versions/startuprecovery.h"

#include "core/runtimeerror.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/versions.h"

#include <QCoreApplication>

namespace ui::versions {

void recoverVersions()
{
    QString note;
    try {
        storage::VersionStore store(storage::programFolder());
        note = store.recover().note;
    } catch (const RuntimeError &error) {
        //: %1 is the reason
        note = QCoreApplication::translate(
                   "Versions", "Plumbline 3.5 could not check the earlier versions of your data it keeps:\r\n"
                               "%1\r\n"
                               "Your data files are unchanged. Undo may not be offered until this is put right.")
                   .arg(error.description());
    }
    if (!note.isEmpty())
        platform::msgBox(note, platform::MsgIcon::Exclamation);
}

} // namespace ui::versions
