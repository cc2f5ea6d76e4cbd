#include "DialogTestSupport.h"

#include "QtTestHelpers.h"
#include "frmAbout.h"
#include "frmInstructions.h"

#include <QtTest/QTest>

namespace mrv::test {

const DialogKind& instructionsKind()
{
    static const DialogKind kind{"Instructions", [] { return std::make_unique<frmInstructions>(); }};
    return kind;
}

const DialogKind& aboutKind()
{
    static const DialogKind kind{"About", [] { return std::make_unique<frmAbout>(); }};
    return kind;
}

bool runModal(const DialogKind& kind, const std::function<void(QDialog&)>& whileOpen)
{
    bool active = false;
    answerNextModal(
        [&] {
            std::unique_ptr<QDialog> dialog = kind.make();
            dialog->exec();
        },
        [&](QWidget* modal) {
            auto* dialog = qobject_cast<QDialog*>(modal);
            active = dialog && QTest::qWaitForWindowActive(dialog);
            if (active)
                whileOpen(*dialog);
            if (modal->isVisible())
                modal->close();
        });
    return active;
}

bool waitClosed(QDialog& dialog)
{
    return QTest::qWaitFor([&] { return !dialog.isVisible(); });
}

namespace {
QPoint inWindow(QWidget* widget, QPoint at)
{
    if (at.isNull())
        at = widget->rect().center();
    return widget->mapTo(widget->window(), at);
}
} // namespace

void click(QWidget* widget, Qt::MouseButton button, QPoint at)
{
    QTest::mouseClick(widget->window()->windowHandle(), button, {}, inWindow(widget, at));
}

void doubleClick(QWidget* widget, QPoint at)
{
    QTest::mouseDClick(widget->window()->windowHandle(), Qt::LeftButton, {}, inWindow(widget, at));
}

void press(QWidget* widget, QPoint at)
{
    QTest::mousePress(widget->window()->windowHandle(), Qt::LeftButton, {}, inWindow(widget, at));
}

void release(QWidget* widget, QPoint at)
{
    QTest::mouseRelease(widget->window()->windowHandle(), Qt::LeftButton, {}, inWindow(widget, at));
}

} // namespace mrv::test
