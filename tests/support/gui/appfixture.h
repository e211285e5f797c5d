#pragma once

#include "../core/tempdatafolder.h"
#include "platformdoubles.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class frmInvestData;

namespace testing {

// The 102 bytes of investment record n: number little-endian, then the two texts
// padded with blanks to 50 characters (cut beyond).
QByteArray investRecordBytes(int n, const QString &type, const QString &institution);

// One per test function: a fresh data folder, the platform doubles, a reset shared
// state and file numbers, and a quit handler that only records. At the end every
// window is unloaded and the file numbers are closed.
class AppFixture
{
public:
    AppFixture();
    ~AppFixture();
    AppFixture(const AppFixture &) = delete;
    AppFixture &operator=(const AppFixture &) = delete;

    TempDataFolder &folder() { return m_folder; }
    ScriptedMessageBoxes &boxes() { return m_doubles.boxes; }
    FakeClipboard &clipboard() { return m_doubles.clipboard; }
    MemorySettingsStore &settings() { return m_doubles.settings; }
    RecordingPrinter &printer() { return m_doubles.printer; }

    // "PlumblineData" with records 1, 2, ... for the pairs (type, institution).
    void writeInvestments(const QList<QPair<QString, QString>> &typeAndInstitution);
    // "PlDataHist.txt" with the lines as given, CR LF after each.
    void writeHistory(const QStringList &lines);
    QByteArray investBytes() const;
    QByteArray historyBytes() const;

    // Loads the main window, shows it and waits until it is the active window (and
    // the reload of its first activation has run). nullptr when the program ended.
    frmInvestData *startMainWindow();
    // The program asked to end (Exit, or a start-up that could not go on).
    bool quitRequested() const;
    int quitCount() const;

private:
    TempDataFolder m_folder;
    PlatformDoubles m_doubles;
};

} // namespace testing
