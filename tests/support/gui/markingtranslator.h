#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace testing {

// A translation into no language: every text comes back between ⟦ and ⟧, Qt's own standard
// buttons' too, so a test sees which texts went through translation and which did not. It also
// records the contexts it was asked for.
class MarkingTranslator : public QTranslator
{
public:
    static QString open() { return QStringLiteral("\u27e6"); }
    static QString close() { return QStringLiteral("\u27e7"); }

    mutable QStringList contexts;

    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        const QString name = QString::fromUtf8(context);
        if (!contexts.contains(name))
            contexts << name;
        return open() + QString::fromUtf8(sourceText) + close();
    }
};

} // namespace testing
