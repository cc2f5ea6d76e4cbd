#include "Controls.h"

#include "Pictures.h"

#include <QShortcutEvent>

namespace mrv::ui {

namespace {

// The button's own access key, unless another control shares it (Qt then
// only moves the focus between them).
bool isOwnAccessKey(QEvent* event)
{
    return event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous();
}

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
        QLabel::setPixmap(loadDesignPicture(source_, devicePixelRatioF()));
    }
    return pixmap();
}

void PictureBox::setPicture(const QPixmap& picture)
{
    source_.clear();
    decoded_ = true;
    QLabel::setPixmap(picture);
}

} // namespace mrv::ui
