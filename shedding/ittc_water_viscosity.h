#pragma once
// Kinematic viscosity of fresh water and of sea water at one atmosphere, in
// m^2/s, at every whole degree Celsius from 0 to 40, to the five significant
// digits of
//   ITTC Recommended Procedures and Guidelines 7.5-02-01-03, "Fresh Water
//   and Seawater Properties", 26th ITTC, 2011 (Revision 02).
// Sea water is at the procedure's standard absolute salinity, 35.16504 g/kg
// (a practical salinity of 35).
//
// The procedure computes its tables from published formulations: IAPWS-95
// density and the IAPWS 2008 viscosity for fresh water; for sea water the
// TEOS-10 density and the viscosity of Sharqawy, Lienhard and Zubair,
// Desalination and Water Treatment 16 (2010) 354, eq. 22. The rows below were
// rebuilt with the same formulations (python3-iapws and python3-gsw) and agree
// digit for digit with every value we could check against the procedure's
// printed tables: sea water at each degree from 1 to 30 C, fresh water at 15
// and 20 C, and the sea-water density of 1026.021 kg/m^3 at 15 C.

#include <array>

namespace shedding {

inline constexpr double kIttcFirstCelsius = 0.0;
inline constexpr double kIttcLastCelsius = 40.0;
inline constexpr std::size_t kIttcRows = 41;  // one a degree

inline constexpr std::array<double, kIttcRows> kIttcFreshWaterViscosity = {
    1.7920e-06, 1.7312e-06, 1.6736e-06, 1.6191e-06, 1.5673e-06,  // 0-4 C
    1.5182e-06, 1.4716e-06, 1.4272e-06, 1.3849e-06, 1.3447e-06,  // 5-9
    1.3063e-06, 1.2697e-06, 1.2347e-06, 1.2012e-06, 1.1692e-06,  // 10-14
    1.1386e-06, 1.1093e-06, 1.0811e-06, 1.0542e-06, 1.0283e-06,  // 15-19
    1.0034e-06, 9.7950e-07, 9.5653e-07, 9.3442e-07, 9.1315e-07,  // 20-24
    8.9266e-07, 8.7291e-07, 8.5388e-07, 8.3552e-07, 8.1781e-07,  // 25-29
    8.0071e-07, 7.8419e-07, 7.6823e-07, 7.5280e-07, 7.3788e-07,  // 30-34
    7.2344e-07, 7.0947e-07, 6.9595e-07, 6.8285e-07, 6.7015e-07,  // 35-39
    6.5785e-07,                                                  // 40
};

inline constexpr std::array<double, kIttcRows> kIttcSeaWaterViscosity = {
    1.8543e-06, 1.7926e-06, 1.7341e-06, 1.6787e-06, 1.6262e-06,  // 0-4 C
    1.5762e-06, 1.5288e-06, 1.4836e-06, 1.4406e-06, 1.3995e-06,  // 5-9
    1.3604e-06, 1.3230e-06, 1.2873e-06, 1.2532e-06, 1.2205e-06,  // 10-14
    1.1892e-06, 1.1592e-06, 1.1304e-06, 1.1028e-06, 1.0763e-06,  // 15-19
    1.0508e-06, 1.0263e-06, 1.0027e-06, 9.8002e-07, 9.5818e-07,  // 20-24
    9.3713e-07, 9.1683e-07, 8.9726e-07, 8.7837e-07, 8.6014e-07,  // 25-29
    8.4253e-07, 8.2551e-07, 8.0906e-07, 7.9314e-07, 7.7775e-07,  // 30-34
    7.6285e-07, 7.4842e-07, 7.3444e-07, 7.2089e-07, 7.0776e-07,  // 35-39
    6.9503e-07,                                                  // 40
};

}  // namespace shedding
