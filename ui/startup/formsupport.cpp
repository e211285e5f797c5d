#include "ui/startup/formsupport.h"

#include "core/runtimeerror.h"
#include "platform/messagebox.h"
#include "ui/forms.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QScreen>
#include <QWidget>

namespace ui::forms {

namespace {

class StarEchoStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Queued, so an end before the event loop runs (during the start-up) is not lost.
// Quitting ends every event loop, a box's as well: never while a handler or a box
// is still under way.
void defaultEnd()
{
    ui::whenIdle(QCoreApplication::instance(), [] {
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
}

void (*g_endHandler)() = defaultEnd;

} // namespace

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->isVisible() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size().expandedTo(window->size());
    window->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

void useLayoutFont(QWidget *window)
{
    QFont font = window->font();
    font.setPointSize(8);
    window->setFont(font);
}

void fitLabelWidth(QLabel *label)
{
    const int needed = label->sizeHint().width();
    if (needed > label->width())
        label->resize(needed, label->height());
}

void useStarEcho(QLineEdit *box)
{
    auto *style = new StarEchoStyle;
    style->setParent(box); // a widget does not own the style it is given
    box->setStyle(style);
    box->setEchoMode(QLineEdit::Password);
}

void endProgram()
{
    ui::UnloadAllForms();
    g_endHandler();
}

void setEndHandler(void (*handler)())
{
    g_endHandler = handler ? handler : defaultEnd;
}

void guard(const std::function<void()> &handler)
{
    const ui::HandlerScope running;
    try {
        handler();
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
    } catch (const std::exception &error) {
        platform::showStandardError(51, QString::fromLocal8Bit(error.what()));
    }
}

} // namespace ui::forms
