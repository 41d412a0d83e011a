#pragma once

#include <QString>
#include <QStringView>

#include <bitset>

// What the hazards text of a chemical calls for on a label: the GHS pictograms its
// H-statements require and the signal word it gives.
namespace datatool {

// The nine GHS pictograms, in their official order (GHS01 to GHS09).
enum class Pictogram : int
{
    ExplodingBomb = 0,      // GHS01 explosives, self-reactives, organic peroxides
    Flame = 1,              // GHS02 flammables, pyrophorics, self-heating, water-reactives
    FlameOverCircle = 2,    // GHS03 oxidisers
    GasCylinder = 3,        // GHS04 gases under pressure
    Corrosion = 4,          // GHS05 corrosive to metals, skin corrosion, serious eye damage
    SkullAndCrossbones = 5, // GHS06 acute toxicity (categories 1 to 3)
    ExclamationMark = 6,    // GHS07 harmful, irritant, sensitising to skin, narcotic
    HealthHazard = 7,       // GHS08 carcinogens, mutagens, respiratory sensitisers, aspiration
    Environment = 8,        // GHS09 hazardous to the aquatic environment
};
inline constexpr int kPictogramCount = 9;

// "GHS01" ... "GHS09".
QString pictogramCode(Pictogram p);
// "Flame", "Skull and crossbones", ...
QString pictogramName(Pictogram p);
// The resource path of our drawing of the pictogram, an SVG.
QString pictogramResource(Pictogram p);

enum class SignalWord
{
    None,
    Danger,
    Warning,
};

struct HazardLabel
{
    std::bitset<kPictogramCount> pictograms;
    SignalWord signal = SignalWord::None;
    QString signalText; // in the text's language: "Danger", "Perigo", "Warning" or "Atenção"

    bool has(Pictogram p) const { return pictograms.test(static_cast<std::size_t>(p)); }
};

// Reads H-codes anywhere in the text, combined ones too ("H302+H312+H332"), and maps them
// to pictograms as GHS does, with its precedence rules: no exclamation mark beside the
// skull and crossbones, nor for skin or eye irritation beside the corrosion pictogram, nor
// for skin sensitisation or irritation beside the health hazard of a respiratory
// sensitiser. EUH statements call for no pictogram. The signal word is the one the text
// gives ("Danger"/"Perigo" before "Warning"/"Atenção" when it gives both); when it gives
// none, the one its H-statements carry in GHS ("Danger" when any carries it).
HazardLabel readHazards(QStringView text);

} // namespace datatool
