// The modal About window: program name, version, credits and the link to
// the update site.
#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void lblHyperlink_Click();
    void cmdOK_Click();

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    std::array<QLabel*, 5> Label3{};
    QLabel* Label4;
    QLabel* lblHyperlink;
    QPushButton* cmdOK;
};
