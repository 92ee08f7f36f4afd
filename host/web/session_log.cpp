#include "session_log.h"

#include <ctime>

namespace mirado::web {
namespace {

// One event as the log shows it: who, what, and to whom.
struct Entry {
  std::string who;   // "<taro>", "mirado", "*"
  std::string note;  // "(private)", "(to taro)", "(from #gm)"
  std::string text;
  const char* css;
};

Entry Describe(const RoomEvent& e) {
  switch (e.kind) {
    case EventKind::kJoin: return {"*", "", e.nick + " joined", "join"};
    case EventKind::kPart: return {"*", "", "the bot left (counters and memos cleared): " + e.text, "part"};
    case EventKind::kLine: return {"<" + e.nick + ">", e.is_private() ? "(to the bot, private)" : "", e.text, "line"};
    case EventKind::kAnswer: {
      std::string note = e.is_private() ? "(to " + e.to + ")" : "";
      if (!e.from.empty()) note += (note.empty() ? "" : " ") + std::string("(from ") + e.from + ")";
      return {"mirado", note, e.text, "answer"};
    }
  }
  return {};
}

}  // namespace

std::string LocalTime(int64_t time_ms) {
  const std::time_t seconds = static_cast<std::time_t>(time_ms / 1000);
  std::tm parts{};
  localtime_r(&seconds, &parts);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
  return text;
}

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string RenderLog(const std::string& channel, const std::vector<RoomEvent>& events, LogFormat format) {
  const std::string span = events.empty()
                               ? std::string("no events yet")
                               : LocalTime(events.front().time_ms) + " - " + LocalTime(events.back().time_ms);
  std::string out;
  if (format == LogFormat::kText) {
    out = "Mirado for TRPG session log: " + channel + " (" + span + ")\n\n";
    for (const RoomEvent& e : events) {
      const Entry entry = Describe(e);
      out += "[" + LocalTime(e.time_ms) + "] " + entry.who + (entry.note.empty() ? "" : " " + entry.note) + " " +
             entry.text + "\n";
    }
    return out;
  }
  const std::string title = EscapeHtml(channel);
  out = "<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"utf-8\"><title>" + title +
        " - session log</title>\n<style>body{font-family:system-ui,'Noto Sans CJK JP',sans-serif;max-width:60em;"
        "margin:1em auto;padding:0 1em;line-height:1.5;color:#222}h1{font-size:1.3em}time{color:#888;"
        "font-size:.85em;margin-right:.6em;font-variant-numeric:tabular-nums}.e{padding:.15em 0;"
        "white-space:pre-wrap;word-break:break-word}.who{font-weight:600;margin-right:.4em}.answer{background:#f3f6fb;"
        "border-left:3px solid #5477c4;padding-left:.5em}.private{border-left-color:#b05aa8;background:#faf2f9}"
        ".join,.part{color:#777;font-style:italic}.note{color:#7a5;font-size:.85em;margin-right:.4em}</style>"
        "</head>\n<body><h1>" +
        title + " <small>" + EscapeHtml(span) + "</small></h1>\n";
  for (const RoomEvent& e : events) {
    const Entry entry = Describe(e);
    out += "<div class=\"e " + std::string(entry.css) + (e.is_private() ? " private" : "") + "\"><time>" +
           LocalTime(e.time_ms) + "</time><span class=\"who\">" + EscapeHtml(entry.who) + "</span>" +
           (entry.note.empty() ? "" : "<span class=\"note\">" + EscapeHtml(entry.note) + "</span>") +
           EscapeHtml(entry.text) + "</div>\n";
  }
  out += "</body></html>\n";
  return out;
}

}  // namespace mirado::web
