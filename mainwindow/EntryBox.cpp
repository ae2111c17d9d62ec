#include "mainwindow/EntryBox.h"

#include <QAccessible>
#include <QPainter>

#include <algorithm>
#include <utility>

QColor EntryBoxFrameColour() {
    return {0x7f, 0x8f, 0xa6};
}

EntryBox::EntryBox(QWidget* parent, std::function<bool(const QString&)> accepts, QString szWarning)
    : QLineEdit(parent), m_accepts(std::move(accepts)), m_szWarning(std::move(szWarning)) {
    connect(this, &QLineEdit::textChanged, this, [this] { UpdateMark(); });
}

void EntryBox::SetTip(const QString& szTip) {
    m_szTip = szTip;
    m_bMarked = false;
    UpdateMark(true);
}

void EntryBox::SetContext(const QString& szContext) {
    if (szContext != m_szContext) {
        m_szContext = szContext;
        UpdateMark(true);
    }
}

void EntryBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (!m_bMarked) {
        return;
    }
    const QColor mark = EntryBoxFrameColour();
    QPainter painter(this);
    painter.setPen(QPen(mark, 1, Qt::DashLine));
    const int iBaseline = height() - 4;
    painter.drawLine(QPoint(4, iBaseline), QPoint(width() - 5, iBaseline));
    // A corner turned down at the top right, clear of the digits.
    const int iCorner = std::max(6, height() / 4);
    const QPoint corner(width() - 3, 2);
    const QPoint triangle[] = {corner, corner - QPoint(iCorner, 0), corner + QPoint(0, iCorner)};
    painter.setPen(Qt::NoPen);
    painter.setBrush(mark);
    painter.drawPolygon(triangle, 3);
}

void EntryBox::UpdateMark(bool bForce) {
    const bool bMarked = !m_accepts(text());
    if (bMarked == m_bMarked && !bForce) {
        return;
    }
    m_bMarked = bMarked;
    const QString szTip =
        bMarked ? (m_szTip.isEmpty() ? m_szWarning : m_szWarning + u' ' + m_szTip) : m_szTip;
    setToolTip(szTip);
    setAccessibleDescription(m_szContext.isEmpty() ? szTip : m_szContext + u' ' + szTip);
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    update();
}
