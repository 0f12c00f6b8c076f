#pragma once

#include <string>

class QWidget;

namespace quillon {

// Asks where macro files come from and go to: a file to import, a folder to export into. Tests
// script the answers by deriving from it.
class MacroFileChooser {
  public:
    virtual ~MacroFileChooser() = default;
    // The chosen file; empty when cancelled.
    virtual std::string ChooseImportFile(QWidget* parent);
    // The chosen folder; empty when cancelled.
    virtual std::string ChooseExportFolder(QWidget* parent);
};

}  // namespace quillon
