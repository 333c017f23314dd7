#pragma once

// Saving a window's content to a file the user chooses. The choice is a function, so tests
// hand in a path instead of driving a file dialog.

#include <QByteArray>
#include <QString>
#include <functional>

class QWidget;

namespace quorvex {

// Returns the chosen path, or an empty text when the user cancelled.
using SavePathChooser = std::function<QString(QWidget* parent, const QString& caption,
                                              const QString& suggested, const QString& filter)>;

// The desktop's save dialog.
QString ChooseSavePathByDialog(QWidget* parent, const QString& caption, const QString& suggested,
                               const QString& filter);

// suggested_name in the user's folder of that kind (pictures or documents).
QString SuggestedPicturePath(const QString& suggested_name);
QString SuggestedDocumentPath(const QString& suggested_name);

// Appends suffix (".png") when the chosen name has none.
QString WithDefaultSuffix(const QString& path, const QString& suffix);

// Writes bytes as the whole file, replacing it only once all are written; on failure shows
// "Quorvex could not save '<path>'" and returns false.
bool SaveFileOrSay(QWidget* parent, const QString& path, const QByteArray& bytes);

// Writes one piece of the file; false when it could not be written.
using ByteSink = std::function<bool(const QByteArray& bytes)>;
// Hands the file's content to the sink piece by piece; false as soon as a write failed.
using ByteProducer = std::function<bool(const ByteSink& write)>;
// The same for content made piece by piece, so that it is never held whole.
bool SaveFileOrSay(QWidget* parent, const QString& path, const ByteProducer& produce);

}  // namespace quorvex
