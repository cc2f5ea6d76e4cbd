// Helpers shared by the window tests.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class QWidget;

namespace mrv::test {

// Calls `answer` with the first modal widget (message box or dialog) that
// appears after `trigger` starts it, then returns. Waits on the condition,
// never on a fixed delay; gives up after `timeoutMs`.
bool answerNextModal(const std::function<void()>& trigger, const std::function<void(QWidget*)>& answer,
                     int timeoutMs = 5000);

// The member of an indexed control group (same object name, an "index"
// property) with the given index.
QWidget* groupMember(QWidget* window, const QString& name, int index);

// The text a control shows: a label's or button's text, a group box's title,
// a line edit's contents; empty for anything else.
QString captionOf(QWidget* control);

// Records every address handed to the desktop shell instead of starting a
// browser, for as long as it lives.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder();
    ~UrlRecorder() override;
    QStringList opened;

public slots:
    void open(const QUrl& url);
};

} // namespace mrv::test
