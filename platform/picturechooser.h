#pragma once

#include <QString>

#include <memory>

class QFileDialog;
class QWidget;

// The picture-open dialog: the user picks a picture file, seeing a preview of it. Tests install a
// double that answers with a file of their own.
class PictureChooser {
public:
    virtual ~PictureChooser() = default;
    // The chosen file's full path, or an empty text when the user cancelled.
    virtual QString choosePicture(QWidget* owner) = 0;

    static PictureChooser& current();
    static void setCurrent(PictureChooser* chooser);
};

// The dialog the real chooser shows, not yet shown, for tests that look at what it offers. Its
// preview is the child label named "preview".
std::unique_ptr<QFileDialog> createPictureOpenDialog(QWidget* owner);
