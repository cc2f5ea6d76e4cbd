#pragma once

#include <QMainWindow>

class frmMRVDate : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMRVDate(QWidget* parent = nullptr);
};
