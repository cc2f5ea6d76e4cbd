// The windows on high-density screens. CTest runs this program with
// QT_SCALE_FACTOR 2, 3, 1.5 and 1.25: the design is in twips, so the main
// window must scale as a whole, with every control inside its container,
// none over another, every text of every window whole, and the pictures
// drawn from their denser renderings, not stretched.

#include "CaptionFit.h"
#include "frmAbout.h"
#include "frmInstructions.h"
#include "frmMRVDate.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

QString describe(const QWidget* w)
{
    return QStringLiteral("%1 '%2'").arg(QLatin1String(w->metaObject()->className()), w->objectName());
}

QString describe(const QRect& r)
{
    return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The caption as drawn: access-key ampersands are not shown.
QString shownText(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
}

// The part of a control that paints, in its parent's coordinates. A
// borderless label paints only its text; its box may touch a neighbour, as
// the design's prefix label touches the date box.
QRect paintedRect(const QWidget* w)
{
    const auto* label = qobject_cast<const QLabel*>(w);
    if (label && label->frameShape() == QFrame::NoFrame && label->pixmap().isNull()) {
        if (label->text().isEmpty())
            return {};
        QRect text = w->style()->itemTextRect(label->fontMetrics(), label->contentsRect(), label->alignment(),
                                              label->isEnabled(), shownText(label->text()));
        return text.translated(w->pos());
    }
    return w->geometry();
}

QList<QWidget*> visibleChildren(const QWidget* parent)
{
    QList<QWidget*> children;
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && child->isVisible())
            children.append(child);
    }
    return children;
}

class HighDpiTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<frmMRVDate>();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // Every visible control with the window as the root, window excluded.
    QList<QWidget*> controls() const
    {
        QList<QWidget*> all;
        QList<QWidget*> pending{window.get()};
        while (!pending.isEmpty()) {
            const QList<QWidget*> children = visibleChildren(pending.takeFirst());
            all += children;
            pending += children;
        }
        return all;
    }

    std::unique_ptr<frmMRVDate> window;
};

// The scale CTest gives this run.
qreal scale()
{
    return qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
}

TEST_F(HighDpiTest, RunsAtTheScaleFactorGiven)
{
    ASSERT_GT(scale(), 1.0) << "run this test through CTest";
    EXPECT_EQ(window->devicePixelRatio(), scale());
    EXPECT_EQ(window->windowHandle()->devicePixelRatio(), scale());
}

TEST_F(HighDpiTest, WindowRendersAtItsScale)
{
    // Logical sizes stay the design's; only the pixels grow.
    ASSERT_EQ(window->centralWidget()->size(), QSize(492, 187));
    const QPixmap shot = window->grab();
    EXPECT_EQ(shot.devicePixelRatio(), scale());
    EXPECT_EQ(shot.size(), (QSizeF(window->size()) * scale()).toSize());
    if (const QByteArray path = qgetenv("MRV_HIGHDPI_PNG"); !path.isEmpty()) {
        EXPECT_TRUE(shot.save(QString::fromLocal8Bit(path)));
    }
}

TEST_F(HighDpiTest, EveryControlLiesInsideItsContainer)
{
    const QList<QWidget*> all = controls();
    ASSERT_GT(all.size(), 10);
    for (const QWidget* w : all) {
        const QWidget* parent = w->parentWidget();
        EXPECT_TRUE(parent->rect().contains(w->geometry()))
            << qPrintable(describe(w)) << " at " << qPrintable(describe(w->geometry())) << " sticks out of "
            << qPrintable(describe(parent)) << " " << qPrintable(describe(parent->rect()));
    }
}

TEST_F(HighDpiTest, NoControlCoversAnother)
{
    QList<const QWidget*> containers{window.get()};
    for (const QWidget* w : controls())
        containers.append(w);
    for (const QWidget* container : containers) {
        const QList<QWidget*> children = visibleChildren(container);
        QRect caption;
        if (const auto* frame = qobject_cast<const QGroupBox*>(container)) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            caption =
                frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        }
        for (qsizetype i = 0; i < children.size(); ++i) {
            const QRect a = paintedRect(children[i]);
            EXPECT_FALSE(a.intersects(caption))
                << qPrintable(describe(children[i])) << " covers the caption of "
                << qPrintable(describe(container));
            for (qsizetype j = i + 1; j < children.size(); ++j) {
                EXPECT_FALSE(a.intersects(paintedRect(children[j])))
                    << qPrintable(describe(children[i])) << " " << qPrintable(describe(a)) << " overlaps "
                    << qPrintable(describe(children[j])) << " "
                    << qPrintable(describe(paintedRect(children[j])));
            }
        }
    }
}

TEST_F(HighDpiTest, PicturesArePaintedFromTheRenderingForTheScale)
{
    // 2x for 1.25 to 2: Qt scales it down between, so pixels compare at 2 only.
    const int drawnAt = static_cast<int>(std::ceil(scale()));
    auto* picture = window->findChild<QLabel*>(QStringLiteral("imgMain"));
    ASSERT_NE(picture, nullptr);
    frmAbout about;
    for (const QLabel* label : {picture, about.findChild<QLabel*>(QStringLiteral("Image1"))}) {
        EXPECT_EQ(label->pixmap().devicePixelRatio(), drawnAt) << qPrintable(describe(label));
        EXPECT_EQ(label->pixmap().size(), label->contentsRect().size() * drawnAt)
            << qPrintable(describe(label));
    }
    const QImage drawn =
        QImage(QStringLiteral(":/pictures/library%1@%2x.png").arg(window->shownPictureIndex()).arg(drawnAt))
            .convertToFormat(QImage::Format_RGB32);
    const QImage shot = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (scale() == drawnAt) {
        EXPECT_EQ(shot.copy(QRect(picture->contentsRect().topLeft() * drawnAt, drawn.size())), drawn);
    }
}

TEST_F(HighDpiTest, EveryTextIsWhole)
{
    // A result line, so the result box is measured with text in it.
    auto* date = window->findChild<QLineEdit*>(QStringLiteral("txtInputBox"));
    ASSERT_NE(date, nullptr);
    QTest::keyClicks(date, QStringLiteral("361.98"));
    QTest::keyClick(date, Qt::Key_Return);
    auto* result = window->findChild<QLabel*>(QStringLiteral("lblDateBox"));
    ASSERT_NE(result, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !result->text().isEmpty(); }));

    frmInstructions instructions;
    frmAbout about;
    for (QWidget* w : {static_cast<QWidget*>(window.get()), static_cast<QWidget*>(&instructions),
                       static_cast<QWidget*>(&about)}) {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        for (const std::string& misfit : mrv::test::captionMisfits(w))
            ADD_FAILURE() << misfit;
    }
}

} // namespace
