#include "frmMRVDate.h"

frmMRVDate::frmMRVDate(QWidget* parent) : QMainWindow(parent) {}
