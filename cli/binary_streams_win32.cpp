// Windows only: strouhal's standard streams in binary mode, set before main()
// runs. Its output then has the same bytes as on Linux ("\n", not "\r\n"),
// which scripts and CSV readers expect, and a Ctrl-Z in the input is data,
// not the end of it. Rows ending in "\r\n" are read as before.

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <initializer_list>

namespace {

const bool binaryStreams = [] {
  for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
  return true;
}();

}  // namespace
