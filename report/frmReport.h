#pragma once

#include <QDialog>

// The report window: the coloured report of every day with both pressures, under the header
// picture and a picture of the chart, ready to print or save as PDF.
class frmReport : public QDialog {
    Q_OBJECT
public:
    // Loads the window (fills its hidden chart from the readings) without showing it.
    explicit frmReport(QWidget* parent = nullptr);
    ~frmReport() override;
};
