// The modal Instructions window: two paragraphs telling how to convert.
#pragma once

#include "SecondaryWindow.h"

class QPushButton;
class QLabel;
class QTextEdit;

class frmInstructions : public mrv::ui::SecondaryWindow {
    Q_OBJECT
public:
    explicit frmInstructions(QWidget* parent = nullptr);

    // The text exactly as the window is given it, CR LF line breaks included.
    // The text box stores the breaks as paragraph ends.
    static QString instructionsText();
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void txtInstructions_GotFocus();
    void cmdOK_Click();

    QLabel* Label1;
    QTextEdit* txtInstructions;
    QPushButton* cmdOK;
};
