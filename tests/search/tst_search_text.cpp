#include "inventory/search/search_text.h"
#include "tests/support/test_main.h"

#include <QRandomGenerator>

class TestSearchText : public QObject
{
    Q_OBJECT
private slots:
    void twinSwapsTheFirstCharactersCase();
    void bothScansFindTheSameTexts();
};

void TestSearchText::twinSwapsTheFirstCharactersCase()
{
    QCOMPARE(search::twin(QStringLiteral("benzene")), QStringLiteral("Benzene"));
    QCOMPARE(search::twin(QStringLiteral("Benzene")), QStringLiteral("benzene"));
    QCOMPARE(search::twin(QStringLiteral("BENZENE")), QStringLiteral("bENZENE"));
    QCOMPARE(search::twin(QStringLiteral("ácido")), QStringLiteral("Ácido"));
    QCOMPARE(search::twin(QStringLiteral("Ácido")), QStringLiteral("ácido"));
    QCOMPARE(search::twin(QStringLiteral("2-propanol")), QStringLiteral("2-propanol"));
    // A letter outside the basic plane keeps its pair whole.
    QCOMPARE(search::twin(QStringLiteral("𐐨x")), QStringLiteral("𐐀x"));

    const search::Matcher m(QStringLiteral("benz"), search::twin(QStringLiteral("benz")));
    QVERIFY(m.matches(QStringLiteral("Benzeno")));
    QVERIFY(m.matches(QStringLiteral("Clorobenzeno")));
    QVERIFY(!m.matches(QStringLiteral("BENZENO")));
    // Hits at every place of a long name: the start, the middle, the very end.
    QVERIFY(m.matches(QStringLiteral("benzil acetato de etila")));
    QVERIFY(m.matches(QStringLiteral("Cloreto de metila e Benzeno técnico")));
    QVERIFY(m.matches(QStringLiteral("0123456789abcdefBenz")));
    QVERIFY(!m.matches(QStringLiteral("0123456789abcdefBen")));
    QVERIFY(!m.matches(QStringLiteral("ben")));
    QVERIFY(!m.matches(QString()));
}

void TestSearchText::bothScansFindTheSameTexts()
{
    // Texts over a small alphabet meet the search text often, at every place and across
    // every step boundary; both scans must agree on each of them.
    QRandomGenerator rng(7);
    const QString alphabet = QStringLiteral("abAB\u00e1\u00c1z ");
    auto randomText = [&](int length) {
        QString text;
        for (int i = 0; i < length; ++i)
            text.append(alphabet.at(rng.bounded(static_cast<int>(alphabet.size()))));
        return text;
    };
    int hits = 0, misses = 0;
    for (int round = 0; round < 4000; ++round) {
        const QString s = randomText(1 + rng.bounded(4));
        const search::Matcher best(s, search::twin(s));
        const search::Matcher portable(s, search::twin(s), search::Matcher::Scan::Portable);
        const QString hay = randomText(rng.bounded(40));
        const bool expected = hay.contains(s) || hay.contains(search::twin(s));
        QCOMPARE(best.matches(hay), expected);
        QCOMPARE(portable.matches(hay), expected);
        (expected ? hits : misses)++;
    }
    // Both outcomes were tried many times.
    QVERIFY(hits > 500);
    QVERIFY(misses > 500);
}

QB_TEST_MAIN(TestSearchText)
#include "tst_search_text.moc"
