#include "frmReport.h"

frmReport::frmReport(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Tensiolog Report"));
}

frmReport::~frmReport() = default;
