#include "shedding/beam_mode.h"

#include <cmath>
#include <numbers>

namespace shedding {
namespace {

// Blevins (1979), Table 8-1, first mode.
constexpr double kLambdaCantilever = 1.87510407;
constexpr double kLambdaFixedPinned = 3.92660231;
constexpr double kLambdaFixed = 4.73004074;

// Enough samples to place the antinode within 1e-4 of the span.
constexpr int kAntinodeSamples = 10000;

}  // namespace

std::string_view SupportName(SpanSupport support) {
  switch (support) {
    case SpanSupport::Cantilever: return "cantilever";
    case SpanSupport::Pinned: return "pinned";
    case SpanSupport::FixedPinned: return "fixed-pinned";
    case SpanSupport::Fixed: return "fixed";
  }
  return "";
}

double FirstModeEigenvalue(SpanSupport support) {
  switch (support) {
    case SpanSupport::Cantilever: return kLambdaCantilever;
    case SpanSupport::Pinned: return std::numbers::pi;
    case SpanSupport::FixedPinned: return kLambdaFixedPinned;
    case SpanSupport::Fixed: return kLambdaFixed;
  }
  return 0.0;
}

FirstMode::FirstMode(SpanSupport support) : support_(support), lambda_(FirstModeEigenvalue(support)) {
  const double l = lambda_;
  // Blevins, Table 8-1: sigma makes the shape meet the support at x = L.
  if (support == SpanSupport::Cantilever) {
    sigma_ = (std::sinh(l) - std::sin(l)) / (std::cosh(l) + std::cos(l));
  } else if (support != SpanSupport::Pinned) {
    sigma_ = (std::cosh(l) - std::cos(l)) / (std::sinh(l) - std::sin(l));
  }
  double largest = 0.0;
  for (int i = 0; i <= kAntinodeSamples; ++i) {
    const double x = static_cast<double>(i) / kAntinodeSamples;
    const double value = std::fabs(RawShape(x));
    if (value > largest) {
      largest = value;
      antinode_ = x;
    }
  }
  scale_ = 1.0 / largest;
}

double FirstMode::Shape(double position) const { return scale_ * RawShape(position); }

double FirstMode::RawShape(double position) const {
  const double x = lambda_ * position;
  if (support_ == SpanSupport::Pinned) return std::sin(x);
  return std::cosh(x) - std::cos(x) - sigma_ * (std::sinh(x) - std::sin(x));
}

}  // namespace shedding
