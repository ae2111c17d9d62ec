#include "welcome/frmWelcome.h"

#include "resources/Resources.h"

#include <QFile>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QXmlStreamReader>

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
    // It closes this window only: its name says so (the tooltip keeps the window's own words).
    btClose->setAccessibleName(QStringLiteral("Close the welcome window"));

    // The picture's words, as text a screen reader reads: a label over the picture, drawn
    // invisibly (the picture shows the same words) and letting the mouse through to drag.
    lblText = new QLabel(ArtworkText(ArtworkPath(QStringLiteral("welcome-background.svg"))), this);
    lblText->setObjectName(QStringLiteral("lblText"));
    lblText->setTextFormat(Qt::PlainText);
    lblText->setWordWrap(true);
    lblText->setGeometry(TwipsRect(300, 900, 9900, 5700));
    lblText->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblText->setStyleSheet(QStringLiteral("color: transparent; background: transparent;"));
    lblText->lower();
    setAccessibleDescription(lblText->text());
    setFocusPolicy(Qt::StrongFocus);

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

QString frmWelcome::ArtworkText(const QString& szArtwork) {
    QFile file(szArtwork);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList lines;
    QXmlStreamReader reader(&file);
    // Each <text> element is one line of the picture; its <tspan> parts belong to it.
    int iDepth = 0;
    QString szLine;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"text") {
            ++iDepth;
        } else if (reader.isEndElement() && reader.name() == u"text") {
            if (--iDepth == 0) {
                lines.append(szLine.simplified());
                szLine.clear();
            }
        } else if (reader.isCharacters() && iDepth > 0) {
            szLine += reader.text();
        }
    }
    return lines.join(u'\n');
}

void frmWelcome::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        btClose_Click();
        event->accept();
        return;
    }
    FramelessWindow::keyPressEvent(event);
}

void frmWelcome::btClose_Click() {
    FadeOut();
    hide();
}

void frmWelcome::btClose2_Click() {
    btClose_Click();
}
