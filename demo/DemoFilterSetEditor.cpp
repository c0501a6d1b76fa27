#include "DemoFilterSetEditor.h"

#include "DemoFilterSets.h"

#include <datapoints/Manager.h>
#include <variables/TextVar.h>

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

DemoFilterSetEditor::DemoFilterSetEditor(QWidget* parent)
    : QWidget(parent)
    , m_sets(new QComboBox)
    , m_json(new QPlainTextEdit)
    , m_result(new QLabel)
{
    setObjectName(QStringLiteral("filtersets"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Filter set datapoint:")));
    row->addWidget(m_sets);
    auto* set = new QPushButton(tr("Set .SetJSON"));
    set->setObjectName(QStringLiteral("setJson"));
    row->addWidget(set);
    row->addWidget(m_result, 1);
    layout->addLayout(row);
    m_json->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    layout->addWidget(m_json, 1);
    m_sets->addItems(DemoFilterSets::setDpNames());
    connect(m_sets, SIGNAL(currentIndexChanged(int)), this, SLOT(setChosen(int)));
    connect(set, SIGNAL(clicked()), this, SLOT(applyClicked()));
    setChosen(0);
}

void DemoFilterSetEditor::setChosen(int index)
{
    std::unique_ptr<Variable> value(Manager::dpGet(m_sets->itemText(index) + QStringLiteral(".SetJSON")));
    m_json->setPlainText(value && value->isA() == TEXT_VAR ? static_cast<TextVar*>(value.get())->toQString() : QString());
    m_result->clear();
}

void DemoFilterSetEditor::applyClicked()
{
    QString errMsg;
    const bool ok = Manager::dpSet(m_sets->currentText() + QStringLiteral(".SetJSON"), TextVar(m_json->toPlainText()),
                                   errMsg);
    m_result->setText(ok ? tr("set; the tab follows the datapoint (errors in the log below)") : errMsg);
}

bool DemoFilterSetEditor::setJson(const QString& dp, const QString& json)
{
    const int index = m_sets->findText(dp);
    if (index < 0)
        return false;
    m_sets->setCurrentIndex(index);
    m_json->setPlainText(json);
    applyClicked();
    return true;
}
