#pragma once

#include <QList>
#include <QMessageBox>
#include <QPair>
#include <QString>

#include <functional>

class QImage;
class QRegion;
class QWidget;

// Product name shown in message box titles and texts.
inline const QString kProductName = QStringLiteral("Free Tensiolog");

// Colour key of the frameless windows: pixels of exactly this colour are cut out (RGB 128, 0, 128).
constexpr long kColourKey = 0x800080;

// Makes a window layered (or not). Layering is what lets alpha and the colour key apply.
void SetLayeredStyle(QWidget* window, bool bLayered);
// Whether a window has been made layered.
bool IsLayered(const QWidget* window);
// Sets a window's colour key (-1 for none) and alpha (0 transparent to 255 opaque).
void SetWindowTransparency(QWidget* window, long lColourKey, unsigned char alpha);
// The shape of a picture with its pixels of exactly the key colour (red in the lowest byte)
// cut out; an empty region when it has no such pixel, meaning nothing is cut.
QRegion ShapeWithoutColour(const QImage& image, long lColourKey);

// The error box: stop icon, "<product> has experienced an error : <text>".
void ShowErrorMessage(const QString& szText);
// The warning boxes' title, "<product> Warning", in the user's language.
QString WarningTitle();
// The warning box: exclamation icon, title "<product> Warning"; returns the button pressed.
QMessageBox::StandardButton ShowWarningMessage(const QString& szText);
// Any other message box of the program (reset confirmation, disclaimer) goes through here.
// Every box shows its text as plain text, exactly as given (texts quote the user's data). A
// safe answer given as safeButton is the default button and the answer of Escape.
// buttonTexts: words of the program's own for standard buttons ("&Open anyway" on Open).
QMessageBox::StandardButton
ShowMessageBox(QMessageBox::Icon icon, const QString& szTitle, const QString& szText,
               QMessageBox::StandardButtons buttons,
               QMessageBox::StandardButton safeButton = QMessageBox::NoButton,
               const QList<QPair<QMessageBox::StandardButton, QString>>& buttonTexts = {});

// Test seam: when set, message boxes are answered by this function instead of the user. The
// box itself is then never made: tests of the box's own behaviour leave the seam unset.
using MessageBoxHandler = std::function<QMessageBox::StandardButton(
    QMessageBox::Icon icon, const QString& szTitle, const QString& szText,
    QMessageBox::StandardButtons buttons)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

// Hands an address to the user's browser ("http://" is added unless it starts with "http").
bool OpenWebLink(const QString& szAddress);
// Test seam: when set, web links go here instead of the desktop.
void SetWebLinkHandler(std::function<bool(const QString&)> handler);
