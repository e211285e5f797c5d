#pragma once
#include "core/priceindex.h"
#include "core/valuetypes.h"
#include "storage/changetext.h"
#include <QString>
#include <vector>

// Records added to one investment (an import) and rates filled in (the fill command), as a
// plan worked out from the data folder first, shown to the user, then written in one
// rewrite. Reads and writes with handles of its own: the file-number table and the shared
// variables of the windows are neither used nor disturbed (the main window closes and reopens
// its investment file around a change that replaces it).
namespace storage {

struct IncomingRecord
{
    int line = 0; // of the CSV file, for the preview and messages
    Date date;
    Currency original;
    Currency current;
    Single rate = 0; // 0: none
};

struct RecordChangeRequest
{
    int investment = 0; // an investment of the file, or 0 for a new one
    QString newType;    // a new investment's type (required) and institution, at most 50 each
    QString newInstitution;
    std::vector<IncomingRecord> records;
    // Fill the rates the investment's records lack: those of the incoming records only, or
    // (fillExisting) of every record already there, from `series`.
    const PriceIndex *series = nullptr;
    bool fillIncoming = false;
    bool fillExisting = false;
};

// A record without a rate and what the series gives it.
struct RateFill
{
    int record = 0; // its number (rank) in the investment once the change is made
    int line = 0;   // of the CSV file for an incoming record, else 0
    Date date;
    Date since; // the record measured from, when there is one
    bool filled = false;
    Single rate = 0;
    QString rateText; // "1.99", when filled
    QString reason;   // why there is none, when not filled
};

struct RecordChangePlan
{
    struct Placed
    {
        IncomingRecord record;
        int before = 0; // the rank of the existing record it goes in front of; 0 at the end
    };
    int investment = 0; // the number it has or will have
    bool newInvestment = false;
    QString type, institution;
    int existingRecords = 0;
    std::vector<Placed> added; // in date order
    int duplicates = 0;        // rows equal to a record already there (date and amounts), left out
    int appended = 0;
    int merged = 0;
    std::vector<RateFill> fills;                       // every record without a rate, in record order
    std::vector<std::pair<int, Single>> existingFills; // rank -> rate, records already there
    // The two files as planned from: file, size and time of the last write. Not the time of
    // the last status change, which a version kept as a hard link changes.
    struct Stamp
    {
        bool exists = false;
        unsigned long long device = 0, inode = 0;
        long long size = 0, modifiedNs = 0;
        bool operator==(const Stamp &o) const
        {
            return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
                   modifiedNs == o.modifiedNs;
        }
        bool operator!=(const Stamp &o) const { return !(*this == o); }
    };
    Stamp investStamp;
    Stamp historyStamp;
    int filledCount() const;
    bool changesNothing() const { return added.empty() && existingFills.empty() && !newInvestment; }
};

// Reads the investment file and the whole history (a damaged line raises HistoryPassError,
// a missing investment file 53, an investment number out of range 9, a new investment's texts
// out of limits 5). Incoming records are taken in date order; one equal to a record already
// there is counted, not added; one dated after the investment's last record is appended, any
// other goes in front of the first record dated after it.
RecordChangePlan planRecordChanges(const QString &folder, const RecordChangeRequest &request);

// The one write of a plan: the new history written whole beside the old one, flushed and
// renamed over it; with a new investment, the investment file's new copy too, both put in
// place together (storage/transaction.h). Raises with both files unchanged when a step fails,
// and 75 ("changed since") when either file is no longer the one planned from.
void applyRecordChanges(const QString &folder, const RecordChangePlan &plan);

// The change a plan makes, for the kept versions: records imported (with the rates filled
// among them) or rates filled.
ChangeDescription describeChange(const RecordChangePlan &plan);

// "Savings account, First Bank": the type, ", ", the institution, for messages.
QString investmentTitle(const QString &type, const QString &institution);

} // namespace storage
