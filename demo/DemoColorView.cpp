#include "DemoColorView.h"

#include <colors/ColorEngine.h>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Column { ColumnName, ColumnSwatch, ColumnKind, ColumnCount };
}

DemoColorView::DemoColorView(const QSharedPointer<ColorEngine>& engine, QWidget* parent)
    : QWidget(parent)
    , m_engine(engine)
    , m_filter(new QLineEdit)
    , m_table(new QTableWidget(0, ColumnCount))
{
    m_filter->setPlaceholderText(tr("Show names containing..."));
    m_filter->setClearButtonEnabled(true);
    m_table->setHorizontalHeaderLabels({tr("Name"), tr("Colour"), tr("Kind")});
    m_table->horizontalHeader()->setSectionResizeMode(ColumnName, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_filter);
    layout->addWidget(m_table);
    fillTable();

    connect(m_engine.data(), SIGNAL(colorChanged(QString, QColor)), this, SLOT(colorChanged(QString, QColor)));
    connect(m_filter, SIGNAL(textChanged(QString)), this, SLOT(filterNames(QString)));
}

DemoColorView::~DemoColorView()
{
    for (const QString& name : qAsConst(m_names))
        m_engine->decrementColorUsage(name);
}

void DemoColorView::fillTable()
{
    m_names = m_engine->getColorNames();
    m_table->setRowCount(m_names.size());
    for (int row = 0; row < m_names.size(); ++row) {
        const QString& name = m_names.at(row);
        m_rowOfName.insert(name, row);
        const QSharedPointer<Color> color = m_engine->getColor(name);
        m_engine->incrementColorUsage(name);
        QString kind;
        if (color->m_entries.size() > 1 && color->m_entries.first()->m_duration > 0)
            kind = tr("blinking, %1 entries").arg(color->m_entries.size());
        else if (!color->m_entries.isEmpty() && color->m_entries.first()->isAlias())
            kind = tr("alias of %1").arg(color->m_entries.first()->m_alias);
        else
            kind = tr("steady");
        m_table->setItem(row, ColumnName, new QTableWidgetItem(name));
        m_table->setItem(row, ColumnSwatch, new QTableWidgetItem);
        m_table->setItem(row, ColumnKind, new QTableWidgetItem(kind));
        showSwatch(row, color->currentColor());
    }
}

void DemoColorView::showSwatch(int row, const QColor& color)
{
    QTableWidgetItem* swatch = m_table->item(row, ColumnSwatch);
    if (!color.isValid()) {
        swatch->setBackground(QBrush());
        swatch->setText(tr("invalid (unresolved alias)"));
        return;
    }
    swatch->setBackground(color);
    swatch->setText(color.name(QColor::HexArgb));
    swatch->setForeground(color.lightness() > 128 || color.alpha() < 100 ? Qt::black : Qt::white);
}

void DemoColorView::colorChanged(const QString& name, const QColor& newColor)
{
    const int row = m_rowOfName.value(name, -1);
    if (row >= 0)
        showSwatch(row, newColor);
}

void DemoColorView::filterNames(const QString& text)
{
    for (int row = 0; row < m_names.size(); ++row)
        m_table->setRowHidden(row, !m_names.at(row).contains(text, Qt::CaseInsensitive));
}
