#include "frmAbout.h"

#include "DesignFont.h"
#include "HyperlinkLabel.h"
#include "OpenWebPage.h"
#include "Pictures.h"
#include "Twips.h"
#include "Version.h"
#include "WebAddresses.h"
#include "WindowPlacement.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

using namespace mrv::ui;

namespace {

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
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(loadPicture(QStringLiteral(":/pictures/about.png")));
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

    lblHyperlink = new HyperlinkLabel(this);
    lblHyperlink->setObjectName(QStringLiteral("lblHyperlink"));
    lblHyperlink->setTextFormat(Qt::PlainText);
    lblHyperlink->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblHyperlink->setGeometry(twipsRect(1200, 3360, 1455, 255));
    // The caption is the host alone; the click opens the fixed address.
    lblHyperlink->setText(QUrl(QString::fromLatin1(mrv::kUpdateSiteUrl)).host());
    lblHyperlink->setLinkColour(QColor(0, 0, 255));
    lblHyperlink->setCursor(Qt::ArrowCursor);
    lblHyperlink->setAccessibleName(lblHyperlink->text());
    lblHyperlink->setAccessibleDescription(QStringLiteral("Opens the update site in your web browser"));
    connect(lblHyperlink, &HyperlinkLabel::clicked, this, &frmAbout::lblHyperlink_Click);

    cmdOK = createOkButton(1560, 3720);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    Form_Load();
}

void frmAbout::Form_Load()
{
    centreOnScreen(this, CentreOrder::TopFirst);
}

void frmAbout::lblHyperlink_Click()
{
    mrv::OpenWebPage(QString::fromLatin1(mrv::kUpdateSiteUrl));
}

void frmAbout::cmdOK_Click()
{
    accept();
}
