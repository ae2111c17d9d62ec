#pragma once

#include "diary/Units.h"

#include <QAbstractButton>
#include <QByteArray>
#include <QCursor>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QWidget>

class QKeyEvent;
class QPainter;

// A rectangle given in twips, in device-independent pixels.
QRect TwipsRect(double left, double top, double width, double height);

// The pointer shown over the windows' buttons, boxes and clickable labels: the platform's
// pointing hand.
QCursor HandPointer();

// An SVG picture's bytes with the words of its <text> elements in the user's language
// (translation context "Artwork"; a window lists its pictures' words for translators); empty
// when the file cannot be read.
QByteArray ArtworkSvg(const QString& artwork);

// Dispatches the window events until the window is hidden (at once when it is not visible).
void WaitWhileVisible(QWidget* window);

// A frameless window painted by a 700 x 500 background picture, dragged by its background
// (half transparent while dragging), faded out and in with 52 alpha steps (its opacity only:
// nothing is repainted), with the colour key cutting the window's shape where its background
// has exactly that colour.
class FramelessWindow : public QWidget {
    Q_OBJECT
public:
    // backgroundArtwork: a picture compiled into the program (e.g. ":/main-background.svg").
    explicit FramelessWindow(const QString& backgroundArtwork, QWidget* parent = nullptr);
    ~FramelessWindow() override;

    // Alpha 255, 250, ..., 0 (52 settings), one after the other.
    void FadeOut();
    // Alpha 0, 5, ..., 255 (52 settings), one after the other.
    void FadeIn();

    // Window position in twips (15 to the pixel).
    void SetLeftTwips(double left);
    void SetTopTwips(double top);
    double LeftTwips() const;
    double TopTwips() const;

    // The window's shape with the background's pixels of exactly this colour cut out; empty
    // when the background has none (nothing is cut).
    QRegion ColourKeyShape(long lColourKey) const;

    // Where a window of this geometry goes so that it lies wholly inside the area: moved by
    // as little as possible; a window larger than the area keeps its top left corner inside.
    static QPoint PlaceInside(const QRect& window, const QRect& area);
    // Moves the window wholly inside the available area of the screen it is mostly on.
    void KeepInsideScreen();

    // Total time of one fade in milliseconds, spread over its steps; 0 (the default) runs the
    // 52 steps back to back.
    static void SetFadeDuration(int iMilliseconds);
    static int FadeDuration();

    bool bDragging = false;
    long lDragX = 0;
    long lDragY = 0;

protected:
    // Mouse press, move and release on the background: dragging.
    virtual void Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x,
                                double y);
    virtual void Form_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, double x,
                                double y);
    virtual void Form_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x,
                              double y);

    void paintEvent(QPaintEvent* event) override;
    // Every frameless window opens wholly on the screen, at any scale.
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Sets the alpha of every fade step, spread over the fade duration if one is set.
    void Fade(int iFrom, int iStep);

    struct Impl;
    Impl* d;
};

// A push button that shows only a picture, drawn crisp at the screen's scale; slightly
// darkened while pressed, with a focus outline when it has the keyboard focus.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    // artwork: a picture compiled into the program (e.g. ":/close-mark.svg").
    PictureButton(const QString& artwork, QWidget* parent = nullptr);
    ~PictureButton() override;

    QSize sizeHint() const override;
    // While its window is still being built (the button not yet visible): draws its picture,
    // at its present size, on a thread of its own for its first paint.
    void DrawAhead();

protected:
    void paintEvent(QPaintEvent* event) override;
    // Enter and Return press the button, as Space does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Impl;
    Impl* d;
};

// The frame every control of the frameless windows draws around itself while it has the
// keyboard focus: 2 pixels, visible on the dark artwork and on light panels alike.
void DrawFocusFrame(QPainter& painter, const QRect& rect);
// The colour of its inner, two-pixel line.
QColor FocusFrameColour();
// The same frame for standard controls, as a style sheet rule for the given selector.
QString FocusFrameStyle(const QString& szSelector);
