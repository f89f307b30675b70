// SPDX-License-Identifier: GPL-3.0-or-later
#include "converters/weight.h"

#include "converters/sources.h"
#include "framework/translatable.h"

namespace ambrel {

using table::b;
using table::v;

namespace {

// clang-format off
constexpr BoxDef kBoxes[] = {
    {"MetricBox", AMBREL_TEXT("Metric"), "CalcMetric:", "Mgram"},
    {"AvoirdupoisBox", AMBREL_TEXT("Avoirdupois"), "CalcAvoirdupois:", "Mgram"},
    {"ApothecariesBox", AMBREL_TEXT("Apothecaries'"), "CalcApothecaries:", "Mgram"},
    {"TroyBox", AMBREL_TEXT("Troy"), "CalcTroy:", "Mgram"},
};
// clang-format on

// Exact sizes in grams: the international pound of 1959, its grain of
// 1/7000; forces weigh under standard gravity.
constexpr ExactNumber lb = 453.59237_x;
constexpr ExactNumber gr = lb / 7000;
constexpr ExactNumber g = 9.80665_x;

// Shared words: ton, tonne and t are the metric ton (short ton: tn; long ton
// by name); oz and ounce the avoirdupois ounce (US fluid ounce: floz, fl oz);
// lb and pound the avoirdupois pound (troy pound: lbt); dram and dr the
// avoirdupois dram; carat and ct the metric carat; cwt and hundredweight the
// short hundredweight of 100 lb; kt the kiloton (knots: kn).
//
// Several units go in with one constant and come out with another (the
// avoirdupois dram, the slug, the apothecaries' units); the three grains are
// three different constants. Chains of 1000s and the hundredweights are
// rounded step by step, never folded into one factor. The newton and the
// dyne count a gram as a weight under 9.8001 m/s².
// clang-format off
constexpr UnitRow kRows[] = {
    {.box = 0, .outlet = "Mcarat", .unit = "metric carat", .symbols = "ct", .aliases = "carat",
     .into = v.div(5), .out = b.mul(5), .exact = AMBREL_SIZE(0.2_x)},
    {.box = 0, .outlet = "Mnewton", .unit = "newton", .symbols = "N",
     .into = v.div(0.0098001), .out = b.mul(0.0098001), .exact = AMBREL_SIZE(1000 / g),
     .exactUnit = "newton (standard gravity)"},
    {.box = 0, .outlet = "Mmilligram", .unit = "milligram", .symbols = "mg",
     .into = v.div(1000), .out = b.mul(1000), .exact = AMBREL_SIZE(1_x / 1000)},
    {.box = 0, .outlet = "Mcentigram", .unit = "centigram", .symbols = "cg",
     .into = v.div(100), .out = b.mul(100), .exact = AMBREL_SIZE(1_x / 100)},
    {.box = 0, .outlet = "Mdecigram", .unit = "decigram", .symbols = "dg",
     .into = v.div(10), .out = b.mul(10), .exact = AMBREL_SIZE(1_x / 10)},
    {.box = 0, .outlet = "Mgram", .unit = "gram", .symbols = "g",
     .exact = AMBREL_SIZE(1_x)},
    {.box = 0, .outlet = "Mdekagram", .unit = "dekagram", .symbols = "dag",
     .into = v.mul(10), .out = b.div(10), .exact = AMBREL_SIZE(10_x)},
    {.box = 0, .outlet = "Mhectogram", .unit = "hectogram", .symbols = "hg",
     .into = v.mul(100), .out = b.div(100), .exact = AMBREL_SIZE(100_x)},
    {.box = 0, .outlet = "Mkilogram", .unit = "kilogram", .symbols = "kg", .aliases = "kilo",
     .into = v.mul(1000), .out = b.div(1000), .exact = AMBREL_SIZE(1000_x)},
    {.box = 0, .outlet = "Mhundredweight", .unit = "metric hundredweight", .aliases = "quintal",
     .into = v.div(0.00001), .out = b.mul(0.00001), .exact = AMBREL_SIZE(100000_x),
     .exactUnit = "quintal (100 kg)"},
    {.box = 0, .outlet = "Mton", .unit = "metric ton", .symbols = "t", .aliases = "tonne|ton",
     .into = v.mul(1000).mul(1000), .out = b.div(1000).div(1000), .exact = AMBREL_SIZE(1000000_x)},
    {.box = 0, .outlet = "Mkiloton", .unit = "kiloton", .symbols = "kt",
     .into = v.mul(1000).mul(1000).mul(1000), .out = b.div(1000).div(1000).div(1000),
     .exact = AMBREL_SIZE(1000000000_x)},
    {.box = 0, .outlet = "Mmicrogram", .unit = "microgram", .symbols = "µg|μg|ug|mcg",
     .exact = AMBREL_SIZE(1_x / 1000000), .source = kSiBrochure},
    {.box = 1, .outlet = "AVgrain", .unit = "grain", .symbols = "gr",
     .into = v.mul(0.06479891), .out = b.div(0.06479891), .exact = AMBREL_SIZE(gr)},
    {.box = 1, .outlet = "AVdram", .unit = "avoirdupois dram", .symbols = "dr", .aliases = "dram",
     .into = v.mul(1.7718), .out = b.mul(0.5643340857787811), .exact = AMBREL_SIZE(lb / 256)},
    {.box = 1, .outlet = "AVounce", .unit = "avoirdupois ounce", .symbols = "oz",
     .aliases = "ounce",
     .into = v.mul(28.35), .out = b.div(28.35), .exact = AMBREL_SIZE(lb / 16)},
    {.box = 1, .outlet = "AVpound", .unit = "avoirdupois pound", .symbols = "lb|lbs",
     .aliases = "pound",
     .into = v.mul(454), .out = b.div(454), .exact = AMBREL_SIZE(lb)},
    {.box = 1, .outlet = "AVstone", .unit = "stone", .symbols = "st",
     .into = v.mul(6356), .out = b.div(6356), .exact = AMBREL_SIZE(14 * lb)},
    {.box = 1, .outlet = "AVslug", .unit = "slug",
     .into = v.mul(14593.853069087301), .out = b.div(14593.9),
     .exact = AMBREL_SIZE(lb * g / 0.3048_x)},
    {.box = 1, .outlet = "AVshundredweight", .unit = "short hundredweight", .symbols = "cwt",
     .aliases = "hundredweight",
     .into = v.mul(45359), .out = b.div(45359), .exact = AMBREL_SIZE(100 * lb)},
    {.box = 1, .outlet = "AVlhundredweight", .unit = "long hundredweight",
     .into = v.mul(50.802).mul(1000), .out = b.div(1000).div(50.802),
     .exact = AMBREL_SIZE(112 * lb)},
    {.box = 1, .outlet = "AVshortton", .unit = "short ton", .symbols = "tn",
     .into = v.mul(907000), .out = b.div(907000), .exact = AMBREL_SIZE(2000 * lb)},
    {.box = 1, .outlet = "AVlongton", .unit = "long ton",
     .into = v.mul(1016000), .out = b.div(1016000), .exact = AMBREL_SIZE(2240 * lb)},
    {.box = 2, .outlet = "APgrain", .unit = "apothecaries' grain",
     .into = v.mul(0.0648), .out = b.mul(15.4320988), .exact = AMBREL_SIZE(gr)},
    {.box = 2, .outlet = "APscruple", .unit = "scruple",
     .into = v.mul(1.296), .out = b.mul(0.7716049382716049), .exact = AMBREL_SIZE(20 * gr)},
    {.box = 2, .outlet = "APdram", .unit = "apothecaries' dram",
     .into = v.mul(3.888), .out = b.mul(0.257201646090535), .exact = AMBREL_SIZE(60 * gr)},
    {.box = 2, .outlet = "APounce", .unit = "apothecaries' ounce",
     .into = v.mul(31.103), .out = b.div(31.10348), .exact = AMBREL_SIZE(480 * gr)},
    {.box = 2, .outlet = "APpound", .unit = "apothecaries' pound",
     .into = v.mul(373), .out = b.div(373.241722), .exact = AMBREL_SIZE(5760 * gr)},
    {.box = 3, .outlet = "Tgrain", .unit = "troy grain",
     .into = v.div(15.4320988), .out = b.mul(15.4320988), .exact = AMBREL_SIZE(gr)},
    {.box = 3, .outlet = "Tdyne", .unit = "dyne", .symbols = "dyn",
     .into = v.div(980.01), .out = b.mul(980.01), .exact = AMBREL_SIZE(1 / (100 * g)),
     .exactUnit = "dyne (standard gravity)"},
    {.box = 3, .outlet = "Tcarat", .unit = "troy carat",
     .into = v.div(38.5802469), .out = b.mul(38.5802469), .exact = AMBREL_SIZE(4 * gr),
     .exactUnit = "troy carat (4 grains)"},
    {.box = 3, .outlet = "Tpennyweight", .unit = "pennyweight", .symbols = "dwt",
     .into = v.mul(1.555), .out = b.div(1.555), .exact = AMBREL_SIZE(24 * gr)},
    {.box = 3, .outlet = "Tounce", .unit = "troy ounce", .symbols = "ozt|oz t",
     .into = v.mul(31.10348), .out = b.div(31.10348), .exact = AMBREL_SIZE(480 * gr)},
    {.box = 3, .outlet = "Tpound", .unit = "troy pound", .symbols = "lbt|lb t",
     .into = v.mul(373.241722), .out = b.div(373.241722), .exact = AMBREL_SIZE(5760 * gr)},
};
// clang-format on
static_assert(wellFormedTable(kBoxes, kRows));

}  // namespace

const ConverterDef kWeightDef = {
    .identity = {.cliName = "weight",
                 .className = "WeightObject",
                 .openAction = "OpenWeightWindow:",
                 .menuTitle = AMBREL_TEXT("&Weight"),
                 .menuPosition = 3,
                 .broadcastRank = 5},
    .windowOutlet = "WeightWindow",
    .title = AMBREL_TEXT("Weight"),
    .notebookAction = "ShowNotebook:",
    .notebook = "Weight",
    .boxes = kBoxes,
    .rows = kRows,
    .openBox = 0,
    .openTag = 8,
};

}  // namespace ambrel
