#pragma once

#include <QUrl>

/**
 * The few outside addresses the program opens. They are deployment settings
 * (CMake cache variables); an address left empty comes back as an empty URL;
 * every opening goes through open() so that a desktop without a URL handler
 * (or a test) can be served by a handler of our own.
 */
namespace AppUrls {

QUrl homePage();
QUrl helpPage();
QUrl downloadPage();
QUrl supportMail();
QUrl updateCheck();

/** Opens @p url with the desktop's handler; false when none took it. */
bool open(const QUrl &url);

} // namespace AppUrls
