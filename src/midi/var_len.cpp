#include "midi/var_len.h"

namespace veltrix {

int32_t ReadVarLen(Session& session) {
  int64_t value = 0;
  uint8_t byte = session.image.at(session.ReadPos);
  while (byte > 0x7F) {
    value = CheckedInt32((value + (byte - 0x80)) * 128);
    session.ReadPos = CheckedInt32(int64_t{session.ReadPos} + 1);
    byte = session.image.at(session.ReadPos);
  }
  return CheckedInt32(value + byte);
}

void ReadMetaLength(Session& session) {
  int32_t start = session.ReadPos;
  session.ReadPos = CheckedInt32(int64_t{start} + 2);
  int32_t length = ReadVarLen(session);
  // ReadPos now stands on the length's last byte; the walk wants it on the 0xFF shifted by
  // the number of continuation bytes, so that ReadPos + 3 is the first data byte.
  session.ReadPos -= 2;
  session.EventLength = length;
}

std::string ReadMetaText(Session& session) {
  ReadMetaLength(session);
  const uint8_t* text = session.image.Span(int64_t{session.ReadPos} + 3, session.EventLength);
  return session.codePage.ToUtf8(std::string_view(
      reinterpret_cast<const char*>(text), static_cast<size_t>(session.EventLength)));
}

}  // namespace veltrix
