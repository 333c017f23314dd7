#pragma once

#include <QUrl>

namespace quorvex {

// The two addresses of the project; every link of the program comes from here.
inline constexpr char kHomepageAddress[] = "https://quorvex.example.org/";
inline constexpr char kBugReportAddress[] = "bugs@quorvex.example.org";
inline constexpr char kBugReportSubject[] = "Quorvex: Report a bug";

// mailto: link to the bug address with the subject filled in.
QUrl BugReportUrl();
QUrl HomepageUrl();

// Hand the link to the desktop's default mail program or web browser.
bool OpenBugReport();
bool OpenHomepage();

// What to tell the user when the desktop has no handler, so the address is not lost.
QString BugReportFailedText();
QString HomepageFailedText();

}  // namespace quorvex
