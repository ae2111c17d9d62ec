#pragma once

#include "widgets/FramelessWindow.h"

class PictureButton;
class QLabel;

// The welcome window shown on a first run: a picture with a welcome and advice on taking
// one's blood pressure, two close commands, dragged by its background.
class frmWelcome : public FramelessWindow {
    Q_OBJECT
public:
    explicit frmWelcome(QWidget* parent = nullptr);
    ~frmWelcome() override;

    // Shows the window modally and returns when it has hidden itself.
    void ShowModal();

    PictureButton* btClose = nullptr;
    PictureButton* btClose2 = nullptr;
    // The words of the welcome picture, for screen readers (drawn by the picture itself).
    QLabel* lblText = nullptr;

    // The words a picture's texts say, one line of the picture to a line, in reading order.
    static QString ArtworkText(const QString& szArtwork);

public slots:
    // Both close commands: fade out, then hide.
    void btClose_Click();
    void btClose2_Click();

protected:
    // Escape closes the window as its close buttons do.
    void keyPressEvent(QKeyEvent* event) override;
};
