// Rich text of the report window and its RTF form.
#include "core/mining/rich_text.h"

#include <cmath>
#include <cstdio>

namespace lumeral::mining {

FontStyle press_style(const FontStyle& current, const FontStyle& button) {
  if (current == button) return {};
  return button;
}

std::vector<RichParagraph> report_paragraphs(const Report& report) {
  std::vector<RichParagraph> out;
  for (const ReportParagraph& p : report.paragraphs) {
    RichParagraph r;
    RichRun run;
    run.text = p.text;
    switch (p.style) {
      case ReportParagraph::Style::Plain: break;
      case ReportParagraph::Style::Title: run.style.bold = true; break;
      case ReportParagraph::Style::Heading:
        r.align = RichParagraph::Align::Center;
        r.first_indent = 10;
        break;
      case ReportParagraph::Style::Bullet: r.bullet = true; break;
    }
    if (!run.text.empty()) r.runs.push_back(std::move(run));
    out.push_back(std::move(r));
  }
  return out;
}

namespace {

void escape(std::string& out, AnsiView text, const RtfOptions& options) {
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '\\' || c == '{' || c == '}') {
      out += '\\';
      out += ch;
    } else if (c == '\t' && options.tab_word) {
      out += "\\tab ";
    } else if (c >= 0x80 || c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\'%02x", c);
      out += buf;
    } else {
      out += ch;
    }
  }
}

long twips(double points) { return std::lround(points * 20); }
long half_points(double points) { return std::lround(points * 2); }

std::string style_on(const FontStyle& s) {
  std::string w;
  if (s.bold) w += "\\b";
  if (s.italic) w += "\\i";
  if (s.underline) w += "\\ul";
  return w;
}

std::string style_off(const FontStyle& s) {
  std::string w;
  if (s.bold) w += "\\b0";
  if (s.italic) w += "\\i0";
  if (s.underline) w += "\\ulnone";
  return w;
}

void paragraph_words(std::string& out, const RichParagraph& p) {
  out += "\\pard";
  if (p.align == RichParagraph::Align::Center) out += "\\qc";
  if (p.align == RichParagraph::Align::Right) out += "\\qr";
  if (p.bullet) {
    out += "{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'b7}}\\fi-200\\li200";
  } else if (p.first_indent != 0) {
    out += "\\fi" + std::to_string(twips(p.first_indent));
  }
}

void grouped_runs(std::string& out, const RichParagraph& p, const RtfOptions& options) {
  out += ' ';
  for (const RichRun& r : p.runs) {
    out += "{\\plain\\f0\\fs" + std::to_string(half_points(r.points)) + style_on(r.style) + ' ';
    escape(out, r.text, options);
    out += '}';
  }
}

// Bare runs: a run's style words go before its text and are closed after
// it. A blank ends a control word only where one precedes the text, so
// that plain runs side by side get no blank between them.
void bare_runs(std::string& out, const RichParagraph& p, const RtfOptions& options) {
  bool after_word = true;  // the paragraph's own words precede the first run
  for (const RichRun& r : p.runs) {
    const std::string on = style_on(r.style);
    const std::string off = style_off(r.style);
    out += on;
    if (after_word || !on.empty()) out += ' ';
    escape(out, r.text, options);
    out += off;
    after_word = !off.empty();
  }
  if (p.runs.empty()) out += ' ';
}

}  // namespace

std::string rich_text_rtf(const std::vector<RichParagraph>& paragraphs, const RtfOptions& options) {
  std::string out =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fnil\\fcharset2 "
      "Symbol;}}\r\n\\viewkind4\\uc1";
  out += options.header_pard ? "\\pard\\f0\\fs20\r\n" : "\\f0\\fs20\r\n";
  for (const RichParagraph& p : paragraphs) {
    paragraph_words(out, p);
    if (options.run_groups) grouped_runs(out, p, options);
    else bare_runs(out, p, options);
    out += "\\par\r\n";
  }
  out += "}\r\n";
  return out;
}

}  // namespace lumeral::mining
