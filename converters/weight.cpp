#include "converters/weight.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

constexpr BoxDef kBoxes[] = {
    {"MetricBox", "Metric", "CalcMetric:", "Mgram"},
    {"AvoirdupoisBox", "Avoirdupois", "CalcAvoirdupois:", "Mgram"},
    {"ApothecariesBox", "Apothecaries'", "CalcApothecaries:", "Mgram"},
    {"TroyBox", "Troy", "CalcTroy:", "Mgram"},
};

// Exact sizes in grams: the international pound of 1959, its grain of
// 1/7000; forces weigh under standard gravity.
constexpr ExactNumber lb = 453.59237_x;
constexpr ExactNumber gr = lb / 7000;
constexpr ExactNumber g = 9.80665_x;

// Several units go in with one constant and come out with another (the
// avoirdupois dram, the slug, the apothecaries' units); the three grains are
// three different constants. Chains of 1000s and the hundredweights are
// rounded step by step, never folded into one factor. The newton and the
// dyne count a gram as a weight under 9.8001 m/s².
constexpr UnitRow kRows[] = {
    {0, "Mcarat", "metric carat", v.div(5), b.mul(5), AMBREL_SIZE(0.2_x)},
    {0, "Mnewton", "newton", v.div(0.0098001), b.mul(0.0098001), AMBREL_SIZE(1000 / g), "newton (standard gravity)"},
    {0, "Mmilligram", "milligram", v.div(1000), b.mul(1000), AMBREL_SIZE(1_x / 1000)},
    {0, "Mcentigram", "centigram", v.div(100), b.mul(100), AMBREL_SIZE(1_x / 100)},
    {0, "Mdecigram", "decigram", v.div(10), b.mul(10), AMBREL_SIZE(1_x / 10)},
    {0, "Mgram", "gram", v, b, AMBREL_SIZE(1_x)},
    {0, "Mdekagram", "dekagram", v.mul(10), b.div(10), AMBREL_SIZE(10_x)},
    {0, "Mhectogram", "hectogram", v.mul(100), b.div(100), AMBREL_SIZE(100_x)},
    {0, "Mkilogram", "kilogram", v.mul(1000), b.div(1000), AMBREL_SIZE(1000_x)},
    {0, "Mhundredweight", "metric hundredweight", v.div(0.00001), b.mul(0.00001), AMBREL_SIZE(100000_x), "quintal (100 kg)"},
    {0, "Mton", "metric ton", v.mul(1000).mul(1000), b.div(1000).div(1000), AMBREL_SIZE(1000000_x)},
    {0, "Mkiloton", "kiloton", v.mul(1000).mul(1000).mul(1000), b.div(1000).div(1000).div(1000), AMBREL_SIZE(1000000000_x)},
    {1, "AVgrain", "grain", v.mul(0.06479891), b.div(0.06479891), AMBREL_SIZE(gr)},
    {1, "AVdram", "avoirdupois dram", v.mul(1.7718), b.mul(0.5643340857787811), AMBREL_SIZE(lb / 256)},
    {1, "AVounce", "avoirdupois ounce", v.mul(28.35), b.div(28.35), AMBREL_SIZE(lb / 16)},
    {1, "AVpound", "avoirdupois pound", v.mul(454), b.div(454), AMBREL_SIZE(lb)},
    {1, "AVstone", "stone", v.mul(6356), b.div(6356), AMBREL_SIZE(14 * lb)},
    {1, "AVslug", "slug", v.mul(14593.853069087301), b.div(14593.9), AMBREL_SIZE(lb * g / 0.3048_x)},
    {1, "AVshundredweight", "short hundredweight", v.mul(45359), b.div(45359), AMBREL_SIZE(100 * lb)},
    {1, "AVlhundredweight", "long hundredweight", v.mul(50.802).mul(1000), b.div(1000).div(50.802), AMBREL_SIZE(112 * lb)},
    {1, "AVshortton", "short ton", v.mul(907000), b.div(907000), AMBREL_SIZE(2000 * lb)},
    {1, "AVlongton", "long ton", v.mul(1016000), b.div(1016000), AMBREL_SIZE(2240 * lb)},
    {2, "APgrain", "apothecaries' grain", v.mul(0.0648), b.mul(15.4320988), AMBREL_SIZE(gr)},
    {2, "APscruple", "scruple", v.mul(1.296), b.mul(0.7716049382716049), AMBREL_SIZE(20 * gr)},
    {2, "APdram", "apothecaries' dram", v.mul(3.888), b.mul(0.257201646090535), AMBREL_SIZE(60 * gr)},
    {2, "APounce", "apothecaries' ounce", v.mul(31.103), b.div(31.10348), AMBREL_SIZE(480 * gr)},
    {2, "APpound", "apothecaries' pound", v.mul(373), b.div(373.241722), AMBREL_SIZE(5760 * gr)},
    {3, "Tgrain", "troy grain", v.div(15.4320988), b.mul(15.4320988), AMBREL_SIZE(gr)},
    {3, "Tdyne", "dyne", v.div(980.01), b.mul(980.01), AMBREL_SIZE(1 / (100 * g)), "dyne (standard gravity)"},
    {3, "Tcarat", "troy carat", v.div(38.5802469), b.mul(38.5802469), AMBREL_SIZE(4 * gr), "troy carat (4 grains)"},
    {3, "Tpennyweight", "pennyweight", v.mul(1.555), b.div(1.555), AMBREL_SIZE(24 * gr)},
    {3, "Tounce", "troy ounce", v.mul(31.10348), b.div(31.10348), AMBREL_SIZE(480 * gr)},
    {3, "Tpound", "troy pound", v.mul(373.241722), b.div(373.241722), AMBREL_SIZE(5760 * gr)},
};

}  // namespace

const ConverterDef kWeightDef = {
    .identity = {.cliName = "weight",
                 .className = "WeightObject",
                 .openAction = "OpenWeightWindow:",
                 .menuTitle = "&Weight",
                 .menuPosition = 3,
                 .broadcastRank = 5},
    .windowOutlet = "WeightWindow",
    .title = "Weight",
    .notebookAction = "ShowNotebook:",
    .notebook = "Weight",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 8,
};

}  // namespace ambrel
