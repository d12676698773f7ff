#include "shedding/vortex_response.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "shedding/approach_one_amplitude.h"
#include "shedding/en1991_annex_e_tables.h"
#include "shedding/number_text.h"
#include "shedding/shedding_relation.h"

namespace shedding {
namespace {

using namespace en1991;

// English units in SI, exact by the definitions of the foot, the pound and
// the pound-force (international yard and pound agreement, 1959).
constexpr double kFoot = 0.3048;                      // m
constexpr double kPound = 0.45359237;                 // kg
constexpr double kPoundForce = 4.4482216152605;       // N
constexpr double kPoundPerFoot = kPound / kFoot;      // kg/m
constexpr double kPsi = kPoundForce / (0.0254 * 0.0254);  // Pa
constexpr double kPoundPerCubicFoot = kPound / (kFoot * kFoot * kFoot);  // kg/m^3

struct Scales {
  double length = 1.0;
  double massPerLength = 1.0;
  double modulus = 1.0;
  double density = 1.0;
  double forcePerLength = 1.0;
  double moment = 1.0;
};

Scales ScalesFor(UnitSystem units) {
  if (units == UnitSystem::Metric) return {};
  return {kFoot, kPoundPerFoot, kPsi, kPoundPerCubicFoot, kPoundForce / kFoot, kPoundForce * kFoot};
}

struct FigureName {
  std::string_view key;
  std::string_view metric;
  std::string_view english;
};

constexpr std::array<FigureName, kResponseFigureCount> kFigureNames = {{
    {"natural_frequency", "Natural frequency (Hz)", "Natural frequency (Hz)"},
    {"natural_frequency_en1991_f2", "Natural frequency, steel chimney by EN 1991-1-4 F.2 (Hz)",
     "Natural frequency, steel chimney by EN 1991-1-4 F.2 (Hz)"},
    {"mass_per_length", "Mass per length (kg/m)", "Mass per length (lb/ft)"},
    {"log_decrement", "Logarithmic decrement", "Logarithmic decrement"},
    {"damping_ratio", "Damping ratio", "Damping ratio"},
    {"scruton_number", "Scruton number Sc", "Scruton number Sc"},
    {"stability_parameter", "Stability parameter Ks", "Stability parameter Ks"},
    {"critical_velocity", "Critical velocity vcrit (m/sec)", "Critical velocity vcrit (ft/sec)"},
    {"reynolds_number", "Reynolds number at vcrit", "Reynolds number at vcrit"},
    {"clat", "Lateral force coefficient clat", "Lateral force coefficient clat"},
    {"correlation_length_ratio", "Correlation length Lj/b", "Correlation length Lj/b"},
    {"kw", "Correlation length factor Kw", "Correlation length factor Kw"},
    {"k", "Mode shape factor K", "Mode shape factor K"},
    {"amplitude", "Amplitude yF,max (m)", "Amplitude yF,max (ft)"},
    {"amplitude_ratio", "Amplitude ratio yF,max/b", "Amplitude ratio yF,max/b"},
    {"inertia_force", "Inertia force at the antinode (N/m)", "Inertia force at the antinode (lbf/ft)"},
    {"base_moment", "Base bending moment (N m)", "Base bending moment (lbf ft)"},
    {"load_cycles", "Load cycles in the design life", "Load cycles in the design life"},
}};

constexpr Verdict kInvestigate = {
    "investigate",
    "Vortex shedding must be investigated: vcrit does not exceed 1.25 vm (EN 1991-1-4, E.1.2(2))."};
constexpr Verdict kNeedNotInvestigate = {
    "need-not-investigate",
    "Vortex shedding need not be investigated: vcrit exceeds 1.25 vm (EN 1991-1-4, E.1.2(2))."};
constexpr Verdict kSettled = {"settled",
                                   "The correlation length Lj settled (Table E.4 and the amplitude agree)."};
static_assert(kAmplitudeIterationLimit == 100, "the words below name the limit");
constexpr Verdict kNotSettled = {
    "not-settled",
    "The correlation length Lj did not settle within 100 iterations; the figures are those of the last."};
constexpr Verdict kDecrementGiven = {
    "log-decrement-given", "Damping given as the logarithmic decrement; the damping ratio is derived from it."};
constexpr Verdict kRatioGiven = {
    "damping-ratio-given", "Damping given as the damping ratio; the logarithmic decrement is derived from it."};
constexpr Verdict kFrequencyGiven = {"given", "Natural frequency and mass per length as given."};
constexpr Verdict kFrequencyEstimated = {
    "tube", "Natural frequency and mass per length computed for the uniform tube (Euler-Bernoulli beam)."};
constexpr Verdict kFigureSource = {"figure-e2",
                                        "clat,0 is read from Figure E.2 of EN 1991-1-4, not from its text."};

InputError FieldError(ResponseField field, UnitSystem units, std::string requirement) {
  return {static_cast<int>(field), ResponseFieldLabel(field, units), std::move(requirement)};
}

// The one validity rule's error, with what else the field must be.
InputError InvalidField(ResponseField field, UnitSystem units, std::string_view more = {}) {
  InputError error = InvalidInput(static_cast<int>(field), ResponseFieldLabel(field, units));
  error.requirement += more;
  return error;
}

std::optional<InputError> CheckInputs(const ResponseCase& c) {
  const UnitSystem units = c.units;
  const auto positive = [units](ResponseField field, double value) -> std::optional<InputError> {
    if (IsValidInput(value)) return std::nullopt;
    return InvalidField(field, units);
  };
  using enum ResponseField;
  if (auto error = positive(Diameter, c.diameter)) return error;
  if (auto error = positive(Height, c.height)) return error;
  if (c.tube) {
    const TubeSection& tube = *c.tube;
    if (!(IsValidInput(tube.wallThickness) && tube.wallThickness <= c.diameter / 2.0)) {
      return InvalidField(WallThickness, units, " and at most half the diameter");
    }
    if (auto error = positive(YoungsModulus, tube.youngsModulus)) return error;
    if (auto error = positive(MaterialDensity, tube.materialDensity)) return error;
    if (!(tube.extraMass >= 0.0 && std::isfinite(tube.extraMass))) {
      return FieldError(ExtraMass, units, "must be finite and not negative");
    }
  } else {
    if (auto error = positive(NaturalFrequency, c.naturalFrequency)) return error;
    if (auto error = positive(MassPerLength, c.massPerLength)) return error;
  }
  if (c.dampingMeasure == DampingMeasure::LogDecrement) {
    if (auto error = positive(LogDecrement, c.damping)) return error;
  } else if (!(IsValidInput(c.damping) && c.damping < 1.0)) {
    return InvalidField(DampingRatio, units, " and less than 1");
  }
  if (auto error = positive(MeanWind, c.meanWind)) return error;
  if (auto error = positive(Life, c.life)) return error;
  return std::nullopt;
}

// The response's figures, named in the unit system.
auto ResponseFigures(ResponseResult& result, UnitSystem units) {
  return FigureWriter(result.figures, [units](std::size_t index, Figure& figure) {
    figure.key = kFigureNames[index].key;
    figure.label = units == UnitSystem::English ? kFigureNames[index].english : kFigureNames[index].metric;
  });
}

}  // namespace

std::string ResponseFieldLabel(ResponseField field, UnitSystem units) {
  const bool english = units == UnitSystem::English;
  switch (field) {
    case ResponseField::Diameter: return english ? "Diameter (ft)" : "Diameter (m)";
    case ResponseField::Height: return english ? "Height or span (ft)" : "Height or span (m)";
    case ResponseField::NaturalFrequency: return "Natural frequency (Hz)";
    case ResponseField::MassPerLength: return english ? "Mass per length (lb/ft)" : "Mass per length (kg/m)";
    case ResponseField::WallThickness: return english ? "Wall thickness (ft)" : "Wall thickness (m)";
    case ResponseField::YoungsModulus: return english ? "Young's modulus (psi)" : "Young's modulus (Pa)";
    case ResponseField::MaterialDensity:
      return english ? "Material density (lb/ft^3)" : "Material density (kg/m^3)";
    case ResponseField::ExtraMass:
      return english ? "Extra mass per length (lb/ft)" : "Extra mass per length (kg/m)";
    case ResponseField::LogDecrement: return "Logarithmic decrement";
    case ResponseField::DampingRatio: return "Damping ratio";
    case ResponseField::MeanWind: return english ? "Mean wind speed (ft/sec)" : "Mean wind speed (m/sec)";
    case ResponseField::Life: return "Design life (years)";
  }
  return "";
}

double LogDecrementFromDampingRatio(double ratio) {
  return 2.0 * std::numbers::pi * ratio / std::sqrt(1.0 - ratio * ratio);
}

double DampingRatioFromLogDecrement(double decrement) {
  const double twoPi = 2.0 * std::numbers::pi;
  return decrement / std::sqrt(twoPi * twoPi + decrement * decrement);
}

ResponseOutcome ComputeVortexResponse(const ResponseCase& c) {
  if (auto error = CheckInputs(c)) return *std::move(error);
  const Scales scale = ScalesFor(c.units);
  ResponseResult result;
  auto figures = ResponseFigures(result, c.units);
  using enum ResponseFigureId;

  const double b = c.diameter * scale.length;
  const double height = c.height * scale.length;
  double frequency = c.naturalFrequency;
  double mass = c.massPerLength * scale.massPerLength;
  if (c.tube) {
    TubeSection tube = *c.tube;
    tube.outsideDiameter = b;
    tube.wallThickness *= scale.length;
    tube.youngsModulus *= scale.modulus;
    tube.materialDensity *= scale.density;
    tube.extraMass *= scale.massPerLength;
    frequency = TubeNaturalFrequency(tube, c.support, height);
    mass = TubeWallMass(tube) + tube.extraMass;
    result.frequency = kFrequencyEstimated;
    if (c.support == SpanSupport::Cantilever) {
      figures.Claim(ChimneyFrequency, SteelChimneyFrequency(tube, height));
    } else {
      figures.Disclaim(ChimneyFrequency);
    }
  } else {
    result.frequency = kFrequencyGiven;
    figures.Disclaim(ChimneyFrequency);
  }
  figures.Claim(NaturalFrequency, frequency);
  figures.Claim(MassPerLength, mass / scale.massPerLength);

  const bool decrementGiven = c.dampingMeasure == DampingMeasure::LogDecrement;
  const double decrement = decrementGiven ? c.damping : LogDecrementFromDampingRatio(c.damping);
  const double ratio = decrementGiven ? DampingRatioFromLogDecrement(c.damping) : c.damping;
  result.damping = decrementGiven ? kDecrementGiven : kRatioGiven;
  figures.Claim(LogDecrement, decrement);
  figures.Claim(DampingRatio, ratio);

  // E.1.3.3(1), expression E.4: Sc = 2 delta_s m_e / (rho b^2); DNV's
  // stability parameter Ks = 4 pi m_e zeta / (rho b^2) with the same rho.
  const double airMass = kAirDensity * b * b;
  const double scruton = 2.0 * decrement * mass / airMass;
  figures.Claim(Scruton, scruton);
  figures.Claim(StabilityParameter, 4.0 * std::numbers::pi * mass * ratio / airMass);

  const AmplitudeResult amplitude =
      ApproachOneAmplitude({c.support, b, height, frequency, scruton, c.meanWind * scale.length});
  figures.Claim(CriticalVelocity, amplitude.criticalVelocity / scale.length);
  figures.Claim(Reynolds, amplitude.reynolds);
  figures.Claim(LateralForceCoefficient, amplitude.clat, FigureFormat::ThreeDigits);
  figures.Claim(CorrelationLengthRatio, amplitude.lengthRatio);
  figures.Claim(CorrelationLengthFactor, amplitude.kw, FigureFormat::ThreeDigits);
  figures.Claim(ModeShapeFactor, amplitude.k, FigureFormat::ThreeDigits);
  figures.Claim(Amplitude, amplitude.amplitude / scale.length);
  figures.Claim(AmplitudeRatio, amplitude.amplitudeRatio);
  result.iterations = amplitude.iterations;
  result.correlation = amplitude.settled ? kSettled : kNotSettled;

  // E.1.4(1), expression E.6: Fw(s) = m(s) (2 pi n)^2 Phi(s) yF,max, here at
  // the antinode (Phi = 1) of a uniform cylinder.
  const double angular = 2.0 * std::numbers::pi * frequency;
  const double force = mass * angular * angular * amplitude.amplitude;
  figures.Claim(InertiaForce, force / scale.forcePerLength);
  if (c.support == SpanSupport::Cantilever) {
    // The moment at the base of Fw(z) = Fw(h) (z/h)^2 (F.3(1), expression
    // F.13, zeta = 2): the integral of Fw(z) z from 0 to h is Fw(h) h^2 / 4.
    figures.Claim(BaseMoment, force * height * height / 4.0 / scale.moment);
  } else {
    figures.Disclaim(BaseMoment);
  }

  // E.1.5.2.6(1), expression E.10, v0 = 0.2 vm.
  const double lifeSeconds = c.life * kSecondsPerYear;
  const double reduced = amplitude.criticalVelocity / (kWeibullVelocityShare * c.meanWind * scale.length);
  const double cycles =
      2.0 * lifeSeconds * frequency * kBandwidthFactor * reduced * reduced * std::exp(-reduced * reduced);
  figures.Claim(LoadCycles, cycles, FigureFormat::ThreeDigits);

  const bool investigate = !(amplitude.criticalVelocity > kInvestigationMargin * c.meanWind * scale.length);
  result.eurocode = investigate ? kInvestigate : kNeedNotInvestigate;
  result.figureSource = kFigureSource;
  return result;
}

}  // namespace shedding
