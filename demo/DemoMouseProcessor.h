#pragma once

#include <table/MouseEventProcessor.h>

class QMenu;

// The demo's mouse event processor: it shows the menu the script describes
// for a right press on an alarm, and reports the chosen entry with the
// event it belongs to.
class DemoMouseProcessor : public MouseEventProcessor
{
    Q_OBJECT
public:
    using MouseEventProcessor::MouseEventProcessor;

signals:
    void entryChosen(int value, const QVariantList& args);

private slots:
    void menuRequested(const QSharedPointer<MenuDescription>& menu, const QVariantList& args);
    void actionTriggered(QAction* action);

private:
    static void fill(QMenu* menu, const MenuDescription& description);
};
