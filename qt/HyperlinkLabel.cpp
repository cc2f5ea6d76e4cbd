#include "HyperlinkLabel.h"

#include "Contrast.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>

namespace mrv::ui {

namespace {

class HyperlinkAccessible final : public QAccessibleWidget {
public:
    explicit HyperlinkAccessible(HyperlinkLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction())
            static_cast<HyperlinkLabel*>(widget())->click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* hyperlinkAccessibleFactory(const QString&, QObject* object)
{
    if (auto* label = qobject_cast<HyperlinkLabel*>(object))
        return new HyperlinkAccessible(label);
    return nullptr;
}

// What normal-sized text needs to read well.
constexpr double kReadableContrast = 4.5;

} // namespace

HyperlinkLabel::HyperlinkLabel(QWidget* parent) : QLabel(parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(hyperlinkAccessibleFactory), true);
    (void)factoryInstalled;
}

void HyperlinkLabel::setLinkColour(const QColor& colour)
{
    linkColour_ = colour;
    recolour();
}

void HyperlinkLabel::recolour()
{
    if (!linkColour_.isValid() || recolouring_)
        return;
    recolouring_ = true;
    QPalette p = palette();
    const QColor background = p.color(backgroundRole());
    const QColor desktopLink = p.color(QPalette::Link);
    QColor colour = linkColour_;
    if (contrast(colour, background) < kReadableContrast &&
        contrast(desktopLink, background) > contrast(colour, background))
        colour = desktopLink;
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
    recolouring_ = false;
}

void HyperlinkLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    // The desktop's colours changed (a dark palette chosen, say).
    if (event->type() == QEvent::PaletteChange)
        recolour();
}

void HyperlinkLabel::click()
{
    emit clicked();
}

bool HyperlinkLabel::takeLeftButton(QMouseEvent* event, bool armed)
{
    if (event->button() != Qt::LeftButton)
        return false;
    pressed_ = armed;
    event->accept();
    return true;
}

void HyperlinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (!takeLeftButton(event, true))
        QLabel::mousePressEvent(event);
}

void HyperlinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    const bool inside = rect().contains(event->position().toPoint());
    const bool wasPressed = pressed_;
    pressed_ = false;
    event->accept();
    if (wasPressed && inside)
        click();
}

void HyperlinkLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click arrives before this event; its
    // release is no new click.
    if (!takeLeftButton(event, false))
        QLabel::mouseDoubleClickEvent(event);
}

} // namespace mrv::ui
