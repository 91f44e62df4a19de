#include "app/qt_text.h"

#include <cstring>

#include "match/codepage.h"
#include "text/bytes.h"

namespace zerulin {

QString ToQString(const Text& text) {
  const Bytes utf16 = GbkToUtf16Opt(text, /*dropTerminator=*/true);
  QString string(static_cast<qsizetype>(utf16.view().size() / 2), Qt::Uninitialized);
  std::memcpy(string.data(), utf16.view().data(), string.size() * sizeof(char16_t));
  return string;
}

Text FromQString(const QString& string) {
  const QByteArray utf8 = string.toUtf8();
  return Utf8ToGbk(Bytes(std::string_view(utf8.constData(), utf8.size())));
}

}  // namespace zerulin
