#include "frmAbout.h"

#include "DesignFont.h"
#include "HyperlinkLabel.h"
#include "OpenWebPage.h"
#include "Pictures.h"
#include "SecondaryWindowDesigns.h"
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
namespace design = mrv::ui::aboutDesign;

namespace {

// A centred label as its design row says.
template <typename Label = QLabel> Label* makeLabel(QWidget* parent, const ControlDesign& design)
{
    auto* label = placed(new Label(parent), design);
    label->setText(toQString(design.caption));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : SecondaryWindow(QStringLiteral("frmAbout"), toQString(text::title), design::kClientWidth,
                      design::kClientHeight, parent)
{
    Image1 = makeLabel(this, designOf(design::kControls, "Image1"));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(loadDesignPicture(QStringLiteral(":/pictures/about.png"), devicePixelRatioF()));

    Label1 = makeLabel(this, designOf(design::kControls, "Label1"));
    Label1->setFont(designFont(8.25, true));
    Label2 = makeLabel(this, designOf(design::kControls, "Label2"));
    Label2->setFont(designFont(8.25, true));

    constexpr const ControlDesign* group[] = {
        &designOf(design::kControls, "Label3", 0), &designOf(design::kControls, "Label3", 1),
        &designOf(design::kControls, "Label3", 2), &designOf(design::kControls, "Label3", 3),
        &designOf(design::kControls, "Label3", 4)};
    static_assert(std::size(group) == std::tuple_size_v<decltype(Label3)>);
    for (const ControlDesign* row : group)
        Label3[row->index] = makeLabel(this, *row);
    Label3[4]->setText(Label3[4]->text() + QLatin1String(mrv::kApplicationVersion));

    Label4 = makeLabel(this, designOf(design::kControls, "Label4"));

    lblHyperlink = makeLabel<HyperlinkLabel>(this, designOf(design::kControls, "lblHyperlink"));
    // The caption is the host alone; the click opens the fixed address.
    lblHyperlink->setText(QUrl(QString::fromLatin1(mrv::kUpdateSiteUrl)).host());
    lblHyperlink->setLinkColour(QColor(0, 0, 255));
    lblHyperlink->setCursor(Qt::ArrowCursor);
    lblHyperlink->setAccessibleName(lblHyperlink->text());
    lblHyperlink->setAccessibleDescription(QStringLiteral("Opens the update site in your web browser"));
    connect(lblHyperlink, &HyperlinkLabel::clicked, this, &frmAbout::lblHyperlink_Click);

    cmdOK = createOkButton(designOf(design::kControls, "cmdOK"));
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
