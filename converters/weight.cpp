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

// Several units go in with one constant and come out with another (the
// avoirdupois dram, the slug, the apothecaries' units); the three grains are
// three different constants. Chains of 1000s and the hundredweights are
// rounded step by step, never folded into one factor. The newton and the
// dyne count a gram as a weight under 9.8001 m/s².
constexpr UnitRow kRows[] = {
    {0, "Mcarat", "metric carat", v.div(5), b.mul(5)},
    {0, "Mnewton", "newton", v.div(0.0098001), b.mul(0.0098001)},
    {0, "Mmilligram", "milligram", v.div(1000), b.mul(1000)},
    {0, "Mcentigram", "centigram", v.div(100), b.mul(100)},
    {0, "Mdecigram", "decigram", v.div(10), b.mul(10)},
    {0, "Mgram", "gram", v, b},
    {0, "Mdekagram", "dekagram", v.mul(10), b.div(10)},
    {0, "Mhectogram", "hectogram", v.mul(100), b.div(100)},
    {0, "Mkilogram", "kilogram", v.mul(1000), b.div(1000)},
    {0, "Mhundredweight", "metric hundredweight", v.div(0.00001), b.mul(0.00001)},
    {0, "Mton", "metric ton", v.mul(1000).mul(1000), b.div(1000).div(1000)},
    {0, "Mkiloton", "kiloton", v.mul(1000).mul(1000).mul(1000), b.div(1000).div(1000).div(1000)},
    {1, "AVgrain", "grain", v.mul(0.06479891), b.div(0.06479891)},
    {1, "AVdram", "avoirdupois dram", v.mul(1.7718), b.mul(0.5643340857787811)},
    {1, "AVounce", "avoirdupois ounce", v.mul(28.35), b.div(28.35)},
    {1, "AVpound", "avoirdupois pound", v.mul(454), b.div(454)},
    {1, "AVstone", "stone", v.mul(6356), b.div(6356)},
    {1, "AVslug", "slug", v.mul(14593.853069087301), b.div(14593.9)},
    {1, "AVshundredweight", "short hundredweight", v.mul(45359), b.div(45359)},
    {1, "AVlhundredweight", "long hundredweight", v.mul(50.802).mul(1000), b.div(1000).div(50.802)},
    {1, "AVshortton", "short ton", v.mul(907000), b.div(907000)},
    {1, "AVlongton", "long ton", v.mul(1016000), b.div(1016000)},
    {2, "APgrain", "apothecaries' grain", v.mul(0.0648), b.mul(15.4320988)},
    {2, "APscruple", "scruple", v.mul(1.296), b.mul(0.7716049382716049)},
    {2, "APdram", "apothecaries' dram", v.mul(3.888), b.mul(0.257201646090535)},
    {2, "APounce", "apothecaries' ounce", v.mul(31.103), b.div(31.10348)},
    {2, "APpound", "apothecaries' pound", v.mul(373), b.div(373.241722)},
    {3, "Tgrain", "troy grain", v.div(15.4320988), b.mul(15.4320988)},
    {3, "Tdyne", "dyne", v.div(980.01), b.mul(980.01)},
    {3, "Tcarat", "troy carat", v.div(38.5802469), b.mul(38.5802469)},
    {3, "Tpennyweight", "pennyweight", v.mul(1.555), b.div(1.555)},
    {3, "Tounce", "troy ounce", v.mul(31.10348), b.div(31.10348)},
    {3, "Tpound", "troy pound", v.mul(373.241722), b.div(373.241722)},
};

}  // namespace

const ConverterDef kWeightDef = {
    "weight", "WeightObject", "WeightWindow", "Weight", "OpenWeightWindow:", "ShowNotebook:",
    "Weight", kBoxes, kRows, 0, 8,
};

}  // namespace ambrel
