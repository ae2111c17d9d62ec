#include "widgets/ChartAccessible.h"

#include "widgets/ctlChart.h"

#include <QAccessibleWidget>

namespace {

// The accessible face of the chart: a chart whose description is always current.
class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ctlChart* chart) : QAccessibleWidget(chart, QAccessible::Chart) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Description) {
            return static_cast<const ctlChart*>(widget())->Description();
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* ChartAccessibleFactory(const QString& szClassName, QObject* object) {
    if (szClassName == QLatin1String("ctlChart") && object != nullptr && object->isWidgetType()) {
        return new ChartAccessible(static_cast<ctlChart*>(object));
    }
    return nullptr;
}

} // namespace

void InstallChartAccessibility() {
    static const bool bFactoryInstalled = [] {
        QAccessible::installFactory(ChartAccessibleFactory);
        return true;
    }();
    Q_UNUSED(bFactoryInstalled);
}
