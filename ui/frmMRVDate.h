// The converter window: a date box with its calendar prefix, the Convert
// button, three calendar options, the result box, a picture and the Help
// menu.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>

#include <array>

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace mrv::ui {

// A frame whose access key focuses a chosen control. A stock QGroupBox
// refocuses whichever child last had the focus instead.
class AccessKeyFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
    void setBuddy(QWidget* buddy) { buddy_ = buddy; }

protected:
    bool event(QEvent* event) override;

private:
    QWidget* buddy_ = nullptr;
};

// An image control: shows a stored picture at its natural size. The picture
// is decoded on first use, so hidden store images cost nothing at start-up.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void setSource(const QString& resourcePath);
    QString source() const { return source_; }
    // Decodes the stored picture if it has not been yet.
    QPixmap picture();
    void setPicture(const QPixmap& picture);

private:
    QString source_;
    bool decoded_ = false;
};

} // namespace mrv::ui

class frmMRVDate : public QMainWindow {
    Q_OBJECT
    Q_PROPERTY(bool awaitingFirstEntry READ isAwaitingFirstEntry)
public:
    static constexpr int kLibraryPictures = 7;

    explicit frmMRVDate(QWidget* parent = nullptr);

    bool isAwaitingFirstEntry() const { return awaitingFirstEntry; }

    // The library picture shown for a draw r of the random source. Draws
    // outside [0, 1) (a generator rounding up to 1.0) are clamped, so the
    // index is always 0..6.
    static int pictureIndexForDraw(float r);

    // The index of the library picture Form_Load chose.
    int shownPictureIndex() const { return shownPicture; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createMenu();

    void Form_Load();
    void optDate_Click(int Index);
    void txtInputBox_Change();
    void txtInputBox_GotFocus();
    void cmdConvert_Click();
    void ShowOutOfRange();
    void mnuHelpInstructions_Click();
    void mnuHelpAbout_Click();
    void mnuHelpWebsite_Click();
    void mnuHelpExit_Click();

    void giveFocus(QWidget* control);
    void setResult(const QString& line);
    void showResultMenu(const QPoint& pos);

    QLabel* Label1 = nullptr;
    mrv::ui::AccessKeyFrame* Frame1 = nullptr;
    QLabel* lblDatePrefix = nullptr;
    QLineEdit* txtInputBox = nullptr;
    QPushButton* cmdConvert = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QRadioButton*, 3> optDate{};
    QLabel* lblDateBox = nullptr;
    mrv::ui::PictureBox* imgMain = nullptr;
    std::array<mrv::ui::PictureBox*, kLibraryPictures> imgLibrary{};

    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpInstructions = nullptr;
    QAction* mnuHelpAbout = nullptr;
    QAction* mnuHelpWebsite = nullptr;
    QAction* Line1 = nullptr;
    QAction* mnuHelpExit = nullptr;
    QMenu* resultMenu = nullptr;

    bool awaitingFirstEntry = true;
    int shownPicture = -1;
    // Set when an option's press starts and cleared when the press selects
    // it, so a click on the already selected option is still reported.
    bool optionPressPending = false;
};
