#pragma once

#include <patterns/CompletionSource.h>

#include <QSharedPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

// Asks the shared completion source for a property's completions, as a
// filter tab does, and lists what arrives.
class DemoCompletionProbe : public QWidget
{
    Q_OBJECT
public:
    DemoCompletionProbe(const QSharedPointer<CompletionSource>& source, const QStringList& systems, QWidget* parent);

public slots:
    void request();

private slots:
    void completionsReady(void* consumer, const QSharedPointer<FilterCompletions>& completions);
    void dpeTextEdited(const QString& text);

private:
    QStringList chosenSystems() const;
    void display(const FilterCompletions& completions);

    QSharedPointer<CompletionSource> m_source;
    QComboBox* m_property;
    QLineEdit* m_systems;
    QLineEdit* m_dpeText;
    QLabel* m_type;
    QListWidget* m_list;
};
