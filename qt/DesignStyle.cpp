#include "DesignStyle.h"

#include "DesignFont.h"
#include "Pictures.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <qdrawutil.h>

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

} // namespace

void applyApplicationStyle(QApplication& app)
{
    app.setStyle(new DesignStyle);
    app.setFont(designFont());
}

} // namespace mrv::ui
