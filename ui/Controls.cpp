#include "Controls.h"

#include "UiStyle.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QShortcutEvent>

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

// The button's own access key, unless another control shares it (Qt then
// only moves the focus between them).
bool isOwnAccessKey(QEvent* event)
{
    return event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous();
}

// What normal-sized text needs to read well.
constexpr double kReadableContrast = 4.5;

} // namespace

bool AccessKeyFrame::event(QEvent* event)
{
    // The frame registers no shortcut but its access key.
    if (event->type() == QEvent::Shortcut && buddy_) {
        buddy_->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return QGroupBox::event(event);
}

bool CommandButton::event(QEvent* event)
{
    if (isOwnAccessKey(event) && isEnabled()) {
        click();
        return true;
    }
    return QPushButton::event(event);
}

bool OptionButton::event(QEvent* event)
{
    if (isOwnAccessKey(event) && isEnabled()) {
        setFocus(Qt::ShortcutFocusReason);
        click();
        return true;
    }
    return QRadioButton::event(event);
}

OptionGroup::OptionGroup(QObject* parent) : QButtonGroup(parent)
{
    connect(this, &QButtonGroup::idPressed, this, [this] { pressPending_ = true; });
    connect(this, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked)
            return;
        pressPending_ = false;
        emit chosen(id);
    });
    connect(this, &QButtonGroup::idClicked, this, [this](int id) {
        if (!pressPending_)
            return;
        pressPending_ = false;
        emit chosenAgain(id);
    });
}

void PictureBox::setSource(const QString& resourcePath)
{
    source_ = resourcePath;
    decoded_ = false;
    clear();
}

QPixmap PictureBox::picture()
{
    if (!decoded_ && !source_.isEmpty()) {
        decoded_ = true;
        QLabel::setPixmap(loadPicture(source_));
    }
    return pixmap();
}

void PictureBox::setPicture(const QPixmap& picture)
{
    source_.clear();
    decoded_ = true;
    QLabel::setPixmap(picture);
}

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
