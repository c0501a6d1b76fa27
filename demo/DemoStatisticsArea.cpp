#include "DemoStatisticsArea.h"

#include "DemoFilterSets.h"

#include <statistics/FilterStatisticsView.h>
#include <statistics/FilterStatisticsWidget.h>

#include <QTextStream>
#include <QVBoxLayout>

DemoStatisticsArea::DemoStatisticsArea(const QSharedPointer<AlarmsModel>& model, const WildcardConfig& wildcard,
                                       QWidget* parent)
    : QWidget(parent)
    , m_view(new FilterStatisticsView(wildcard, this))
{
    setObjectName(QStringLiteral("statistics"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(m_view);
    QString errMsg;
    if (!DemoFilterSets::define(errMsg) || !m_view->addConnections(DemoFilterSets::setDpNames(), model, errMsg))
        QTextStream(stderr) << "qvas-demo: filter statistics: " << errMsg << Qt::endl;
    connect(m_view, SIGNAL(filterMouseClicked(FilterStatisticsWidget*, int)), this,
            SLOT(counterClicked(FilterStatisticsWidget*, int)));
}

void DemoStatisticsArea::compareWithApplied(const SourceAndFilter& applied)
{
    m_view->compareWithCurrentFilter(applied);
}

void DemoStatisticsArea::counterClicked(FilterStatisticsWidget* source, int button)
{
    if (button == Qt::LeftButton && source->getStatistics())
        emit filterChosen(source->getSourceAndFilter());
}
