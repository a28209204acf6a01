#include "command_line.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "safe_output.h"
#include "site.h"

namespace baralune {

CommandLineRequest ReadCommandLine(int argc, const char* const* argv) {
  for (int k = 1; k < argc; ++k) {
    const std::string_view arg = argv[k];
    if (arg == "--") break;
    if (arg == "--help" || arg == "-h") return CommandLineRequest::Help;
    if (arg == "--version") return CommandLineRequest::Version;
  }
  return CommandLineRequest::Windows;
}

int PrintCommandLineAnswer(CommandLineRequest request) {
  QString text;
  if (request == CommandLineRequest::Version) {
    text = QStringLiteral("baralune %1\n")
               .arg(QString::fromUtf8(kVersion.data(), static_cast<qsizetype>(kVersion.size())));
  } else {
    text = QCoreApplication::translate(
        "CommandLine",
        "Usage: baralune [options]\n"
        "Tells fortunes with the 40-card Spanish deck: opens the main window, where you\n"
        "enter your name and date of birth, pick a spread and deal.\n"
        "\n"
        "Options:\n"
        "  -h, --help    show this help and exit\n"
        "  --version     show the version and exit\n"
        "\n"
        "Qt's own options, such as -platform or -style, are accepted as well.\n");
  }
  const QByteArray bytes = text.toUtf8();
  const int error = WriteFully(1, std::string_view(bytes.constData(), bytes.size()));
  if (error != 0) {
    std::fprintf(stderr, "baralune: cannot write to standard output: %s\n", std::strerror(error));
    return 1;
  }
  return 0;
}

}  // namespace baralune
