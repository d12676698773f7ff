#include "tools/help_to_roff.h"

#include <algorithm>
#include <cctype>
#include <span>
#include <vector>

namespace tools {
namespace {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    lines.push_back(text.substr(0, end));
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return lines;
}

std::size_t Indent(std::string_view line) { return std::min(line.find_first_not_of(' '), line.size()); }

bool IsBlank(std::string_view line) { return Indent(line) == line.size(); }

bool IsSectionHeading(std::string_view line) { return !line.empty() && line.front() != ' ' && line.back() == ':'; }

// A table row: two or more spaces between words.
bool HasColumnGap(std::string_view line) { return line.substr(Indent(line)).find("  ") != std::string_view::npos; }

// The line without the first `indent` spaces; deeper indentation stays.
std::string_view Dedent(std::string_view line, std::size_t indent) { return line.substr(std::min(indent, Indent(line))); }

std::string Upper(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return upper;
}

// Text for a roff text line: backslashes escaped, a leading '.' kept from
// reading as a request, and '-', quotes and the like kept ASCII, so that what
// a reader copies from the page works in a shell.
std::string Escape(std::string_view text) {
  std::string escaped = text.starts_with('.') ? "\\&" : "";
  for (const char c : text) {
    switch (c) {
      case '\\': escaped += "\\e"; break;
      case '-': escaped += "\\-"; break;
      case '\'': escaped += "\\(aq"; break;
      case '`': escaped += "\\(ga"; break;
      case '^': escaped += "\\(ha"; break;
      case '~': escaped += "\\(ti"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::string SectionTitle(std::string_view heading) {
  heading.remove_suffix(1);  // the ':'
  return heading == "Usage" ? "SYNOPSIS" : Upper(heading);
}

// Writes roff, switching between filled and verbatim text as lines ask.
class RoffWriter {
 public:
  void Request(std::string_view request) {
    EndVerbatim();
    out_.append(request).append("\n");
  }
  void Text(std::string_view line) {
    EndVerbatim();
    out_.append(Escape(line)).append("\n");
  }
  void Term(std::string_view term) {
    Request(".TP");
    out_.append("\\fB").append(Escape(term)).append("\\fR\n");
  }
  // A line kept as it stands, leading spaces included.
  void Verbatim(std::string_view line) {
    if (!verbatim_) out_.append(".nf\n");
    verbatim_ = true;
    out_.append(Escape(line)).append("\n");
  }
  std::string Finish() {
    EndVerbatim();
    return std::move(out_);
  }

 private:
  void EndVerbatim() {
    if (verbatim_) out_.append(".fi\n");
    verbatim_ = false;
  }

  std::string out_;
  bool verbatim_ = false;
};

using Lines = std::span<const std::string_view>;

// Lines of running text at `indent`, with deeper or tabular lines kept.
void WriteText(RoffWriter& roff, Lines lines, std::size_t indent) {
  for (const std::string_view line : lines) {
    if (Indent(line) == indent && !HasColumnGap(line))
      roff.Text(line.substr(indent));
    else
      roff.Verbatim(Dedent(line, indent));
  }
}

// The lines up to the next one at `indent` or shallower.
std::size_t DeeperRun(Lines lines, std::size_t indent) {
  std::size_t count = 0;
  while (count < lines.size() && Indent(lines[count]) > indent) ++count;
  return count;
}

// One paragraph: running text and terms with their descriptions, or, for an
// example session or the synopsis, lines kept as they stand.
void WriteParagraph(RoffWriter& roff, Lines lines, bool firstInSection, bool keepLines) {
  const std::size_t indent = Indent(lines.front());
  if (keepLines || lines.front().substr(indent).starts_with("$ ")) {
    if (!firstInSection) roff.Request(".PP");
    for (const std::string_view line : lines) roff.Verbatim(Dedent(line, indent));
    return;
  }
  bool startsBlock = !firstInSection;
  while (!lines.empty()) {
    const std::size_t described = DeeperRun(lines.subspan(1), indent);
    if (described > 0) {
      roff.Term(lines.front().substr(indent));
      WriteText(roff, lines.subspan(1, described), Indent(lines[1]));
      lines = lines.subspan(1 + described);
      startsBlock = true;
      continue;
    }
    std::size_t text = 1;
    while (text < lines.size() && DeeperRun(lines.subspan(text + 1), indent) == 0) ++text;
    if (startsBlock) roff.Request(".PP");
    WriteText(roff, lines.first(text), indent);
    lines = lines.subspan(text);
    startsBlock = true;
  }
}

}  // namespace

std::string HelpTextToRoff(std::string_view help, const ManPageHeader& header) {
  RoffWriter roff;
  roff.Request(".TH " + Upper(header.name) + " " + std::string(header.section) + " \"\" \"" + Escape(header.source) + "\" \"" +
               Escape(header.manual) + "\"");
  // No hyphenation, so that options and numbers never break across lines;
  // ragged right.
  roff.Request(".nh");
  roff.Request(".ad l");
  roff.Request(".SH NAME");
  roff.Text(std::string(header.name) + " - " + std::string(header.summary));

  bool inSynopsis = false;
  bool firstInSection = true;
  std::vector<std::string_view> paragraph;
  const auto flush = [&] {
    if (paragraph.empty()) return;
    WriteParagraph(roff, paragraph, firstInSection, inSynopsis);
    firstInSection = false;
    paragraph.clear();
  };
  for (const std::string_view line : SplitLines(help)) {
    if (IsSectionHeading(line)) {
      flush();
      const std::string section = SectionTitle(line);
      roff.Request(".SH " + section);
      inSynopsis = section == "SYNOPSIS";
      firstInSection = true;
    } else if (IsBlank(line)) {
      flush();
    } else {
      paragraph.push_back(line);
    }
  }
  flush();
  return roff.Finish();
}

}  // namespace tools
