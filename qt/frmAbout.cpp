#include "frmAbout.h"

#include "DesignedControl.h"
#include "HyperlinkLabel.h"
#include "OpenWebPage.h"
#include "Pictures.h"
#include "SecondaryWindowDesigns.h"
#include "Texts.h"
#include "Version.h"
#include "WebAddresses.h"
#include "WindowPlacement.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

using namespace mrv::ui;
namespace design = mrv::forms::about;

frmAbout::frmAbout(QWidget* parent) : SecondaryWindow(design::kForm, parent)
{
    Image1 = designed<QLabel>(this, designOf(design::kControls, "Image1"));
    Image1->setPixmap(loadDesignPicture(QStringLiteral(":/pictures/about.png"), devicePixelRatioF()));

    Label1 = designed<QLabel>(this, designOf(design::kControls, "Label1"));
    Label2 = designed<QLabel>(this, designOf(design::kControls, "Label2"));

    constexpr const ControlDesign* group[] = {
        &designOf(design::kControls, "Label3", 0), &designOf(design::kControls, "Label3", 1),
        &designOf(design::kControls, "Label3", 2), &designOf(design::kControls, "Label3", 3),
        &designOf(design::kControls, "Label3", 4)};
    static_assert(std::size(group) == std::tuple_size_v<decltype(Label3)>);
    for (const ControlDesign* row : group)
        Label3[row->index] = designed<QLabel>(this, *row);
    Label3[4]->setText(Label3[4]->text() + QLatin1String(mrv::kApplicationVersion));

    Label4 = designed<QLabel>(this, designOf(design::kControls, "Label4"));

    lblHyperlink = designed<HyperlinkLabel>(this, designOf(design::kControls, "lblHyperlink"));
    // The caption is the host alone; the click opens the fixed address.
    lblHyperlink->setText(QUrl(QString::fromLatin1(mrv::kUpdateSiteUrl)).host());
    lblHyperlink->setCursor(Qt::ArrowCursor);
    lblHyperlink->setAccessibleName(lblHyperlink->text());
    connect(lblHyperlink, &HyperlinkLabel::clicked, this, &frmAbout::lblHyperlink_Click);

    cmdOK = createOkButton(designOf(design::kControls, "cmdOK"));
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    Form_Load();
}

void frmAbout::Form_Load()
{
    centreOnScreen(this, design::kForm.centreOrder);
}

void frmAbout::lblHyperlink_Click()
{
    mrv::OpenWebPage(QString::fromLatin1(mrv::kUpdateSiteUrl));
}

void frmAbout::cmdOK_Click()
{
    accept();
}
