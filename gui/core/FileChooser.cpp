#include "core/FileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace corv {

std::optional<QString> ChooseAnyFile(QWidget* parent, const QString& startFile) {
    const QFileInfo start(QDir::fromNativeSeparators(startFile));
    QFileDialog dlg(parent, QStringLiteral("Open"));
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setNameFilter(QStringLiteral("All files (*)"));
    if (start.isDir()) {
        dlg.setDirectory(start.absoluteFilePath());
    } else {
        if (start.absoluteDir().exists()) dlg.setDirectory(start.absoluteDir());
        dlg.selectFile(start.fileName());
    }
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dlg.selectedFiles().first());
}

}  // namespace corv
