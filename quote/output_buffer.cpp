#include "output_buffer.h"

namespace lumor::quote {

OutputBuffer::OutputBuffer(std::ostream& out) : m_out(out) { m_text.reserve(2 * kFlushBytes); }

OutputBuffer::~OutputBuffer() { Flush(); }

void OutputBuffer::Flush() {
  if (!m_text.empty()) m_out.write(m_text.data(), static_cast<std::streamsize>(m_text.size()));
  m_out.flush();
  m_text.clear();
}

}  // namespace lumor::quote
