// Completion merge at plant size: ten systems of 10,000 strings each, half
// of every system's strings shared with the next system, merged into one
// list without repeats, beside a plain copy of the same strings.
#include <patterns/FilterCompletions.h>

#include <filtervalues/WildcardConfig.h>
#include <variables/DynVar.h>
#include <variables/IntegerVar.h>
#include <variables/MappingVar.h>
#include <variables/TextVar.h>

#include <QtTest>

#include <memory>

namespace {

const int kSystems = 10;
const int kStrings = 10000;

QStringList systemNames()
{
    QStringList names;
    for (int s = 0; s < kSystems; ++s)
        names << QStringLiteral("System%1").arg(s);
    return names;
}

QStringList stringsOf(int system)
{
    QStringList strings;
    for (int i = 0; i < kStrings; ++i) {
        const int valve = system * kStrings / 2 + i;
        strings << QStringLiteral("Plant.Area%1.Valve%2.state").arg(valve % 37).arg(valve);
    }
    return strings;
}

} // namespace

class bench_FilterCompletions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mergeSystems_data();
    void mergeSystems();

private:
    WildcardConfig m_producer;
    std::unique_ptr<FilterCompletions> m_completions;
    QList<QStringList> m_lists;
};

void bench_FilterCompletions::initTestCase()
{
    m_completions.reset(new FilterCompletions(&m_producer, QStringLiteral("DPE"), {}));
    auto* map = new MappingVar;
    for (int s = 0; s < kSystems; ++s) {
        m_lists << stringsOf(s);
        auto* list = new DynVar;
        for (const QString& text : m_lists.last())
            list->append(new TextVar(text));
        map->setAt(new TextVar(systemNames().at(s)), list);
    }
    MappingVar answer;
    answer.setAt(new TextVar("type"), new IntegerVar(FilterCompletions::TypePerSystem));
    answer.setAt(new TextVar("map"), map);
    m_completions->applyCtrlCallReturnValue(nullptr, &answer);
    QCOMPARE(m_completions->getType(), int(FilterCompletions::TypePerSystem));
}

void bench_FilterCompletions::mergeSystems_data()
{
    QTest::addColumn<bool>("merge");
    QTest::newRow("plain copy of the strings") << false;
    QTest::newRow("getCompletionsForSystems") << true;
}

void bench_FilterCompletions::mergeSystems()
{
    QFETCH(bool, merge);
    const QStringList systems = systemNames();
    QStringList result;
    QBENCHMARK {
        if (merge) {
            result = m_completions->getCompletionsForSystems(systems);
        } else {
            result.clear();
            for (const QStringList& list : qAsConst(m_lists))
                result += list;
        }
    }
    QCOMPARE(result.size(), merge ? kStrings * (kSystems + 1) / 2 : kStrings * kSystems);
}

QTEST_GUILESS_MAIN(bench_FilterCompletions)
#include "bench_FilterCompletions.moc"
