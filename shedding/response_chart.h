#pragma once
// The Griffin plot of one response: the amplitude of EN 1991-1-4:2005,
// Annex E, Approach 1 against the Scruton number, the structure's point on
// it and the band of Scruton numbers where large amplitudes are to be
// expected.

#include "shedding/chart.h"
#include "shedding/vortex_response.h"

namespace shedding {

// Chart of a case that ComputeVortexResponse has computed (result).
// The curve is yF,max / b of expression E.7 against Sc for the structure's
// own K, Kw and clat (clat,0 where clat is 0, vcrit / vm at or above 1.25:
// the point then lies on the Sc axis); the band runs from the left end of
// the Sc axis to the Sc where the curve reaches yF,max / b = 0.1. Both axes
// are decade axes, the Sc axis a decade past the point and the band's edge
// on either side, the amplitude axis holding the curve.
Chart ChartResponse(const ResponseCase& cylinder, const ResponseResult& result);

}  // namespace shedding
