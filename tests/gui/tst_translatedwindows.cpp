// Every window in every language the program speaks: no two controls of a window, and no two
// items of a menu, answer the same Alt key; a caption that had a key in English still has
// one; and no text is cut. Run a second time at 200 % scale. With PLUMBLINE_PICTURES=<folder>
// every window is saved there as a picture, one per language.
#include "captionchecks.h"
#include "everywindowtesting.h"

#include "platform/translations.h"

#include <QRegularExpression>
#include <QStyleFactory>
#include <QVBoxLayout>

namespace {

// Findings in English itself, left for a decision: each is reported as an expected failure
// while it persists, in every language whose text is still the English one.
struct KnownFinding
{
    const char *window;
    const char *finding; // how the finding starts, after "<language> <window>: "
};
const KnownFinding Known[] = {
    // The main window's layout is the classic one, which cannot change: its menu titles and
    // buttons have always shared these keys, and two captions are a few pixels short.
    {"frmInvestData", "Alt+D on '&Delete' and 'E&dit'"},
    {"frmInvestData", "Alt+F on '&First' and '&File'"},
    {"frmInvestData", "Alt+N on '&Next' and 'Add &New'"},
    {"frmInvestData", "Alt+P on '&Previous' and '&Print'"},
    {"frmInvestData", "lblInvestRecord 'Investment Record #:' needs"},
    {"frmInvestData", "lblHist 'Data' needs"},
    // The splash's fixed places are narrower than its captions in this font.
    {"frmPlSplash", "lblPlatform 'For Windows' needs"},
    {"frmPlSplash", "lblVersion '               Version 3.5' needs"},
    {"frmPlSplash", "lblCompany 'Quillmoor Software Inc.' needs"},
    {"frmPassword", "chkPasswordNo 'No Password' needs"},
};

// A translation in a place that cuts even the known English caption is held to the English: it
// may need no more room than the English does there.
bool noWiderThanEnglish(const QString &finding, const QString &window, const QStringList &englishProblems)
{
    static const QRegularExpression cut(QStringLiteral("^(\\S+) '.*' needs (\\d+) px (wide|high), has \\d+$"),
                                        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch translated = cut.match(finding);
    if (!translated.hasMatch())
        return false;
    for (const QString &problem : englishProblems) {
        const QString englishFinding = problem.section(QStringLiteral(": "), 1);
        const QRegularExpressionMatch english = cut.match(englishFinding);
        const bool known = std::any_of(std::cbegin(Known), std::cend(Known), [&](const KnownFinding &k) {
            return window == QLatin1String(k.window) && englishFinding.startsWith(QString::fromUtf8(k.finding));
        });
        if (known && english.hasMatch() && english.captured(1) == translated.captured(1) &&
            english.captured(3) == translated.captured(3) &&
            translated.captured(2).toInt() <= english.captured(2).toInt())
            return true;
    }
    return false;
}

double expectedScale()
{
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && factor > 0 ? factor : 1.0;
}

QString scaleSuffix()
{
    const double factor = expectedScale();
    return factor == 1.0 ? QString() : QStringLiteral("-%1").arg(qRound(factor * 100));
}

void savePicture(QWidget *window, const QString &language, const QString &name)
{
    const QString folder = qEnvironmentVariable("PLUMBLINE_PICTURES");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    const QString file = QStringLiteral("%1-%2%3.png").arg(language, QString(name).replace(u' ', u'-'), scaleSuffix());
    QVERIFY2(window->grab().save(QDir(folder).filePath(file)), qPrintable(file));
}

} // namespace

class tst_TranslatedWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void cleanup()
    {
        everywindow::closeFreeWindows();
        platform::removeTranslations();
    }

    void checkerFindsSharedKeysAndCutTexts();
    void everyWindow_data();
    void everyWindow();

private:
    struct Findings
    {
        QStringList problems;
        captions::EnglishKeys keyed;
        int windowsSeen = 0;
    };
    Findings inspect(const QString &language, const everywindow::Window &window);

    // The captions with a key in English, per window, from the English rows.
    QHash<QString, captions::EnglishKeys> m_english;
    QHash<QString, QStringList> m_englishProblems;
};

// The checks themselves, on a window made to break them.
void tst_TranslatedWindows::checkerFindsSharedKeysAndCutTexts()
{
    QWidget window;
    window.setObjectName(QStringLiteral("throwAway"));
    auto *layout = new QVBoxLayout(&window);
    auto *open = new QPushButton(QStringLiteral("&Open"), &window);
    auto *other = new QPushButton(QStringLiteral("&Other"), &window);
    auto *fine = new QPushButton(QStringLiteral("&Close"), &window);
    layout->addWidget(open);
    layout->addWidget(other);
    layout->addWidget(fine);
    auto *narrow = new QLabel(QStringLiteral("A caption far longer than its room"), &window);
    narrow->setObjectName(QStringLiteral("lblNarrow"));
    narrow->setGeometry(0, 100, 40, 20); // outside the layout, so nothing widens it
    auto *menus = new QMenuBar(&window);
    layout->setMenuBar(menus);
    QMenu *file = menus->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Save"));
    file->addAction(QStringLiteral("&Send"));
    menus->addMenu(QStringLiteral("&Edit"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QStringList cut = captions::cutTexts(QStringLiteral("en throwAway"), &window);
    QCOMPARE(cut.size(), 1);
    QVERIFY2(
        cut.first().startsWith(QStringLiteral("en throwAway: lblNarrow 'A caption far longer than its room' needs ")),
        qPrintable(cut.first()));
    QVERIFY2(cut.first().endsWith(QStringLiteral(" px wide, has 40")), qPrintable(cut.first()));

    const QList<captions::KeyScope> scopes = captions::keyScopes(&window);
    const QStringList keys = captions::accessKeyProblems(QStringLiteral("en throwAway"), scopes);
    QCOMPARE(keys, (QStringList{QStringLiteral("en throwAway: Alt+O on '&Open' and '&Other'"),
                                QStringLiteral("en throwAway menu File: Alt+S on '&Save' and '&Send'")}));

    // A caption that lost its key, and one that marks two.
    const captions::EnglishKeys english = captions::captionsWithKeys(scopes);
    QCOMPARE(english.size(), 7); // three buttons, two titles, two items
    fine->setText(QStringLiteral("Schließen"));
    other->setText(QStringLiteral("&Andere &Datei"));
    const QStringList lost =
        captions::accessKeyProblems(QStringLiteral("de throwAway"), captions::keyScopes(&window), &english);
    QVERIFY2(lost.contains(QStringLiteral("de throwAway: 'Schließen' has no access key (English '&Close')")),
             qPrintable(lost.join(u'\n')));
    QVERIFY2(lost.contains(QStringLiteral("de throwAway: '&Andere &Datei' marks 2 access keys")),
             qPrintable(lost.join(u'\n')));

    // "&&" is an ampersand shown, not a key.
    QCOMPARE(captions::accessKeys(QStringLiteral("Save && &Quit")), QList<QChar>{QLatin1Char('Q')});
}

void tst_TranslatedWindows::everyWindow_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("window");
    const QStringList languages = QStringList{QStringLiteral("en")} + platform::translatedLanguages();
    const QList<everywindow::Window> &all = everywindow::windows();
    for (const QString &language : languages) {
        for (int i = 0; i < all.size(); ++i)
            QTest::addRow("%s %s", qPrintable(language), qPrintable(all.at(i).name)) << language << i;
    }
}

tst_TranslatedWindows::Findings tst_TranslatedWindows::inspect(const QString &language,
                                                               const everywindow::Window &entry)
{
    Findings found;
    testing::AppFixture app;
    testing::ScriptedFileChooser files;
    // Texts are set as a window is built: the translator goes in first.
    if (language != QLatin1String("en"))
        platform::installTranslations(QLocale(language));
    const QString where = language + QLatin1Char(' ') + entry.name;
    everywindow::Session session{app, files};
    const QString failed = entry.open(session, [&](QWidget *window) {
        ++found.windowsSeen;
        if (!qFuzzyCompare(window->devicePixelRatio(), expectedScale()))
            found.problems << QStringLiteral("%1: drawn at %2 times, not %3")
                                  .arg(where)
                                  .arg(window->devicePixelRatio())
                                  .arg(expectedScale());
        const QList<captions::KeyScope> scopes = captions::keyScopes(window);
        if (language == QLatin1String("en"))
            found.keyed = captions::captionsWithKeys(scopes);
        found.problems << captions::accessKeyProblems(
            where, scopes, language == QLatin1String("en") ? nullptr : &m_english[entry.name]);
        found.problems << captions::cutTexts(where, window);
        savePicture(window, language, entry.name);
    });
    if (!failed.isEmpty())
        found.problems << where + QStringLiteral(": ") + failed;
    for (const platform::MessageBoxCall &call : app.boxes().calls())
        found.problems << where + QStringLiteral(": a box showed: ") + call.text;
    everywindow::closeFreeWindows();
    platform::removeTranslations();
    return found;
}

void tst_TranslatedWindows::everyWindow()
{
    QFETCH(QString, language);
    QFETCH(int, window);
    const everywindow::Window &entry = everywindow::windows().at(window);
    // A translated row run alone learns the English captions first.
    if (language != QLatin1String("en") && !m_english.contains(entry.name)) {
        const Findings english = inspect(QStringLiteral("en"), entry);
        m_english.insert(entry.name, english.keyed);
        m_englishProblems.insert(entry.name, english.problems);
    }
    const Findings found = inspect(language, entry);
    if (language == QLatin1String("en")) {
        m_english.insert(entry.name, found.keyed);
        m_englishProblems.insert(entry.name, found.problems);
    }
    QCOMPARE(found.windowsSeen, 1);

    QStringList problems;
    QStringList known;
    for (const QString &problem : found.problems) {
        const QString finding = problem.section(QStringLiteral(": "), 1);
        const bool isKnown = std::any_of(std::cbegin(Known), std::cend(Known),
                                         [&](const KnownFinding &k) {
                                             return entry.name == QLatin1String(k.window) &&
                                                    finding.startsWith(QString::fromUtf8(k.finding));
                                         }) ||
                             (language != QLatin1String("en") &&
                              noWiderThanEnglish(finding, entry.name, m_englishProblems.value(entry.name)));
        (isKnown ? known : problems) << problem;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(QLatin1Char('\n') + problems.join(QLatin1Char('\n'))));
    if (!known.isEmpty()) {
        QEXPECT_FAIL("", qPrintable(known.join(QStringLiteral("; "))), Continue);
        QVERIFY(known.isEmpty());
    }
}

QTEST_MAIN(tst_TranslatedWindows)
#include "tst_translatedwindows.moc"
