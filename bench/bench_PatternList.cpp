// Pattern list matching at plant size: 100,000 alarm texts against a list
// of 50 wildcard patterns, beside the floor of one QRegularExpression::match
// per text with the same patterns as one anchored alternation.
#include <filtervalues/ValueFilterStringPattern.h>
#include <filtervalues/WildcardPattern.h>

#include <QtTest>

namespace {

const int kAlarms = 100000;
const int kPatterns = 50;

QStringList alarmTexts()
{
    const char* const kinds[] = {"Pump", "Valve", "Motor", "Tank", "Fan"};
    const char* const states[] = {"pressure high", "open", "temperature alarm", "level low", "failure"};
    QStringList texts;
    texts.reserve(kAlarms);
    for (int i = 0; i < kAlarms; ++i) {
        texts << QStringLiteral("%1 %2 %3 in area %4")
                     .arg(QLatin1String(kinds[i % 5]))
                     .arg(i % 997)
                     .arg(QLatin1String(states[(i / 5) % 5]))
                     .arg(i % 13);
    }
    return texts;
}

// Prefixes, suffixes and inner match-all characters, as operators write them.
QStringList patterns()
{
    QStringList list;
    for (int i = 0; i < kPatterns; ++i) {
        switch (i % 5) {
        case 0: list << QStringLiteral("pump %1*").arg(i * 7); break;
        case 1: list << QStringLiteral("*valve %1 open*").arg(i * 11); break;
        case 2: list << QStringLiteral("Motor*failure in area %1").arg(i % 13); break;
        case 3: list << QStringLiteral("tank %1 level*").arg(i); break;
        default: list << QStringLiteral("Fan*%1 temperature*").arg(i); break;
        }
    }
    return list;
}

} // namespace

class bench_PatternList : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void matchAlarms_data();
    void matchAlarms();

private:
    QStringList m_texts;
    int m_expected[2] = {-1, -1};
};

void bench_PatternList::initTestCase()
{
    m_texts = alarmTexts();
}

void bench_PatternList::matchAlarms_data()
{
    QTest::addColumn<bool>("regularExpression");
    QTest::addColumn<bool>("matchCase");
    QTest::newRow("floor: QRegularExpression::match, ignore case") << true << false;
    QTest::newRow("ValueFilterStringPattern, ignore case") << false << false;
    QTest::newRow("floor: QRegularExpression::match, match case") << true << true;
    QTest::newRow("ValueFilterStringPattern, match case") << false << true;
}

void bench_PatternList::matchAlarms()
{
    QFETCH(bool, regularExpression);
    QFETCH(bool, matchCase);
    WildcardConfig config;
    ValueFilterStringPattern filter(config, QStringLiteral("ALERT_TEXT"), Constants::ValueSourceAlarm, matchCase);
    filter.setFilterText(patterns().join(QLatin1Char(';')));
    QStringList alternatives;
    for (const QString& pattern : patterns())
        alternatives << WildcardPattern::toRegExp(pattern, config.matchAllChar);
    QRegularExpression re(WildcardPattern::anchored(alternatives.join(QLatin1Char('|'))),
                          matchCase ? QRegularExpression::NoPatternOption : QRegularExpression::CaseInsensitiveOption);
    re.optimize();
    QVERIFY(re.isValid());
    int matched = 0;
    QBENCHMARK {
        matched = 0;
        for (const QString& text : qAsConst(m_texts)) {
            if (regularExpression ? re.match(text).hasMatch() : filter.matchesText(text))
                ++matched;
        }
    }
    // Both ways find the same alarms.
    int& expected = m_expected[matchCase ? 1 : 0];
    if (expected < 0)
        expected = matched;
    QCOMPARE(matched, expected);
    QVERIFY(matched > 0 && matched < kAlarms);
}

QTEST_GUILESS_MAIN(bench_PatternList)
#include "bench_PatternList.moc"
