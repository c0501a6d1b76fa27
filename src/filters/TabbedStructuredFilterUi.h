#pragma once

#include "filters/StructuredFilterUi.h"
#include "qvas_export.h"

class SingleFilterTab;
class TabsBulkChange;
class Ui_TabbedStructuredFilterUi;

// The structured filter panel of the library: each filter set is a tab,
// the last tab adds a set, each set tab closes after a confirmation. Beside
// the tabs stand the Apply button, the "not applied" label and the filter
// menu (match case, clearing or resetting, saving and loading).
class QVAS_EXPORT TabbedStructuredFilterUi : public StructuredFilterUi
{
    Q_OBJECT
public:
    TabbedStructuredFilterUi(const AlarmScreenConfiguration& config, QWidget* parent);
    ~TabbedStructuredFilterUi() override;

    void addFilterTab();

public slots:
    QList<QWidget*> getTabGroups() const override;
    void connectedSystemsChanged(const QStringList& systems) override;
    SourceAndFilter getFilter() const override;
    WFilter::FilterDisplayResult displayFilter(const SourceAndFilter& filter, StructuredFilterUi::FilterType type,
                                               QString& errMsg) override;
    void compareWithFilter(const SourceAndFilter& applied, bool flag) override;
    void displayFilterModified(bool same) override;
    void processNewCompletions(void* consumer, const QSharedPointer<FilterCompletions>& completions) override;

private slots:
    void tabButtonClicked(int currentIndex);
    void delFilterTab(int index);
    void delFilterTabConfirmed(int index);
    void updateTabName(SingleFilterTab* widget, QString tabName);
    void applyButtonClicked();
    void filterButtonClicked();

private:
    void addNewTabButton();
    // The sets of filter in new tabs, once the old tabs are gone.
    WFilter::FilterDisplayResult displaySets(const SourceAndFilter& filter, StructuredFilterUi::FilterType type,
                                             TabsBulkChange& bulk, QString& errMsg);
    // The filter set tabs, from index 0 up to the first other page.
    QList<SingleFilterTab*> filterTabs() const;
    // The index of the tab whose page is page, -1 when there is none.
    int indexOfPage(const void* page) const;

    unsigned int m_tabCounter;
    Ui_TabbedStructuredFilterUi* ui;
    // While a filter is displayed: the bulk change its removed tabs go to.
    TabsBulkChange* m_bulk;
};
