#include "DemoMouseProcessor.h"

#include <QMenu>
#include <QTextStream>

void DemoMouseProcessor::menuRequested(const QSharedPointer<MenuDescription>& menu, const QVariantList& args)
{
    // Every event is answered with a menu; it is shown for a right press.
    const QVariantMap event = args.value(0).toMap();
    if (event.value(QStringLiteral("type")).toInt() != Pressed || event.value(QStringLiteral("button")).toInt() != Qt::RightButton)
        return;
    auto* popup = new QMenu;
    popup->setObjectName(QStringLiteral("alarmMenu"));
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setProperty("eventArgs", args);
    fill(popup, *menu);
    QStringList entries;
    for (QAction* action : popup->actions())
        entries << (action->isSeparator() && action->text().isEmpty() ? QStringLiteral("-") : action->text());
    QTextStream(stdout) << "alarm menu: " << entries.join(QStringLiteral(" | ")) << Qt::endl;
    connect(popup, SIGNAL(triggered(QAction*)), this, SLOT(actionTriggered(QAction*)));
    popup->popup(QPoint(menu->getMenuX(), menu->getMenuY()));
}

void DemoMouseProcessor::fill(QMenu* menu, const MenuDescription& description)
{
    for (const QSharedPointer<MenuDescription>& item : description.getItems()) {
        switch (item->getType()) {
        case MenuDescription::Label:
            menu->addSection(item->getLabel());
            break;
        case MenuDescription::Separator:
            menu->addSeparator();
            break;
        case MenuDescription::Push:
        case MenuDescription::Check: {
            QAction* action = menu->addAction(item->getLabel());
            action->setData(item->getValue());
            action->setEnabled(item->isEnabled());
            action->setCheckable(item->getType() == MenuDescription::Check);
            action->setChecked(item->isChecked());
            break;
        }
        case MenuDescription::Cascade: {
            QMenu* sub = menu->addMenu(item->getLabel());
            sub->setEnabled(item->isEnabled());
            fill(sub, *item);
            break;
        }
        default:
            break;
        }
    }
}

void DemoMouseProcessor::actionTriggered(QAction* action)
{
    // A submenu's action reaches the top menu's triggered() too.
    QObject* top = sender();
    emit entryChosen(action->data().toInt(), top->property("eventArgs").toList());
}
