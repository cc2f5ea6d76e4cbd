#include "frmInstructions.h"

frmInstructions::frmInstructions(QWidget* parent) : QDialog(parent) {}
