#include "state/sharetable.h"

namespace quotara {

const std::array<BuiltinShare, kShareCount + 1> kBuiltinShares = {{
    {"Abbey National", 1, 1134}, {"Alliance & Leicester", 1, 815},
    {"Anglian", 12, 870},        {"BAA", 11, 650},
    {"Br Energy", 2, 580},       {"Br Gas", 4, 394},
    {"Br Petroleum", 8, 817},    {"Br Steel", 3, 101},
    {"Br Telecom", 10, 732},     {"Centrica", 4, 116},
    {"Halifax", 1, 754},         {"Hyder", 12, 866},
    {"National Grid", 2, 385},   {"National Power", 2, 535},
    {"Norwich Union", 5, 432},   {"Orange", 10, 541},
    {"Powergen", 2, 819},        {"Railtrack", 11, 1586},
    {"Scottish Hydro", 2, 603},  {"Scottish Power", 2, 550},
    {"Pennon G", 12, 0},
}};

QString sectorName(int sector) {
    static const char* const kNames[] = {"Banks",     "Electricity",        "Engineering", "Gas",
                                         "Insurance", "Leisure and hotels", "Media",       "Oils",
                                         "Retailers", "Telecommunications", "Transport",   "Water"};
    if (sector < 1 || sector > 12) return {};
    return QString::fromLatin1(kNames[sector - 1]);
}

} // namespace quotara
