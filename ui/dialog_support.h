#pragma once

// Helpers shared by the settings dialogs: editor lines and the unreadable-file report.

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "app/seams.h"
#include "common/line_file.h"
#include "settings/data_files.h"
#include "settings/messages.h"

namespace quorvex {

// The lines of a plain-text editor: a final line break adds no empty entry, so the lines
// survive a round trip through LinesToEditorText.
std::vector<std::string> EditorLines(const QString& text);
QString LinesToEditorText(const std::vector<std::string>& lines);

// The two messages of a data file that could not be read back.
void ReportUnreadableFile(Notifier& notifier, std::string_view message);

// OK of a settings dialog: writes the edited record to its data file. A failed write goes to
// the general error report and false keeps the dialog open.
template <typename Record>
bool SaveRecordFile(Notifier& notifier, void (*save)(const std::filesystem::path&, const Record&),
                    const DataDir& dir, std::string_view file, const Record& edited) {
  try {
    save(dir.File(file), edited);
    return true;
  } catch (const FileWriteError& error) {
    notifier.ShowErrorReport(error.what());
    return false;
  }
}

// The close of a settings dialog: the record is read back from its file, so unsaved edits go.
// An unreadable file gets its two messages and false.
template <typename Record>
bool ReloadRecordFile(Notifier& notifier, bool (*load)(const std::filesystem::path&, Record&),
                      const DataDir& dir, std::string_view file, Record& record) {
  if (load(dir.File(file), record)) return true;
  ReportUnreadableFile(notifier, CouldNotOpenMessage(file));
  return false;
}

}  // namespace quorvex
