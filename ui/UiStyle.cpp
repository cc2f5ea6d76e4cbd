#include "UiStyle.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QImageReader>
#include <QPixmap>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QWidget>
#include <QWindow>

namespace mrv::ui {

namespace {

class DesignStyle : public QProxyStyle {
public:
    DesignStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
            return 13;
        case PM_RadioButtonLabelSpacing:
        case PM_CheckBoxLabelSpacing:
            return 2;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

// Outer size, frame and title bar included. Some platforms know the frame
// once the native window exists; others only after the first showing, and
// then it is borrowed from a visible window.
QSize outerSize(QWidget* w)
{
    (void)w->winId(); // makes the native window, whose frame some platforms know now
    QMargins frame;
    if (const QWindow* handle = w->windowHandle())
        frame = handle->frameMargins();
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
    return w->size().grownBy(frame);
}

} // namespace

QPixmap loadPicture(const QString& resourcePath)
{
    QImageReader reader(resourcePath, QFileInfo(resourcePath).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

void centreOnScreen(QWidget* window, CentreOrder order)
{
    const QWidget* active = QApplication::activeWindow();
    const QScreen* screen = active ? active->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize outer = outerSize(window);
    const int left = area.left() + (area.width() - outer.width()) / 2;
    const int top = area.top() + (area.height() - outer.height()) / 2;
    if (order == CentreOrder::LeftFirst) {
        window->move(left, window->y());
        window->move(window->x(), top);
    } else {
        window->move(window->x(), top);
        window->move(left, window->y());
    }
}

QString designFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString& wanted : {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")}) {
            if (installed.contains(wanted, Qt::CaseInsensitive))
                return wanted;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont designFont(qreal pointSize, bool bold)
{
    QFont f(designFamily());
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

void applyApplicationStyle(QApplication& app)
{
    app.setStyle(new DesignStyle);
    app.setFont(designFont());
}

} // namespace mrv::ui
