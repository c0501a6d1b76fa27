#pragma once

#include <QHash>
#include <QSharedPointer>
#include <QWidget>

class ColorEngine;
class QLineEdit;
class QTableWidget;

// Every colour the engine knows, with a swatch that follows colorChanged,
// so that an engineer can check a colour database by eye. While shown,
// the view registers every name as in use.
class DemoColorView : public QWidget
{
    Q_OBJECT
public:
    DemoColorView(const QSharedPointer<ColorEngine>& engine, QWidget* parent);
    ~DemoColorView() override;

private slots:
    void colorChanged(const QString& name, const QColor& newColor);
    void filterNames(const QString& text);

private:
    void fillTable();
    void showSwatch(int row, const QColor& color);

    QSharedPointer<ColorEngine> m_engine;
    QLineEdit* m_filter;
    QTableWidget* m_table;
    QStringList m_names;
    QHash<QString, int> m_rowOfName;
};
