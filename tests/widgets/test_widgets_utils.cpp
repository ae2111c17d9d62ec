#include "diary/modFiles.h"
#include "tests/support/AppTestSupport.h"
#include "widgets/FramelessWindow.h"
#include "widgets/LinkLabel.h"
#include "widgets/modUtils.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>

#include <cmath>

namespace {

// A 700 x 500 picture, white, with a 20 x 10 patch of the given colour at its top left.
QString WriteArtwork(const QTemporaryDir& dir, const QString& szPatchColour) {
    const QString szPath = dir.filePath(QStringLiteral("artwork.svg"));
    QFile file(szPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return {};
    }
    file.write(QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"700\" "
                              "height=\"500\"><rect width=\"700\" height=\"500\" fill=\"#ffffff\"/>"
                              "<rect width=\"20\" height=\"10\" fill=\"%1\"/></svg>")
                   .arg(szPatchColour)
                   .toUtf8());
    return szPath;
}

void SendMouse(QWidget& window, QEvent::Type type, Qt::MouseButton button, const QPoint& local) {
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, QPointF(local), window.mapToGlobal(QPointF(local)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, buttons, Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
}

} // namespace

// Receives the addresses the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

// Counts the paints a window is asked for.
class PaintCounter : public QObject {
public:
    int iPaints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint || event->type() == QEvent::UpdateRequest) {
            ++iPaints;
        }
        return false;
    }
};

class TestAppUtils : public QObject {
    Q_OBJECT

private:
    QList<MessageBoxCall> m_calls;
    QStringList m_links;
    // The fade duration the program runs with (the tests run without one).
    int m_iDefaultFadeDuration = 0;

private slots:
    void initTestCase() {
        HideOpacityWarnings();
        m_iDefaultFadeDuration = FramelessWindow::FadeDuration();
    }

    void init() {
        m_calls.clear();
        m_links.clear();
        SetMessageBoxHandler([this](QMessageBox::Icon icon, const QString& szTitle,
                                    const QString& szText, QMessageBox::StandardButtons buttons) {
            m_calls.append({icon, szTitle, szText, buttons});
            return QMessageBox::Ok;
        });
        FramelessWindow::SetFadeDuration(0);
    }

    void cleanup() {
        SetMessageBoxHandler(nullptr);
        SetWebLinkHandler(nullptr);
    }

    void messageBoxes_data() {
        QTest::addColumn<bool>("bError");
        QTest::addColumn<QString>("szGiven");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("szTitle");
        QTest::addColumn<QString>("szText");

        QTest::newRow("error box of the loader's header check")
            << true << QStringLiteral("There is no copyright on the xml file being loaded")
            << int(QMessageBox::Critical)
            << QStringLiteral("Free Tensiolog has experienced a problem")
            << QStringLiteral("Free Tensiolog has experienced an error : There is no copyright on "
                              "the xml file being loaded");
        QTest::newRow("error box with empty detail")
            << true << QString() << int(QMessageBox::Critical)
            << QStringLiteral("Free Tensiolog has experienced a problem")
            << QStringLiteral("Free Tensiolog has experienced an error : ");
        QTest::newRow("warning box shows its text unchanged")
            << false << QStringLiteral("The report was not printed.\nCheck the printer.")
            << int(QMessageBox::Warning) << QStringLiteral("Free Tensiolog Warning")
            << QStringLiteral("The report was not printed.\nCheck the printer.");
    }

    void messageBoxes() {
        QFETCH(bool, bError);
        QFETCH(QString, szGiven);
        QFETCH(int, icon);
        QFETCH(QString, szTitle);
        QFETCH(QString, szText);

        if (bError) {
            ShowErrorMessage(szGiven);
        } else {
            QCOMPARE(ShowWarningMessage(szGiven), QMessageBox::Ok);
        }
        QCOMPARE(m_calls.size(), 1);
        QCOMPARE(int(m_calls[0].icon), icon);
        QCOMPARE(m_calls[0].szTitle, szTitle);
        QCOMPARE(m_calls[0].szText, szText);
        QCOMPARE(m_calls[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    // The real box, not the seam: what the user sees and what Enter and Escape answer.
    void realMessageBoxes_data() {
        QTest::addColumn<QString>("szText");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("safe");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");

        const int yesNo = int(QMessageBox::Yes | QMessageBox::No);
        QTest::newRow("a damaged line is shown as it is, not as markup")
            << QStringLiteral("The readings file is damaged (<S>130</X> at line 7).\n\nA copy "
                              "was kept as \"crtlg.dat.damaged-1\".")
            << int(QMessageBox::Ok) << int(QMessageBox::NoButton) << int(Qt::Key_Return)
            << int(QMessageBox::Ok);
        QTest::newRow("a tag cut off mid-line")
            << QStringLiteral("XML Tag <S>12 and the rest") << int(QMessageBox::Ok)
            << int(QMessageBox::NoButton) << int(Qt::Key_Escape) << int(QMessageBox::Ok);
        QTest::newRow("Enter answers the safe button")
            << QStringLiteral("Remove <b>all</b> readings?") << yesNo << int(QMessageBox::No)
            << int(Qt::Key_Return) << int(QMessageBox::No);
        QTest::newRow("Escape answers the safe button")
            << QStringLiteral("Remove all readings?") << yesNo << int(QMessageBox::No)
            << int(Qt::Key_Escape) << int(QMessageBox::No);
    }

    void realMessageBoxes() {
        QFETCH(QString, szText);
        QFETCH(int, buttons);
        QFETCH(int, safe);
        QFETCH(int, key);
        QFETCH(int, answer);
        SetMessageBoxHandler(nullptr);

        Qt::TextFormat format = Qt::AutoText;
        QString szShown;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            format = box->textFormat();
            szShown = box->text();
            QTest::keyClick(box, Qt::Key(key));
        });
        const QMessageBox::StandardButton result = ShowMessageBox(
            QMessageBox::Warning, QStringLiteral("Title"), szText,
            QMessageBox::StandardButtons(buttons), QMessageBox::StandardButton(safe));
        QCOMPARE(int(format), int(Qt::PlainText));
        QCOMPARE(szShown, szText);
        QCOMPARE(int(result), answer);
    }

    // A box with words of its own on its buttons (the question about another computer's
    // lock): they are what the buttons show and say, each has its access key, and the safe one
    // answers Enter and Escape.
    void ownButtonTexts_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("answer");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(QMessageBox::Close);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(QMessageBox::Close);
        QTest::newRow("its access key O") << int(Qt::Key_O) << int(QMessageBox::Open);
        QTest::newRow("its access key Q") << int(Qt::Key_Q) << int(QMessageBox::Close);
    }

    void ownButtonTexts() {
        QFETCH(int, key);
        QFETCH(int, answer);
        SetMessageBoxHandler(nullptr);
        QStringList shown;
        QStringList spoken;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            for (const QMessageBox::StandardButton button :
                 {QMessageBox::Open, QMessageBox::Close}) {
                shown << box->button(button)->text();
                QAccessibleInterface* pButton =
                    QAccessible::queryAccessibleInterface(box->button(button));
                spoken << (pButton != nullptr ? pButton->text(QAccessible::Name) : QString());
            }
            QTest::keyClick(box, Qt::Key(key));
            // A key that does nothing must not leave the test waiting for good.
            QTimer::singleShot(5000, box, [box] { box->done(QMessageBox::NoButton); });
        });
        const QMessageBox::StandardButton result = ShowMessageBox(
            QMessageBox::Warning, QStringLiteral("Title"), QStringLiteral("Open it here?"),
            QMessageBox::Open | QMessageBox::Close, QMessageBox::Close,
            {{QMessageBox::Open, QStringLiteral("&Open anyway")},
             {QMessageBox::Close, QStringLiteral("&Quit")}});
        QCOMPARE(shown, (QStringList{QStringLiteral("&Open anyway"), QStringLiteral("&Quit")}));
        QCOMPARE(spoken, (QStringList{QStringLiteral("Open anyway"), QStringLiteral("Quit")}));
        QCOMPARE(int(result), answer);
    }

    // What a screen reader finds in a real box: every part has a name (the icon its kind, the
    // row of buttons what it holds), and the message is read as the text it is.
    void messageBoxSpeaks_data() {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("szIconName");
        QTest::newRow("warning") << int(QMessageBox::Warning) << int(QMessageBox::Ok)
                                 << QStringLiteral("Warning");
        QTest::newRow("error") << int(QMessageBox::Critical)
                               << int(QMessageBox::Retry | QMessageBox::Cancel)
                               << QStringLiteral("Error");
        QTest::newRow("question") << int(QMessageBox::Question)
                                  << int(QMessageBox::Yes | QMessageBox::No)
                                  << QStringLiteral("Question");
        QTest::newRow("information") << int(QMessageBox::Information) << int(QMessageBox::Ok)
                                     << QStringLiteral("Information");
    }

    void messageBoxSpeaks() {
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(QString, szIconName);
        SetMessageBoxHandler(nullptr);
        const QString szText = QStringLiteral("Line 7 holds <S>130</X>.\n\nImport it?");
        QStringList nameless;
        QStringList graphics;
        QStringList texts;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            QTimer::singleShot(5000, box, [box] { box->done(QMessageBox::NoButton); });
            std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
                for (int i = 0; i < node->childCount(); ++i) {
                    QAccessibleInterface* child = node->child(i);
                    if (child == nullptr || child->state().invisible) {
                        continue;
                    }
                    const QString szName = child->text(QAccessible::Name);
                    if (szName.trimmed().isEmpty()) {
                        nameless << QString::fromLatin1(child->object()->metaObject()->className());
                    }
                    if (child->role() == QAccessible::Graphic) {
                        graphics << szName;
                    }
                    if (child->role() == QAccessible::StaticText) {
                        texts << szName;
                    }
                    walk(child);
                }
            };
            walk(QAccessible::queryAccessibleInterface(box));
            box->done(QMessageBox::NoButton);
        });
        ShowMessageBox(QMessageBox::Icon(icon), QStringLiteral("Title"), szText,
                       QMessageBox::StandardButtons(buttons));
        QCOMPARE(nameless, QStringList());
        QCOMPARE(graphics, QStringList{szIconName});
        QCOMPARE(texts, QStringList{szText});
    }

    // A screen reader's press of a clickable label, and the keys and clicks a person uses: each
    // gives the command once; the screen reader's call returns before the command runs (a
    // command may open a box and wait for its answer).
    void linkLabelPress_data() {
        QTest::addColumn<QString>("szHow");
        QTest::newRow("screen reader") << QStringLiteral("action");
        QTest::newRow("Enter") << QStringLiteral("enter");
        QTest::newRow("Space") << QStringLiteral("space");
        QTest::newRow("click") << QStringLiteral("click");
    }

    void linkLabelPress() {
        QFETCH(QString, szHow);
        QWidget window;
        auto* label = new LinkLabel(QStringLiteral("Reset data"), false, &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy activated(label, &LinkLabel::activated);
        if (szHow == QLatin1String("action")) {
            QAccessibleActionInterface* actions =
                QAccessible::queryAccessibleInterface(label)->actionInterface();
            QVERIFY(actions != nullptr);
            actions->doAction(QAccessibleActionInterface::pressAction());
            QCOMPARE(activated.count(), 0);
        } else if (szHow == QLatin1String("click")) {
            QTest::mouseClick(label, Qt::LeftButton);
        } else {
            label->setFocus(Qt::TabFocusReason);
            QTest::keyClick(label,
                            szHow == QLatin1String("enter") ? Qt::Key_Return : Qt::Key_Space);
        }
        QTRY_COMPARE(activated.count(), 1);
        QTest::qWait(20);
        QCOMPARE(activated.count(), 1);
    }

    // Where a window goes so that it lies wholly on the screen.
    void placeInside_data() {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QPoint>("place");

        const QRect halfHd(0, 0, 960, 540); // 1920 x 1080 at 200 %
        QTest::newRow("inside stays") << QRect(100, 20, 700, 500) << halfHd << QPoint(100, 20);
        QTest::newRow("welcome's place at 200 % moves up")
            << QRect(181, 221, 700, 500) << halfHd << QPoint(181, 40);
        QTest::newRow("off to the right and below")
            << QRect(900, 600, 700, 500) << halfHd << QPoint(260, 40);
        QTest::newRow("off to the left and above")
            << QRect(-300, -50, 700, 500) << halfHd << QPoint(0, 0);
        QTest::newRow("area not at the origin")
            << QRect(0, 0, 700, 500) << QRect(1920, 30, 1280, 994) << QPoint(1920, 30);
        QTest::newRow("larger than the area keeps its corner inside")
            << QRect(50, 50, 700, 500) << QRect(0, 0, 683, 384) << QPoint(0, 0);
    }

    void placeInside() {
        QFETCH(QRect, window);
        QFETCH(QRect, area);
        QFETCH(QPoint, place);
        QCOMPARE(FramelessWindow::PlaceInside(window, area), place);
    }

    void pictureButtonKeys_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }

    void pictureButtonKeys() {
        QFETCH(int, key);
        QWidget window;
        auto* button = new PictureButton(QStringLiteral(":/close-mark.svg"), &window);
        button->resize(25, 25);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        QSignalSpy clicks(button, &QAbstractButton::clicked);
        QTest::keyClick(button, Qt::Key(key));
        QTRY_COMPARE(clicks.count(), 1);
    }

    void webLinks_data() {
        QTest::addColumn<QString>("szAddress");
        QTest::addColumn<QString>("szOpened");

        QTest::newRow("host and query get the scheme")
            << QStringLiteral("www.tensiolog.org?src=tlgapp")
            << QStringLiteral("http://www.tensiolog.org?src=tlgapp");
        QTest::newRow("host and path get the scheme")
            << QStringLiteral("www.tensiolog.org/tlg/index.php?src=tlgapp")
            << QStringLiteral("http://www.tensiolog.org/tlg/index.php?src=tlgapp");
        QTest::newRow("http kept")
            << QStringLiteral("http://example.org") << QStringLiteral("http://example.org");
        QTest::newRow("https kept")
            << QStringLiteral("https://example.org") << QStringLiteral("https://example.org");
        QTest::newRow("letter case ignored")
            << QStringLiteral("HtTp://example.org") << QStringLiteral("HtTp://example.org");
        QTest::newRow("http further on")
            << QStringLiteral("www.http.org") << QStringLiteral("http://www.http.org");
        QTest::newRow("blank before http") << QStringLiteral(" http://example.org")
                                           << QStringLiteral("http:// http://example.org");
    }

    void webLinks() {
        QFETCH(QString, szAddress);
        QFETCH(QString, szOpened);
        SetWebLinkHandler([this](const QString& szUrl) {
            m_links.append(szUrl);
            return true;
        });
        QVERIFY(OpenWebLink(szAddress));
        QCOMPARE(m_links, QStringList{szOpened});
    }

    // Without the seam the address reaches the desktop's own URL handling.
    void webLinkReachesDesktop() {
        SetWebLinkHandler(nullptr);
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        const bool bOpened = OpenWebLink(QStringLiteral("www.tensiolog.org?src=tlgapp"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QVERIFY(bOpened);
        QCOMPARE(catcher.urls,
                 QList<QUrl>{QUrl(QStringLiteral("http://www.tensiolog.org?src=tlgapp"))});
    }

    void transparency_data() {
        QTest::addColumn<long>("lColourKey");
        QTest::addColumn<int>("alpha");
        QTest::addColumn<double>("opacity");

        QTest::newRow("key, opaque") << kColourKey << 255 << 1.0;
        QTest::newRow("key, half") << kColourKey << 128 << 128 / 255.0;
        QTest::newRow("key, invisible") << kColourKey << 0 << 0.0;
        QTest::newRow("no key, almost opaque") << -1L << 250 << 250 / 255.0;
    }

    void transparency() {
        QFETCH(long, lColourKey);
        QFETCH(int, alpha);
        QFETCH(double, opacity);

        QTemporaryDir dir;
        FramelessWindow window(WriteArtwork(dir, QStringLiteral("#00ff00")));
        window.show();
        QVERIFY(!IsLayered(&window));
        SetWindowTransparency(&window, lColourKey, static_cast<unsigned char>(alpha));
        QVERIFY(IsLayered(&window));
        QVERIFY(std::abs(window.windowOpacity() - opacity) < 0.01);
        // No pixel of the key colour: nothing is cut.
        QVERIFY(window.mask().isEmpty());

        SetLayeredStyle(&window, false);
        QVERIFY(!IsLayered(&window));
        QCOMPARE(window.windowOpacity(), 1.0);
    }

    void colourKeyCutsShape_data() {
        QTest::addColumn<QString>("szPatch");
        QTest::addColumn<long>("lColourKey");
        QTest::addColumn<bool>("bCut");

        QTest::newRow("key colour cut") << QStringLiteral("#800080") << kColourKey << true;
        // The key holds red in its lowest byte.
        QTest::newRow("red key cuts red") << QStringLiteral("#ff0000") << 0x0000FFL << true;
        QTest::newRow("red key leaves blue") << QStringLiteral("#0000ff") << 0x0000FFL << false;
        QTest::newRow("near the key is not the key")
            << QStringLiteral("#810080") << kColourKey << false;
    }

    void colourKeyCutsShape() {
        QFETCH(QString, szPatch);
        QFETCH(long, lColourKey);
        QFETCH(bool, bCut);

        QTemporaryDir dir;
        FramelessWindow window(WriteArtwork(dir, szPatch));
        window.show();
        SetWindowTransparency(&window, lColourKey, 255);
        if (bCut) {
            QVERIFY(!window.mask().contains(QPoint(5, 5)));
            QVERIFY(!window.mask().contains(QPoint(19, 9)));
            QVERIFY(window.mask().contains(QPoint(20, 5)));
            QVERIFY(window.mask().contains(QPoint(5, 10)));
            QVERIFY(window.mask().contains(QPoint(699, 499)));
        } else {
            QVERIFY(window.mask().isEmpty());
        }
        // Without a key nothing is cut.
        SetWindowTransparency(&window, -1, 255);
        QVERIFY(window.mask().isEmpty());
    }

    // The background is drawn while the window is made; whichever asks first, the first paint or
    // the shape, both see the same picture.
    void backgroundDrawnAhead_data() {
        QTest::addColumn<bool>("bShapeFirst");
        QTest::newRow("painted, then shaped") << false;
        QTest::newRow("shaped, then painted") << true;
    }
    void backgroundDrawnAhead() {
        QFETCH(bool, bShapeFirst);
        QTemporaryDir dir;
        FramelessWindow window(WriteArtwork(dir, QStringLiteral("#800080")));
        const QRegion expectedShape = QRegion(0, 0, 700, 500) - QRegion(0, 0, 20, 10);
        if (bShapeFirst) {
            QCOMPARE(window.ColourKeyShape(kColourKey), expectedShape);
        }
        const QImage painted = window.grab().toImage();
        QCOMPARE(painted.size(), QSize(700, 500));
        QCOMPARE(painted.pixelColor(5, 5), QColor(0x80, 0x00, 0x80));
        QCOMPARE(painted.pixelColor(19, 9), QColor(0x80, 0x00, 0x80));
        QCOMPARE(painted.pixelColor(20, 5), QColor(Qt::white));
        QCOMPARE(painted.pixelColor(699, 499), QColor(Qt::white));
        QCOMPARE(window.ColourKeyShape(kColourKey), expectedShape);
        // A key the picture lacks: nothing is cut, from the same picture.
        QVERIFY(window.ColourKeyShape(0x00FF00L).isEmpty());
    }

    // A button's picture drawn while its window is built is the one its first paint shows,
    // also when the button was resized in between.
    void buttonDrawnAhead_data() {
        QTest::addColumn<QSize>("drawnAt");
        QTest::addColumn<QSize>("shownAt");
        QTest::newRow("same size") << QSize(40, 30) << QSize(40, 30);
        QTest::newRow("resized in between") << QSize(40, 30) << QSize(90, 50);
    }
    void buttonDrawnAhead() {
        QFETCH(QSize, drawnAt);
        QFETCH(QSize, shownAt);
        QTemporaryDir dir;
        const QString szArtwork = dir.filePath(QStringLiteral("button.svg"));
        {
            QFile file(szArtwork);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"10\">"
                       "<rect width=\"5\" height=\"10\" fill=\"#800080\"/></svg>");
        }
        QWidget window;
        auto* button = new PictureButton(szArtwork, &window);
        button->resize(drawnAt);
        button->DrawAhead();
        button->resize(shownAt);
        auto* fresh = new PictureButton(szArtwork, &window);
        fresh->resize(shownAt);
        const QImage painted = button->grab().toImage();
        QCOMPARE(painted.size(), shownAt);
        QCOMPARE(painted, fresh->grab().toImage());
        // The left half is the artwork's purple at the size shown.
        QCOMPARE(painted.pixelColor(shownAt.width() / 4, shownAt.height() / 2),
                 QColor(0x80, 0x00, 0x80));
        QCOMPARE(painted.pixelColor(shownAt.width() / 2 - 2, shownAt.height() - 1),
                 QColor(0x80, 0x00, 0x80));
    }

    // The picture is read a band of rows at a time: patches across a band's edge and in the
    // last, shorter band are cut exactly.
    void shapeAcrossBands_data() {
        QTest::addColumn<QRect>("patch");
        QTest::newRow("first row") << QRect(0, 0, 7, 1);
        QTest::newRow("across a band's edge") << QRect(10, 28, 5, 10);
        QTest::newRow("last rows") << QRect(690, 95, 10, 5);
        QTest::newRow("whole height") << QRect(300, 0, 3, 100);
    }
    void shapeAcrossBands() {
        QFETCH(QRect, patch);
        QImage image(700, 100, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        const QColor key(0x80, 0x00, 0x80);
        for (int y = patch.top(); y <= patch.bottom(); ++y) {
            for (int x = patch.left(); x <= patch.right(); ++x) {
                image.setPixelColor(x, y, key);
            }
        }
        QCOMPARE(ShapeWithoutColour(image, kColourKey), QRegion(image.rect()) - QRegion(patch));
    }

    void dragging_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }

    void dragging() {
        QFETCH(Qt::MouseButton, button);
        QTemporaryDir dir;
        FramelessWindow window(WriteArtwork(dir, QStringLiteral("#00ff00")));
        window.move(300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.pos(), QPoint(300, 200));

        SendMouse(window, QEvent::MouseButtonPress, button, QPoint(50, 40));
        QVERIFY(window.bDragging);
        QCOMPARE(window.lDragX, 750L);
        QCOMPARE(window.lDragY, 600L);
        QVERIFY(std::abs(window.windowOpacity() - 128 / 255.0) < 0.01);

        // The grab point follows the pointer: 10 pixels right, 5 up.
        SendMouse(window, QEvent::MouseMove, button, QPoint(60, 35));
        QCOMPARE(window.pos(), QPoint(310, 195));
        QCOMPARE(window.LeftTwips(), 4650.0);
        QCOMPARE(window.TopTwips(), 2925.0);
        QCOMPARE(window.lDragX, 750L);

        SendMouse(window, QEvent::MouseButtonRelease, button, QPoint(50, 40));
        QVERIFY(!window.bDragging);
        QCOMPARE(window.windowOpacity(), 1.0);

        // Moves without a press do not drag.
        SendMouse(window, QEvent::MouseMove, Qt::NoButton, QPoint(90, 90));
        QCOMPARE(window.pos(), QPoint(310, 195));
    }

    void dragPositionRoundedToWholeTwips() {
        QTemporaryDir dir;
        FramelessWindow window(WriteArtwork(dir, QStringLiteral("#00ff00")));
        window.show();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10.04, 20.5),
                          window.mapToGlobal(QPointF(10.04, 20.5)), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&window, &press);
        QCOMPARE(window.lDragX, 151L); // 150.6 twips
        QCOMPARE(window.lDragY, 308L); // 307.5 twips
    }

    void fades() {
        QTemporaryDir dir;
        FramelessWindow window(WriteArtwork(dir, QStringLiteral("#00ff00")));
        window.show();
        window.FadeOut();
        QVERIFY(IsLayered(&window));
        QCOMPARE(window.windowOpacity(), 0.0);
        QVERIFY(window.isVisible());
        window.FadeIn();
        QCOMPARE(window.windowOpacity(), 1.0);
    }

    // What a change of opacity leads to: a fade step or a drag makes the window see-through,
    // and that alone; the window's contents are not painted again.
    void opacityChangesRepaintNothing_data() {
        QTest::addColumn<int>("iAction");
        QTest::addColumn<double>("opacity");
        QTest::newRow("fade out") << 0 << 0.0;
        QTest::newRow("fade in") << 1 << 1.0;
        QTest::newRow("fade out and in, as around the report") << 2 << 1.0;
        QTest::newRow("drag begins: half transparent") << 3 << 128 / 255.0;
        QTest::newRow("drag ends: opaque again") << 4 << 1.0;
    }

    void opacityChangesRepaintNothing() {
        QFETCH(int, iAction);
        QFETCH(double, opacity);
        QTemporaryDir dir;
        FramelessWindow window(WriteArtwork(dir, QStringLiteral("#00ff00")));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(20);
        PaintCounter paints;
        window.installEventFilter(&paints);
        switch (iAction) {
        case 0:
            window.FadeOut();
            break;
        case 1:
            window.FadeIn();
            break;
        case 2:
            window.FadeOut();
            window.FadeIn();
            break;
        case 3:
            SendMouse(window, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(50, 40));
            break;
        default:
            SendMouse(window, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(50, 40));
            SendMouse(window, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(50, 40));
            break;
        }
        // Whatever the fade left for the event loop has its turn.
        QTest::qWait(50);
        window.removeEventFilter(&paints);
        QVERIFY(std::abs(window.windowOpacity() - opacity) < 0.01);
        QCOMPARE(paints.iPaints, 0);
    }

    // A fade as the program runs it adds no pause and dispatches no event: a timer due
    // meanwhile, or a click, cannot act on a window half faded.
    void fadeAddsNoPause() {
        QCOMPARE(m_iDefaultFadeDuration, 0);
        FramelessWindow::SetFadeDuration(m_iDefaultFadeDuration);
        QTemporaryDir dir;
        FramelessWindow window(WriteArtwork(dir, QStringLiteral("#00ff00")));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bool bTimerRan = false;
        QTimer::singleShot(0, &window, [&bTimerRan] { bTimerRan = true; });
        window.FadeOut();
        QVERIFY(!bTimerRan);
        QCOMPARE(window.windowOpacity(), 0.0);
        window.FadeIn();
        QVERIFY(!bTimerRan);
        QCOMPARE(window.windowOpacity(), 1.0);
        QTRY_VERIFY(bTimerRan);
    }

    void twipsGeometry() {
        QCOMPARE(TwipsRect(9960, 180, 375, 375), QRect(664, 12, 25, 25));
        QCOMPARE(TwipsRect(8820, 7020, 1515, 375), QRect(588, 468, 101, 25));
        QTemporaryDir dir;
        FramelessWindow window(WriteArtwork(dir, QStringLiteral("#00ff00")));
        QCOMPARE(window.size(), QSize(700, 500));
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        window.SetLeftTwips(2715);
        window.SetTopTwips(3315);
        QCOMPARE(window.pos(), QPoint(181, 221));
    }

    void specialFolders_data() {
        QTest::addColumn<long>("lFolderId");
        QTest::addColumn<QString>("szExpected");

        QTest::newRow("roaming application data")
            << 26L << QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QTest::newRow("unknown id") << 9999L << QString();
        QTest::newRow("negative id") << -1L << QString();
    }

    void specialFolders() {
        QFETCH(long, lFolderId);
        QFETCH(QString, szExpected);
        const QString szPath = GetSpecialFolderPath(lFolderId);
        QCOMPARE(szPath, szExpected);
        QVERIFY(!szPath.endsWith(u'/'));
    }

    void dataFolder() {
        QTemporaryDir dir;
        // A missing folder is created, nested too.
        const QString szMissing = dir.filePath(QStringLiteral("a/b/tlg"));
        QCOMPARE(ResolveDataFolder(szMissing), szMissing);
        QVERIFY(QFileInfo(szMissing).isDir());
        // An existing one is used as it is, without its trailing separator.
        QCOMPARE(ResolveDataFolder(szMissing + u'/'), szMissing);
        // No folder, or one that cannot be made: the home folder, never a drive's root.
        QCOMPARE(ResolveDataFolder(QString()), QDir::homePath());
        QFile blocker(dir.filePath(QStringLiteral("plain-file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(ResolveDataFolder(blocker.fileName() + QStringLiteral("/sub")), QDir::homePath());
        QCOMPARE(ResolveDataFolder(blocker.fileName()), QDir::homePath());

        QCOMPARE(DataFilePath(szMissing),
                 QDir::toNativeSeparators(szMissing + QStringLiteral("/crtlg.dat")));
        QCOMPARE(DataFilePath(szMissing + u'/'),
                 QDir::toNativeSeparators(szMissing + QStringLiteral("/crtlg.dat")));
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    TestAppUtils test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_widgets_utils.moc"
