#include "cli/usage_text.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace cli {
namespace {

// The synopsis is everything up to the first blank line.
constexpr std::string_view kHelp = R"help(Usage:
  strouhal solve FOR [--units english|metric] [--] V1 V2 V3
  strouhal solve FOR [--units english|metric] --csv
  strouhal correlate [--] RE...
  strouhal correlate --csv
  strouhal labels FOR [--units english|metric]
  strouhal screen [--units english|metric] FLUID --velocity V --diameter D
                  --natural-frequency FN [--band LO,HI] [--json] [--svg FILE]
  strouhal screen [--units english|metric] FLUID [--band LO,HI] --csv
  strouhal response [--units english|metric] --diameter B --height H
                    [--support cantilever|pinned|fixed-pinned|fixed]
                    (--natural-frequency FN --mass ME | TUBE)
                    (--log-decrement DS | --damping-ratio Z)
                    --mean-wind VM [--life YEARS] [--json] [--svg FILE]
  strouhal response [--units english|metric] [--support S] [--life YEARS] --csv
  strouhal --help
  strouhal COMMAND --help
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
      RE,RESULT for each. Blank lines are skipped; a row that is not one
      field holding a number is an Input Error.

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

  response --diameter B --height H ... --mean-wind VM
      The vortex-induced response of a circular cylinder in wind by
      EN 1991-1-4:2005, Annex E, Approach 1: B is its diameter, H the height
      of a cantilever or the span (--support, default cantilever), VM the
      characteristic mean wind speed at the height of shedding. Give the
      natural frequency FN (Hz) and the mass per length ME, or TUBE:
      --wall-thickness T --youngs-modulus E --material-density RHO
      [--extra-mass MA], from which FN (Euler-Bernoulli beam, Blevins 1979,
      Table 8-1) and ME are computed and, for a cantilever, the steel
      chimney estimate of F.2(3) is shown beside FN. Damping is the
      logarithmic decrement DS or the damping ratio Z (the other is derived
      exactly). Prints the Scruton number Sc = 2*DS*ME/(1.25*B^2) (E.4) and
      Ks = 4*pi*ME*Z/(1.25*B^2); vcrit = B*FN/0.18 (E.1) and Re(vcrit) with
      nu = 15e-6 m^2/s (E.5); clat (Tables E.2, E.3; clat,0 read from
      Figure E.2); Lj/b (Table E.4, iterated until it settles), Kw and K
      (Table E.5); yF,max = B*K*Kw*clat/(St^2*Sc) (E.7) and yF,max/B; the
      inertia force at the antinode (E.6); for a cantilever the base
      moment with the mode shape (z/H)^2 (F.13); the load cycles over
      YEARS (default 50) of life (E.10, eps0 = 0.3, v0 = 0.2*VM); and
      whether vortex shedding need not be investigated (vcrit > 1.25 VM,
      E.1.2(2)). Every value must be finite and greater than 1e-40, but
      MA may be 0, Z must be below 1 and T at most B/2; a value that holds
      no number is an input error even where 0 would do.

  response --csv
      Reads rows B,H,FN,ME,DS,VM from standard input and writes a header
      line, then each row followed by Z, Sc, Ks, vcrit, Re, clat, Lj/b, Kw,
      K, yF,max, yF,max/B, the inertia force, the base moment (empty but
      for a cantilever), the load cycles and the two verdicts, or
      Input Error. Blank lines are skipped; a row without exactly six
      numbers is an Input Error.

Options:
  --units english|metric
      Labels lengths in ft and velocities in ft/sec (english), or in m and
      m/sec (metric, the default). Values are never converted: any
      consistent set of units works. --units=english works too. response
      is the exception, since the standard's constants are metric: english
      means ft, ft/sec, lb/ft, psi and lb/ft^3 (forces in lbf/ft and
      lbf ft), converted exactly; metric means m, m/sec, kg/m, Pa, kg/m^3.
  --csv
      Batch mode: rows from standard input, results on standard output.
  --fluid water|seawater|air, --temperature T, --viscosity NU
      The fluid of screen: temperatures in C (metric) or F (english);
      NU in m^2/sec or ft^2/sec.
  --band LO,HI
      The lock-in band of screen as fs/FN (default 0.8,1.2); 0 < LO < 1 < HI.
  --json
      screen and response print one JSON object instead of NAME: VALUE
      lines.
  --svg FILE
      screen and response also write their chart to FILE as SVG: screen fs
      against V, FN, the band and the operating point; response yF,max/B
      against Sc by E.7 for the structure's K, Kw and clat (clat,0 where
      clat is 0), its point and the band of Sc below which yF,max/B passes
      0.1 (our choice of edge, not a value of the standard). Whole or not
      at all: the chart goes to a new file in FILE's folder, which then
      replaces FILE; if any step fails, that file is removed and an
      existing FILE stays as it was.
  --
      Ends the options: every argument after it is a value.
  --help
      Prints this text; after a command (strouhal solve --help), the part
      of it about that command.
  --version
      Prints the program name and version.

Numbers:
  Values are read like C's atof: leading white space is skipped and the
  longest decimal prefix is taken (3.5ft is 3.5); text without one is 0.
  inf, nan and hexadecimal forms are not numbers. Only arguments that begin
  with -- are options, so -1 is a value (which then fails the check). An
  option's value never begins with --: in --svg --json, --svg lacks its
  value.

Exit status:
  0   success; in --csv mode also when some rows are Input Errors
  1   input error, or output that could not be written
  2   usage error: unknown command or option, missing or extra values

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
  $ strouhal response --diameter 1 --height 30 --natural-frequency 1 --mass 200 --log-decrement 0.012 --mean-wind 25
  Natural frequency (Hz): 1
  Natural frequency, steel chimney by EN 1991-1-4 F.2 (Hz): n/a
  Mass per length (kg/m): 200
  Logarithmic decrement: 0.012
  Damping ratio: 0.00191
  Scruton number Sc: 3.84
  Stability parameter Ks: 3.84
  Critical velocity vcrit (m/sec): 5.556
  Reynolds number at vcrit: 3.704e+05
  Lateral force coefficient clat: 0.494
  Correlation length Lj/b: 8.515
  Correlation length factor Kw: 0.6
  Mode shape factor K: 0.13
  Amplitude yF,max (m): 0.3095
  Amplitude ratio yF,max/b: 0.3095
  Inertia force at the antinode (N/m): 2444
  Base bending moment (N m): 5.499e+05
  Load cycles in the design life: 3.45e+08
  Eurocode rule: Vortex shedding must be investigated: vcrit does not exceed 1.25 vm (EN 1991-1-4, E.1.2(2)).
  Correlation length: The correlation length Lj settled (Table E.4 and the amplitude agree).
  Damping: Damping given as the logarithmic decrement; the damping ratio is derived from it.
  Natural frequency: Natural frequency and mass per length as given.
  Figure values: clat,0 is read from Figure E.2 of EN 1991-1-4, not from its text.
  $ printf '1,30,1,200,0.012,25\n1,30,1,200,0,25\n' | strouhal response --csv
  B,H,FN,ME,DS,VM,zeta,Sc,Ks,vcrit,Re,clat,Lj/b,Kw,K,yF_max,yF_max/b,Fw,M_base,N,eurocode,correlation
  1,30,1,200,0.012,25,0.00191,3.84,3.84,5.556,3.704e+05,0.494,8.515,0.6,0.13,0.3095,0.3095,2444,5.499e+05,3.45e+08,investigate,settled
  1,30,1,200,0,25,Input Error
  $ strouhal labels v --units english
  Strouhal Number
  Frequency of Vortices (Hz)
  Diameter (ft)
)help";

// The body of the section under "heading:", up to the next heading.
std::string_view Section(std::string_view heading) {
  const std::string title = std::string(heading) + ":\n";
  std::size_t start = kHelp.starts_with(title) ? 0 : kHelp.find("\n" + title) + 1;
  start += title.size();
  std::size_t end = start;
  while (end < kHelp.size() && (kHelp[end] == ' ' || kHelp[end] == '\n')) end = kHelp.find('\n', end) + 1;
  return kHelp.substr(start, end - start);
}

// A section's entries: each starts at a line indented by two spaces and runs
// to the next such line (its description and continuation lines go deeper).
std::vector<std::string_view> Entries(std::string_view section) {
  std::vector<std::size_t> starts;
  for (std::size_t at = 0; at < section.size(); at = section.find('\n', at) + 1) {
    if (section.substr(at).starts_with("  ") && !section.substr(at).starts_with("   ")) starts.push_back(at);
  }
  starts.push_back(section.size());
  std::vector<std::string_view> entries;
  for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
    entries.push_back(section.substr(starts[i], starts[i + 1] - starts[i]));
  }
  return entries;
}

// The options a text names: "--" and the letters and hyphens after it.
std::set<std::string_view> OptionsNamed(std::string_view text) {
  std::set<std::string_view> names;
  for (std::size_t at = text.find("--"); at != std::string_view::npos; at = text.find("--", at)) {
    std::size_t end = at + 2;
    while (end < text.size() && (std::islower(static_cast<unsigned char>(text[end])) != 0 || text[end] == '-')) ++end;
    names.insert(text.substr(at, end - at));
    at = end;
  }
  return names;
}

// The entries of a section that begin with `start`; the options they name
// are added to `named`.
std::vector<std::string_view> EntriesStarting(std::string_view heading, std::string_view start,
                                              std::set<std::string_view>& named) {
  std::vector<std::string_view> chosen;
  for (const std::string_view entry : Entries(Section(heading))) {
    if (!entry.starts_with(start)) continue;
    chosen.push_back(entry);
    named.merge(OptionsNamed(entry));
  }
  return chosen;
}

void AppendSection(std::string& help, std::string_view heading, const std::vector<std::string_view>& entries) {
  if (entries.empty()) return;
  if (!help.empty()) help.append("\n");
  help.append(heading).append(":\n");
  for (const std::string_view entry : entries) help.append(entry);
  while (help.ends_with("\n\n")) help.pop_back();
}

}  // namespace

std::string_view HelpText() { return kHelp; }

std::string CommandHelpText(std::string_view command) {
  std::set<std::string_view> named;
  const auto synopsis = EntriesStarting("Usage", "  strouhal " + std::string(command) + " ", named);
  const auto commands = EntriesStarting("Commands", "  " + std::string(command) + " ", named);
  std::vector<std::string_view> options;
  for (const std::string_view entry : Entries(Section("Options"))) {
    const auto terms = OptionsNamed(entry.substr(0, entry.find('\n')));
    if (std::any_of(terms.begin(), terms.end(), [&](std::string_view term) { return named.contains(term); })) {
      options.push_back(entry);
    }
  }
  std::string help;
  AppendSection(help, "Usage", synopsis);
  AppendSection(help, "Commands", commands);
  AppendSection(help, "Options", options);
  help.append("\nNumbers, exit status and examples: strouhal --help\n");
  return help;
}

std::string_view SynopsisText() { return kHelp.substr(0, kHelp.find("\n\n") + 1); }

}  // namespace cli
