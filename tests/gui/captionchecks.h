#pragma once

// What a translation can spoil in a window: two controls answering the same Alt key, a
// caption that lost its key, and a text longer than the room the layout gives it. Shared by
// the tests of the translated windows; each check returns every problem it finds, one line
// each, so that one failure lists them all.

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextDocument>
#include <QToolBar>

namespace captions {

// The keys a caption marks: the character after every '&' that is not doubled.
inline QList<QChar> accessKeys(const QString &text)
{
    QList<QChar> keys;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&'))
            keys << text.at(i + 1).toUpper();
        ++i;
    }
    return keys;
}

inline QString nameOf(const QObject *o)
{
    return o->objectName().isEmpty() ? QLatin1String(o->metaObject()->className()) : o->objectName();
}

// A control's place in its window, the same in every language: the names (or classes and
// positions among their like) of the objects from the window down.
inline QString placeOf(const QObject *o, const QObject *window)
{
    QStringList parts;
    for (; o && o != window; o = o->parent()) {
        QString part = nameOf(o);
        if (o->objectName().isEmpty() && o->parent()) {
            int index = 0;
            for (const QObject *sibling : o->parent()->children()) {
                if (sibling == o)
                    break;
                if (sibling->metaObject() == o->metaObject())
                    ++index;
            }
            part += QLatin1Char('#') + QString::number(index);
        }
        parts.prepend(part);
    }
    return parts.join(QLatin1Char('/'));
}

// A caption that takes an access key, under its place in the window.
struct Caption
{
    QString place;
    QString text;
};

// The captions one Alt key is looked for among: the window's controls, or one menu's items.
struct KeyScope
{
    QString name; // "" for the window itself, else the menu's path ("File > Import")
    QList<Caption> captions;
};

inline bool internalPart(const QWidget *w, const QWidget *window)
{
    for (const QWidget *p = w; p && p != window; p = p->parentWidget()) {
        if (p->objectName().startsWith(QLatin1String("qt_")))
            return true;
    }
    return false;
}

// An item's place among the items of its menu or bar.
inline QString actionPlace(const QList<QAction *> &actions, const QAction *action)
{
    return action->objectName().isEmpty() ? QStringLiteral("item#%1").arg(actions.indexOf(action))
                                          : action->objectName();
}

inline void addMenu(QList<KeyScope> &scopes, QMenu *menu, const QString &path, const QObject *window)
{
    KeyScope scope{path, {}};
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (action->isSeparator() || !action->isVisible())
            continue;
        scope.captions << Caption{placeOf(menu, window) + QLatin1Char('>') + actionPlace(actions, action),
                                  action->text()};
        if (action->menu())
            addMenu(scopes, action->menu(), path + QStringLiteral(" > ") + QString(action->text()).remove(u'&'),
                    window);
    }
    scopes << scope;
}

// Every caption of the window that takes an access key, by where the key is looked for.
// Only what the window shows counts: a hidden control's key does nothing.
inline QList<KeyScope> keyScopes(QWidget *window)
{
    QList<KeyScope> scopes; // the menus'
    QList<Caption> own;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (!w->isVisibleTo(window) || internalPart(w, window) || w->window() != window)
            continue;
        const QString place = placeOf(w, window);
        if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            // A toolbar's buttons show their action's text without its key.
            if (!qobject_cast<QToolBar *>(w->parentWidget()))
                own << Caption{place, button->text()};
        } else if (auto *box = qobject_cast<QGroupBox *>(w)) {
            own << Caption{place, box->title()};
        } else if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->buddy() && label->textFormat() != Qt::RichText &&
                !(label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text())))
                own << Caption{place, label->text()};
        } else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->isTabVisible(i))
                    own << Caption{place + QLatin1Char('>') + QString::number(i), tabs->tabText(i)};
            }
        } else if (auto *bar = qobject_cast<QMenuBar *>(w)) {
            const QList<QAction *> actions = bar->actions();
            for (QAction *action : actions) {
                if (action->isSeparator() || !action->isVisible())
                    continue;
                own << Caption{place + QLatin1Char('>') + actionPlace(actions, action), action->text()};
                if (action->menu())
                    addMenu(scopes, action->menu(), QString(action->text()).remove(u'&'), window);
            }
        }
    }
    scopes.prepend(KeyScope{QString(), own});
    return scopes;
}

// The captions that had an access key in English, by place, with their English text.
using EnglishKeys = QHash<QString, QString>;

inline EnglishKeys captionsWithKeys(const QList<KeyScope> &scopes)
{
    EnglishKeys keyed;
    for (const KeyScope &scope : scopes) {
        for (const Caption &caption : scope.captions) {
            if (!accessKeys(caption.text).isEmpty())
                keyed.insert(caption.place, caption.text);
        }
    }
    return keyed;
}

// No two captions of one scope share a key; no caption marks two; and, given the English
// captions, every one that had a key still has exactly one.
// Lines read "de frmInvestData: Alt+D on '&Datei' and '&Daten'".
inline QStringList accessKeyProblems(const QString &where, const QList<KeyScope> &scopes,
                                     const EnglishKeys *english = nullptr)
{
    QStringList problems;
    for (const KeyScope &scope : scopes) {
        const QString in = scope.name.isEmpty() ? where : where + QStringLiteral(" menu ") + scope.name;
        QMap<QChar, QStringList> byKey;
        for (const Caption &caption : scope.captions) {
            const QList<QChar> keys = accessKeys(caption.text);
            if (keys.size() > 1)
                problems << QStringLiteral("%1: '%2' marks %3 access keys").arg(in, caption.text).arg(keys.size());
            if (!keys.isEmpty())
                byKey[keys.first()] << QLatin1Char('\'') + caption.text + QLatin1Char('\'');
            if (english && english->contains(caption.place) && keys.isEmpty())
                problems << QStringLiteral("%1: '%2' has no access key (English '%3')")
                                .arg(in, caption.text, english->value(caption.place));
        }
        for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
            if (it.value().size() > 1)
                problems << QStringLiteral("%1: Alt+%2 on %3")
                                .arg(in, QString(it.key()), it.value().join(QStringLiteral(" and ")));
        }
    }
    return problems;
}

namespace detail {

// The room a header section's text and margins ask for, as the header itself works it out.
struct HeaderAccess : QHeaderView
{
    using QHeaderView::sectionSizeFromContents;
};

inline QString cut(const QString &where, const QWidget *w, const QString &text, int needed, int actual,
                   const char *unit = "wide")
{
    return QStringLiteral("%1: %2 '%3' needs %4 px %5, has %6")
        .arg(where, nameOf(w), text)
        .arg(needed)
        .arg(QLatin1String(unit))
        .arg(actual);
}

inline int groupBoxTitleWidth(const QGroupBox *box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    if (box->isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    const QFontMetrics metrics = box->fontMetrics();
    int width = metrics.horizontalAdvance(QString(box->title()).remove(u'&') + QLatin1Char(' '));
    if (box->isCheckable())
        width += box->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, box) +
                 box->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box);
    return box->style()->sizeFromContents(QStyle::CT_GroupBox, &option, QSize(width, metrics.height()), box).width();
}

// The room a push button's text, icon and frame ask for. Its size hint is no measure: the
// style widens every captioned push button to 80 px however short its text.
inline int pushButtonWidth(const QPushButton *button)
{
    const QStyle *style = button->style();
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    int width = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
    if (!button->icon().isNull())
        width += button->iconSize().width() + 4;
    width += style->pixelMetric(QStyle::PM_ButtonMargin, &option, button) +
             2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
    if (button->autoDefault() || button->isDefault())
        width += 2 * style->pixelMetric(QStyle::PM_ButtonDefaultIndicator, &option, button);
    return width;
}

inline int comboItemWidth(const QComboBox *combo, int index)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.currentText = combo->itemText(index);
    int width = combo->fontMetrics().horizontalAdvance(combo->itemText(index));
    if (!combo->itemIcon(index).isNull())
        width += combo->iconSize().width() + 4;
    return combo->style()
        ->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(width, combo->fontMetrics().height()), combo)
        .width();
}

} // namespace detail

// Every text the window shows whole: labels, buttons, group box titles, header sections and
// the items of a combo box of fixed width. Lines name the control, its text, and the room it
// needs and has.
inline QStringList cutTexts(const QString &where, QWidget *window)
{
    QStringList problems;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (!w->isVisible() || internalPart(w, window) || w->window() != window)
            continue;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->text().isEmpty())
                continue;
            if (label->wordWrap()) {
                const int needed = label->heightForWidth(label->width());
                if (needed > label->height())
                    problems << detail::cut(where, w, label->text(), needed, label->height(), "high");
            } else if (label->sizeHint().width() > label->width()) {
                problems << detail::cut(where, w, label->text(), label->sizeHint().width(), label->width());
            }
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            auto *push = qobject_cast<QPushButton *>(w);
            const int needed = push ? detail::pushButtonWidth(push) : button->sizeHint().width();
            if (!button->text().isEmpty() && needed > button->width())
                problems << detail::cut(where, w, button->text(), needed, button->width());
        } else if (auto *box = qobject_cast<QGroupBox *>(w)) {
            const int needed = detail::groupBoxTitleWidth(box);
            if (!box->title().isEmpty() && needed > box->width())
                problems << detail::cut(where, w, box->title(), needed, box->width());
        } else if (auto *header = qobject_cast<QHeaderView *>(w)) {
            const auto sizeFromContents = &detail::HeaderAccess::sectionSizeFromContents;
            for (int logical = 0; header->model() && logical < header->count(); ++logical) {
                if (header->isSectionHidden(logical))
                    continue;
                const QString text = header->model()->headerData(logical, header->orientation()).toString();
                if (text.isEmpty())
                    continue;
                const QSize needed = (header->*sizeFromContents)(logical);
                const int has =
                    header->orientation() == Qt::Horizontal ? header->sectionSize(logical) : header->width();
                if (needed.width() > has)
                    problems << detail::cut(where, w, text, needed.width(), has);
            }
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            const bool fixed = combo->minimumWidth() == combo->maximumWidth() ||
                               combo->sizePolicy().horizontalPolicy() == QSizePolicy::Fixed;
            for (int i = 0; fixed && i < combo->count(); ++i) {
                const int needed = detail::comboItemWidth(combo, i);
                if (needed > combo->width())
                    problems << detail::cut(where, w, combo->itemText(i), needed, combo->width());
            }
        }
    }
    return problems;
}

} // namespace captions
