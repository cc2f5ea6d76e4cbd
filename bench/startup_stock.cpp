// Anchor for the start-up benchmark: a window built from stock Qt with the
// same controls as the main window (a menu of five entries, a group box,
// four labels, a line edit, a button, three options and one 114 x 163
// picture), Qt's default style and font, each control made the usual way.
// Shown and ended the same way as startup_window.
#include "FirstShow.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Date Converter"));
    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Instructions"));
    help->addAction(QStringLiteral("&About"));
    help->addAction(QStringLiteral("&Website"));
    help->addSeparator();
    help->addAction(QStringLiteral("E&xit"));

    auto* client = new QWidget;
    window.setCentralWidget(client);
    (new QLabel(QStringLiteral("Timeline Date Converter"), client))->setGeometry(8, 8, 281, 17);
    auto* frame = new QGroupBox(QStringLiteral("Enter date to convert"), client);
    frame->setGeometry(8, 32, 353, 105);
    (new QLabel(QStringLiteral("SC"), frame))->setGeometry(8, 27, 25, 17);
    (new QLineEdit(frame))->setGeometry(32, 24, 65, 19);
    (new QPushButton(QStringLiteral("&Convert"), frame))->setGeometry(144, 24, 81, 25);
    (new QLabel(QStringLiteral("Convert date from:"), frame))->setGeometry(8, 56, 97, 17);
    (new QRadioButton(QStringLiteral("&Space Century (SC)"), frame))->setGeometry(8, 72, 113, 17);
    (new QRadioButton(QStringLiteral("&Earth Year (EY)"), frame))->setGeometry(136, 72, 97, 17);
    (new QRadioButton(QStringLiteral("&After War (AW)"), frame))->setGeometry(248, 72, 97, 17);
    (new QLabel(client))->setGeometry(8, 148, 353, 25);
    auto* picture = new QLabel(client);
    picture->setGeometry(368, 8, 118, 167);
    picture->setPixmap(QPixmap(QStringLiteral(":/pictures/library1.png")));
    window.setFixedSize(492, 208);

    new mrv::bench::EndAtFirstShow(window);
    window.show();
    return QApplication::exec();
}
