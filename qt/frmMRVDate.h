// The converter window: a date box with its calendar prefix, the Convert
// button, three calendar options, the result box, a picture and the Help
// menu.
#pragma once

#include "Controls.h"
#include "WindowTexts.h"
#include "frmMRVDateRules.h"

#include <QMainWindow>

#include <array>
#include <string_view>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

class frmMRVDate : public QMainWindow {
    Q_OBJECT
    Q_PROPERTY(bool awaitingFirstEntry READ isAwaitingFirstEntry)
public:
    static constexpr int kLibraryPictures = static_cast<int>(mrv::texts::pictures.size());

    explicit frmMRVDate(QWidget* parent = nullptr);

    bool isAwaitingFirstEntry() const { return rules.isAwaitingFirstEntry(); }

    // The index of the library picture Form_Load chose.
    int shownPictureIndex() const { return shownPicture; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createTitleAndFrame(QWidget* client);
    void createDateRow();
    void createOptions();
    void createResultBox(QWidget* client);
    void createPictures(QWidget* client);
    void createKeys();
    void createMenu();

    // The design's events, handed to the window's rules (frmMRVDateRules.h),
    // whose effects the window carries out.
    void Form_Load();
    void optDate_Click(int Index);
    void txtInputBox_Change();
    void txtInputBox_GotFocus();
    void cmdConvert_Click();
    void mnuHelp_Click(mrv::forms::mainWindow::Command command);

    void carryOut(const mrv::forms::mainWindow::Effects& effects);
    void carryOut(const mrv::forms::mainWindow::Effect& effect);
    void showWindow(std::string_view form);
    void giveFocus(QWidget* control);
    void setResult(const QString& line);
    void lblDateBox_ContextMenu(const QPoint& pos);

    QLabel* Label1 = nullptr;
    mrv::ui::AccessKeyFrame* Frame1 = nullptr;
    QLabel* lblDatePrefix = nullptr;
    QLineEdit* txtInputBox = nullptr;
    QPushButton* cmdConvert = nullptr;
    QLabel* Label2 = nullptr;
    mrv::ui::OptionGroup* optDate = nullptr;
    QLabel* lblDateBox = nullptr;
    mrv::ui::PictureBox* imgMain = nullptr;
    std::array<mrv::ui::PictureBox*, kLibraryPictures> imgLibrary{};

    QMenu* mnuHelp = nullptr;
    QMenu* resultMenu = nullptr;

    mrv::forms::mainWindow::Rules rules;
    int shownPicture = -1;
};
