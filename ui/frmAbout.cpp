#include "frmAbout.h"

#include "OpenWebPage.h"
#include "UiStyle.h"
#include "Version.h"
#include "WebAddresses.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

#include <functional>

using mrv::ui::designFont;
using mrv::ui::twipsRect;

namespace {

// A label that reports a left-button click: press and release on it.
class HyperlinkLabel final : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> clicked;

    void click()
    {
        if (clicked)
            clicked();
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton) {
            pressed_ = true;
            event->accept();
            return;
        }
        QLabel::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override
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

private:
    bool pressed_ = false;
};

// Screen readers see the link label as a link they can activate, the only
// way to reach it without a mouse since it never takes the focus.
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
    if (auto* label = dynamic_cast<HyperlinkLabel*>(object))
        return new HyperlinkAccessible(label);
    return nullptr;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : SecondaryWindow(QStringLiteral("frmAbout"), QStringLiteral("About MRV Date Converter"), 3870, 4305,
                      parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(hyperlinkAccessibleFactory), true);
    (void)factoryInstalled;

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(mrv::ui::loadPicture(QStringLiteral(":/pictures/about.png")));
    Image1->setGeometry(twipsRect(120, 120, 570, 870));

    Label1 = makeLabel(this, "Label1", QStringLiteral("Morvane"), twipsRect(840, 240, 2775, 255));
    Label1->setFont(designFont(8.25, true));
    Label2 =
        makeLabel(this, "Label2", QStringLiteral("Timeline Date Converter"), twipsRect(840, 480, 2775, 255));
    Label2->setFont(designFont(8.25, true));

    struct Credit {
        QString text;
        QRect geometry;
    };
    const std::array<Credit, 5> credits{{
        {QStringLiteral("Program by Corwin Ashgrove"), twipsRect(840, 2160, 2895, 255)},
        {QStringLiteral("Characters \u00A9 Fenwyrd Games"), twipsRect(840, 2400, 2895, 255)},
        {QStringLiteral("Morvane created by"), twipsRect(840, 1560, 2895, 255)},
        {QStringLiteral("Ilse Varda and Oren Tamm"), twipsRect(840, 1800, 2895, 255)},
        {QStringLiteral("Version ") + QLatin1String(mrv::kApplicationVersion),
         twipsRect(720, 960, 3015, 255)},
    }};
    for (std::size_t i = 0; i < credits.size(); ++i) {
        Label3[i] = makeLabel(this, "Label3", credits[i].text, credits[i].geometry);
        Label3[i]->setProperty("index", static_cast<int>(i));
    }

    Label4 = makeLabel(this, "Label4", QStringLiteral("For all program updates visit"),
                       twipsRect(120, 3120, 3615, 255));

    auto* link = new HyperlinkLabel(this);
    lblHyperlink = link;
    lblHyperlink->setObjectName(QStringLiteral("lblHyperlink"));
    lblHyperlink->setTextFormat(Qt::PlainText);
    lblHyperlink->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblHyperlink->setGeometry(twipsRect(1200, 3360, 1455, 255));
    // The caption is the host alone; the click opens the fixed address.
    lblHyperlink->setText(QUrl(QString::fromLatin1(mrv::kUpdateSiteUrl)).host());
    QPalette linkPalette = lblHyperlink->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lblHyperlink->setPalette(linkPalette);
    lblHyperlink->setCursor(Qt::ArrowCursor);
    lblHyperlink->setAccessibleName(lblHyperlink->text());
    lblHyperlink->setAccessibleDescription(QStringLiteral("Opens the update site in your web browser"));
    link->clicked = [this] { lblHyperlink_Click(); };

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(twipsRect(1560, 3720, 855, 375));
    cmdOK->setDefault(true);
    cmdOK->setAccessibleName(QStringLiteral("OK"));
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    cmdOK->setFocus();

    Form_Load();
}

void frmAbout::Form_Load()
{
    mrv::ui::centreOnScreen(this, mrv::ui::CentreOrder::TopFirst);
}

void frmAbout::lblHyperlink_Click()
{
    mrv::OpenWebPage(QString::fromLatin1(mrv::kUpdateSiteUrl));
}

void frmAbout::cmdOK_Click()
{
    accept();
}
