#pragma once

class QMenu;
class QWidget;

namespace quillon {

// A popup menu in the dark skin, above `parent`; it deletes itself once closed.
QMenu* NewPopupMenu(QWidget* parent);

}  // namespace quillon
