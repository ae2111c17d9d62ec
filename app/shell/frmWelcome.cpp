#include "app/shell/frmWelcome.h"

#include "resources/Resources.h"

#include <QIcon>

frmWelcome::frmWelcome(QWidget* parent)
    : FramelessWindow(ArtworkPath(QStringLiteral("welcome-background.svg")), parent) {
    setWindowTitle(QStringLiteral("Tensiolog"));
    setWindowIcon(QIcon(ArtworkPath(QStringLiteral("icon.svg"))));

    btClose2 = new PictureButton(ArtworkPath(QStringLiteral("welcome-close.svg")), this);
    btClose2->setObjectName(QStringLiteral("btClose2"));
    btClose2->setGeometry(TwipsRect(8820, 7020, 1515, 375));
    btClose2->setAccessibleName(QStringLiteral("Close"));

    btClose = new PictureButton(ArtworkPath(QStringLiteral("close-mark.svg")), this);
    btClose->setObjectName(QStringLiteral("btClose"));
    btClose->setGeometry(TwipsRect(9960, 180, 375, 375));
    btClose->setToolTip(QStringLiteral("Close the Tensiolog"));
    btClose->setAccessibleName(QStringLiteral("Close the Tensiolog"));

    connect(btClose, &QAbstractButton::clicked, this, &frmWelcome::btClose_Click);
    connect(btClose2, &QAbstractButton::clicked, this, &frmWelcome::btClose2_Click);

    // Its own fixed place on the screen, never stored.
    SetLeftTwips(2715);
    SetTopTwips(3315);
}

frmWelcome::~frmWelcome() = default;

void frmWelcome::ShowModal() {
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
    WaitWhileVisible(this);
}

void frmWelcome::btClose_Click() {
    FadeOut();
    hide();
}

void frmWelcome::btClose2_Click() {
    btClose_Click();
}
