#include "UiStyle.h"

#include "WindowFrame.h"

#include <QApplication>
#include <QColor>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>
#include <QWindow>

#include <qdrawutil.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace mrv::ui {

namespace {

// Fusion's own pictures, read with their format named. Fusion reads them
// without one, which makes the image reader load every installed image
// plugin to ask about the file before the first paint.
const QString kStockImages = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");

constexpr int kGroupBoxTopMargin = 3;

// An icon of Fusion's 8, 16 and 32 pixel pictures (the %1 of `pattern`),
// read when it is first drawn or measured.
class StockIcon : public QIconEngine {
public:
    explicit StockIcon(QString pattern) : pattern_(std::move(pattern)) {}

    QIconEngine* clone() const override { return new StockIcon(*this); }
    QString key() const override { return QStringLiteral("mrv-stock"); }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }

private:
    const QIcon& icon()
    {
        if (icon_.isNull()) {
            for (int size : {8, 16, 32})
                icon_.addPixmap(loadPicture(pattern_.arg(size)));
        }
        return icon_;
    }

    QString pattern_;
    QIcon icon_;
};

class DesignStyle : public QProxyStyle {
public:
    DesignStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    // The menu bar asks for its overflow button's icon when it is made,
    // although the button shows only when the menus do not fit: the icon
    // reads its pictures when first drawn.
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override
    {
        if (icon != SP_ToolBarHorizontalExtensionButton)
            return QProxyStyle::standardIcon(icon, option, widget);
        const bool rtl = option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
        return QIcon(new StockIcon(kStockImages + (rtl ? QStringLiteral("toolbar-ext-h-rtl-%1.png")
                                                       : QStringLiteral("toolbar-ext-h-%1.png"))));
    }

    // The frame of a group box: Fusion's picture drawn as Fusion draws it.
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element != PE_FrameGroupBox) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        if (groupBoxFrame_.isNull())
            groupBoxFrame_ = loadPicture(kStockImages + QStringLiteral("fusion_groupbox.png"));
        // Below the title, measured with Fusion's own indicator height.
        int topMargin = kGroupBoxTopMargin;
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        if (!box || box->isCheckable() || !box->title().isEmpty())
            topMargin +=
                qMax(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
        qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), QMargins(6, 6, 6, 6),
                          groupBoxFrame_);
    }

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

    // Dialog buttons are plain, whatever the platform theme suggests, so a
    // message box's OK looks like the windows' own OK buttons.
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    mutable QPixmap groupBoxFrame_;
};

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

QPixmap loadPicture(const QString& resourcePath)
{
    QImageReader reader(resourcePath, QFileInfo(resourcePath).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

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
    // Every property counts as set, so none of a platform theme's general or
    // per-class fonts (style name, stretch, spacing, hinting...) shows
    // through in the controls that inherit this font.
    f.setResolveMask(QFont::AllPropertiesResolved);
    return f;
}

void applyApplicationStyle(QApplication& app)
{
    app.setStyle(new DesignStyle);
    app.setFont(designFont());
}

double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace mrv::ui
