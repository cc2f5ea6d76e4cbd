#pragma once

#include <QDialog>

class frmInstructions : public QDialog {
    Q_OBJECT
public:
    explicit frmInstructions(QWidget* parent = nullptr);
};
