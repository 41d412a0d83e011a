#include "inventory/search/search_text.h"
#include "inventory/search/textarray.h"
#include "tests/support/test_main.h"

#include <QRandomGenerator>

class TestSearchText : public QObject
{
    Q_OBJECT
private slots:
    void twinSwapsTheFirstCharactersCase();
    void hitsAreTheFirstArrayHoldingEitherForm();
    void aLargeInventorysHitsComeWholeAndInOrder();
    void bothByteSearchesFindTheFirstPlace();
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
}

namespace {

// A column the engine keeps, made from texts; an empty optional is Null.
records::TextColumn columnOf(const std::vector<std::optional<QString>>& texts)
{
    records::TextColumn::Builder b;
    std::vector<std::string> storage;
    storage.reserve(texts.size());
    for (const auto& t : texts) {
        if (!t) {
            b.append(std::nullopt);
            continue;
        }
        storage.push_back(t->toStdString());
        b.append(std::string_view(storage.back()));
    }
    return b.finish();
}

// The search as a plain loop over QStrings: the first array whose element holds s or t, all
// three in Unicode normal form C.
std::vector<search::Hit> naive(const std::vector<std::vector<QString>>& arrays, std::size_t end,
                               const QString& s, const QString& t)
{
    std::vector<search::Hit> hits;
    const QString ns = s.normalized(QString::NormalizationForm_C);
    const QString nt = t.normalized(QString::NormalizationForm_C);
    for (std::size_t p = 0; p < end; ++p)
        for (std::size_t a = 0; a < arrays.size(); ++a)
            if (p < arrays[a].size() &&
                (arrays[a][p].normalized(QString::NormalizationForm_C).contains(ns) ||
                 arrays[a][p].normalized(QString::NormalizationForm_C).contains(nt))) {
                hits.push_back({static_cast<std::int32_t>(p), static_cast<int>(a)});
                break;
            }
    return hits;
}

} // namespace

void TestSearchText::hitsAreTheFirstArrayHoldingEitherForm()
{
    // Texts over a small alphabet meet the search text often: at every place of a cell, at
    // the start and end of cells lying end to end in the engine's chunks, and across them.
    // An accent stored apart from its letter (a combining acute) is the same text as the
    // letter stored with it.
    QRandomGenerator rng(7);
    const QStringList alphabet = {
        QStringLiteral("a"),          QStringLiteral("b"),      QStringLiteral("A"), QStringLiteral("B"),
        QStringLiteral("\u00e1"),     QStringLiteral("\u00c1"), QStringLiteral("z"), QStringLiteral(" "),
        QStringLiteral("\U0001D49C"), QStringLiteral("\u0301")};
    auto randomText = [&](int length) {
        QString text;
        for (int i = 0; i < length; ++i)
            text.append(alphabet.at(rng.bounded(static_cast<int>(alphabet.size()))));
        return text;
    };
    int found = 0;
    for (int round = 0; round < 300; ++round) {
        const int n = 1 + rng.bounded(9000); // more than one chunk of cells, now and then
        std::vector<std::vector<QString>> plain(3);
        std::vector<records::TextColumn> columns;
        std::vector<search::TextArray> arrays(3);
        for (int a = 0; a < 3; ++a) {
            std::vector<std::optional<QString>> texts;
            for (int p = 0; p < n; ++p) {
                const int kind = rng.bounded(10);
                texts.push_back(kind == 0
                                    ? std::optional<QString>()
                                    : std::optional<QString>(randomText(kind == 1 ? 0 : rng.bounded(12))));
            }
            columns.push_back(columnOf(texts));
        }
        // Now and then one array's column stands in another order than the others'.
        std::vector<std::uint32_t> backwards(static_cast<std::size_t>(n));
        for (int p = 0; p < n; ++p)
            backwards[static_cast<std::size_t>(p)] = static_cast<std::uint32_t>(n - 1 - p);
        const records::CellOrder reversed = std::make_shared<const std::vector<std::uint32_t>>(backwards);
        for (int a = 0; a < 3; ++a) {
            // The arrays are filled as a window fills them, from the column at its positions;
            // one of them now and then from texts of their own, or only part of the way.
            const int filled = a == 2 && round % 3 == 0 ? n / 2 : n;
            const bool inOtherOrder = a == 1 && round % 6 == 2;
            arrays[a].reset(static_cast<std::size_t>(n) + 1);
            plain[a].assign(static_cast<std::size_t>(n) + 1, QString());
            for (int p = 0; p < filled; ++p) {
                // Texts read from the file, as before the engine keeps a column: for every
                // element of one array, or for the first ones of another.
                const bool fromFile = (a == 1 && round % 4 == 0) || (a == 0 && round % 4 == 1 && p < 256);
                const auto ref =
                    fromFile ? (columns[a].isNull(static_cast<std::size_t>(p))
                                    ? records::TextRef()
                                    : records::TextRef::text(columns[a].text(static_cast<std::size_t>(p))))
                    : inOtherOrder
                        ? records::TextRef::inColumn(columns[a], reversed, static_cast<std::size_t>(p))
                        : records::TextRef::inColumn(columns[a], static_cast<std::size_t>(p));
                arrays[a].take(static_cast<std::size_t>(p), ref);
                plain[a][static_cast<std::size_t>(p)] = ref.toString();
            }
            // Texts read before the column was kept are shared once it is, not held twice.
            if (a == 0 && round % 4 == 1)
                QCOMPARE(arrays[a].sharedCount(), static_cast<std::size_t>(filled));
            if (round % 5 == 0 && n > 3) {
                arrays[a].set(1, QStringLiteral("ab"));
                plain[a][1] = QStringLiteral("ab");
            }
        }
        for (const QString& s :
             {randomText(1 + rng.bounded(3)), randomText(1), QStringLiteral("b\U0001D49C")}) {
            const QString t = search::twin(s);
            const std::size_t end = static_cast<std::size_t>(n - rng.bounded(3));
            const auto hits = search::findHits({&arrays[0], &arrays[1], &arrays[2]}, end, s, t);
            const auto expected = naive(plain, end, s, t);
            QVERIFY2(hits == expected, qPrintable(QStringLiteral("round %1, '%2': %3 hits, expected %4")
                                                      .arg(round)
                                                      .arg(s)
                                                      .arg(hits.size())
                                                      .arg(expected.size())));
            found += static_cast<int>(hits.size());
        }
        for (int a = 0; a < 3; ++a)
            QCOMPARE(arrays[a].toVector(), plain[a]);
    }
    QVERIFY(found > 10000);
}

void TestSearchText::aLargeInventorysHitsComeWholeAndInOrder()
{
    // An inventory of some hundred thousand records is searched on two cores: its columns in
    // halves, the places of the hits in halves, through the window's order of the cells. The
    // third array reaches part of the way only, as when records were added elsewhere.
    QRandomGenerator rng(3);
    const int n = 300000;
    const QStringList letters = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("A"),
                                 QStringLiteral("z"), QStringLiteral("\u00e1")};
    std::vector<std::uint32_t> shuffled(static_cast<std::size_t>(n));
    for (std::size_t p = 0; p < shuffled.size(); ++p)
        shuffled[p] = static_cast<std::uint32_t>(p);
    for (std::size_t p = shuffled.size() - 1; p > 0; --p)
        std::swap(shuffled[p], shuffled[static_cast<std::size_t>(rng.bounded(static_cast<int>(p) + 1))]);
    const records::CellOrder order = std::make_shared<const std::vector<std::uint32_t>>(shuffled);
    std::vector<records::TextColumn> columns;
    std::vector<search::TextArray> arrays(3);
    std::vector<std::vector<QString>> plain(3);
    for (int a = 0; a < 3; ++a) {
        std::vector<std::optional<QString>> texts;
        for (int p = 0; p < n; ++p) {
            QString text;
            for (int i = rng.bounded(a == 2 ? 3 : 7); i > 0; --i)
                text.append(letters.at(rng.bounded(static_cast<int>(letters.size()))));
            texts.emplace_back(text);
        }
        columns.push_back(columnOf(texts));
    }
    for (int a = 0; a < 3; ++a) {
        const int filled = a == 2 ? n - 1000 : n;
        arrays[a].reset(static_cast<std::size_t>(n));
        plain[a].assign(static_cast<std::size_t>(n), QString());
        for (int p = 0; p < filled; ++p) {
            const auto ref = records::TextRef::inColumn(columns[a], order, static_cast<std::size_t>(p));
            arrays[a].take(static_cast<std::size_t>(p), ref);
            plain[a][static_cast<std::size_t>(p)] = ref.toString();
        }
    }
    for (const QString& s : {QStringLiteral("a"), QStringLiteral("bz"), QStringLiteral("\u00e1a")}) {
        const auto hits = search::findHits({&arrays[0], &arrays[1], &arrays[2]}, static_cast<std::size_t>(n),
                                           s, search::twin(s));
        const auto expected = naive(plain, static_cast<std::size_t>(n), s, search::twin(s));
        QVERIFY2(
            hits == expected,
            qPrintable(
                QStringLiteral("'%1': %2 hits, expected %3").arg(s).arg(hits.size()).arg(expected.size())));
        QVERIFY(hits.size() > 1000);
    }
}

void TestSearchText::bothByteSearchesFindTheFirstPlace()
{
    // Few letters, so texts of every length meet often: at a block's edge, overlapping one
    // another, in the last bytes, and where only the first and last bytes agree. The second
    // text differs from the first in its first character, as a twin does (in one byte or two,
    // so that a place holding the first byte of one and the second of the other is met), or
    // is the same, or differs in length and is not looked for.
    QRandomGenerator rng(11);
    const std::string letters = "ab\xc3\xa1z";
    auto randomBytes = [&](int length) {
        std::string bytes;
        for (int i = 0; i < length; ++i)
            bytes.push_back(letters[static_cast<std::size_t>(rng.bounded(static_cast<int>(letters.size())))]);
        return bytes;
    };
    int found = 0;
    for (int round = 0; round < 2000; ++round) {
        const std::string hay = randomBytes(rng.bounded(round % 4 == 0 ? 300 : 80));
        const std::string a = randomBytes(1 + rng.bounded(round % 7 == 0 ? 20 : 5));
        std::string b = a;
        if (round % 3 == 1)
            for (std::size_t i = 0; i < (round % 2 == 0 ? 2u : 1u) && i < b.size(); ++i)
                b[i] = letters[static_cast<std::size_t>(rng.bounded(static_cast<int>(letters.size())))];
        else if (round % 3 == 2)
            b.push_back('a');
        for (std::size_t from = 0; from <= hay.size() + 1; ++from) {
            const std::size_t expected =
                std::min(std::string_view(hay).find(a, from),
                         b.size() == a.size() ? std::string_view(hay).find(b, from) : std::string_view::npos);
            QCOMPARE(search::findEither(hay, from, a, b), expected);
            QCOMPARE(search::findEitherPortable(hay, from, a, b), expected);
            found += expected != std::string_view::npos ? 1 : 0;
        }
    }
    QVERIFY(found > 10000);
}

QB_TEST_MAIN(TestSearchText)
#include "tst_search_text.moc"
