#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QWidget;

// How the documents and photos of a machine reach files and the desktop. Tests put their own
// opener and chooser in place; an empty one restores the desktop's.

// Opens a file with the desktop's associated program; false when nothing could.
using TFileOpener = std::function<bool(const QString& path)>;
TFileOpener SetAttachmentOpener(TFileOpener opener);
// Opens the file and says so when no program could.
bool OpenAttachment(const QString& path);

// The open-file dialog of the document editor: the chosen file, empty when cancelled.
using TDocumentChooser = std::function<QString(QWidget* parent, const QString& current)>;
TDocumentChooser SetDocumentChooser(TDocumentChooser chooser);
QString ChooseDocumentFile(QWidget* parent, const QString& current);

// The whole file; raises Exception with the reason when it cannot be read.
QByteArray ReadAttachment(const QString& path);
// Writes a stored document to "tmp_" + its file name in the data folder, replacing an earlier
// copy, and returns the copy's path; raises Exception when it cannot be written.
QString WriteTemporaryCopy(const QString& storedPath, const QByteArray& data);
