#include "widgets/modUtils.h"

#include "widgets/FramelessWindow.h"
#include "widgets/WindowSystem.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QRegion>
#include <QScreen>
#include <QUrl>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

// The message boxes' words, under one context for translators.
struct Words {
    Q_DECLARE_TR_FUNCTIONS(modUtils)
};

MessageBoxHandler& MessageBoxSeam() {
    static MessageBoxHandler handler;
    return handler;
}

std::function<bool(const QString&)>& WebLinkSeam() {
    static std::function<bool(const QString&)> handler;
    return handler;
}

// Name of the window property that marks a window as layered.
const char* const kLayeredProperty = "tlgLayered";

// The region of a window that stays when the pixels of exactly the key colour are cut out;
// an empty region when the window has no such pixel.
QRegion ColourKeyShape(QWidget* window, long lColourKey) {
    if (auto* frameless = qobject_cast<FramelessWindow*>(window)) {
        return frameless->ColourKeyShape(lColourKey);
    }
    const QImage image = window->grab().toImage().scaled(window->size());
    return ShapeWithoutColour(image, lColourKey);
}

// The word a screen reader says for a message box's icon.
QString IconName(QMessageBox::Icon icon) {
    //: What a screen reader says for a message box's icon
    switch (icon) {
    case QMessageBox::Information:
        return Words::tr("Information");
    case QMessageBox::Warning:
        return Words::tr("Warning");
    case QMessageBox::Critical:
        return Words::tr("Error");
    case QMessageBox::Question:
        return Words::tr("Question");
    case QMessageBox::NoIcon:
        break;
    }
    return {};
}

// Names what Qt leaves nameless in a message box: the icon, by its kind, and the row that holds
// the buttons (a panel to a screen reader). The text label is named by its text already.
void NameMessageBoxParts(QMessageBox& box, QMessageBox::Icon icon) {
    for (QLabel* label : box.findChildren<QLabel*>()) {
        if (!label->pixmap().isNull() && label->accessibleName().isEmpty()) {
            label->setAccessibleName(IconName(icon));
        }
    }
    for (QDialogButtonBox* buttons : box.findChildren<QDialogButtonBox*>()) {
        //: A screen reader's name for the row of a message box's buttons
        buttons->setAccessibleName(Words::tr("Answers"));
    }
}

} // namespace

QRegion ShapeWithoutColour(const QImage& image, long lColourKey) {
    const QRgb key =
        qRgb(static_cast<int>(lColourKey & 0xFF), static_cast<int>((lColourKey >> 8) & 0xFF),
             static_cast<int>((lColourKey >> 16) & 0xFF));
    // Each row's runs of key pixels are cut out of the whole picture. The rows are converted a
    // band at a time: a copy of a whole window's picture would double what it takes.
    constexpr int kBandRows = 32;
    const int iWidth = image.width();
    QRegion cut;
    for (int y0 = 0; y0 < image.height(); y0 += kBandRows) {
        const QImage band = image.copy(0, y0, iWidth, std::min(kBandRows, image.height() - y0))
                                .convertToFormat(QImage::Format_RGB32);
        for (int row = 0; row < band.height(); ++row) {
            const auto* line = reinterpret_cast<const QRgb*>(band.constScanLine(row));
            int x = 0;
            while (x < iWidth) {
                if (line[x] != key) {
                    ++x;
                    continue;
                }
                const int iStart = x;
                while (x < iWidth && line[x] == key) {
                    ++x;
                }
                cut += QRect(iStart, y0 + row, x - iStart, 1);
            }
        }
    }
    if (cut.isEmpty()) {
        return {};
    }
    return QRegion(image.rect()) - cut;
}

void SetLayeredStyle(QWidget* window, bool bLayered) {
    if (window == nullptr) {
        return;
    }
    window->setProperty(kLayeredProperty, bLayered);
    if (!bLayered) {
        // An ordinary window again: opaque, whole.
        window->setWindowOpacity(1.0);
        window->clearMask();
        window->update();
    }
}

bool IsLayered(const QWidget* window) {
    return window != nullptr && window->property(kLayeredProperty).toBool();
}

void SetWindowTransparency(QWidget* window, long lColourKey, unsigned char alpha) {
    if (window == nullptr) {
        return;
    }
    SetLayeredStyle(window, true);

    // The colour key cuts the window's shape where its picture has exactly that colour.
    QRegion shape;
    if (lColourKey != -1) {
        shape = ColourKeyShape(window, lColourKey);
    }
    if (shape.isEmpty()) {
        if (!window->mask().isEmpty()) {
            window->clearMask();
        }
    } else if (window->mask() != shape) {
        window->setMask(shape);
    }

    // At 255 the window is drawn fully opaque.
    window->setWindowOpacity(alpha < 255 ? alpha / 255.0 : 1.0);
    // Only the opacity changes: nothing is repainted.
    SendWindowChanges(window);
}

QMessageBox::StandardButton
ShowMessageBox(QMessageBox::Icon icon, const QString& szTitle, const QString& szText,
               QMessageBox::StandardButtons buttons, QMessageBox::StandardButton safeButton,
               const QList<QPair<QMessageBox::StandardButton, QString>>& buttonTexts) {
    if (const auto& handler = MessageBoxSeam()) {
        return handler(icon, szTitle, szText, buttons);
    }
    QMessageBox box(icon, szTitle, QString(), buttons);
    // Texts quote lines of the data file and the user's own words: never markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(szText);
    for (const auto& [button, szButtonText] : buttonTexts) {
        if (QAbstractButton* pButton = box.button(button)) {
            pButton->setText(szButtonText);
        }
    }
    NameMessageBoxParts(box, icon);
    if (safeButton != QMessageBox::NoButton) {
        box.setDefaultButton(safeButton);
        box.setEscapeButton(safeButton);
    }
    // A box never grows taller than the screen it is on.
    if (const QScreen* screen = box.screen()) {
        box.setMaximumHeight(screen->availableGeometry().height());
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void SetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxSeam() = std::move(handler);
}

void ShowErrorMessage(const QString& szText) {
    //: %1 the program's name
    ShowMessageBox(
        QMessageBox::Critical, Words::tr("%1 has experienced a problem").arg(kProductName),
        //: %1 the program's name, %2 what went wrong
        Words::tr("%1 has experienced an error : %2").arg(kProductName, szText), QMessageBox::Ok);
}

QString WarningTitle() {
    //: A message box's title; %1 the program's name
    return Words::tr("%1 Warning").arg(kProductName);
}

QMessageBox::StandardButton ShowWarningMessage(const QString& szText) {
    return ShowMessageBox(QMessageBox::Warning, WarningTitle(), szText, QMessageBox::Ok);
}

bool OpenWebLink(const QString& szAddress) {
    QString szFullAddress = szAddress;
    if (!szFullAddress.startsWith(QLatin1String("http"), Qt::CaseInsensitive)) {
        szFullAddress.prepend(QLatin1String("http://"));
    }
    if (const auto& handler = WebLinkSeam()) {
        return handler(szFullAddress);
    }
    return QDesktopServices::openUrl(QUrl(szFullAddress, QUrl::TolerantMode));
}

void SetWebLinkHandler(std::function<bool(const QString&)> handler) {
    WebLinkSeam() = std::move(handler);
}
