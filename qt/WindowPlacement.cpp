#include "WindowPlacement.h"

#include "WindowFrame.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace mrv::ui {

namespace {

// The frame (title bar and borders) around a window about to be shown.
// Some platforms know it once the native window exists; on X11 the window
// manager is asked; failing that it is borrowed from a window already
// framed; with no frame known, the window is its own outer size.
QMargins expectedFrame(QWidget* w)
{
    (void)w->winId(); // makes the native window, whose frame some platforms know now
    QWindow* handle = w->windowHandle();
    QMargins frame = handle ? handle->frameMargins() : QMargins();
    if (frame.isNull())
        frame = frameFromWindowManager(handle);
    if (frame.isNull()) {
        for (const QWidget* top : QApplication::topLevelWidgets()) {
            if (top == w || !top->isVisible())
                continue;
            const QRect outer = top->frameGeometry();
            const QRect inner = top->geometry();
            frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
            if (!frame.isNull())
                break;
        }
    }
    return frame;
}

} // namespace

void centreOnScreen(QWidget* window, CentreOrder order)
{
    // A Wayland client cannot place its windows: the compositor does.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    const QWidget* active = QApplication::activeWindow();
    const QScreen* screen = active ? active->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QMargins frame = expectedFrame(window);
    const QSize outer = window->size().grownBy(frame);
    const int left = area.left() + (area.width() - outer.width()) / 2;
    const int top = area.top() + (area.height() - outer.height()) / 2;
    // Placed by its inner geometry, the frame's offset added here: before
    // the first show the toolkit may not know the frame yet, and a move to
    // an outer position would then place the inner window there.
    const auto setLeft = [&](int x) {
        window->setGeometry(QRect({x + frame.left(), window->geometry().y()}, window->size()));
    };
    const auto setTop = [&](int y) {
        window->setGeometry(QRect({window->geometry().x(), y + frame.top()}, window->size()));
    };
    if (order == CentreOrder::LeftFirst) {
        setLeft(left);
        setTop(top);
    } else {
        setTop(top);
        setLeft(left);
    }
}

} // namespace mrv::ui
