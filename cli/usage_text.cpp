#include "cli/usage_text.h"

namespace cli {
namespace {

// The synopsis is everything up to the first blank line.
constexpr std::string_view kHelp = R"help(Usage:
  strouhal solve FOR [--units english|metric] V1 V2 V3
  strouhal solve FOR [--units english|metric] --csv
  strouhal correlate RE...
  strouhal correlate --csv
  strouhal labels FOR [--units english|metric]
  strouhal screen [--units english|metric] FLUID --velocity V --diameter D
                  --natural-frequency FN [--band LO,HI] [--json] [--svg FILE]
  strouhal screen [--units english|metric] FLUID [--band LO,HI] --csv
  strouhal --help
  strouhal --version

Description:
  Solves the Strouhal relation St = f*D/V for one of its four quantities from
  the other three, and estimates the Strouhal number of a circular cylinder
  from the Reynolds number. St is the Strouhal number, f the frequency of the
  shed vortices in Hz, D the diameter of the body and V the free-stream
  velocity.

Commands:
  solve FOR V1 V2 V3
      Solves for FOR, which is one of
        st, strouhal    the Strouhal number   St = f*D/V
        f, frequency    the vortex frequency  f  = St*V/D
        d, diameter     the diameter          D  = St*V/f
        v, velocity     the velocity          V  = f*D/St
      V1 V2 V3 are the other three quantities in the order St, f, D, V with
      FOR left out ('strouhal labels FOR' lists them). Prints one line,
      LABEL: RESULT, with St to 3 significant digits and the others to 4.
      Every value must be finite and greater than 1e-40; otherwise prints
      Input Error, the first slot that failed and its label on standard
      error.

  solve FOR --csv
      Reads rows V1,V2,V3 from standard input and writes V1,V2,V3,RESULT
      for each, where RESULT is the result or Input Error. Blank lines are
      skipped; a row without exactly three fields is an Input Error.

  correlate RE...
      Estimates the Strouhal number of a circular cylinder at each Reynolds
      number RE by log-log interpolation in a table of published points
      (linear between Re 30 and 50), and prints it with three decimals, one
      line each. Re up to 30 gives 0; Re of 1e7 and above gives 0.23.

  correlate --csv
      Reads one Reynolds number a line from standard input and writes
      RE,RESULT for each. Blank lines are skipped.

  labels FOR
      Prints the labels of V1, V2 and V3 for FOR, one a line.

  screen FLUID --velocity V --diameter D --natural-frequency FN
      Lock-in screening of a circular cylinder of diameter D with natural
      frequency FN (Hz) in a flow of speed V. FLUID is --fluid water,
      --fluid seawater (35 g/kg) or --fluid air with --temperature T, or
      the kinematic viscosity itself as --viscosity NU. Prints one
      NAME: VALUE line per figure and the verdicts: Re = V*D/NU; St from
      the correlation; the shedding frequency fs = St*V/D and fs/FN (none
      below Re 47, where no periodic shedding is expected); lock-in while
      LO <= fs/FN <= HI; the reduced velocity Vr = V/(FN*D) against the
      ranges where in-line (1 to 4.5) and cross-flow (3 to 16) VIV start;
      the critical speed where fs = FN and the speeds of the lock-in band,
      found on the curve fs(V); and whether vortex shedding need not be
      investigated (Vcrit > 1.25 V, EN 1991-1-4 E.1.2(2); a rule for
      wind, applied in air only, "not-applicable" otherwise). Every value
      must be finite and greater than 1e-40, and no figure may pass
      1.798e+308; the temperature must lie within the fluid's data (water
      0 to 40 C, air -40 to 100 C).

  screen FLUID --csv
      Reads rows V,D,FN from standard input and writes a header line, then
      V,D,FN followed by the figures and verdicts, or V,D,FN,Input Error.
      A figure that is not claimed is left empty. Blank lines are skipped;
      a row without exactly three fields is an Input Error.

Options:
  --units english|metric
      Labels lengths in ft and velocities in ft/sec (english), or in m and
      m/sec (metric, the default). Values are never converted: any
      consistent set of units works. --units=english works too.
  --csv
      Batch mode: rows from standard input, results on standard output.
  --fluid water|seawater|air, --temperature T, --viscosity NU
      The fluid of screen: temperatures in C (metric) or F (english);
      NU in m^2/sec or ft^2/sec.
  --band LO,HI
      The lock-in band of screen as fs/FN (default 0.8,1.2); 0 < LO < 1 < HI.
  --json
      screen prints one JSON object instead of NAME: VALUE lines.
  --svg FILE
      screen also writes its chart (fs against V, FN, the band and the
      operating point) to FILE as SVG.
  --help
      Prints this text.
  --version
      Prints the program name and version.

Numbers:
  Values are read like C's atof: leading white space is skipped and the
  longest decimal prefix is taken (3.5ft is 3.5); text without one is 0.
  inf, nan and hexadecimal forms are not numbers. Only arguments that begin
  with -- are options, so -1 is a value (which then fails the check).

Exit status:
  0   success; in --csv mode also when some rows are Input Errors
  1   input error, or output that could not be written
  2   usage error: unknown command or option, wrong number of values

Examples:
  $ strouhal solve d 0.2 10 5
  Diameter (m): 0.1
  $ strouhal solve st --units english 2 0.5 5
  Strouhal Number: 0.2
  $ strouhal solve v 0.2 -1 5
  Input Error: slot 2 "Frequency of Vortices (Hz)" must be finite and greater than 1e-40, got "-1"
  $ printf '0.2,10,5\n0.2,0,5\n' | strouhal solve d --csv
  0.2,10,5,0.1
  0.2,0,5,Input Error
  $ strouhal correlate 2e5 1000
  0.196
  0.210
  $ printf '2e5\n40\n' | strouhal correlate --csv
  2e5,0.196
  40,0.065
  $ strouhal screen --fluid water --temperature 20 --velocity 1 --diameter 0.1 --natural-frequency 2
  Kinematic viscosity (m^2/sec): 1.003e-06
  Reynolds number: 9.966e+04
  Strouhal number: 0.190
  Shedding frequency (Hz): 1.9
  Frequency ratio fs/fn: 0.95
  Reduced velocity V/(fn D): 5
  Critical velocity, fs = fn (m/sec): 1.051
  Lock-in from velocity (m/sec): 0.8387
  Lock-in up to velocity (m/sec): 1.251
  Verdict: Lock-in: the shedding frequency lies within the lock-in band around the natural frequency.
  Eurocode rule: Not applied: the rule of EN 1991-1-4, E.1.2(2) is for wind, and is applied only when the fluid is air.
  VIV ranges: Vr is within the range where cross-flow VIV starts (3 to 16; DNV-RP-C205, Sec. 9).
  $ printf '0.5,0.05,5\n1,0,2\n' | strouhal screen --fluid seawater --temperature 15 --csv
  V,D,FN,Re,St,fs,fs/fn,Vr,Vcrit,V_lock_in_low,V_lock_in_high,lock_in,eurocode,viv_ranges
  0.5,0.05,5,2.102e+04,0.197,1.967,0.393,2,1.298,1.033,1.564,outside-band,not-applicable,in-line
  1,0,2,Input Error
  $ strouhal labels v --units english
  Strouhal Number
  Frequency of Vortices (Hz)
  Diameter (ft)
)help";

}  // namespace

std::string_view HelpText() { return kHelp; }

std::string_view SynopsisText() { return kHelp.substr(0, kHelp.find("\n\n") + 1); }

}  // namespace cli
