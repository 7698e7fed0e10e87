#pragma once

#include <QString>

#include <optional>

class QWidget;

// The open and save file dialogs. Windows ask for file names only through the current chooser, so
// tests give the answer without a modal dialog.
class FileChooser {
public:
    struct Request {
        QString title;
        QString folder;        // where the dialog starts
        QString fileName;      // the proposed name (save only)
        QString filter;        // "Listy (*.lst)"
        QString defaultSuffix; // added to a name typed without one
    };

    virtual ~FileChooser() = default;
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<QString> saveFile(QWidget* owner, const Request& request) = 0;
    virtual std::optional<QString> openFile(QWidget* owner, const Request& request) = 0;

    static FileChooser& current();
    static void setCurrent(FileChooser* chooser);
};
