#pragma once

// Helpers shared by the settings dialogs: editor lines and the unreadable-file report.

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "app/seams.h"

namespace quorvex {

// The lines of a plain-text editor: a final line break adds no empty entry, so the lines
// survive a round trip through LinesToEditorText.
std::vector<std::string> EditorLines(const QString& text);
QString LinesToEditorText(const std::vector<std::string>& lines);

// The two messages of a data file that could not be read back.
void ReportUnreadableFile(Notifier& notifier, std::string_view message);

}  // namespace quorvex
