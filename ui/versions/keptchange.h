#pragma once

#include "storage/changetext.h"

#include <QString>

#include <memory>

// The version kept around each change the windows make to the data files: the state before
// the change is kept first, the rewrite runs, and the state after is kept once it succeeded.
namespace ui::versions {

// "Savings account, First Bank": the two texts of an investment without their padding.
QString investmentName(const QString &type, const QString &institution);

// A change of one investment (add, edit, delete).
storage::ChangeDescription investmentChange(storage::ChangeKind kind, const QString &type, const QString &institution);
// A change of one data record, with its 1-based number within the investment and its date.
storage::ChangeDescription recordChange(storage::ChangeKind kind, const QString &type, const QString &institution,
                                        int record, const QDate &date);

// The number of data records in `recordLines`, a file of one investment's history lines (the
// main window's page file holds those of the investment shown), and the date of one of them.
// A file that cannot be read gives 0 and an invalid date: the words of a change are not worth
// stopping it for, nor worth another pass over the whole history.
int recordCountIn(const QString &recordLines);
QDate recordDateIn(const QString &recordLines, int record);

// One change under way. begin() before anything is written; commit() once the rewrite
// succeeded. Destroyed without commit(), the change is abandoned: the files are as before.
class KeptChange
{
public:
    KeptChange();
    ~KeptChange();
    KeptChange(const KeptChange &) = delete;
    KeptChange &operator=(const KeptChange &) = delete;

    // Keeps the state before. Raises RuntimeError (61 on a full disk ...) with nothing
    // changed; the caller shows it as it shows the rewrite's own errors.
    void begin(const storage::ChangeDescription &change);
    // Keeps the state after. The change is made whatever happens here: a failure is shown
    // in the standard error box, never raised.
    void commit();

private:
    struct State;
    std::unique_ptr<State> d;
};

} // namespace ui::versions
