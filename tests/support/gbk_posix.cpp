#include "support/gbk.h"

#include <iconv.h>

#include <stdexcept>
#include <vector>

std::string Gbk(const char* utf8) {
  std::string in(utf8);
  iconv_t cd = iconv_open("GBK", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open");
  std::vector<char> out(in.size() * 2 + 1);
  char* src = in.data();
  size_t srcLeft = in.size();
  char* dst = out.data();
  size_t dstLeft = out.size();
  const size_t rc = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
  iconv_close(cd);
  if (rc == static_cast<size_t>(-1)) throw std::runtime_error("iconv");
  return std::string(out.data(), dst);
}
