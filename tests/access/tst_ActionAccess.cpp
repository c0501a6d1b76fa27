#include <access/ActionAccess.h>
#include <access/ActionAccessOwner.h>
#include <access/EwoActions.h>

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kName = QStringLiteral("ackAll");

ActionAccess::ActionState stateOf(QChar c)
{
    return c == QLatin1Char('H') ? ActionAccess::Hidden
                                 : c == QLatin1Char('D') ? ActionAccess::Disabled : ActionAccess::Enabled;
}

// Runs "s=E" (state), "f=H" (fixed state), "r" (reset fixed), "p=0" (possibility).
void apply(ActionAccess& access, const QString& ops)
{
    for (const QString& op : ops.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (op.startsWith(QLatin1String("s=")))
            access.setActionState(kName, stateOf(op.at(2)));
        else if (op.startsWith(QLatin1String("f=")))
            access.setFixedActionState(kName, stateOf(op.at(2)));
        else if (op == QLatin1String("r"))
            access.resetFixedActionState(kName);
        else if (op.startsWith(QLatin1String("p=")))
            access.setActionPossibility(kName, op.at(2) == QLatin1Char('1'));
    }
}

QString letter(ActionAccess::ActionState state)
{
    return state == ActionAccess::Hidden ? QStringLiteral("H")
                                         : state == ActionAccess::Disabled ? QStringLiteral("D") : QStringLiteral("E");
}

// What a widget shows: H hidden, D disabled, E enabled.
QString shown(const QWidget* w)
{
    return w->isHidden() ? QStringLiteral("H") : w->isEnabled() ? QStringLiteral("E") : QStringLiteral("D");
}

QString shown(const QAction* a)
{
    return !a->isVisible() ? QStringLiteral("H") : a->isEnabled() ? QStringLiteral("E") : QStringLiteral("D");
}

} // namespace

class tst_ActionAccess : public QObject
{
    Q_OBJECT
private slots:
    void effectiveAndShownState_data();
    void effectiveAndShownState();
    void controlUnderOneOrTwoNames();
    void destroyedAndForeignControls();
    void menuEntries_data();
    void menuEntries();
    void setActionAccessMergesIntoTheSharedRegistry();
    void actionNames();
};

void tst_ActionAccess::effectiveAndShownState_data()
{
    QTest::addColumn<QString>("ops");
    QTest::addColumn<QString>("effective");
    QTest::addColumn<QString>("shownEarly");  // controls registered before the ops

    QTest::newRow("unknown name") << "" << "E" << "E";
    QTest::newRow("not possible") << "p=0" << "D" << "D";
    QTest::newRow("enabled but not possible") << "s=E,p=0" << "D" << "D";
    QTest::newRow("not possible, then enabled") << "p=0,s=E" << "D" << "D";
    QTest::newRow("hidden and not possible") << "p=0,s=H" << "H" << "H";
    QTest::newRow("disabled") << "s=D" << "D" << "D";
    QTest::newRow("fixed wins over state") << "s=D,f=E" << "E" << "E";
    QTest::newRow("reset fixed shows the state") << "s=D,f=H,r" << "D" << "D";
    QTest::newRow("state shown at once despite fixed") << "f=H,s=E" << "H" << "E";
    QTest::newRow("possibility shows the fixed state again") << "f=H,s=E,p=1" << "H" << "H";
    QTest::newRow("possible again") << "p=0,p=1" << "E" << "E";
}

void tst_ActionAccess::effectiveAndShownState()
{
    QFETCH(QString, ops);
    QFETCH(QString, effective);
    QFETCH(QString, shownEarly);

    QWidget parent;
    ActionAccess access;
    auto* early = new QPushButton(&parent);
    auto* earlyAction = new QAction(&parent);
    access.registerActionControl(kName, early);
    access.registerActionControl(kName, earlyAction);
    apply(access, ops);

    QCOMPARE(letter(access.getActionState(kName)), effective);
    QCOMPARE(shown(early), shownEarly);
    QCOMPARE(shown(earlyAction), shownEarly);

    // A control registered now gets the effective state.
    auto* late = new QPushButton(&parent);
    access.registerActionControl(kName, late);
    QCOMPARE(shown(late), effective);
}

void tst_ActionAccess::controlUnderOneOrTwoNames()
{
    QWidget parent;
    ActionAccess access;
    auto* button = new QPushButton(&parent);
    access.registerActionControl(kName, button);
    // A reset without a fixed state leaves the control as it is.
    button->setEnabled(false);  // changed behind the registry's back
    access.resetFixedActionState(kName);
    QVERIFY(!button->isEnabled());
    access.registerActionControl(kName, button);
    access.setActionState(kName, ActionAccess::Disabled);
    access.unregisterActionControl(kName, button);
    // One entry only: after unregistering once, the control is no longer governed.
    access.setActionState(kName, ActionAccess::Hidden);
    QCOMPARE(shown(button), QStringLiteral("D"));

    access.registerActionControl(kName, button);
    access.registerActionControl(EwoActions::AckSelected, button);
    access.setActionState(kName, ActionAccess::Disabled);
    access.setActionState(EwoActions::AckSelected, ActionAccess::Enabled);
    QCOMPARE(shown(button), QStringLiteral("E"));
    access.setActionState(kName, ActionAccess::Hidden);
    QCOMPARE(shown(button), QStringLiteral("H"));
}

void tst_ActionAccess::destroyedAndForeignControls()
{
    QWidget parent;
    ActionAccess access;
    auto* gone = new QPushButton(&parent);
    QObject plain;
    // The empty name is always enabled and never listed.
    auto* always = new QPushButton(&parent);
    access.setActionState(QString(), ActionAccess::Hidden);
    access.setActionPossibility(QString(), false);
    access.registerActionControl(QString(), always);
    QCOMPARE(access.getActionState(QString()), ActionAccess::Enabled);
    QVERIFY(!always->isHidden());
    access.registerActionControl(kName, gone);
    access.registerActionControl(EwoActions::AckGone, &plain);
    delete gone;
    access.setActionState(kName, ActionAccess::Disabled);  // purges, must not touch the dead control
    QCOMPARE(access.getControlledActionNames(), QStringList{EwoActions::AckGone});

    access.setActionState(EwoActions::AckGone, ActionAccess::Hidden);
    QCOMPARE(access.getControlledActionNames(), QStringList{EwoActions::AckGone});
    QVERIFY(!access.setQWidgetState(&plain, ActionAccess::Hidden));
    QVERIFY(!access.setQActionState(&plain, ActionAccess::Hidden));
}

void tst_ActionAccess::menuEntries_data()
{
    QTest::addColumn<QString>("ops");
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("enabled") << "" << true << true;
    QTest::newRow("disabled") << "s=D" << true << false;
    QTest::newRow("hidden") << "s=H" << false << false;
}

void tst_ActionAccess::menuEntries()
{
    QFETCH(QString, ops);
    QFETCH(bool, present);
    QFETCH(bool, enabled);
    ActionAccessOwner owner;
    apply(*owner.getActionAccess(), ops);

    QMenu menu;
    QAction* entry = owner.addMenuAction(&menu, kName, QStringLiteral("Acknowledge all"), QString());
    QCOMPARE(entry != nullptr, present);
    QCOMPARE(menu.actions().size(), present ? 1 : 0);
    if (entry) {
        QCOMPARE(entry->isEnabled(), enabled);
        QCOMPARE(entry->data().toString(), kName);
        QCOMPARE(entry->text(), QStringLiteral("Acknowledge all"));
        QCOMPARE(entry->parent(), &menu);
    }
    auto* sub = new QMenu(QStringLiteral("More"), &menu);
    owner.addSubMenu(&menu, kName, sub);
    QCOMPARE(menu.actions().contains(sub->menuAction()), present);
    if (present)
        QCOMPARE(sub->isEnabled(), enabled);
}

void tst_ActionAccess::setActionAccessMergesIntoTheSharedRegistry()
{
    QWidget parent;
    ActionAccessOwner user;
    auto* button = new QPushButton(&parent);
    user.registerActionControl(kName, button);
    user.setActionState(EwoActions::SaveFilter, ActionAccess::Disabled);
    user.setActionPossibility(EwoActions::LoadFilter, false);
    user.setFixedActionState(EwoActions::AckGone, ActionAccess::Hidden);

    QSharedPointer<ActionAccess> shared(new ActionAccess);
    shared->setActionState(kName, ActionAccess::Hidden);
    QWeakPointer<ActionAccess> previous = user.getActionAccess();
    user.setActionAccess(shared);

    QCOMPARE(user.getActionAccess(), shared);
    QVERIFY(previous.isNull());  // nobody holds the private registry any more
    QCOMPARE(shared->getActionState(EwoActions::SaveFilter), ActionAccess::Disabled);
    QCOMPARE(shared->getActionState(EwoActions::LoadFilter), ActionAccess::Disabled);
    QCOMPARE(shared->getActionState(EwoActions::AckGone), ActionAccess::Enabled);  // fixed states stay behind
    // The merged control took the shared registry's state and follows it.
    QCOMPARE(shown(button), QStringLiteral("H"));
    shared->setActionState(kName, ActionAccess::Disabled);
    QCOMPARE(shown(button), QStringLiteral("D"));

    user.setActionAccess(QSharedPointer<ActionAccess>());
    QCOMPARE(user.getActionAccess(), shared);
}

void tst_ActionAccess::actionNames()
{
    const QStringList all = EwoActions::getAllActions();
    QCOMPARE(all.size(), 32);
    QCOMPARE(all.first(), QStringLiteral("basicConfigApplied"));
    QCOMPARE(all.at(3), QStringLiteral("switchSourceMode"));
    QCOMPARE(all.mid(16, 4), (QStringList{"userSettings", "editUserSettings", "loadUserSettings", "saveUserSettings"}));
    QCOMPARE(all.last(), QStringLiteral("interactConnections"));
    QVERIFY(!all.contains(EwoActions::NewAlarmRaised));
    QStringList unique = all;
    QCOMPARE(unique.removeDuplicates(), 0);

    ActionAccessOwner owner;
    QCOMPARE(owner.getAllActions(), all);
    QObject control;
    owner.registerActionControl(EwoActions::NewAlarmRaised, &control);
    owner.registerActionControl(QStringLiteral("myHostAction"), &control);
    owner.registerActionControl(EwoActions::AckAll, &control);
    QCOMPARE(owner.getAllActions(), all + (QStringList{"myHostAction", "newAlarmRaised"}));
}

QTEST_MAIN(tst_ActionAccess)
#include "tst_ActionAccess.moc"
