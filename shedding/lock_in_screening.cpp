#include "shedding/lock_in_screening.h"

#include <cmath>
#include <limits>
#include <string_view>

#include "shedding/correlation.h"
#include "shedding/number_text.h"
#include "shedding/shedding_curve.h"
#include "shedding/unit_words.h"

namespace shedding {
namespace {

using namespace screening_verdicts;

// EN 1991-1-4:2005, Annex E.1.2(2): the effect of vortex shedding need not
// be investigated when the critical speed exceeds 1.25 times the
// characteristic mean wind speed.
constexpr double kEurocodeMargin = 1.25;

// DNV-RP-C205 (2010), Section 9, vortex induced oscillations: in-line VIV
// may start for 1.0 <= Vr <= 4.5, cross-flow VIV for 3 <= Vr <= 16.
constexpr double kInLineLowest = 1.0;
constexpr double kInLineHighest = 4.5;
constexpr double kCrossFlowLowest = 3.0;
constexpr double kCrossFlowHighest = 16.0;

struct FigureName {
  std::string_view key;
  std::string_view name;
  std::string_view (*unit)(UnitSystem);  // none: the name holds its unit, or there is none
};

constexpr std::array<FigureName, kScreeningFigureCount> kFigureNames = {{
    {"kinematic_viscosity", "Kinematic viscosity", ViscosityUnit},
    {"reynolds_number", "Reynolds number", nullptr},
    {"strouhal_number", "Strouhal number", nullptr},
    {"shedding_frequency", "Shedding frequency (Hz)", nullptr},
    {"frequency_ratio", "Frequency ratio fs/fn", nullptr},
    {"reduced_velocity", "Reduced velocity V/(fn D)", nullptr},
    {"critical_velocity", "Critical velocity, fs = fn", SpeedUnit},
    {"lock_in_velocity_low", "Lock-in from velocity", SpeedUnit},
    {"lock_in_velocity_high", "Lock-in up to velocity", SpeedUnit},
}};

using FigureLabels = std::array<std::string, kScreeningFigureCount>;

// Built once for each unit system; the figures point into them.
const FigureLabels& LabelsIn(UnitSystem units) {
  static const std::array<FigureLabels, kUnitSystemCount> labels = [] {
    std::array<FigureLabels, kUnitSystemCount> built;
    for (const UnitSystem system : kUnitSystems) {
      for (std::size_t i = 0; i < kScreeningFigureCount; ++i) {
        const FigureName& name = kFigureNames[i];
        built[static_cast<std::size_t>(system)][i] =
            name.unit ? WithUnit(name.name, name.unit(system)) : std::string(name.name);
      }
    }
    return built;
  }();
  return labels[static_cast<std::size_t>(units)];
}

InputError Invalid(ScreeningField field, UnitSystem units) {
  return InvalidInput(static_cast<int>(field), FieldLabel(field, units));
}

InputError PastTheRange(ScreeningField field, UnitSystem units, std::string_view figure) {
  return OutOfRange(static_cast<int>(field), FieldLabel(field, units), figure);
}

// The screening's figures, named in the unit system.
auto ScreeningFigures(ScreeningResult& result, UnitSystem units) {
  return FigureWriter(result.figures, [&labels = LabelsIn(units)](std::size_t index, Figure& figure) {
    figure.key = kFigureNames[index].key;
    figure.label = labels[index];
  });
}

}  // namespace

std::string FieldLabel(ScreeningField field, UnitSystem units) {
  switch (field) {
    case ScreeningField::Temperature: return WithUnit("Temperature", TemperatureUnit(units));
    case ScreeningField::Viscosity: return WithUnit("Kinematic viscosity", ViscosityUnit(units));
    case ScreeningField::Velocity: return WithUnit("Flow velocity", SpeedUnit(units));
    case ScreeningField::Diameter: return WithUnit("Diameter", LengthUnit(units));
    case ScreeningField::NaturalFrequency: return "Natural frequency (Hz)";
    case ScreeningField::Band: return "Lock-in band (fs/fn)";
  }
  return "";
}

Outcome<LockInScreening> LockInScreening::Prepare(const ScreeningConditions& conditions) {
  const UnitSystem units = conditions.units;
  double viscosity = conditions.viscosity;
  if (conditions.fluid) {
    const TemperatureRange range = FluidTemperatureRange(*conditions.fluid, units);
    // Written so that NaN fails too.
    if (!(conditions.temperature >= range.lowest && conditions.temperature <= range.highest)) {
      return InputError{static_cast<int>(ScreeningField::Temperature), FieldLabel(ScreeningField::Temperature, units),
                        "must lie between " + FormatGeneral(range.lowest, 0, 6) + " and " +
                            FormatGeneral(range.highest, 0, 6) + " for " +
                            std::string(FluidName(*conditions.fluid))};
    }
    viscosity = KinematicViscosity(*conditions.fluid, units, conditions.temperature);
  } else if (!IsValidInput(viscosity)) {
    return Invalid(ScreeningField::Viscosity, units);
  }
  const double low = conditions.bandLow;
  const double high = conditions.bandHigh;
  if (!(low > 0.0 && low < 1.0 && high > 1.0 && std::isfinite(high))) {
    return InputError{static_cast<int>(ScreeningField::Band), FieldLabel(ScreeningField::Band, units),
                      "must be LO,HI with 0 < LO < 1 < HI"};
  }
  return LockInScreening(units, viscosity, low, high, conditions.fluid == Fluid::Air);
}

std::optional<InputError> LockInScreening::Screen(const ScreeningCase& cylinder, ScreeningResult& result) const {
  const double speed = cylinder.velocity;
  const double diameter = cylinder.diameter;
  const double natural = cylinder.naturalFrequency;
  if (!IsValidInput(speed)) return Invalid(ScreeningField::Velocity, units_);
  if (!IsValidInput(diameter)) return Invalid(ScreeningField::Diameter, units_);
  if (!IsValidInput(natural)) return Invalid(ScreeningField::NaturalFrequency, units_);

  auto figures = ScreeningFigures(result, units_);
  using enum ScreeningFigureId;
  figures.Claim(Viscosity, viscosity_);
  const double reynolds = ReynoldsNumber(speed, diameter, viscosity_);
  if (std::isinf(reynolds)) return PastTheRange(ScreeningField::Velocity, units_, "the Reynolds number V*D/nu");
  figures.Claim(Reynolds, reynolds);
  const double strouhal = StrouhalFromReynolds(reynolds);
  figures.Claim(Strouhal, strouhal, FigureFormat::Strouhal);

  const bool shedding = reynolds >= kSheddingOnsetReynolds;
  if (shedding) {
    const double frequency = StrouhalFrequency(strouhal, speed, diameter);
    if (std::isinf(frequency)) return PastTheRange(ScreeningField::Velocity, units_, "the shedding frequency");
    const double ratio = frequency / natural;
    if (std::isinf(ratio)) return PastTheRange(ScreeningField::NaturalFrequency, units_, "fs/fn");
    figures.Claim(SheddingFrequency, frequency);
    figures.Claim(FrequencyRatio, ratio, FigureFormat::ThreeDigits);
    result.lockIn = ratio >= bandLow_ && ratio <= bandHigh_ ? kLockIn : kOutsideBand;
  } else {
    figures.Disclaim(SheddingFrequency);
    figures.Disclaim(FrequencyRatio);
    result.lockIn = kNoShedding;
  }

  // fn * D beyond the double range makes Vcrit so too, which fails below.
  const double reduced = speed / (natural * diameter);
  if (std::isinf(reduced)) return PastTheRange(ScreeningField::Velocity, units_, "V/(fn D)");
  figures.Claim(ReducedVelocity, reduced, FigureFormat::ThreeDigits);
  const bool inLine = reduced >= kInLineLowest && reduced <= kInLineHighest;
  const bool crossFlow = reduced >= kCrossFlowLowest && reduced <= kCrossFlowHighest;
  result.vivRanges = shedding ? kVivRanges[inLine][crossFlow] : kNoViv;

  const double critical = SpeedForSheddingFrequency(natural, diameter, viscosity_);
  if (std::isinf(critical)) return PastTheRange(ScreeningField::NaturalFrequency, units_, "the critical velocity");
  figures.Claim(CriticalVelocity, critical);
  if (!wind_) {
    result.eurocode = kEurocodeNotApplicable;
  } else {
    result.eurocode = critical > kEurocodeMargin * speed ? kNeedNotInvestigate : kInvestigate;
  }

  // When shedding starts above HI * fn, no speed has fs / fn within the band.
  if (OnsetSheddingFrequency(diameter, viscosity_) <= bandHigh_ * natural) {
    const double low = SpeedForSheddingFrequency(bandLow_ * natural, diameter, viscosity_);
    const double high = SpeedForSheddingFrequency(bandHigh_ * natural, diameter, viscosity_);
    if (std::isinf(high)) return PastTheRange(ScreeningField::NaturalFrequency, units_, "the lock-in velocities");
    figures.Claim(LockInSpeedLow, low);
    figures.Claim(LockInSpeedHigh, high);
  } else {
    figures.Disclaim(LockInSpeedLow);
    figures.Disclaim(LockInSpeedHigh);
  }
  return std::nullopt;
}

}  // namespace shedding
