#pragma once
// Lock-in screening of a circular cylinder of diameter D, with a natural
// frequency fn, in a steady flow of speed V: the Reynolds and Strouhal
// numbers, the shedding frequency and its ratio to fn, the reduced velocity,
// the critical speed and the speeds of the lock-in band, with the verdicts
// in plain words. Every figure comes as a number and its format, so that a
// caller only lays them out.

#include <array>
#include <optional>
#include <string>

#include "shedding/figure.h"
#include "shedding/fluid_viscosity.h"
#include "shedding/input_error.h"
#include "shedding/shed_analysis.h"
#include "shedding/verdict.h"

namespace shedding {

// Lock-in is taken to occur while fs / fn lies in this band (both ends count).
inline constexpr double kDefaultBandLow = 0.8;
inline constexpr double kDefaultBandHigh = 1.2;

// What holds for a whole batch: the units, the fluid (a fluid and its
// temperature, or nu given), and the band.
struct ScreeningConditions {
  UnitSystem units = UnitSystem::Metric;
  std::optional<Fluid> fluid;  // none: viscosity is given
  double temperature = 0.0;    // deg C or deg F, with a fluid
  double viscosity = 0.0;      // m^2/s or ft^2/s, without one
  double bandLow = kDefaultBandLow;
  double bandHigh = kDefaultBandHigh;
};

// One cylinder: m/sec, m and Hz, or ft/sec, ft and Hz.
struct ScreeningCase {
  double velocity = 0.0;
  double diameter = 0.0;
  double naturalFrequency = 0.0;
};

// The fields of the screening's InputError.
enum class ScreeningField { Temperature, Viscosity, Velocity, Diameter, NaturalFrequency, Band };

// "Flow velocity (m/sec)", "Temperature (deg F)", ...
std::string FieldLabel(ScreeningField field, UnitSystem units);

enum class ScreeningFigureId {
  Viscosity,
  Reynolds,
  Strouhal,
  SheddingFrequency,
  FrequencyRatio,
  ReducedVelocity,
  CriticalVelocity,   // fs = fn
  LockInSpeedLow,     // fs = LO * fn
  LockInSpeedHigh,    // fs = HI * fn
};
inline constexpr std::size_t kScreeningFigureCount = 9;

// The verdicts, each as the result holds it.
namespace screening_verdicts {

inline constexpr Verdict kNoShedding = {
    "no-shedding", "No periodic vortex shedding: the Reynolds number is below its onset at 47."};
inline constexpr Verdict kLockIn = {
    "lock-in", "Lock-in: the shedding frequency lies within the lock-in band around the natural frequency."};
inline constexpr Verdict kOutsideBand = {
    "outside-band", "No lock-in: the shedding frequency lies outside the lock-in band."};

// EN 1991-1-4:2005, Annex E.1.2(2); a rule for wind actions, so it is
// applied in air only.
inline constexpr Verdict kNeedNotInvestigate = {
    "need-not-investigate",
    "Vortex shedding need not be investigated: Vcrit exceeds 1.25 V (EN 1991-1-4, E.1.2(2))."};
inline constexpr Verdict kInvestigate = {
    "investigate",
    "Vortex shedding must be investigated: Vcrit does not exceed 1.25 V (EN 1991-1-4, E.1.2(2))."};
inline constexpr Verdict kEurocodeNotApplicable = {
    "not-applicable",
    "Not applied: the rule of EN 1991-1-4, E.1.2(2) is for wind, and is applied only when the fluid is air."};

// DNV-RP-C205 (2010), Section 9: [in-line][cross-flow].
inline constexpr Verdict kVivRanges[2][2] = {
    {{"none", "Vr is outside the ranges where in-line (1 to 4.5) and cross-flow (3 to 16) VIV start "
              "(DNV-RP-C205, Sec. 9)."},
     {"cross-flow", "Vr is within the range where cross-flow VIV starts (3 to 16; DNV-RP-C205, Sec. 9)."}},
    {{"in-line", "Vr is within the range where in-line VIV starts (1 to 4.5; DNV-RP-C205, Sec. 9)."},
     {"in-line+cross-flow", "Vr is within the ranges where in-line (1 to 4.5) and cross-flow (3 to 16) VIV "
                            "start (DNV-RP-C205, Sec. 9)."}},
};
inline constexpr Verdict kNoViv = {"none", "No vortex-induced vibration without periodic shedding."};

// What a VIV-ranges verdict says of each range.
constexpr bool InLineRange(const Verdict& vivRanges) {
  return vivRanges == kVivRanges[1][0] || vivRanges == kVivRanges[1][1];
}
constexpr bool CrossFlowRange(const Verdict& vivRanges) {
  return vivRanges == kVivRanges[0][1] || vivRanges == kVivRanges[1][1];
}

}  // namespace screening_verdicts

struct ScreeningResult {
  std::array<Figure, kScreeningFigureCount> figures;
  Verdict lockIn;     // kNoShedding, kLockIn or kOutsideBand
  Verdict eurocode;   // kInvestigate, kNeedNotInvestigate, or kEurocodeNotApplicable
  Verdict vivRanges;  // one of kVivRanges, or kNoViv

  const Figure& At(ScreeningFigureId id) const { return figures[static_cast<std::size_t>(id)]; }
};

// The conditions, checked once; then any number of cases.
class LockInScreening {
 public:
  // Every value must be finite; the temperature within the fluid's range,
  // nu IsValidInput, and 0 < LO < 1 < HI.
  static Outcome<LockInScreening> Prepare(const ScreeningConditions& conditions);

  // V, D and fn must each be IsValidInput, and every figure must fit a
  // double. Fills result, reusing its storage (a batch keeps one), or tells
  // which input failed.
  std::optional<InputError> Screen(const ScreeningCase& cylinder, ScreeningResult& result) const;

  UnitSystem Units() const { return units_; }
  double Viscosity() const { return viscosity_; }
  double BandLow() const { return bandLow_; }
  double BandHigh() const { return bandHigh_; }

 private:
  LockInScreening(UnitSystem units, double viscosity, double bandLow, double bandHigh, bool wind)
      : units_(units), viscosity_(viscosity), bandLow_(bandLow), bandHigh_(bandHigh), wind_(wind) {}

  UnitSystem units_;
  double viscosity_;
  double bandLow_;
  double bandHigh_;
  bool wind_;  // the fluid is air, where the Eurocode rule applies
};

}  // namespace shedding
