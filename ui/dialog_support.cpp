#include "ui/dialog_support.h"

#include <QStringList>

#include "settings/messages.h"
#include "ui/text_convert.h"

namespace quorvex {

std::vector<std::string> EditorLines(const QString& text) {
  std::vector<std::string> lines;
  if (text.isEmpty()) return lines;
  // A pasted CR LF or lone CR is a line break too; no line may keep one.
  QString unified = text;
  unified.replace(QLatin1String("\r\n"), QLatin1String("\n"))
      .replace(QLatin1Char('\r'), QLatin1Char('\n'));
  QStringList parts = unified.split(QLatin1Char('\n'));
  if (parts.back().isEmpty()) parts.removeLast();
  lines.reserve(parts.size());
  for (const QString& part : parts) lines.push_back(ToCp1252(part));
  return lines;
}

QString LinesToEditorText(const std::vector<std::string>& lines) {
  QStringList parts;
  for (const std::string& line : lines) parts.append(ToQString(line));
  QString text = parts.join(QLatin1Char('\n'));
  // A last empty line needs its own break, or reading the text back would drop it.
  if (!lines.empty() && lines.back().empty()) text += QLatin1Char('\n');
  return text;
}

void ReportUnreadableFile(Notifier& notifier, std::string_view message) {
  notifier.ShowMessage(message);
  notifier.ShowMessage(kWillBeClosed);
}

}  // namespace quorvex
