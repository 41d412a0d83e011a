// Storage groups measured against the published chart, not against the code: real
// chemicals with the hazard statements of their safety data sheets, in pairs, each with
// the verdict the chart gives for the groups the published table puts them in.
#include "inventory/safety/storagecheck.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/database.h"
#include "tests/support/test_main.h"

#include <QFile>
#include <QTemporaryDir>

using safety::Group;
using safety::Scheme;

namespace {

struct Sheet
{
    const char* name;
    const char* formula;
    const char* hazards;
};

// The chemicals, with their statements as their safety data sheets give them.
const Sheet kNitric{"Ácido nítrico 65%", "HNO3", "H272 H290 H314 H331 EUH071"};
const Sheet kAceticAnhydride{"Anidrido acético", "C4H6O3", "H226 H302 H314 H330"};
const Sheet kMagnesium{"Magnésio em fita", "Mg", "H228 H251 H261"};
const Sheet kSodium{"Sódio metálico", "Na", "H260 H314 EUH014"};
const Sheet kAcetic{"Ácido acético glacial", "C2H4O2", "H226 H314"};
const Sheet kCitric{"Citric acid", "C6H8O7", "H319"};
const Sheet kBenzoic{"Benzoic acid", "C7H6O2", "H315 H318 H372"};
const Sheet kPropionic{"Propionic acid", "C3H6O2", "H226 H314 H335"};
const Sheet kMaleic{"Maleic acid", "C4H4O4", "H302 H315 H317 H319 H335"};
const Sheet kDiethylamine{"Diethylamine", "C4H11N", "H225 H302 H311 H314 H331"};
const Sheet kPiperidine{"Piperidine", "C5H11N", "H225 H302 H311 H314 H331"};
const Sheet kTriethanolamine{"Triethanolamine", "C6H15NO3", "Not classified as hazardous under GHS."};
const Sheet kBenzylamine{"Benzylamine", "C7H9N", "H302 H312 H314"};
const Sheet kBorohydride{"Sodium borohydride", "NaBH4", "H260 H301 H314 H360F"};
const Sheet kBenzoylChloride{"Benzoyl chloride", "C7H5ClO", "H290 H302 H312 H314 H317 H331"};
const Sheet kZincDust{"Zinc dust", "Zn", "H250 H260 H410"};
const Sheet kMethyllithium{"Methyllithium solution in diethyl ether", "CH3Li",
                           "H224 H250 H260 H314 H336 EUH014 EUH019"};
const Sheet kMesylChloride{"Methanesulfonyl chloride", "CH3ClO2S",
                           "H290 H301 H311 H314 H317 H330 H335 EUH014"};
const Sheet kLah{"Lithium aluminum hydride", "LiAlH4", "H260 H314 EUH014"};
const Sheet kNaOH{"Hidróxido de sódio", "NaOH", "H290 H314"};
const Sheet kAmmonia{"Ammonium hydroxide 28%", "NH4OH", "H290 H314 H335 H400"};
const Sheet kLiOH{"Lithium hydroxide", "LiOH", "H302 H314"};
const Sheet kCsOH{"Cesium hydroxide", "CsOH", "H302 H314"};
const Sheet kPerchloric{"Perchloric acid 70%", "HClO4", "H271 H290 H314"};
const Sheet kHypochlorite{"Sodium hypochlorite solution", "NaOCl", "H290 H314 H400 EUH031"};
const Sheet kPeroxide{"Peróxido de hidrogênio 30%", "H2O2", "H302 H318 H412"};
const Sheet kMcpba{"3-Chloroperoxybenzoic acid", "C7H5ClO3", "H242 H315 H319 H335"};
const Sheet kHCl{"Ácido clorídrico 37%", "HCl", "H290 H314 H335"};
const Sheet kSulfuric{"Ácido sulfúrico 98%", "H2SO4", "H290 H314"};
const Sheet kPhosphoric{"Ácido fosfórico 85%", "H3PO4", "H290 H314"};
const Sheet kHF{"Hydrofluoric acid 48%", "HF", "H300 H310 H314 H330"};
const Sheet kNaCl{"Cloreto de sódio", "NaCl", "Not classified as hazardous under GHS."};
const Sheet kGlycerol{"Glicerol", "C3H8O3", "Not classified as hazardous under GHS."};
const Sheet kBicarbonate{"Bicarbonato de sódio", "NaHCO3", "Not classified as hazardous under GHS."};
const Sheet kPermanganate{"Permanganato de potássio", "KMnO4", "H272 H302 H410"};
const Sheet kSO2{"Sulfur dioxide", "SO2", "H280 H314 H331"};
const Sheet kHexafluoropropylene{"Hexafluoropropylene", "C3F6", "H280 H332 H335 H373"};
const Sheet kPicricDry{"Picric acid, dry", "C6H3N3O7", "H201 H228 H301 H311 H331"};
const Sheet kTetrazole{"1H-Tetrazole", "CH2N4", "H240 H315 H319 H335"};
const Sheet kPicricMoist{"Picric acid, moistened with water", "C6H3N3O7", "H228 H301 H311 H331"};
const Sheet kNaSH{"Sodium hydrogen sulfide hydrate", "NaSH", "H290 H302 H311 H314 H400 EUH031"};
const Sheet kPhosphorus{"Phosphorus, white", "P4", "H250 H300 H314 H330 H400"};
const Sheet kBenzene{"Benzeno", "C6H6", "H225 H304 H315 H319 H340 H350 H372"};
const Sheet kMethanol{"Metanol", "CH4O", "H225 H301 H311 H331 H370"};
const Sheet kToluene{"Tolueno", "C7H8", "H225 H304 H315 H336 H361d H373"};
const Sheet kThf{"Tetra-hidrofurano", "C4H8O", "H225 H302 H319 H335 H351 EUH019"};
const Sheet kAcetone{"Acetona", "C3H6O", "H225 H319 H336 EUH066"};
const Sheet kEthanol{"Etanol absoluto", "C2H6O", "H225 H319"};

struct Pair
{
    Sheet first;
    Sheet second;
    bool apart; // the chart's verdict
    const char* source;
};

// The verdicts of the chart (Prudent Practices in the Laboratory, 2011, Figure 5.1: A, D, L
// and G share; C, E, F and G share; B, J, K and X stand alone) for the groups Table 5.1
// lists the chemicals under ("T5.1"), or that the group's own definition gives ("def").
const Pair kPairs[] = {
    {kNitric, kAceticAnhydride, true, "T5.1 nitric acid E; def anhydride D or L: both apart from E"},
    {kMagnesium, kSodium, false, "def B: both water-reactive, one group"},
    {kNitric, kAcetic, true, "T5.1 E with T5.1 D"},
    {kNitric, kHCl, false, "T5.1 E with T5.1 F"},
    {kSulfuric, kNaOH, false, "T5.1 F with T5.1 C: one family, each in its tray"},
    {kHCl, kAmmonia, false, "T5.1 F with T5.1 C"},
    {kAcetic, kDiethylamine, false, "T5.1 D with T5.1 A: one family"},
    {kAcetic, kNaOH, true, "T5.1 D with T5.1 C"},
    {kHCl, kAcetic, true, "T5.1 F with T5.1 D"},
    {kSulfuric, kMethanol, true, "T5.1 F with T5.1 L"},
    {kPeroxide, kAcetone, true, "T5.1 E with def L"},
    {kPermanganate, kGlycerol, false, "def E with def G: G shares with every family"},
    {kSodium, kEthanol, true, "def B with def L"},
    {kLah, kThf, true, "T5.1 B with T5.1 L"},
    {kBorohydride, kZincDust, false, "T5.1 B with T5.1 B"},
    {kMethyllithium, kLah, false, "T5.1 B with T5.1 B"},
    {kBenzoylChloride, kToluene, true, "T5.1 B with T5.1 L"},
    {kMesylChloride, kBorohydride, false, "T5.1 B with T5.1 B"},
    {kDiethylamine, kPiperidine, false, "T5.1 A with T5.1 A"},
    {kTriethanolamine, kBenzene, false, "T5.1 A with T5.1 L"},
    {kBenzylamine, kNitric, true, "T5.1 A with T5.1 E"},
    {kPiperidine, kHCl, true, "T5.1 A with T5.1 F"},
    {kCitric, kNaCl, false, "T5.1 D with def G"},
    {kBenzoic, kPermanganate, true, "T5.1 D with def E"},
    {kMaleic, kPropionic, false, "T5.1 D with T5.1 D"},
    {kPropionic, kPerchloric, true, "T5.1 D with T5.1 E"},
    {kPerchloric, kHypochlorite, false, "T5.1 E with T5.1 E"},
    {kHypochlorite, kAmmonia, false, "T5.1 E with T5.1 C: one family"},
    {kHF, kPhosphoric, false, "T5.1 F with T5.1 F"},
    {kSO2, kMethanol, true, "T5.1 J with T5.1 L"},
    {kSO2, kNaCl, true, "T5.1 J with def G: J stands alone"},
    {kPicricDry, kNaCl, true, "T5.1 K with def G: K stands alone"},
    {kPicricDry, kTetrazole, false, "T5.1 K with T5.1 K"},
    {kPicricMoist, kPicricDry, true, "T5.1 X with T5.1 K"},
    {kNaSH, kNaCl, true, "T5.1 X with def G: X stands alone"},
    {kPhosphorus, kSodium, true, "T5.1 X with def B"},
    {kPhosphorus, kMethanol, true, "T5.1 X with T5.1 L"},
    {kBenzene, kToluene, false, "T5.1 L with T5.1 L"},
    {kMethanol, kGlycerol, false, "T5.1 L with def G"},
    {kAcetone, kNaCl, false, "def L with def G"},
    {kMagnesium, kNaCl, true, "def B with def G: B stands alone"},
    {kNaOH, kLiOH, false, "T5.1 C with T5.1 C"},
    {kCsOH, kPeroxide, false, "T5.1 C with T5.1 E"},
    {kAmmonia, kAcetone, true, "T5.1 C with def L"},
    {kBicarbonate, kHCl, false, "def G with T5.1 F"},
    {kHexafluoropropylene, kSO2, false, "T5.1 J with T5.1 J"},
    {kThf, kPeroxide, true, "T5.1 L with T5.1 E"},
    {kBorohydride, kAcetic, true, "T5.1 B with T5.1 D"},
    {kZincDust, kSulfuric, true, "T5.1 B with T5.1 F"},
    {kMcpba, kBenzene, true, "T5.1 E with T5.1 L"},
    {kCitric, kMethanol, false, "T5.1 D with T5.1 L"},
};

safety::Assignment classify(const Sheet& s)
{
    return Scheme::builtIn().classify({s.name, {}, s.formula, s.hazards});
}

QString verdict(bool apart)
{
    return apart ? QStringLiteral("apart") : QStringLiteral("together");
}

QString sampleInventory(const QTemporaryDir& dir)
{
    QFile sql(QStringLiteral(QB_SAMPLE_SQL));
    sql.open(QIODevice::ReadOnly);
    const QString path = dir.filePath(QStringLiteral("sample.mdb"));
    records::Database::create(path, store::schemaScript() + QString::fromUtf8(sql.readAll()));
    return path;
}

// The names of a group's chemicals in a place, as the report keeps them.
QStringList names(const safety::PlaceReport& place, Group g)
{
    QStringList out;
    for (const safety::Chemical& c : place.tally(g).examples)
        out.append(c.name);
    return out;
}

} // namespace

class TestStorageGroups : public QObject
{
    Q_OBJECT
private slots:
    void theChartsVerdictsOnRealPairs();
    void theHazardsTextSetsTheGroup();
    void theSampleInventorysShelves();
};

void TestStorageGroups::theChartsVerdictsOnRealPairs()
{
    const Scheme& scheme = Scheme::builtIn();
    int agree = 0;
    QStringList disagreements;
    for (const Pair& p : kPairs) {
        const safety::Assignment a = classify(p.first), b = classify(p.second);
        // A chemical of unknown group is reported on its own, never as a verdict on the pair.
        const bool known = a.group != Group::Unknown && b.group != Group::Unknown;
        const bool apart = !scheme.mayShare(a.group, b.group);
        if (known && apart == p.apart) {
            ++agree;
            continue;
        }
        disagreements.append(QStringLiteral("%1 (%2: %3) with %4 (%5: %6): chart %7 (%8), check %9")
                                 .arg(QString::fromUtf8(p.first.name), Scheme::letter(a.group),
                                      scheme.explain(a), QString::fromUtf8(p.second.name),
                                      Scheme::letter(b.group), scheme.explain(b), verdict(p.apart),
                                      QString::fromUtf8(p.source),
                                      known ? verdict(apart) : QStringLiteral("unknown group")));
    }
    const auto total = static_cast<int>(std::size(kPairs));
    qInfo("%d of %d pairs agree with the chart (%.1f%%)", agree, total, 100.0 * agree / total);
    for (const QString& d : std::as_const(disagreements))
        qInfo("disagrees: %s", qPrintable(d));
    QVERIFY(total >= 40);
    QVERIFY2(agree * 100 >= total * 95, qPrintable(disagreements.join(QLatin1Char('\n'))));
}

// A lab's own choice, in English or Portuguese, wins over what the statements say; a
// letter that is no group, or nothing to go by, is unknown with the reason.
void TestStorageGroups::theHazardsTextSetsTheGroup()
{
    const Scheme& scheme = Scheme::builtIn();
    auto group = [&](const char* name, const char* formula, const char* hazards) {
        return scheme.classify({name, {}, formula, hazards});
    };
    QCOMPARE(group("Ácido acético glacial", "C2H4O2", "H226 H314\nStorage group: L").group, Group::L);
    QCOMPARE(group("Zinco granulado", "Zn", "H410\ngrupo de armazenamento:b").group, Group::B);
    const safety::Assignment q = group("Sal", "NaCl", "Storage group: Q");
    QCOMPARE(q.group, Group::Unknown);
    QVERIFY(scheme.explain(q).contains(QLatin1String("storage group Q")));

    const safety::Assignment acid = group("Ácido clorídrico 37%", "HCl", "H290 H314 H335");
    QCOMPARE(acid.group, Group::F);
    QCOMPARE(scheme.explain(acid), QStringLiteral("H290 + H314 + acid in the name, inorganic formula"));
    const safety::Assignment corrosive = group("Cloreto de ferro(III)", "FeCl3·6H2O", "H290 H302 H318");
    QCOMPARE(corrosive.group, Group::Unknown);
    QVERIFY(scheme.explain(corrosive).contains(QLatin1String("tells an acid from a base")));
    const safety::Assignment empty = group("Amostra 12", "", "");
    QCOMPARE(empty.group, Group::Unknown);
    QCOMPARE(scheme.explain(empty), QStringLiteral("the hazards text is empty"));
}

// The sample's acids shelf holds an oxidizing acid beside an anhydride; its metals
// cabinet holds two water-reactive metals, which belong together. Every chemical has a
// group or is unknown, each with its reason.
void TestStorageGroups::theSampleInventorysShelves()
{
    QTemporaryDir dir;
    const auto db = records::Database::open(sampleInventory(dir), records::OpenOptions{true});
    const safety::StorageReport report = safety::checkInventory(*db);
    const Scheme& scheme = Scheme::builtIn();

    const safety::PlaceReport* acids = nullptr;
    const safety::PlaceReport* metals = nullptr;
    std::int64_t chemicals = 0;
    for (const safety::PlaceReport& place : report.places) {
        chemicals += place.count;
        if (place.name == QStringLiteral("Armário de ácidos, prateleira 3"))
            acids = &place;
        if (place.name == QStringLiteral("Armário de metais e reativos com água"))
            metals = &place;
        for (const safety::GroupTally& tally : place.groups)
            for (const safety::Chemical& c : tally.examples)
                QVERIFY2(!scheme.explain(c.assignment).isEmpty(), qPrintable(c.name));
    }
    QCOMPARE(chemicals, report.records);
    QVERIFY(report.records > 50);

    QVERIFY(acids);
    QCOMPARE(acids->conflicts.size(), std::size_t{1});
    const safety::Conflict c = acids->conflicts.front();
    QCOMPARE(names(*acids, c.first) + names(*acids, c.second),
             QStringList({QStringLiteral("Anidrido acético"), QStringLiteral("Ácido nítrico 65%")}));

    QVERIFY(metals);
    QVERIFY(names(*metals, Group::B).contains(QStringLiteral("Magnésio em fita")));
    QVERIFY(names(*metals, Group::B).contains(QStringLiteral("Sódio metálico")));
    for (const safety::Conflict& pair : metals->conflicts)
        QVERIFY(pair.first != Group::B || pair.second != Group::B);
    QVERIFY(report.unknown() > 0);
}

QB_TEST_MAIN(TestStorageGroups)
#include "tst_storage_groups.moc"
