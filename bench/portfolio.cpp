// The portfolio window opened on the folder: its one pass over every investment's records,
// the returns of each and of all of them, and the table and chart filled, compared with the
// grid's reload of the same folder.
#include "benchsupport.h"

#include "ui/main/frminvestdata.h"
#include "ui/portfolio/portfoliowindow.h"

#include <QCoreApplication>

namespace bench {

Operation portfolioOperation()
{
    return {"portfolio", "grid reload", [](long long lines) { loadWindow(workFolder(lines)); },
            [](long long) {
                const PortfolioWindow *window = PortfolioWindow::open(frmInvestData::instance());
                if (window->reading().portfolio.investments.size() != 100 || !window->reading().message.isEmpty())
                    die("the portfolio window did not read every investment");
            },
            [](long long) {
                // Closed, and deleted before the next opening, as a user closing it leaves it.
                PortfolioWindow::closeWindow();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }};
}

} // namespace bench
