#pragma once
#include <QString>

namespace baralune {

// Opens a web address with the desktop's default handler, through the browser seam. An address
// without a scheme ("www.example.com") is taken as a web address. The result is not looked at
// and nothing is shown, whether a browser started or not.
void ShellOpen(const QString& address);

}  // namespace baralune
