#include "inventory/datatool/hazards.h"

#include <QCoreApplication>
#include <QRegularExpression>

// The drawings live in this library's resources, which a static library must register.
static void initPictogramResources()
{
    Q_INIT_RESOURCE(pictograms);
}

namespace datatool {

namespace {

using P = Pictogram;

// Why an exclamation mark is called for; GHS drops some reasons beside other pictograms.
enum Reason : unsigned
{
    AcuteToxicity = 1u << 0,      // H302, H312, H332
    Irritation = 1u << 1,         // H315, H319
    SkinSensitiser = 1u << 2,     // H317
    NarcoticOrIrritant = 1u << 3, // H335, H336
    OzoneLayer = 1u << 4,         // H420
};

constexpr unsigned bit(P p)
{
    return 1u << static_cast<int>(p);
}
constexpr unsigned Bomb = bit(P::ExplodingBomb), Flame = bit(P::Flame), Oxidiser = bit(P::FlameOverCircle),
                   Gas = bit(P::GasCylinder), Corrosive = bit(P::Corrosion),
                   Skull = bit(P::SkullAndCrossbones), Exclaim = bit(P::ExclamationMark),
                   Health = bit(P::HealthHazard), Environ = bit(P::Environment);

struct Rule
{
    int code;
    unsigned pictograms;
    unsigned exclamation; // the reasons, when the pictogram is the exclamation mark
};

// The H-statements that call for a pictogram. Those not listed (H227, H229, H303, H316,
// H320, H362, H401, H412, ...) call for none.
constexpr Rule kRules[] = {
    {200, Bomb, 0},
    {201, Bomb, 0},
    {202, Bomb, 0},
    {203, Bomb, 0},
    {204, Bomb, 0},
    {205, Bomb, 0},
    {206, Flame, 0},
    {207, Flame, 0},
    {208, Flame, 0},
    {220, Flame, 0},
    {221, Flame, 0},
    {222, Flame, 0},
    {223, Flame, 0},
    {224, Flame, 0},
    {225, Flame, 0},
    {226, Flame, 0},
    {228, Flame, 0},
    {232, Flame, 0},
    {240, Bomb, 0},
    {241, Bomb | Flame, 0},
    {242, Flame, 0},
    {250, Flame, 0},
    {251, Flame, 0},
    {252, Flame, 0},
    {260, Flame, 0},
    {261, Flame, 0},
    {270, Oxidiser, 0},
    {271, Oxidiser, 0},
    {272, Oxidiser, 0},
    {280, Gas, 0},
    {281, Gas, 0},
    {282, Flame | Gas, 0},
    {283, Flame | Gas, 0},
    {284, Gas, 0},
    {290, Corrosive, 0},
    {300, Skull, 0},
    {301, Skull, 0},
    {302, Exclaim, AcuteToxicity},
    {304, Health, 0},
    {305, Health, 0},
    {310, Skull, 0},
    {311, Skull, 0},
    {312, Exclaim, AcuteToxicity},
    {314, Corrosive, 0},
    {315, Exclaim, Irritation},
    {317, Exclaim, SkinSensitiser},
    {318, Corrosive, 0},
    {319, Exclaim, Irritation},
    {330, Skull, 0},
    {331, Skull, 0},
    {332, Exclaim, AcuteToxicity},
    {334, Health, 0},
    {335, Exclaim, NarcoticOrIrritant},
    {336, Exclaim, NarcoticOrIrritant},
    {340, Health, 0},
    {341, Health, 0},
    {350, Health, 0},
    {351, Health, 0},
    {360, Health, 0},
    {361, Health, 0},
    {370, Health, 0},
    {371, Health, 0},
    {372, Health, 0},
    {373, Health, 0},
    {400, Environ, 0},
    {410, Environ, 0},
    {411, Environ, 0},
    {420, Exclaim, OzoneLayer},
};

// The signal word of each hazard statement, from the GHS, Rev. 9 (2021): the statements
// of Annex 3 (Tables A3.1.1 to A3.1.3) with the word that Annex 1 and each hazard class's
// label elements give their category. Some statements serve two categories of one class
// with different words (H207, H221, H228, H242, H261, H272: a flammable solid of category 1
// takes "Danger", of category 2 "Warning"); the code alone does not tell which, so these
// take the stronger word, as a shelf label must not understate a hazard. A word written in
// the text says otherwise. Statements without a word (H230, H231, H362, H401, H402 and
// H411 to H413) are not listed.
constexpr int kDanger[] = {200, 201, 202, 203, 205, 206, 207, 220, 221, 222, 224, 225, 228, 232,
                           240, 241, 242, 250, 251, 260, 261, 270, 271, 272, 282, 300, 301, 304,
                           310, 311, 314, 318, 330, 331, 334, 340, 350, 360, 370, 372};
constexpr int kWarning[] = {204, 208, 223, 226, 227, 229, 252, 280, 281, 283, 284, 290,
                            302, 303, 305, 312, 313, 315, 316, 317, 319, 320, 332, 333,
                            335, 336, 341, 351, 361, 371, 373, 400, 410, 420};

SignalWord signalOf(int code)
{
    for (const int c : kDanger)
        if (c == code)
            return SignalWord::Danger;
    for (const int c : kWarning)
        if (c == code)
            return SignalWord::Warning;
    return SignalWord::None;
}

const Rule* ruleFor(int code)
{
    for (const Rule& r : kRules)
        if (r.code == code)
            return &r;
    return nullptr;
}

} // namespace

QString pictogramCode(Pictogram p)
{
    return QStringLiteral("GHS0%1").arg(static_cast<int>(p) + 1);
}

QString pictogramName(Pictogram p)
{
    switch (p) {
    case P::ExplodingBomb:
        return QCoreApplication::translate("Companion", "Exploding bomb");
    case P::Flame:
        return QCoreApplication::translate("Companion", "Flame");
    case P::FlameOverCircle:
        return QCoreApplication::translate("Companion", "Flame over circle");
    case P::GasCylinder:
        return QCoreApplication::translate("Companion", "Gas cylinder");
    case P::Corrosion:
        return QCoreApplication::translate("Companion", "Corrosion");
    case P::SkullAndCrossbones:
        return QCoreApplication::translate("Companion", "Skull and crossbones");
    case P::ExclamationMark:
        return QCoreApplication::translate("Companion", "Exclamation mark");
    case P::HealthHazard:
        return QCoreApplication::translate("Companion", "Health hazard");
    case P::Environment:
        return QCoreApplication::translate("Companion", "Environment");
    }
    return {};
}

QString pictogramResource(Pictogram p)
{
    static const bool registered = (initPictogramResources(), true);
    Q_UNUSED(registered);
    return QStringLiteral(":/datatool/pictograms/%1.svg").arg(pictogramCode(p).toLower());
}

HazardLabel readHazards(QStringView text)
{
    // An H followed by three digits and at most two letters (H350i, H360FD), not inside a
    // longer word: EUH066 is no H-statement of GHS.
    static const QRegularExpression hCode(
        QStringLiteral("(?<![A-Za-z0-9])H(\\d{3})([A-Za-z]{0,2})(?![A-Za-z0-9])"));
    static const QRegularExpression signal(QStringLiteral("\\b(danger|perigo|warning|aten[cç][aã]o)\\b"),
                                           QRegularExpression::CaseInsensitiveOption |
                                               QRegularExpression::UseUnicodePropertiesOption);
    HazardLabel label;
    unsigned exclamation = 0;
    bool respiratorySensitiser = false;
    SignalWord fromCodes = SignalWord::None;
    for (const QRegularExpressionMatch& m : hCode.globalMatch(text)) {
        const int number = m.capturedView(1).toInt();
        respiratorySensitiser = respiratorySensitiser || number == 334;
        // "Danger" over "Warning": the most severe hazard gives the word.
        const SignalWord word = signalOf(number);
        if (fromCodes != SignalWord::Danger && word != SignalWord::None)
            fromCodes = word;
        if (const Rule* r = ruleFor(number)) {
            label.pictograms |= std::bitset<kPictogramCount>(r->pictograms & ~Exclaim);
            exclamation |= r->exclamation;
        }
    }
    // The precedence of GHS: the stronger pictogram stands for the weaker hazard.
    if (label.has(P::SkullAndCrossbones))
        exclamation = 0;
    if (label.has(P::Corrosion))
        exclamation &= ~unsigned{Irritation};
    if (respiratorySensitiser)
        exclamation &= ~unsigned{Irritation | SkinSensitiser};
    label.pictograms.set(static_cast<std::size_t>(P::ExclamationMark), exclamation != 0);

    for (const QRegularExpressionMatch& m : signal.globalMatch(text)) {
        const QString word = m.captured(1).toLower();
        const bool danger = word == QLatin1String("danger") || word == QLatin1String("perigo");
        if (label.signal == SignalWord::Danger || (label.signal == SignalWord::Warning && !danger))
            continue;
        label.signal = danger ? SignalWord::Danger : SignalWord::Warning;
        if (word == QLatin1String("danger"))
            label.signalText = QStringLiteral("Danger");
        else if (word == QLatin1String("perigo"))
            label.signalText = QStringLiteral("Perigo");
        else if (word == QLatin1String("warning"))
            label.signalText = QStringLiteral("Warning");
        else
            label.signalText = QStringLiteral("Atenção");
    }
    if (label.signal == SignalWord::None && fromCodes != SignalWord::None) {
        label.signal = fromCodes;
        label.signalText = fromCodes == SignalWord::Danger
                               ? QCoreApplication::translate("Companion", "Danger")
                               : QCoreApplication::translate("Companion", "Warning");
    }
    return label;
}

} // namespace datatool
