#include "CaptionFit.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTextDocumentFragment>

namespace mrv::test {

std::vector<std::string> captionMisfits(QWidget* window)
{
    std::vector<std::string> misfits;
    const auto report = [&](QWidget* w, const QString& text, int need, int room) {
        if (need > room)
            misfits.push_back(window->objectName().toStdString() + "/" + w->objectName().toStdString() +
                              " \"" + text.toStdString() + "\" needs " + std::to_string(need) + " px of " +
                              std::to_string(room));
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        const QFontMetrics fm(w->font());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty() || !label->pixmap().isNull())
                continue;
            const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                              -label->margin(), -label->margin());
            if (label->wordWrap()) {
                const QRect need =
                    fm.boundingRect(room, Qt::TextWordWrap | label->alignment(), label->text());
                report(w, label->text(), need.height(), room.height());
            } else {
                const QString shown =
                    label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text())
                        ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
                        : label->text();
                for (const QString& line : shown.split(QLatin1Char('\n')))
                    report(w, line, fm.horizontalAdvance(line), room.width());
                report(w, label->text(), fm.height() * static_cast<int>(shown.count(QLatin1Char('\n')) + 1),
                       room.height());
            }
        } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            const QString plain = QString(radio->text()).remove(QLatin1Char('&'));
            QStyleOptionButton opt;
            opt.initFrom(radio);
            opt.text = radio->text();
            const QRect room = radio->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, radio);
            report(w, plain, fm.horizontalAdvance(plain), room.width());
            report(w, plain, fm.height(), room.height());
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            const QString plain = QString(button->text()).remove(QLatin1Char('&'));
            const QStyle* style = button->style();
            const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            report(w, plain, fm.horizontalAdvance(plain) + 2 * frame + margin, button->width());
            report(w, plain, fm.height() + 2 * frame, button->height());
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            const QString plain = QString(box->title()).remove(QLatin1Char('&'));
            QStyleOptionGroupBox opt;
            opt.initFrom(box);
            opt.text = box->title();
            opt.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect room =
                box->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
            report(w, plain, fm.horizontalAdvance(plain), room.width());
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            // One line of its font inside the one-pixel frame.
            report(w, edit->text(), fm.height(), edit->rect().height() - 2);
        }
    }
    return misfits;
}

} // namespace mrv::test
