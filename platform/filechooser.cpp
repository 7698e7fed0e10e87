#include "filechooser.h"

#include <QDir>
#include <QFileDialog>

namespace {

class DialogFileChooser final : public FileChooser {
public:
    std::optional<QString> saveFile(QWidget* owner, const Request& request) override
    {
        return ask(owner, request, QFileDialog::AcceptSave);
    }
    std::optional<QString> openFile(QWidget* owner, const Request& request) override
    {
        return ask(owner, request, QFileDialog::AcceptOpen);
    }

private:
    static std::optional<QString> ask(QWidget* owner, const Request& request, QFileDialog::AcceptMode mode)
    {
        QFileDialog dialog(owner, request.title, request.folder, request.filter);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(request.defaultSuffix);
        if (!request.fileName.isEmpty())
            dialog.selectFile(QDir(request.folder).filePath(request.fileName));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }
};

FileChooser* g_current = nullptr;

} // namespace

FileChooser& FileChooser::current()
{
    static DialogFileChooser real;
    return g_current ? *g_current : real;
}

void FileChooser::setCurrent(FileChooser* chooser)
{
    g_current = chooser;
}
