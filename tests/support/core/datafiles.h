#pragma once

// Small helpers the core tests share: data file bytes, errors, the project's tools.

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "storage/datafolder.h"
#include "storage/faults.h"
#include "storage/filetable.h"

#include <QByteArray>
#include <QProcess>
#include <QStringList>

#include <functional>

namespace testing {

// No file number open, no fault armed and the shared state fresh, on entry and on leaving:
// what one test leaves behind never reaches the next.
struct CleanStorage
{
    CleanStorage() { reset(); }
    ~CleanStorage() { reset(); }
    CleanStorage(const CleanStorage &) = delete;
    CleanStorage &operator=(const CleanStorage &) = delete;

    static void reset()
    {
        storage::faults::clear();
        storage::discardAll();
        modPlMainMod::ResetAll();
    }
};

// The run-time error number an action raises; 0 when it raises none.
inline int errorNumberOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}

// The 102 bytes of an investment record: the number little-endian, then the two texts
// padded with blanks to 50 bytes (cut beyond).
inline QByteArray recordBytes(int number, const QByteArray &type, const QByteArray &institution)
{
    QByteArray bytes;
    bytes.append(char(number & 0xFF)).append(char((number >> 8) & 0xFF));
    bytes.append(type.leftJustified(50, ' ', true));
    bytes.append(institution.leftJustified(50, ' ', true));
    return bytes;
}

// The four history lines of the two example investments.
inline const QByteArray ExampleHistory = "1,#2001-01-02#,10000,10000,0\r\n"
                                         "2,#2001-06-30#,2500,2500,0\r\n"
                                         "1,#2002-01-02#,10000,10800,1.6\r\n"
                                         "2,#2002-06-30#,2500,2562.5,2.1\r\n";

// Reads history file `name` of the program folder the way every pass does: the error
// number that stopped it (0: none); `records` gets the number of records read before.
inline int readHistoryFile(const QString &name, int *records = nullptr)
{
    int count = 0;
    const int number = errorNumberOf([&] {
        storage::open(2, storage::programFile(name), storage::OpenMode::Input);
        while (!storage::eof(2)) {
            storage::inputHistRecord(2);
            ++count;
        }
        storage::close(2);
    });
    storage::discard(2);
    if (records)
        *records = count;
    return number;
}

// A tool of the project run to its end: exit code (-1 when it crashed or hung) and output.
struct ToolRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

inline ToolRun runTool(const QString &program, const QStringList &arguments, int timeoutMs = 120000)
{
    QProcess process;
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForFinished(timeoutMs))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace testing
