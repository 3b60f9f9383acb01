#include "platform/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

QString DecodeGbk(const char* bytes, qsizetype size) {
  QString result;
  if (size <= 0) return result;
  iconv_t cd = iconv_open("UTF-16LE", "GBK");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    // No converter: keep ASCII and mark everything else as unreadable.
    for (qsizetype i = 0; i < size; ++i)
      result.append(static_cast<unsigned char>(bytes[i]) < 0x80 ? QChar(bytes[i]) : QChar(0xFFFD));
    return result;
  }
  std::vector<char> out(static_cast<size_t>(size) * 2 + 4);
  char* in = const_cast<char*>(bytes);
  size_t inLeft = static_cast<size_t>(size);
  while (inLeft > 0) {
    char* outPtr = out.data();
    size_t outLeft = out.size();
    size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    result.append(QString::fromUtf16(reinterpret_cast<const char16_t*>(out.data()),
                                     static_cast<qsizetype>((out.size() - outLeft) / 2)));
    if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
      // EILSEQ or EINVAL (a lead byte cut off at the end): skip one byte.
      result.append(QChar(0xFFFD));
      ++in;
      --inLeft;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  iconv_close(cd);
  return result;
}
