#include "DemoCompletionProbe.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

DemoCompletionProbe::DemoCompletionProbe(const QSharedPointer<CompletionSource>& source, const QStringList& systems,
                                         QWidget* parent)
    : QWidget(parent)
    , m_source(source)
    , m_property(new QComboBox)
    , m_systems(new QLineEdit(systems.join(QLatin1Char(','))))
    , m_dpeText(new QLineEdit)
    , m_type(new QLabel)
    , m_list(new QListWidget)
{
    m_property->addItems({QStringLiteral("DPE"), QStringLiteral("ALERT_TEXT"), QStringLiteral("PRIORITY"),
                          QStringLiteral("ACK_STATE"), QStringLiteral("COMMENT")});
    m_dpeText->setPlaceholderText(tr("Text typed in the DPE filter, for example *Pump*"));
    auto* requestButton = new QPushButton(tr("Request completions"));

    auto* form = new QFormLayout;
    form->addRow(tr("Property:"), m_property);
    form->addRow(tr("Systems:"), m_systems);
    form->addRow(tr("DPE filter text:"), m_dpeText);
    form->addRow(QString(), requestButton);
    form->addRow(tr("Answer:"), m_type);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_list);

    connect(requestButton, SIGNAL(clicked()), this, SLOT(request()));
    connect(m_property, SIGNAL(currentIndexChanged(int)), this, SLOT(request()));
    connect(m_dpeText, SIGNAL(textEdited(QString)), this, SLOT(dpeTextEdited(QString)));
    connect(m_source.data(), SIGNAL(completionsReady(void*, QSharedPointer<FilterCompletions>)), this,
            SLOT(completionsReady(void*, QSharedPointer<FilterCompletions>)));
}

QStringList DemoCompletionProbe::chosenSystems() const
{
    QStringList systems;
    for (const QString& part : m_systems->text().split(QLatin1Char(','), Qt::SkipEmptyParts))
        systems.append(part.trimmed());
    return systems;
}

void DemoCompletionProbe::request()
{
    m_type->setText(tr("waiting for the script..."));
    m_list->clear();
    m_source->requestCompletions(this, m_property->currentText(), chosenSystems());
}

void DemoCompletionProbe::dpeTextEdited(const QString& text)
{
    m_source->filterChanged(this, QStringLiteral("DPE"), {{QStringLiteral("DPE"), text}});
}

void DemoCompletionProbe::completionsReady(void* consumer, const QSharedPointer<FilterCompletions>& completions)
{
    if ((consumer && consumer != this) || completions->getProperty() != m_property->currentText())
        return;
    display(*completions);
}

void DemoCompletionProbe::display(const FilterCompletions& completions)
{
    static const QMap<int, QString> typeNames{{0, tr("no completions")},
                                             {1, tr("fixed list")},
                                             {2, tr("depends on: %1")},
                                             {3, tr("per system")},
                                             {100, tr("unknown yet")}};
    QString type = typeNames.value(completions.getType(), QString::number(completions.getType()));
    if (completions.getType() == FilterCompletions::TypeDependsOnFilters)
        type = type.arg(completions.getDependencies().join(QStringLiteral(", ")));
    m_type->setText(type);
    m_list->clear();
    m_list->addItems(completions.getType() == FilterCompletions::TypePerSystem
                         ? completions.getCompletionsForSystems(chosenSystems())
                         : completions.getCompletionList());
}
