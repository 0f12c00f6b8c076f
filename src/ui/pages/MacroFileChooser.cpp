#include "ui/pages/MacroFileChooser.h"

#include <QFileDialog>

namespace quillon {

std::string MacroFileChooser::ChooseImportFile(QWidget* parent) {
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Macro"), {},
                                        QStringLiteral("Macros (*.xml)"))
        .toStdString();
}

std::string MacroFileChooser::ChooseExportFolder(QWidget* parent) {
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("Macro")).toStdString();
}

}  // namespace quillon
