// The modal About window: program name, version, credits and the link to
// the update site.
#pragma once

#include "SecondaryWindow.h"

#include <array>

class QLabel;
class QPushButton;

namespace mrv::ui {
class HyperlinkLabel;
}

class frmAbout : public mrv::ui::SecondaryWindow {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

private:
    void Form_Load();
    void lblHyperlink_Click();
    void cmdOK_Click();

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    std::array<QLabel*, 5> Label3{};
    QLabel* Label4;
    mrv::ui::HyperlinkLabel* lblHyperlink;
    QPushButton* cmdOK;
};
