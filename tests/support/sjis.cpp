#include "tests/support/sjis.h"

#include <iconv.h>

#include <stdexcept>

std::string Sjis(std::string_view utf8) {
  iconv_t converter = iconv_open("CP932", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no CP932 in iconv");
  std::string in(utf8);
  std::string out(in.size() * 2 + 1, '\0');
  char* from = in.data();
  char* to = out.data();
  std::size_t fromLeft = in.size(), toLeft = out.size();
  const std::size_t done = iconv(converter, &from, &fromLeft, &to, &toLeft);
  iconv_close(converter);
  if (done == static_cast<std::size_t>(-1)) throw std::runtime_error("not convertible: " + in);
  out.resize(out.size() - toLeft);
  return out;
}

std::string ConsoleLines(std::initializer_list<std::string_view> utf8Lines) {
  std::string bytes;
  for (const auto line : utf8Lines) bytes += Sjis(line) + "\r\n";
  return bytes;
}
