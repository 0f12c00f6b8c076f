#pragma once

#include <string>

#include "ui/toolkit/ListControl.h"

namespace quillon {

// The items of a macro: each row shows an icon and its text (the item's description), and keeps
// the item's type, value and time stamp.
class CRecordList : public ListControl {
  public:
    static constexpr const char* kClassName = "CRecordList";
    const char* GetClassName() const override { return kClassName; }

    void SetItemIcon(const std::string& name);

  protected:
    void PaintRow(QPainter& painter, const QRect& row, const ListItem& item, bool selected,
                  const TextStyle& style) override;

  private:
    std::string icon_;  // read while painting, on the GUI thread
};

}  // namespace quillon
