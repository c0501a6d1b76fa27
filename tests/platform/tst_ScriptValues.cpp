#include "ScriptValues.h"

#include <variables/TimeVar.h>
#include <filtervalues/WildcardConfig.h>
#include <scriptbridge/converter.h>

#include <QtTest>

#include <memory>

class tst_ScriptValues : public QObject
{
    Q_OBJECT
private slots:
    void copiesAreDeepAndIndependent();
    void mappingKeysCompareByValue();
    void convertsBothWays();
    void refusesValuesWithoutScriptType();
};

void tst_ScriptValues::copiesAreDeepAndIndependent()
{
    std::unique_ptr<MappingVar> original(
        mapping({{text("list"), texts({"a", "b"})}, {text("inner"), mixed(mapping({{integer(1), text("x")}}))}}));
    std::unique_ptr<Variable> copy(original->clone());
    QVERIFY(copy->isEqual(*original));
    original->setAt(text("list"), texts({"changed"}));
    QVERIFY(!copy->isEqual(*original));
    const auto* copiedList = static_cast<const DynVar*>(static_cast<MappingVar*>(copy.get())->getAt(TextVar("list")));
    QCOMPARE(copiedList->getNumberOfItems(), 2);
    QCOMPARE(static_cast<const TextVar*>(copiedList->getAt(1))->toQString(), QStringLiteral("b"));

    DynVar list;
    list.append(text("one"));
    DynVar assigned;
    assigned = list;
    list.append(text("two"));
    QCOMPARE(assigned.getNumberOfItems(), 1);
    QVERIFY(!list.append(nullptr));
}

void tst_ScriptValues::mappingKeysCompareByValue()
{
    MappingVar map;
    QVERIFY(map.setAt(text("k"), integer(1)));
    QVERIFY(map.setAt(integer(7), text("seven")));
    QVERIFY(map.setAt(text("k"), integer(2)));  // replaces
    QCOMPARE(map.getNumberOfItems(), 2);
    QCOMPARE(static_cast<const IntegerVar*>(map.getAt(TextVar("k")))->getValue(), 2);
    QVERIFY(map.getAt(IntegerVar(7)));
    QVERIFY(!map.getAt(TextVar("7")));  // a text key is not the number key
    QVERIFY(!map.setAt(nullptr, integer(1)));
}

void tst_ScriptValues::convertsBothWays()
{
    WildcardConfig producer;
    QVariantMap map;
    map.insert(QStringLiteral("texts"), QStringList{"x", "y"});
    map.insert(QStringLiteral("number"), 42);
    map.insert(QStringLiteral("flag"), true);
    map.insert(QStringLiteral("when"), QDateTime(QDate(2026, 12, 6), QTime(1, 2, 3), Qt::UTC));
    map.insert(QStringLiteral("none"), QVariant());
    const QList<QVariant> args{QStringLiteral("ALERT_TEXT"), QVariantList{1, QStringLiteral("two")}, map};

    std::unique_ptr<Variable> converted(converter::nativeToCtrlArguments(&producer, args));
    QVERIFY(converted);
    QCOMPARE(converted->isA(), DYN_VAR);
    QCOMPARE(static_cast<DynVar*>(converted.get())->getNumberOfItems(), 3);

    QVariantMap expectedMap = map;
    expectedMap.insert(QStringLiteral("texts"), QVariantList{"x", "y"});
    expectedMap.insert(QStringLiteral("flag"), 1);
    const QVariant back = converter::anyVariableToVariant(&producer, converted.get());
    QCOMPARE(back, QVariant(QVariantList{QStringLiteral("ALERT_TEXT"), QVariantList{1, QStringLiteral("two")},
                                         expectedMap}));

    std::unique_ptr<Variable> wrapped(new AnyTypeVar(mixed(text("inside"))));
    QCOMPARE(converter::anyVariableToVariant(&producer, wrapped.get()), QVariant(QStringLiteral("inside")));
}

void tst_ScriptValues::refusesValuesWithoutScriptType()
{
    WildcardConfig producer;
    producer.setLogThreshold(MsgLoggerEnums::LogTrace);
    QVERIFY(!converter::nativeToCtrlArguments(&producer, {QStringLiteral("ok"), QVariant(QSize(1, 2))}));
    QVERIFY(!converter::nativeToCtrlArguments(&producer, {QVariant(qlonglong(1) << 40)}));
}

QTEST_GUILESS_MAIN(tst_ScriptValues)
#include "tst_ScriptValues.moc"
