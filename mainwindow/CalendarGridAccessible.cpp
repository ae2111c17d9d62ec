#include "mainwindow/CalendarGridAccessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>

namespace {

// Whether the factory is making Qt's own table for a grid (it then stays out of the way).
bool s_bMakingOwnTable = false;

// The calendar a grid of days belongs to, or null for any other object.
QCalendarWidget* CalendarOfGrid(QObject* object) {
    auto* view = qobject_cast<QAbstractItemView*>(object);
    if (view == nullptr || view->objectName() != QLatin1String("qt_calendar_calendarview")) {
        return nullptr;
    }
    return qobject_cast<QCalendarWidget*>(view->parentWidget());
}

// The full name of a header cell of a calendar's grid: the columns by their day names, each
// row of days by the week of its middle day (row 0 holds the day names: no name).
QString HeaderName(const QCalendarWidget& calendar, QAccessible::Role role, int iSection) {
    if (role == QAccessible::ColumnHeader) {
        const int iDay = (calendar.firstDayOfWeek() - 1 + iSection) % 7 + 1;
        return calendar.locale().dayName(iDay, QLocale::LongFormat);
    }
    if (iSection <= 0) {
        return QString();
    }
    // The grid starts with the week before the first of the month when the month starts a week.
    const QDate first(calendar.yearShown(), calendar.monthShown(), 1);
    int iLead = (first.dayOfWeek() - calendar.firstDayOfWeek() + 7) % 7;
    if (iLead == 0) {
        iLead = 7;
    }
    const QDate middle = first.addDays(7 * (iSection - 1) - iLead + 3);
    //: A screen reader's name of a row of the calendar; %1 the week's number in the year
    return QCoreApplication::translate("CalendarGridAccessible", "Week %1")
        .arg(middle.weekNumber());
}

class CalendarGrid;

// One object of Qt's table for the grid (a header or a cell), as the grid shows it: headers
// under their names, and a cell's headers being those.
class GridChild : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridChild(QAccessible::Id ownId, const CalendarGrid& grid) : m_ownId(ownId), m_grid(grid) {}

    QAccessible::Id OwnId() const { return m_ownId; }
    QAccessibleInterface* Own() const { return QAccessible::accessibleInterface(m_ownId); }

    bool isValid() const override { return Own() != nullptr && Own()->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Own() ? Own()->window() : nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return Own() ? Own()->rect() : QRect(); }
    QAccessible::Role role() const override { return Own() ? Own()->role() : QAccessible::NoRole; }
    QAccessible::State state() const override {
        return Own() ? Own()->state() : QAccessible::State();
    }
    QString text(QAccessible::Text type) const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableCellInterface) {
            return OwnCell() != nullptr ? static_cast<QAccessibleTableCellInterface*>(this)
                                        : nullptr;
        }
        return Own() ? Own()->interface_cast(type) : nullptr;
    }

    // The cell's place, as Qt's table gives it; its headers, the grid's named ones.
    bool isSelected() const override { return OwnCell() && OwnCell()->isSelected(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return OwnCell() ? OwnCell()->columnIndex() : -1; }
    int rowIndex() const override { return OwnCell() ? OwnCell()->rowIndex() : -1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QAccessibleTableCellInterface* OwnCell() const {
        return Own() ? Own()->tableCellInterface() : nullptr;
    }

    QAccessible::Id m_ownId;
    const CalendarGrid& m_grid;
};

// A calendar's grid of days: Qt's own table, its headers named and its cells pointing to them.
class CalendarGrid : public QAccessibleInterface, public QAccessibleTableInterface {
public:
    CalendarGrid(QAccessibleInterface* own, QAbstractItemView* view)
        : m_ownId(QAccessible::uniqueId(own)), m_view(view) {}
    ~CalendarGrid() override {
        for (const QAccessible::Id id : std::as_const(m_children)) {
            QAccessible::deleteAccessibleInterface(id);
        }
        if (QAccessible::accessibleInterface(m_ownId) != nullptr) {
            QAccessible::deleteAccessibleInterface(m_ownId);
        }
    }

    QAbstractItemView* View() const { return m_view.data(); }
    const QCalendarWidget* Calendar() const {
        return m_view ? qobject_cast<const QCalendarWidget*>(m_view->parentWidget()) : nullptr;
    }
    // The grid's own object for one of Qt's (null stays null).
    QAccessibleInterface* Wrapped(QAccessibleInterface* own) const {
        if (own == nullptr) {
            return nullptr;
        }
        const QAccessible::Id ownId = QAccessible::uniqueId(own);
        if (const auto it = m_children.constFind(ownId); it != m_children.cend()) {
            return QAccessible::accessibleInterface(it.value());
        }
        auto* wrapped = new GridChild(ownId, *this);
        m_children.insert(ownId, QAccessible::registerAccessibleInterface(wrapped));
        return wrapped;
    }
    // The header of a column or of a row of the model.
    QAccessibleInterface* ColumnHeader(int iColumn) const { return child(1 + iColumn); }
    QAccessibleInterface* RowHeader(int iRow) const {
        return child((iRow + 1) * (columnCount() + 1));
    }

    bool isValid() const override { return m_view != nullptr && Own() && Own()->isValid(); }
    QObject* object() const override { return m_view.data(); }
    QWindow* window() const override { return Own()->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override {
        return Own()->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return Wrapped(Own()->focusChild()); }
    QAccessibleInterface* childAt(int x, int y) const override {
        return Wrapped(Own()->childAt(x, y));
    }
    QAccessibleInterface* parent() const override { return Own()->parent(); }
    int childCount() const override { return Own()->childCount(); }
    QAccessibleInterface* child(int iIndex) const override { return Wrapped(Own()->child(iIndex)); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (auto it = m_children.cbegin(); it != m_children.cend(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == child) {
                const QAccessibleInterface* own = QAccessible::accessibleInterface(it.key());
                return own != nullptr ? Own()->indexOfChild(own) : -1;
            }
        }
        return Own()->indexOfChild(child);
    }
    QString text(QAccessible::Text type) const override { return Own()->text(type); }
    void setText(QAccessible::Text type, const QString& szText) override {
        Own()->setText(type, szText);
    }
    QRect rect() const override { return Own()->rect(); }
    QAccessible::Role role() const override { return Own()->role(); }
    QAccessible::State state() const override { return Own()->state(); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface) {
            return static_cast<QAccessibleTableInterface*>(this);
        }
        return Own()->interface_cast(type);
    }

    // The table as Qt's, its headers and cells the grid's own.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int iRow, int iColumn) const override {
        return Wrapped(OwnTable()->cellAt(iRow, iColumn));
    }
    int selectedCellCount() const override { return OwnTable()->selectedCellCount(); }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (QAccessibleInterface* own : OwnTable()->selectedCells()) {
            cells << Wrapped(own);
        }
        return cells;
    }
    QString columnDescription(int iColumn) const override {
        return Calendar() ? HeaderName(*Calendar(), QAccessible::ColumnHeader, iColumn) : QString();
    }
    QString rowDescription(int iRow) const override {
        return Calendar() ? HeaderName(*Calendar(), QAccessible::RowHeader, iRow) : QString();
    }
    int columnCount() const override { return OwnTable()->columnCount(); }
    int rowCount() const override { return OwnTable()->rowCount(); }
    int selectedColumnCount() const override { return OwnTable()->selectedColumnCount(); }
    int selectedRowCount() const override { return OwnTable()->selectedRowCount(); }
    QList<int> selectedColumns() const override { return OwnTable()->selectedColumns(); }
    QList<int> selectedRows() const override { return OwnTable()->selectedRows(); }
    bool isColumnSelected(int iColumn) const override {
        return OwnTable()->isColumnSelected(iColumn);
    }
    bool isRowSelected(int iRow) const override { return OwnTable()->isRowSelected(iRow); }
    bool selectRow(int iRow) override { return OwnTable()->selectRow(iRow); }
    bool selectColumn(int iColumn) override { return OwnTable()->selectColumn(iColumn); }
    bool unselectRow(int iRow) override { return OwnTable()->unselectRow(iRow); }
    bool unselectColumn(int iColumn) override { return OwnTable()->unselectColumn(iColumn); }
    void modelChange(QAccessibleTableModelChangeEvent* event) override {
        OwnTable()->modelChange(event);
        // Qt's table may have made its objects anew: the grid's stand-ins for the old ones go.
        for (auto it = m_children.begin(); it != m_children.end();) {
            if (QAccessible::accessibleInterface(it.key()) == nullptr) {
                QAccessible::deleteAccessibleInterface(it.value());
                it = m_children.erase(it);
            } else {
                ++it;
            }
        }
    }

private:
    QAccessibleInterface* Own() const { return QAccessible::accessibleInterface(m_ownId); }
    QAccessibleTableInterface* OwnTable() const { return Own()->tableInterface(); }

    QAccessible::Id m_ownId;
    QPointer<QAbstractItemView> m_view;
    // The grid's objects by the ids of Qt's objects they stand for.
    mutable QHash<QAccessible::Id, QAccessible::Id> m_children;
};

QAccessibleInterface* GridChild::parent() const {
    return QAccessible::queryAccessibleInterface(m_grid.View());
}

QString GridChild::text(QAccessible::Text type) const {
    QAccessibleInterface* own = Own();
    if (own == nullptr) {
        return QString();
    }
    const QAccessible::Role role = own->role();
    if (type != QAccessible::Name ||
        (role != QAccessible::ColumnHeader && role != QAccessible::RowHeader) ||
        m_grid.Calendar() == nullptr) {
        return own->text(type);
    }
    // Qt's table puts a corner first, then the column headers; each row starts with its header.
    const int iIndex = m_grid.indexOfChild(this);
    const int iColumns = m_grid.columnCount() + 1;
    const int iSection = role == QAccessible::ColumnHeader ? iIndex - 1 : iIndex / iColumns - 1;
    return HeaderName(*m_grid.Calendar(), role, iSection);
}

QList<QAccessibleInterface*> GridChild::columnHeaderCells() const {
    QAccessibleInterface* header = OwnCell() ? m_grid.ColumnHeader(columnIndex()) : nullptr;
    return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
}

QList<QAccessibleInterface*> GridChild::rowHeaderCells() const {
    QAccessibleInterface* header = OwnCell() ? m_grid.RowHeader(rowIndex()) : nullptr;
    return header ? QList<QAccessibleInterface*>{header} : QList<QAccessibleInterface*>{};
}

QAccessibleInterface* CalendarGridFactory(const QString& /*szClass*/, QObject* object) {
    // A debug build of Qt checks that an object gets one interface only: there, the grid
    // keeps Qt's own table.
    if (s_bMakingOwnTable || CalendarOfGrid(object) == nullptr || QLibraryInfo::isDebugBuild()) {
        return nullptr;
    }
    // Qt's own table for the grid, made by its own factory; this one takes its place.
    s_bMakingOwnTable = true;
    QAccessibleInterface* own = QAccessible::queryAccessibleInterface(object);
    s_bMakingOwnTable = false;
    if (own == nullptr) {
        return nullptr;
    }
    return new CalendarGrid(own, static_cast<QAbstractItemView*>(object));
}

} // namespace

void InstallCalendarGridAccessible() {
    [[maybe_unused]] static const bool bInstalled = [] {
        QAccessible::installFactory(CalendarGridFactory);
        return true;
    }();
}
