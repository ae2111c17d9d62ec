#pragma once

#include <QString>
#include <QWidget>

// A frameless window painted by a 700 x 500 background picture, dragged by its background
// (half transparent while dragging), faded out and in with 52 alpha steps, with the colour key
// cutting the window's shape where its background has exactly that colour.
class FramelessWindow : public QWidget {
    Q_OBJECT
public:
    // backgroundArtwork: a picture compiled into the program (e.g. ":/main-background.svg").
    explicit FramelessWindow(const QString& backgroundArtwork, QWidget* parent = nullptr);
    ~FramelessWindow() override;

    // Alpha 255, 250, ..., 0 (52 settings), about a quarter of a second in all.
    void FadeOut();
    // Alpha 0, 5, ..., 255 (52 settings), about a quarter of a second in all.
    void FadeIn();

    // Window position in twips (15 to the pixel).
    void SetLeftTwips(double left);
    void SetTopTwips(double top);
    double LeftTwips() const;
    double TopTwips() const;

    bool bDragging = false;
    long lDragX = 0;
    long lDragY = 0;

protected:
    // Mouse press, move and release on the background: dragging.
    virtual void Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    virtual void Form_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, double x, double y);
    virtual void Form_MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct Impl;
    Impl* d;
};
