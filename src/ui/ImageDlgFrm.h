#pragma once

#include "aFrm.h"

#include <QImage>

#include <functional>

class QAction;
class QLabel;
class QScrollArea;

// The picture file dialogs. Tests put their own chooser in place (an empty one restores the
// real dialogs); it returns the chosen file name, empty when cancelled.
enum class PictureFileMode { Open, Save };
using PictureFileChooser =
    std::function<QString(QWidget* parent, PictureFileMode mode, const QString& filter)>;
// Returns the chooser that was in place.
PictureFileChooser SetPictureFileChooser(PictureFileChooser chooser);
QString ChoosePictureFile(QWidget* parent, PictureFileMode mode, const QString& filter);

// The picture window: shows one picture, which can be loaded from a file, written to a file or
// cleared. The caller writes Picture and Ext, shows the window modally (as often as it likes)
// and reads both after OK.
class TImageDlgFrm : public TaFrm {
    Q_OBJECT
public:
    explicit TImageDlgFrm(QWidget* parent = nullptr);

    static const QString PictureFilter;

    const QImage& Picture() const { return m_picture; }
    // Shows the picture, widening and heightening the window to fit it (never shrinking it).
    void SetPicture(const QImage& picture);
    // The picture's file extension, lower case with its dot (".jpg").
    const QString& Ext() const { return m_ext; }
    void SetExt(const QString& ext) { m_ext = ext; }

    // Loads a picture file and takes its extension; a file that is no picture raises
    // Exception with the decoder's message and leaves the picture as it was.
    void LoadFromFile(const QString& fileName);
    // Writes the picture in its own format under exactly that name; nothing when empty.
    void SaveToFile(const QString& fileName) const;

    QLabel* Image() const { return m_image; }
    QAction* LoadAction() const { return m_load; }
    QAction* SaveAction() const { return m_save; }
    QAction* ClearAction() const { return m_clear; }
    QAction* CancelAction() const { return m_cancel; }
    QAction* OkAction() const { return m_ok; }

private:
    void LoadClick();
    void SaveClick();
    void ClearClick();

    QScrollArea* m_box;
    QLabel* m_image;
    QAction* m_load;
    QAction* m_save;
    QAction* m_clear;
    QAction* m_cancel;
    QAction* m_ok;
    QImage m_picture;
    QString m_ext;
};
