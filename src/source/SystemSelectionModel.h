#pragma once

#include "qvas_export.h"

#include <QAbstractTableModel>
#include <QRegExp>
#include <QStringList>

// The archive's systems in a grid of check boxes (position i at row
// i / columns, column i % columns), with the current selection and a
// wildcard filter that highlights matching systems.
class QVAS_EXPORT SystemSelectionModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    SystemSelectionModel(QObject* parent, int columns);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int getTotalCount() const;
    const QStringList& getSelectedSystems() const { return m_selectedSystems; }
    // Adds systems to the selection; refuses (error text, nothing changed)
    // a list naming a system the archive does not know.
    QString setSelectedSystems(const QStringList& systems);
    // The first call only: the initial selection.
    QString setInitial(const QStringList& systems);
    // Selects or unselects every system the filter matches.
    void setSelection(bool select);

signals:
    void selectionChanged(int nSelected, int nTotal);

public slots:
    // The number of systems whose whole name matches (0 for an empty pattern).
    int setFilter(const QString& filter);
    void systemListChanged();

private:
    // The system of a valid cell, empty otherwise.
    QString systemAt(const QModelIndex& index) const;
    bool isHighlighted(const QString& system) const;
    void emitGridChanged(int role);
    void emitSelectionChanged();

    QStringList m_selectedSystems;
    QRegExp m_filter;
    int m_columnCount;
    bool m_initialDone;
};
