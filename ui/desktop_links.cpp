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

QString BugReportFailedText() {
  return QStringLiteral(
             "No e-mail program could be started. Please write to %1 with the subject "
             "\"%2\".")
      .arg(QString::fromLatin1(kBugReportAddress), QString::fromLatin1(kBugReportSubject));
}

QString HomepageFailedText() {
  return QStringLiteral("No web browser could be started. The homepage is %1")
      .arg(QString::fromLatin1(kHomepageAddress));
}

}  // namespace quorvex
