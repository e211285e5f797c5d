#pragma once

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

// What a change of the data files was, and its words for the Edit menu and the versions list.
namespace storage {

enum class ChangeKind {
    AddInvestment,
    EditInvestment,
    DeleteInvestment,
    AddRecord,
    InsertRecord,
    EditRecord,
    DeleteRecord,
    ImportRecords,
    FillRates,
    RestoreVersion,
    RestoreBackup,
    // The data files were found changed by something else (an older copy of the program,
    // a hand edit): kept as a version of its own before anything replaces them.
    OutsideChange,
};

struct ChangeDescription
{
    ChangeKind kind = ChangeKind::EditRecord;
    QString investment; // "Savings account, First Bank": type, ", ", institution, trimmed
    int record = 0;     // 1-based record number within the investment, where the change is one record
    QDate date;         // that record's date
    int count = 0;      // records imported, rates filled; for an investment delete the records it held
                        // (0: counted from the new history, a read of the whole file)
    QString source;     // restored version's time text, or the backup folder
};

// For the Edit menu's Undo and Redo: "Delete Investment 'Savings account, First Bank'",
// "Add Record", "Edit Record", "Import Records", ...
QString changeTitle(const ChangeDescription &change);

// One sentence for the versions list and the tool: "Added record 12 (1/15/2024) to Savings
// account, First Bank", "Deleted investment Savings account, First Bank", ... The date is
// written by `formatDate` (the windows pass the grid's M/D/YYYY form).
QString changeSentence(const ChangeDescription &change, const std::function<QString(const QDate &)> &formatDate);

// The description as one line of text for an entry file, and back; nullopt for a line
// that is not one.
QByteArray encodeChange(const ChangeDescription &change);
std::optional<ChangeDescription> decodeChange(const QByteArray &line);

} // namespace storage
