#include "ui/desktop_links.h"

#include <QDesktopServices>
#include <QUrlQuery>

namespace quorvex {

QUrl BugReportUrl() {
  QUrl url;
  url.setScheme(QStringLiteral("mailto"));
  url.setPath(QString::fromLatin1(kBugReportAddress));
  QUrlQuery query;
  query.addQueryItem(QStringLiteral("subject"), QString::fromLatin1(kBugReportSubject));
  url.setQuery(query);
  return url;
}

QUrl HomepageUrl() { return QUrl(QString::fromLatin1(kHomepageAddress)); }

bool OpenBugReport() { return QDesktopServices::openUrl(BugReportUrl()); }

bool OpenHomepage() { return QDesktopServices::openUrl(HomepageUrl()); }

}  // namespace quorvex
