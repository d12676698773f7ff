#include "shedding/lock_in_screening.h"

#include <cmath>
#include <limits>

#include "shedding/correlation.h"
#include "shedding/number_text.h"
#include "shedding/shedding_curve.h"
#include "shedding/shedding_relation.h"

namespace shedding {
namespace {

// EN 1991-1-4:2005, Annex E.1.2(3): vortex shedding need not be investigated
// when the critical speed exceeds 1.25 times the mean speed.
constexpr double kEurocodeMargin = 1.25;

// DNV-RP-C205 (2010), Section 9, vortex induced oscillations: in-line VIV
// may start for 1.0 <= Vr <= 4.5, cross-flow VIV for 3 <= Vr <= 16.
constexpr double kInLineLowest = 1.0;
constexpr double kInLineHighest = 4.5;
constexpr double kCrossFlowLowest = 3.0;
constexpr double kCrossFlowHighest = 16.0;

struct FigureName {
  std::string_view key;
  std::string_view metric;
  std::string_view english;
};

constexpr std::array<FigureName, kScreeningFigureCount> kFigureNames = {{
    {"kinematic_viscosity", "Kinematic viscosity (m^2/sec)", "Kinematic viscosity (ft^2/sec)"},
    {"reynolds_number", "Reynolds number", "Reynolds number"},
    {"strouhal_number", "Strouhal number", "Strouhal number"},
    {"shedding_frequency", "Shedding frequency (Hz)", "Shedding frequency (Hz)"},
    {"frequency_ratio", "Frequency ratio fs/fn", "Frequency ratio fs/fn"},
    {"reduced_velocity", "Reduced velocity V/(fn D)", "Reduced velocity V/(fn D)"},
    {"critical_velocity", "Critical velocity, fs = fn (m/sec)", "Critical velocity, fs = fn (ft/sec)"},
    {"lock_in_velocity_low", "Lock-in from velocity (m/sec)", "Lock-in from velocity (ft/sec)"},
    {"lock_in_velocity_high", "Lock-in up to velocity (m/sec)", "Lock-in up to velocity (ft/sec)"},
}};

constexpr PlainVerdict kNoShedding = {
    "no-shedding", "No periodic vortex shedding: the Reynolds number is below its onset at 47."};
constexpr PlainVerdict kLockIn = {
    "lock-in", "Lock-in: the shedding frequency lies within the lock-in band around the natural frequency."};
constexpr PlainVerdict kOutsideBand = {
    "outside-band", "No lock-in: the shedding frequency lies outside the lock-in band."};
constexpr PlainVerdict kNeedNotInvestigate = {
    "need-not-investigate",
    "Vortex shedding need not be investigated: Vcrit exceeds 1.25 V (EN 1991-1-4, E.1.2(3))."};
constexpr PlainVerdict kInvestigate = {
    "investigate",
    "Vortex shedding must be investigated: Vcrit does not exceed 1.25 V (EN 1991-1-4, E.1.2(3))."};
// [in-line][cross-flow]
constexpr PlainVerdict kVivRanges[2][2] = {
    {{"none", "Vr is outside the ranges where in-line (1 to 4.5) and cross-flow (3 to 16) VIV start "
              "(DNV-RP-C205, Sec. 9)."},
     {"cross-flow", "Vr is within the range where cross-flow VIV starts (3 to 16; DNV-RP-C205, Sec. 9)."}},
    {{"in-line", "Vr is within the range where in-line VIV starts (1 to 4.5; DNV-RP-C205, Sec. 9)."},
     {"in-line+cross-flow", "Vr is within the ranges where in-line (1 to 4.5) and cross-flow (3 to 16) VIV "
                            "start (DNV-RP-C205, Sec. 9)."}},
};
constexpr PlainVerdict kNoViv = {"none", "No vortex-induced vibration without periodic shedding."};

bool IsValidNumber(double value) { return value > InputThreshold && std::isfinite(value); }

ScreeningInputError InputError(ScreeningField field, UnitSystem units, std::string requirement) {
  return {field, FieldLabel(field, units), std::move(requirement)};
}

std::string AboveThreshold() {
  return "must be finite and greater than " + FormatGeneral(InputThreshold, 0, 6);
}

class FigureWriter {
 public:
  FigureWriter(ScreeningResult& result, UnitSystem units) : result_(result), units_(units) {}

  void Claim(ScreeningFigureId id, double value, FigureFormat format = FigureFormat::FourDigits) {
    ScreeningFigure& figure = Named(id);
    figure.value = value;
    figure.claimed = true;
    figure.format = format;
  }

  void Disclaim(ScreeningFigureId id) {
    ScreeningFigure& figure = Named(id);
    figure.value = std::numeric_limits<double>::quiet_NaN();
    figure.claimed = false;
  }

 private:
  ScreeningFigure& Named(ScreeningFigureId id) {
    const auto index = static_cast<std::size_t>(id);
    ScreeningFigure& figure = result_.figures[index];
    figure.key = kFigureNames[index].key;
    figure.label = units_ == UnitSystem::English ? kFigureNames[index].english : kFigureNames[index].metric;
    return figure;
  }

  ScreeningResult& result_;
  UnitSystem units_;
};

}  // namespace

std::string FieldLabel(ScreeningField field, UnitSystem units) {
  const bool english = units == UnitSystem::English;
  switch (field) {
    case ScreeningField::Temperature: return english ? "Temperature (deg F)" : "Temperature (deg C)";
    case ScreeningField::Viscosity:
      return english ? "Kinematic viscosity (ft^2/sec)" : "Kinematic viscosity (m^2/sec)";
    case ScreeningField::Velocity: return english ? "Flow velocity (ft/sec)" : "Flow velocity (m/sec)";
    case ScreeningField::Diameter: return english ? "Diameter (ft)" : "Diameter (m)";
    case ScreeningField::NaturalFrequency: return "Natural frequency (Hz)";
    case ScreeningField::Band: return "Lock-in band (fs/fn)";
  }
  return "";
}

std::variant<LockInScreening, ScreeningInputError> LockInScreening::Prepare(const ScreeningConditions& conditions) {
  const UnitSystem units = conditions.units;
  double viscosity = conditions.viscosity;
  if (conditions.fluid) {
    const TemperatureRange range = FluidTemperatureRange(*conditions.fluid, units);
    // Written so that NaN fails too.
    if (!(conditions.temperature >= range.lowest && conditions.temperature <= range.highest)) {
      return InputError(ScreeningField::Temperature, units,
                        "must lie between " + FormatGeneral(range.lowest, 0, 6) + " and " +
                            FormatGeneral(range.highest, 0, 6) + " for " +
                            std::string(FluidName(*conditions.fluid)));
    }
    viscosity = KinematicViscosity(*conditions.fluid, units, conditions.temperature);
  } else if (!IsValidNumber(viscosity)) {
    return InputError(ScreeningField::Viscosity, units, AboveThreshold());
  }
  const double low = conditions.bandLow;
  const double high = conditions.bandHigh;
  if (!(low > 0.0 && low < 1.0 && high > 1.0 && std::isfinite(high))) {
    return InputError(ScreeningField::Band, units, "must be LO,HI with 0 < LO < 1 < HI");
  }
  return LockInScreening(units, viscosity, low, high);
}

std::optional<ScreeningInputError> LockInScreening::Screen(const ScreeningCase& cylinder,
                                                          ScreeningResult& result) const {
  const double speed = cylinder.velocity;
  const double diameter = cylinder.diameter;
  const double natural = cylinder.naturalFrequency;
  if (!IsValidNumber(speed)) return InputError(ScreeningField::Velocity, units_, AboveThreshold());
  if (!IsValidNumber(diameter)) return InputError(ScreeningField::Diameter, units_, AboveThreshold());
  if (!IsValidNumber(natural)) return InputError(ScreeningField::NaturalFrequency, units_, AboveThreshold());

  FigureWriter figures(result, units_);
  using enum ScreeningFigureId;
  figures.Claim(Viscosity, viscosity_);
  const double reynolds = speed * diameter / viscosity_;
  figures.Claim(Reynolds, reynolds);
  const double strouhal = StrouhalFromReynolds(reynolds);
  figures.Claim(Strouhal, strouhal, FigureFormat::Strouhal);

  const bool shedding = reynolds >= kSheddingOnsetReynolds;
  if (shedding) {
    const double frequency = strouhal * speed / diameter;
    const double ratio = frequency / natural;
    figures.Claim(SheddingFrequency, frequency);
    figures.Claim(FrequencyRatio, ratio, FigureFormat::ThreeDigits);
    const bool inBand = ratio >= bandLow_ && ratio <= bandHigh_;
    result.verdict = inBand ? LockInVerdict::LockIn : LockInVerdict::OutsideBand;
    result.lockIn = inBand ? kLockIn : kOutsideBand;
  } else {
    figures.Disclaim(SheddingFrequency);
    figures.Disclaim(FrequencyRatio);
    result.verdict = LockInVerdict::NoShedding;
    result.lockIn = kNoShedding;
  }

  const double reduced = speed / (natural * diameter);
  figures.Claim(ReducedVelocity, reduced, FigureFormat::ThreeDigits);
  result.inLineRange = shedding && reduced >= kInLineLowest && reduced <= kInLineHighest;
  result.crossFlowRange = shedding && reduced >= kCrossFlowLowest && reduced <= kCrossFlowHighest;
  result.vivRanges = shedding ? kVivRanges[result.inLineRange][result.crossFlowRange] : kNoViv;

  const double critical = SpeedForSheddingFrequency(natural, diameter, viscosity_);
  figures.Claim(CriticalVelocity, critical);
  result.investigate = !(critical > kEurocodeMargin * speed);
  result.eurocode = result.investigate ? kInvestigate : kNeedNotInvestigate;

  // When shedding starts above HI * fn, no speed has fs / fn within the band.
  if (OnsetSheddingFrequency(diameter, viscosity_) <= bandHigh_ * natural) {
    const double low = SpeedForSheddingFrequency(bandLow_ * natural, diameter, viscosity_);
    figures.Claim(LockInSpeedLow, low);
    const double high = SpeedForSheddingFrequency(bandHigh_ * natural, diameter, viscosity_);
    figures.Claim(LockInSpeedHigh, high);
  } else {
    figures.Disclaim(LockInSpeedLow);
    figures.Disclaim(LockInSpeedHigh);
  }
  return std::nullopt;
}

ScreeningOutcome ScreenLockIn(const ScreeningConditions& conditions, const ScreeningCase& cylinder) {
  const auto prepared = LockInScreening::Prepare(conditions);
  if (const auto* error = std::get_if<ScreeningInputError>(&prepared)) return *error;
  ScreeningResult result;
  if (auto error = std::get<LockInScreening>(prepared).Screen(cylinder, result)) return *std::move(error);
  return result;
}

}  // namespace shedding
