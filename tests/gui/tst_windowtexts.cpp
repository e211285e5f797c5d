// The chart, portfolio, report and price-index windows take every caption, label and title
// from the installed translation, under the context tr() asks for: a translator that marks
// whatever it is asked for shows the texts that bypass it.
#include "editingtesting.h"

#include "ui/chart/chartwindow.h"
#include "ui/index/aboutdialog.h"
#include "ui/index/importpriceindexdialog.h"
#include "ui/index/priceindexdialog.h"
#include "ui/portfolio/portfoliowindow.h"
#include "ui/report/reportdialog.h"

#include "markingtranslator.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

#include <functional>

namespace {

using testing::MarkingTranslator;

const QString Mark = MarkingTranslator::open();

bool hasLetter(const QString &text)
{
    for (const QChar c : text)
        if (c.isLetter())
            return true;
    return false;
}

// Texts of the window that no translation reaches: the product's name, data and file names.
QStringList unmarked(QWidget *window, const QStringList &dataLabels)
{
    QStringList found;
    const auto check = [&](const QString &where, const QString &text) {
        if (hasLetter(text) && !text.startsWith(Mark))
            found << where + QStringLiteral(": ") + text;
    };
    check(QStringLiteral("title"), window->windowTitle());
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!dataLabels.contains(label->objectName()))
            check(label->objectName(), label->text());
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        check(button->objectName(), button->text());
    for (QGroupBox *box : window->findChildren<QGroupBox *>())
        check(box->objectName(), box->title());
    return found;
}

} // namespace

class tst_WindowTexts : public QObject
{
    Q_OBJECT

private slots:
    void everyTextComesFromTheTranslation_data();
    void everyTextComesFromTheTranslation();
};

using Opener = std::function<QWidget *(QWidget *)>;
Q_DECLARE_METATYPE(Opener)

void tst_WindowTexts::everyTextComesFromTheTranslation_data()
{
    QTest::addColumn<Opener>("open");
    QTest::addColumn<QStringList>("dataLabels");
    QTest::addColumn<QString>("context");

    QTest::newRow("chart") << Opener([](QWidget *main) { return ChartWindow::open(main); })
                           << QStringList{QStringLiteral("lblReturns")} << QStringLiteral("ChartWindow");
    QTest::newRow("portfolio") << Opener([](QWidget *main) { return PortfolioWindow::open(main); })
                               << QStringList{QStringLiteral("lblNote")} << QStringLiteral("PortfolioModel");
    QTest::newRow("report") << Opener([](QWidget *main) { return ui::report::ReportDialog::open(main, 1); })
                            << QStringList() << QStringLiteral("ui::report::ReportDialog");
    QTest::newRow("about") << Opener([](QWidget *main) { return new ui::index::AboutDialog(main); })
                           << QStringList{QStringLiteral("lblProduct"), QStringLiteral("lblSources")}
                           << QStringLiteral("ui::index::AboutDialog");
    QTest::newRow("price index") << Opener([](QWidget *main) { return new ui::index::PriceIndexDialog(main); })
                                 << QStringList{QStringLiteral("lblSource")}
                                 << QStringLiteral("ui::index::PriceIndexDialog");
    QTest::newRow("import price index") << Opener([](QWidget *main) {
        return new ui::index::ImportPriceIndexDialog(main, QStringLiteral("/tmp/cpi.csv"));
    }) << QStringList() << QStringLiteral("ui::index::ImportPriceIndexDialog");
}

void tst_WindowTexts::everyTextComesFromTheTranslation()
{
    QFETCH(Opener, open);
    QFETCH(QStringList, dataLabels);
    QFETCH(QString, context);

    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    {
        testing::AppFixture app;
        app.writeInvestments({{QStringLiteral("Growth Fund"), QStringLiteral("First Bank")}});
        app.writeHistory({edtest::historyLine(1, "2001-01-02", "1000", "1000", "0"),
                          edtest::historyLine(1, "2002-01-02", "1000", "1100", "2.5")});
        frmInvestData *main = app.startMainWindow();
        QVERIFY(main);
        QWidget *window = open(main);
        QVERIFY(window);
        window->show();
        QCoreApplication::processEvents();
        const QStringList left = unmarked(window, dataLabels);
        window->close();
        QCoreApplication::removeTranslator(&translator);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
        QVERIFY2(translator.contexts.contains(context), qPrintable(translator.contexts.join(QLatin1String(", "))));
    }
    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(tst_WindowTexts)
#include "tst_windowtexts.moc"
