#pragma once
// Lock-in screening of a circular cylinder of diameter D, with a natural
// frequency fn, in a steady flow of speed V: the Reynolds and Strouhal
// numbers, the shedding frequency and its ratio to fn, the reduced velocity,
// the critical speed and the speeds of the lock-in band, with the verdicts
// in plain words. Every figure comes as a number and the format to show it
// in, so that a caller only lays them out.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "shedding/fluid_viscosity.h"
#include "shedding/shed_analysis.h"
#include "shedding/text_builder.h"

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

enum class ScreeningField { Temperature, Viscosity, Velocity, Diameter, NaturalFrequency, Band };

// "Flow velocity (m/sec)", "Temperature (deg F)", ...
std::string FieldLabel(ScreeningField field, UnitSystem units);

struct ScreeningInputError {
  ScreeningField field;
  std::string label;        // FieldLabel(field, units)
  std::string requirement;  // "must be greater than 1e-40", "must lie between 0 and 40", ...
};

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

struct ScreeningFigure {
  std::string_view key;    // a name for data files: "reynolds_number", ...
  std::string_view label;  // with its unit: "Shedding frequency (Hz)"
  double value = 0.0;      // NaN when not claimed
  bool claimed = false;
  FigureFormat format = FigureFormat::FourDigits;  // its text is formatted on request (FormatFigure)
};

enum class LockInVerdict { NoShedding, LockIn, OutsideBand };

struct PlainVerdict {
  std::string_view key;   // a short word for data files: "lock-in", ...
  std::string_view text;  // one sentence
};

struct ScreeningResult {
  std::array<ScreeningFigure, kScreeningFigureCount> figures;
  LockInVerdict verdict = LockInVerdict::NoShedding;
  PlainVerdict lockIn;
  bool investigate = true;  // the Eurocode rule does not let vortex shedding go unexamined
  PlainVerdict eurocode;
  bool inLineRange = false;     // Vr where in-line VIV is reported to start
  bool crossFlowRange = false;  // Vr where cross-flow VIV is reported to start
  PlainVerdict vivRanges;

  const ScreeningFigure& Figure(ScreeningFigureId id) const { return figures[static_cast<std::size_t>(id)]; }
};

using ScreeningOutcome = std::variant<ScreeningResult, ScreeningInputError>;

// The conditions, checked once; then any number of cases.
class LockInScreening {
 public:
  // Every value must be finite; the temperature within the fluid's range,
  // nu above 1e-40, and 0 < LO < 1 < HI.
  static std::variant<LockInScreening, ScreeningInputError> Prepare(const ScreeningConditions& conditions);

  // V, D and fn must each be finite and above 1e-40. Fills result, reusing
  // its storage (a batch keeps one), or tells which input failed.
  std::optional<ScreeningInputError> Screen(const ScreeningCase& cylinder, ScreeningResult& result) const;

  UnitSystem Units() const { return units_; }
  double Viscosity() const { return viscosity_; }
  double BandLow() const { return bandLow_; }
  double BandHigh() const { return bandHigh_; }

 private:
  LockInScreening(UnitSystem units, double viscosity, double bandLow, double bandHigh)
      : units_(units), viscosity_(viscosity), bandLow_(bandLow), bandHigh_(bandHigh) {}

  UnitSystem units_;
  double viscosity_;
  double bandLow_;
  double bandHigh_;
};

// One case, conditions and all, as a dialog screens it.
ScreeningOutcome ScreenLockIn(const ScreeningConditions& conditions, const ScreeningCase& cylinder);

}  // namespace shedding
