#include "TestTextRuleFilter.h"

#include <filtervalues/ValueFilterText.h>

#include <QtTest>

class tst_WFilter : public QObject
{
    Q_OBJECT
private slots:
    void isPropertyMatch_data();
    void isPropertyMatch();
    void metaObject();
};

void tst_WFilter::isPropertyMatch_data()
{
    QTest::addColumn<QString>("valueId");
    QTest::addColumn<int>("source");
    QTest::addColumn<bool>("match");
    QTest::addColumn<QString>("errMsg");

    QTest::newRow("same column and source") << "ALERT_TEXT" << 0 << true << "untouched";
    QTest::newRow("column differs in letter case only")
        << "alert_text" << 0 << false
        << "attempt to set filter for value 'alert_text' to widget for column 'ALERT_TEXT'";
    QTest::newRow("place holder inside a value id")
        << "A%2B" << 0 << false << "attempt to set filter for value 'A%2B' to widget for column 'ALERT_TEXT'";
}

void tst_WFilter::isPropertyMatch()
{
    QFETCH(QString, valueId);
    QFETCH(int, source);
    QFETCH(bool, match);
    QFETCH(QString, errMsg);

    WildcardConfig config;
    TestTextRuleFilter widget(config, QStringLiteral("ALERT_TEXT"), Constants::ValueSourceAlarm);
    QSharedPointer<ValueFilter> filter(
        new ValueFilterText(config, valueId, Constants::ValueSource(source), false));
    QString message = QStringLiteral("untouched");
    QCOMPARE(widget.isPropertyMatch(filter, message), match);
    QCOMPARE(message, errMsg);
}

void tst_WFilter::metaObject()
{
    // The base's own signals, then its slots, in order.
    QStringList methods;
    const QMetaObject& meta = WFilter::staticMetaObject;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i)
        methods << QString::fromLatin1(meta.method(i).name());
    QCOMPARE(methods.join(' '), QStringLiteral("filterTextChanged filterChanged getFilter setFilter setMatchCase "
                                               "setCompletionStrings getColumnId getSource"));
}

QTEST_MAIN(tst_WFilter)
#include "tst_WFilter.moc"
