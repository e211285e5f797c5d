#pragma once

// What a screen reader finds in a window: every control the program made, each with a
// name and a description. Shared by the tests of the specified and the added windows.

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QtTest>

namespace a11ytest {

inline bool insideCompoundControl(QWidget *w, QWidget *window)
{
    // The parts of a list box or text area are spoken as the control they belong to, and
    // Qt's own helpers (the overflow button of a toolbar) as Qt names them.
    for (QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        if (qobject_cast<QComboBox *>(p) || qobject_cast<QPlainTextEdit *>(p) ||
            p->objectName().startsWith(QLatin1String("qt_")))
            return true;
    }
    return false;
}

// The controls of a window: every widget the program named, every button (the toolbar's
// too) and every menu; not Qt's own inner parts.
inline QList<QWidget *> controls(QWidget *window)
{
    QList<QWidget *> found;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        const QString name = w->objectName();
        if (name.startsWith(QLatin1String("qt_")) || name == QLatin1String("client") ||
            insideCompoundControl(w, window))
            continue;
        // A menu without a title is the menu bar's overflow list, shown only when the bar is too narrow.
        const auto *menu = qobject_cast<QMenu *>(w);
        if (menu && menu->title().isEmpty())
            continue;
        if (!name.isEmpty() || qobject_cast<QAbstractButton *>(w) || menu || qobject_cast<QMenuBar *>(w))
            found << w;
    }
    return found;
}

inline QString spoken(QWidget *w, QAccessible::Text kind)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
    return iface ? iface->text(kind).trimmed() : QString();
}

struct Checked
{
    QStringList windows;
    QStringList problems;

    void check(QWidget *window)
    {
        QVERIFY(window);
        windows << window->objectName();
        int count = 0;
        QList<QWidget *> all = controls(window);
        all << window;
        for (QWidget *w : all) {
            ++count;
            const QString where =
                window->objectName() + QLatin1Char('.') +
                (w->objectName().isEmpty() ? QLatin1String(w->metaObject()->className()) : w->objectName());
            if (spoken(w, QAccessible::Name).isEmpty())
                problems << where + QStringLiteral(": no name");
            if (spoken(w, QAccessible::Description).isEmpty())
                problems << where + QStringLiteral(": no description");
        }
        QVERIFY2(count > 2, qPrintable(window->objectName()));
    }
};

} // namespace a11ytest
