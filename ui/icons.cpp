#include "ui/icons.h"

#include <QString>

static void InitQuorvexResources() { Q_INIT_RESOURCE(resources); }

namespace quorvex {

QIcon ThemeIcon(const char* theme_name, const char* fallback) {
  InitUiResources();
  const QIcon bundled(QStringLiteral(":/pictures/%1.svg").arg(QString::fromLatin1(fallback)));
  return QIcon::fromTheme(QString::fromLatin1(theme_name), bundled);
}

QIcon AppIcon() {
  InitUiResources();
  return QIcon(QStringLiteral(":/pictures/quorvex.svg"));
}

void InitUiResources() {
  static const bool registered = (InitQuorvexResources(), true);
  (void)registered;
}

}  // namespace quorvex
