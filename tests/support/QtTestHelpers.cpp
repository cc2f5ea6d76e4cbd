#include "QtTestHelpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QtTest/QTest>

namespace mrv::test {

bool answerNextModal(const std::function<void()>& trigger, const std::function<void(QWidget*)>& answer,
                     int timeoutMs)
{
    bool answered = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || answered)
            return;
        answered = true;
        poll.stop();
        answer(modal);
    });
    poll.start();
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        // A modal that is never answered would hang the suite: close it.
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    guard.start(timeoutMs);
    trigger();
    // Non-modal triggers return before the poll has run.
    (void)QTest::qWaitFor([&] { return answered; }, timeoutMs);
    poll.stop();
    return answered;
}

QWidget* groupMember(QWidget* window, const QString& name, int index)
{
    for (QWidget* w : window->findChildren<QWidget*>(name))
        if (w->property("index").toInt() == index)
            return w;
    return nullptr;
}

QString captionOf(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text();
    if (auto* box = qobject_cast<QGroupBox*>(control))
        return box->title();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    return {};
}

UrlRecorder::UrlRecorder()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
}

UrlRecorder::~UrlRecorder()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void UrlRecorder::open(const QUrl& url)
{
    opened << url.toString();
}

} // namespace mrv::test
