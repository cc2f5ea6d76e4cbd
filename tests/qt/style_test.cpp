// The application style reads Fusion's own pictures itself (with their
// format named), and must draw them exactly as Fusion does.
#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(DesignStyle, DrawsTheGroupBoxFrameAsFusionDoes)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_NE(fusion, nullptr);
    for (const QString& title : {QStringLiteral("Enter &date to convert"), QString()}) {
        SCOPED_TRACE(title.toStdString());
        QGroupBox box(title);
        box.resize(353, 105);
        QStyleOptionGroupBox option;
        option.initFrom(&box);
        option.text = box.title();
        const auto draw = [&](const QStyle* style) {
            QImage image(box.size(), QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            style->drawPrimitive(QStyle::PE_FrameGroupBox, &option, &painter, &box);
            return image;
        };
        const QImage drawn = draw(QApplication::style());
        EXPECT_EQ(drawn, draw(fusion.get()));
        EXPECT_NE(drawn.pixel(box.width() / 2, box.height() - 1), 0U) << "no bottom edge drawn";
    }
}

TEST(DesignStyle, GivesTheMenuBarFusionsOverflowIcon)
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    ASSERT_NE(fusion, nullptr);
    for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        SCOPED_TRACE(direction);
        QStyleOption option;
        option.direction = direction;
        const QIcon ours =
            QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &option);
        const QIcon stock = fusion->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &option);
        ASSERT_EQ(ours.availableSizes(), stock.availableSizes());
        ASSERT_EQ(stock.availableSizes().size(), 3);
        for (const QSize& size : stock.availableSizes())
            EXPECT_EQ(ours.pixmap(size).toImage(), stock.pixmap(size).toImage()) << size.width();
    }
}

} // namespace
