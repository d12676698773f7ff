#pragma once
// The first bending mode of a uniform Euler-Bernoulli beam on the four
// supports the vortex-induced response knows: its eigenvalue and its shape.

#include <array>
#include <string_view>

namespace shedding {

enum class SpanSupport {
  Cantilever,   // fixed at the base, free at the top
  Pinned,       // pinned at both ends
  FixedPinned,  // fixed at one end, pinned at the other
  Fixed,        // fixed at both ends
};

// Every support, in the order they are offered.
inline constexpr std::array kSpanSupports = {SpanSupport::Cantilever, SpanSupport::Pinned, SpanSupport::FixedPinned,
                                             SpanSupport::Fixed};

// "cantilever", "pinned", "fixed-pinned", "fixed": the words users type.
std::string_view SupportName(SpanSupport support);

// lambda1 of f1 = lambda1^2 / (2 pi L^2) sqrt(EI / m): the first root of the
// support's frequency equation, as R. D. Blevins, "Formulas for Natural
// Frequency and Mode Shape" (1979), Table 8-1, gives it.
double FirstModeEigenvalue(SpanSupport support);

// The first mode's deflection at x / L (0 at the fixed end or, for a span
// pinned at both ends, at either end), scaled so that its largest value is 1
// (Blevins, Table 8-1, shapes normalised to the antinode).
class FirstMode {
 public:
  explicit FirstMode(SpanSupport support);

  double Shape(double position) const;
  // Where the deflection is largest, as x / L.
  double Antinode() const { return antinode_; }

 private:
  double RawShape(double position) const;

  SpanSupport support_;
  double lambda_;
  double sigma_ = 0.0;
  double antinode_ = 1.0;
  double scale_ = 1.0;
};

}  // namespace shedding
