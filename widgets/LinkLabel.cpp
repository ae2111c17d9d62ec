#include "widgets/LinkLabel.h"

#include "widgets/FramelessWindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// What a screen reader sees of a LinkLabel: its text as name, its tooltip as description, a
// button or link role and a press action.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel* label)
        : QAccessibleWidget(label, label->IsLink() ? QAccessible::Link : QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        const auto* label = static_cast<const LinkLabel*>(widget());
        if (kind == QAccessible::Name && label->accessibleName().isEmpty()) {
            return label->text();
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& szAction) override {
        if (szAction == pressAction()) {
            // After the screen reader's call has returned, as a button's press is: a command
            // that opens a box would otherwise keep the screen reader waiting until the box is
            // closed.
            QMetaObject::invokeMethod(
                widget(), [label = static_cast<LinkLabel*>(widget())] { emit label->activated(); },
                Qt::QueuedConnection);
            return;
        }
        QAccessibleWidget::doAction(szAction);
    }
};

QAccessibleInterface* LinkLabelFactory(const QString& szClass, QObject* object) {
    if (szClass == QLatin1String("LinkLabel") && object != nullptr && object->isWidgetType()) {
        return new LinkLabelAccessible(static_cast<LinkLabel*>(object));
    }
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString& szText, bool bLink, QWidget* parent)
    : QLabel(szText, parent), m_bLink(bLink) {
    // First: whatever follows may already make the label's accessible interface.
    InstallLinkLabelAccessibility();
    setTextFormat(Qt::PlainText);
    // By Tab only: a click gives the command without taking the focus from a box.
    setFocusPolicy(Qt::TabFocus);
    setCursor(HandPointer());
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) &&
        event->modifiers() == Qt::NoModifier && !event->isAutoRepeat()) {
        event->accept();
        emit activated();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_bPressed = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        // A click: released over the label it was pressed on.
        const bool bClick = m_bPressed && rect().contains(event->position().toPoint());
        m_bPressed = false;
        event->accept();
        if (bClick) {
            emit activated();
        }
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void InstallLinkLabelAccessibility() {
    static const bool bInstalled = [] {
        QAccessible::installFactory(LinkLabelFactory);
        return true;
    }();
    Q_UNUSED(bInstalled);
}
