#include "frmAbout.h"

#include "DesignFont.h"
#include "HyperlinkLabel.h"
#include "OpenWebPage.h"
#include "Pictures.h"
#include "Texts.h"
#include "Twips.h"
#include "Version.h"
#include "WebAddresses.h"
#include "WindowPlacement.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

using namespace mrv::ui;
namespace text = mrv::texts::frmAbout;

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
    : SecondaryWindow(QStringLiteral("frmAbout"), toQString(text::title), 3870, 4305, parent)
{
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(loadPicture(QStringLiteral(":/pictures/about.png")));
    Image1->setGeometry(twipsRect(120, 120, 570, 870));

    Label1 = makeLabel(this, "Label1", toQString(text::Label1), twipsRect(840, 240, 2775, 255));
    Label1->setFont(designFont(8.25, true));
    Label2 = makeLabel(this, "Label2", toQString(text::Label2), twipsRect(840, 480, 2775, 255));
    Label2->setFont(designFont(8.25, true));

    // The group's places, by index; the last is the version line, whose
    // text is followed by the version.
    static_assert(text::Label3.size() == 5);
    const QRect places[] = {twipsRect(840, 2160, 2895, 255), twipsRect(840, 2400, 2895, 255),
                            twipsRect(840, 1560, 2895, 255), twipsRect(840, 1800, 2895, 255),
                            twipsRect(720, 960, 3015, 255)};
    for (std::size_t i = 0; i < text::Label3.size(); ++i) {
        QString caption = toQString(text::Label3[i]);
        if (i == 4)
            caption += QLatin1String(mrv::kApplicationVersion);
        Label3[i] = makeLabel(this, "Label3", caption, places[i]);
        Label3[i]->setProperty("index", static_cast<int>(i));
    }

    Label4 = makeLabel(this, "Label4", toQString(text::Label4), twipsRect(120, 3120, 3615, 255));

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
