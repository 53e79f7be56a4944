// Any bytes as lumor-quote's input. The reader's records and the byte order
// mark account for every byte, and the session prices or rejects each record
// it is given, with messages that are safe to print.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "csv.h"
#include "engine.h"
#include "quote_session.h"
#include "shown_text.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

std::size_t Count(const std::string& text, std::string_view end) {
  std::size_t n = 0;
  for (std::size_t at = text.find(end); at != std::string::npos; at = text.find(end, at + 1)) ++n;
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the mode and a small record limit, so that long
  // records are reached quickly.
  const unsigned mode = data[0] % 3;
  const std::size_t limit = 8 + data[0] / 3;
  const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);

  {
    std::istringstream in(input);
    lumor::quote::RecordReader reader(in, limit);
    if (mode > 0) reader.SetCsv(mode == 1 ? ',' : ';');
    lumor::quote::Record record;
    std::size_t offset = 0;
    std::size_t line = 1;
    bool first = true;
    while (reader.Next(record)) {
      if (first) offset = reader.MarkBytes();
      first = false;
      Check(record.offset == offset && record.bytes > 0 && record.line >= line);
      Check(record.length <= record.bytes && record.text.size() <= limit);
      Check(record.tooLong == (record.length > limit));
      if (!record.tooLong) Check(input.compare(record.offset, record.length, record.text) == 0);
      offset += record.bytes;
      line = record.line;
    }
    Check(offset == (first ? 0 : input.size()));
  }

  static lumor::Engine engine = [] {
    lumor::Engine e;
    e.LoadDefaults();
    return e;
  }();
  std::ostringstream out;
  std::ostringstream err;
  const auto format =
      mode == 2 ? lumor::quote::OutputFormat::kCsv : lumor::quote::OutputFormat::kText;
  lumor::quote::QuoteSession session(engine, format, out, err);
  std::istringstream in(input);
  session.PriceInput("in", in, false, limit);
  session.Finish();
  const std::string written = out.str();
  const std::string reported = err.str();
  // One line a rejection; input quoted in a message cannot hold a line end.
  Check(Count(reported, "\n") == session.Rejected());
  for (std::size_t at = 0; at < reported.size(); at = reported.find('\n', at) + 1) {
    Check(reported.compare(at, 16, "lumor-quote: in:") == 0);
  }
  const std::size_t frame = format == lumor::quote::OutputFormat::kCsv ? 2 : 0;
  Check(Count(written, format == lumor::quote::OutputFormat::kCsv ? "\r\n" : "\n") ==
        session.Priced() + frame);
  Check(lumor::IsValidUtf8(reported));
  for (char c : reported) Check(c == '\n' || (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F));
  return 0;
}
