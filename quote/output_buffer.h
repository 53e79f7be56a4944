#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace lumor::quote {

// Collects output and hands it to the stream in large pieces.
class OutputBuffer {
 public:
  explicit OutputBuffer(std::ostream& out);
  ~OutputBuffer();
  OutputBuffer(const OutputBuffer&) = delete;
  OutputBuffer& operator=(const OutputBuffer&) = delete;

  std::string& Text() { return m_text; }
  void Append(std::string_view text) { m_text += text; }
  // Passes the text on once enough of it has gathered.
  void Written() {
    if (m_text.size() >= kFlushBytes) Flush();
  }
  void Flush();

 private:
  static constexpr std::size_t kFlushBytes = 64 * 1024;
  std::ostream& m_out;
  std::string m_text;
};

}  // namespace lumor::quote
