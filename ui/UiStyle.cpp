#include "UiStyle.h"

#include <QApplication>
#include <QFontDatabase>
#include <QProxyStyle>
#include <QStyleFactory>

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

} // namespace

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

QStyle* createDesignStyle()
{
    return new DesignStyle;
}

void applyApplicationStyle(QApplication& app)
{
    app.setStyle(createDesignStyle());
    app.setFont(designFont());
}

} // namespace mrv::ui
