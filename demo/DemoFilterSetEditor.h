#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPlainTextEdit;

// The page on which the engineer edits the layout JSON of a filter set and
// sets it into the set's datapoint; the statistics view rebuilds the tab
// from the datapoint at once (a broken JSON leaves the tab empty, and the
// log shows why).
class DemoFilterSetEditor : public QWidget
{
    Q_OBJECT
public:
    explicit DemoFilterSetEditor(QWidget* parent = nullptr);

    // Selects the set of datapoint dp and sets json into it, as the engineer does.
    bool setJson(const QString& dp, const QString& json);

private slots:
    void setChosen(int index);
    void applyClicked();

private:
    QComboBox* m_sets;
    QPlainTextEdit* m_json;
    QLabel* m_result;
};
